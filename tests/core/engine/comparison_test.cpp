#include "engine/comparison.h"

#include "enginetestdata.h"
#include "workspace.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace arvex;
using arvex::test::Op;
using arvex::test::TestMachine;

namespace {

// A machine with no non-cutting times at all.
MachineDefinition BareMachine() { return {}; }

// Sub spindle used, no parts catcher; operations of the given cutting times
// with one tool each side, so that a bare machine adds nothing.
TimeStudy TwoSpindleStudy(const std::vector<double>& mainTimes, const std::vector<double>& subTimes) {
  TimeStudy st;
  st.Header.SubSpindleUsed = 1;
  st.Header.PartsCatcherUsed = 0;
  int i = 1;
  for (double t : mainTimes) st.Op(1, i++) = Op("T01", "Turn", 1000, t);
  i = 1;
  for (double t : subTimes) st.Op(2, i++) = Op("T21", "Face", 1000, t);
  return st;
}

void AddSyncs(TimeStudy& st, const std::vector<std::pair<int, int>>& syncs) {
  int k = 1;
  for (auto [a, b] : syncs) {
    st.Sync(1, k) = static_cast<std::int16_t>(a);
    st.Sync(2, k) = static_cast<std::int16_t>(b);
    ++k;
  }
}

QStringList Labels(const TimeStudy& st, int spindle) {
  QStringList labels;
  for (int i = 1; i <= st.Count(spindle); ++i) labels << st.Op(spindle, i).Group;
  return labels;
}

}  // namespace

// ---- grouping -----------------------------------------------------------------------

TEST(ComparisonTest, SubSpindleNotUsedPutsEverythingInA) {
  TimeStudy st = TwoSpindleStudy({2, 3}, {10});
  st.Header.SubSpindleUsed = 0;
  st.Op(2, 1).Group = "C1";  // left from an earlier grouping
  CycleComparison r;
  GetTime(st, BareMachine(), r);
  EXPECT_EQ(Labels(st, 1), (QStringList{"A ", "A "}));
  EXPECT_EQ(r.TotalA, 5.0f);
  EXPECT_EQ(r.TotalC[1], 0.0f);  // the unused sub list is not compared
  EXPECT_EQ(r.Total, 5.0);
  EXPECT_EQ(r.Formula, "(A)");
  EXPECT_EQ(r.Labels[4], "Total=5.(A)");
  // Nothing left to compare: the last results stay.
  st.Op(1, 1) = st.Op(1, 2) = st.Op(2, 1) = Operation{};
  GetTime(st, BareMachine(), r);
  EXPECT_EQ(st.MainOpCount, 0);
  EXPECT_EQ(r.TotalA, 5.0f);
  EXPECT_EQ(r.Labels[4], "Total=5.(A)");
}

namespace {

// Two lists and their syncs on a bare machine, and the groups they must give.
struct GroupCase {
  const char* Name;
  std::vector<double> Main, Sub;
  std::vector<std::pair<int, int>> Syncs;
  QStringList MainLabels, SubLabels;
  int SyncCount;
  float A, D;
  std::vector<std::pair<float, float>> BC;  // TotalB[k], TotalC[k] for k = 1, 2...
  double Total;
  const char* Formula;
  GroupRange RangeD = {};
};

}  // namespace

TEST(ComparisonTest, SyncsCutTheListsIntoGroups) {
  const GroupCase cases[] = {
      {"no syncs: the whole lists", {2, 3}, {4, 2}, {}, {"B1", "B1"}, {"C1", "C1"}, 0, 0, 0, {{5, 6}}, 6, "( C1)"},
      {"main work before sync 1 runs beside the sub work before it", {1, 1, 1}, {1, 1, 1}, {{2, 2}},
       {"B1", "B2", "B2"}, {"C1", "C2", "C2"}, 1, 0, 0, {{1, 1}, {2, 2}}, 3, "( B1 B2)"},
      {"the sub spindle starts at sync 1: the main work before it is A", {1, 1, 1}, {1, 1, 1}, {{2, 1}},
       {"A ", "B1", "B1"}, {"C1", "C1", "C1"}, 1, 1, 0, {{2, 3}}, 4, "(A C1)"},
      // Sync 1 before main operation 1 and sub operation 2: the sub spindle
      // does its first second while the main spindle waits at the sync.
      {"sub work before sync 1 stands against an empty B1", {1, 1, 1}, {1, 1, 1}, {{1, 2}}, {"B2", "B2", "B2"},
       {"C1", "C2", "C2"}, 1, 0, 0, {{0, 1}, {3, 2}}, 4, "( C1 B2)"},
      // Sub place 2 is after its last operation.
      {"a last sync after the last sub operation sends the rest to D", {1, 2, 3, 4}, {5}, {{3, 2}},
       {"B1", "B1", "D ", "D "}, {"C1"}, 1, 0, 7, {{3, 5}}, 12, "( C1 D)", {3, 4}},
      {"equal times count the main spindle", {3}, {1, 2}, {}, {"B1"}, {"C1", "C1"}, 0, 0, 0, {{3, 3}}, 3, "( B1)"},
  };
  for (const GroupCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TimeStudy st = TwoSpindleStudy(c.Main, c.Sub);
    AddSyncs(st, c.Syncs);
    CycleComparison r;
    GetTime(st, BareMachine(), r);
    EXPECT_EQ(Labels(st, 1), c.MainLabels);
    EXPECT_EQ(Labels(st, 2), c.SubLabels);
    EXPECT_EQ(st.SyncCount, c.SyncCount);
    EXPECT_EQ(r.TotalA, c.A);
    EXPECT_EQ(r.TotalD, c.D);
    EXPECT_EQ(r.RangeD, c.RangeD);
    for (std::size_t k = 0; k < c.BC.size(); ++k) {
      EXPECT_EQ(r.TotalB[k + 1], c.BC[k].first) << "B" << k + 1;
      EXPECT_EQ(r.TotalC[k + 1], c.BC[k].second) << "C" << k + 1;
    }
    EXPECT_EQ(r.Total, c.Total);
    EXPECT_EQ(r.Formula, c.Formula);
  }
}

TEST(ComparisonTest, ASubOperationNoSyncReachesBelongsToNoGroup) {
  // A damaged table: the sub column holds a sync, the main column none.
  TimeStudy st = TwoSpindleStudy({1}, {1, 1});
  st.Sync(2, 1) = 2;
  st.Op(2, 1).Group = "C5";
  CycleComparison r;
  GetTime(st, BareMachine(), r);
  EXPECT_EQ(Labels(st, 2), (QStringList{"", "C1"}));
  EXPECT_EQ(r.TotalC[5], 0.0f);
  EXPECT_EQ(r.RangeC[1], (GroupRange{2, 2}));
}

TEST(ComparisonTest, ThirtySyncsMakeThirtyOneGroups) {
  // Sync k before main operation k and sub operation k + 1; the sub work
  // before sync 1 is C1, the main operations after sync 30 are B31.
  TimeStudy st = TwoSpindleStudy({}, {});
  for (int i = 1; i <= 31; ++i) st.Op(1, i) = Op("T01", "Turn", 1000, 1);
  for (int j = 1; j <= 32; ++j) st.Op(2, j) = Op("T21", "Face", 1000, 2);
  for (int k = 1; k <= 30; ++k) {
    st.Sync(1, k) = static_cast<std::int16_t>(k);
    st.Sync(2, k) = static_cast<std::int16_t>(k + 1);
  }
  CycleComparison r;
  GetTime(st, BareMachine(), r);
  EXPECT_EQ(st.Op(1, 31).Group, "B31");
  EXPECT_EQ(st.Op(2, 32).Group, "C31");
  EXPECT_EQ(r.RangeB[31], (GroupRange{30, 31}));
  EXPECT_EQ(r.TotalC[31], 4.0f);
  EXPECT_TRUE(r.Formula.endsWith(" C30 C31)"));
  EXPECT_EQ(r.Total, 2.0 * 31 + 2.0);  // every C group counts, C31 twice over
}

// ---- totals and labels --------------------------------------------------------------

TEST(ComparisonTest, TheWorkedExampleThroughTheSyncs) {
  // A 12.5 | B1 20 against C1 25 | B2 8 against nothing | D 4.
  TimeStudy st = TwoSpindleStudy({12.5, 20, 8, 4}, {25});
  AddSyncs(st, {{2, 1}, {3, 2}, {4, 2}});
  CycleComparison r;
  GetTime(st, BareMachine(), r);
  EXPECT_EQ(Labels(st, 1), (QStringList{"A ", "B1", "B2", "D "}));
  EXPECT_EQ(r.Labels[0], "A=12.5");
  EXPECT_EQ(r.Labels[1], "B1=20.");
  EXPECT_EQ(r.Labels[2], "C1=25.");
  EXPECT_EQ(r.Labels[3], "D=4.");
  EXPECT_EQ(r.Labels[4], "Total=49.5(A C1 B2 D)");
  EXPECT_EQ(GroupLabelTexts(r, 2), (std::pair<QString, QString>{"B2=8.", "C2=."}));
  const CycleTotalResult t = CycleTotal(r);
  EXPECT_EQ(t.Total, 49.5);
  EXPECT_EQ(t.Formula, "(A C1 B2 D)");
  EXPECT_EQ(CycleTotal(CycleComparison{}).Formula, "()");
}

TEST(ComparisonTest, GroupsGetTheirItemLinesAndPlaceZeroClosesTheCycle) {
  MachineDefinition m = TestMachine();
  m.MainSpindle.RapidZBeginEnd = "N";
  TimeStudy st = TwoSpindleStudy({2, 3}, {});
  st.Header.SubSpindleUsed = 0;
  st.Op(1, 2).ToolNo = "T02";
  CycleComparison r;
  GetTime(st, m, r);
  EXPECT_EQ(st.Op(1, 0).ToolNo, "T02");
  EXPECT_EQ(r.LinesA, (ItemLines{{"Tool Change Gang to Gang", " 2 x 0.60 = 1.20"}}));
  EXPECT_EQ(r.CutA, 5.0f);
  EXPECT_EQ(r.IdleA, 1.2f);
  EXPECT_EQ(r.TotalA, 6.2f);
  EXPECT_EQ(r.Labels[0], "A=6.2");
}

TEST(ComparisonTest, ARecalculationAfterChangesEqualsAFreshOne) {
  MachineDefinition m = TestMachine();
  TimeStudy st = TwoSpindleStudy({2, 3, 1, 4}, {4, 1, 2});
  st.Header.PartLength = "1.5";
  st.Op(1, 2).ToolNo = "T11";
  st.Op(1, 3).OpName = "Live drill";
  st.Op(1, 3).Dwells = 2;
  st.Op(2, 2).OpName = "LIVE drill";
  AddSyncs(st, {{2, 2}, {4, 3}});
  CycleComparison kept;
  GetTime(st, m, kept);
  EXPECT_FALSE(kept.LinesB[1].empty());

  auto check = [&](const char* what) {
    SCOPED_TRACE(what);
    CycleComparison fresh;
    TimeStudy copy = st;
    GetTime(copy, m, fresh);
    GetTime(st, m, kept);
    EXPECT_EQ(kept.LinesA, fresh.LinesA);
    EXPECT_EQ(kept.LinesB, fresh.LinesB);
    EXPECT_EQ(kept.LinesC, fresh.LinesC);
    EXPECT_EQ(kept.LinesD, fresh.LinesD);
    EXPECT_EQ(kept.TotalB, fresh.TotalB);
    EXPECT_EQ(kept.TotalC, fresh.TotalC);
    EXPECT_EQ(kept.RangeB, fresh.RangeB);
    EXPECT_EQ(kept.SetupMinutes, fresh.SetupMinutes);
    EXPECT_EQ(kept.Labels, fresh.Labels);
  };
  check("nothing changed");
  st.Op(1, 4).ToolNo = "T12";  // another post
  check("tool");
  st.Op(1, 3).OpName = "Drill";  // no longer live
  st.Op(1, 3).Dwells = 0;        // a shorter line list
  check("name");
  m.MainTools1List = SplitToolString("Gang,T01,T12");  // T12 now on post 1
  m.MainSpindle.ToolSetTime2 = 9;
  check("machine");
  st.Sync(1, 2) = 0;
  st.Sync(2, 2) = 0;
  st.Op(1, 4) = Operation{};  // fewer groups, one operation less
  check("syncs");
}

// ---- setup time ---------------------------------------------------------------------

TEST(ComparisonTest, SetupChargesEachUsedToolOnce) {
  MachineDefinition m = TestMachine();  // SetUpTime 30; main posts 5 and 6, sub posts 7 and 8
  m.SubTools1List = SplitToolString("Back,T01,T21,Eject Part");
  TimeStudy st = TwoSpindleStudy({1, 1, 1}, {1, 1});
  st.Op(1, 2).ToolNo = "T11";
  st.Op(1, 3).ToolNo = "T01";  // T01 twice on the main spindle
  st.Op(2, 1).ToolNo = "T01";  // and once on the sub spindle
  st.Op(2, 2).ToolNo = "T31";
  st.RecountOps();
  // 30 + T01 (5, charged on its first post only) + T11 (6) + T31 (8).
  EXPECT_EQ(ComputeSetupMinutes(st, m), 49);
  // Whole tool numbers are compared: "1" is not "11".
  m.MainTools1List = SplitToolString("Gang,11,1");
  st = TwoSpindleStudy({1, 1}, {});
  st.Op(1, 1).ToolNo = "11";
  st.Op(1, 2).ToolNo = "1";
  st.RecountOps();
  EXPECT_EQ(ComputeSetupMinutes(st, m), 40);
}
