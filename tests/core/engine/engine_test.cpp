// The range times, the cycle comparison and the checks before printing, on
// machines and studies built in code. Every unit time of the test machine
// differs, so a line in the wrong slot shows at once.

#include "engine/comparison.h"
#include "engine/printchecks.h"
#include "engine/rangetimes.h"

#include "platform/scriptedprompter.h"
#include "support/qstringprint.h"
#include "workspace.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

// Readable failure output for item lines.
namespace arvex {

void PrintTo(const ItemLine& l, std::ostream* os) {
  *os << "{\"" << l.Description.toStdString() << "\", \"" << l.Value.toStdString() << "\"}";
}

namespace {

// Posts: main "Gang" T01..T05 and "Turret" T11, T12; sub "Back" T21, T22,
// Eject Part and "Rear" T31, T32. Live spindles "Live1".."Live4". Stock
// feed at the start of the cycle, stroke 1.0, Z feed 600 per minute (0.1 s
// per unit of length).
MachineDefinition TestMachine() {
  MachineDefinition m;
  m.LoadedName = QStringLiteral("TESTMACH");
  m.HasSubSpindle = 1;
  m.HasLiveTools = 1;
  m.MainSpindle.Tools1 = QStringLiteral("Gang,T01,T02,T03,T04,T05");
  m.MainSpindle.Tools2 = QStringLiteral("Turret,T11,T12");
  m.SubSpindle.Tools1 = QStringLiteral("Back,T21,T22,Eject Part");
  m.SubSpindle.Tools2 = QStringLiteral("Rear,T31,T32");
  m.SplitToolLists();

  SpindleRecord& ms = m.MainSpindle;
  ms.Time1to1 = 0.6, ms.Time2to2 = 0.8, ms.Time1to2 = 1.5;
  ms.SplStartStop = 1.2, ms.SplChange3k = 0.7, ms.SplForRev = 0.4, ms.SplRef = 0.9, ms.SplIndex = 0.3;
  ms.CatchFrMain = 2.0;
  ms.OtherDesc1 = QStringLiteral("Chip conveyor"), ms.OtherTime1 = 0, ms.Other1BeginEnd = QStringLiteral("B");
  ms.OtherDesc2 = QStringLiteral("Probe"), ms.OtherTime2 = 0, ms.Other2BeginEnd = QStringLiteral("B");
  ms.ColletOpenClose = 0.5, ms.HeadstockStroke = 1.0;
  ms.RapidMultZ = 600, ms.RapidZBeginEnd = QStringLiteral("B"), ms.RapidMultExtra = 0.25;
  ms.SetUpTime = 30, ms.ToolSetTime1 = 5, ms.ToolSetTime2 = 6;

  SpindleRecord& ss = m.SubSpindle;
  ss.Time1to1 = 0.65, ss.Time2to2 = 0.85, ss.Time1to2 = 1.55;
  ss.SplStartStop = 1.25, ss.SplChange3k = 0.75, ss.SplForRev = 0.45, ss.SplRef = 0.95, ss.SplIndex = 0.35;
  ss.CatchFrSub = 3.0, ss.TransferFrMain = 1.5;
  ss.OtherDesc1 = QStringLiteral("Sub wash"), ss.OtherDesc2 = QStringLiteral("Sub blow");
  ss.ToolSetTime1 = 7, ss.ToolSetTime2 = 8;

  for (int n = 1; n <= 4; ++n) {
    LiveSpindleRecord& live = m.LiveSpindle(n);
    live.Name = QStringLiteral("Live%1").arg(n);
    live.SplStartStop = 0.5 + 0.01 * (n - 1);
    live.SplChange3k = 0.35 + 0.01 * (n - 1);
    live.SplForRev = 0.45 + 0.01 * (n - 1);
  }
  return m;
}

Operation Op(const QString& tool, const QString& name, int rpm = 1000, double cutTime = 0) {
  Operation op;
  op.ToolNo = tool;
  op.OpName = name;
  op.RPM = static_cast<std::int16_t>(rpm);
  op.CutTime = cutTime;
  return op;
}

// Counts and place 0 set as GetTime sets them.
void SetLastIntoPlaceZero(TimeStudy& st) {
  st.RecountOps();
  st.Op(kMainSpindle, 0) = st.Op(kMainSpindle, st.MainOpCount);
  st.Op(kSubSpindle, 0) = st.Op(kSubSpindle, st.SubOpCount);
}

// The sub spindle and the parts catcher not used; the main list as given.
TimeStudy MainOnlyStudy(const std::vector<Operation>& ops) {
  TimeStudy st;
  st.Header.SubSpindleUsed = 0;
  st.Header.PartsCatcherUsed = 0;
  st.Header.PartLength = QStringLiteral("0");
  int i = 1;
  for (const Operation& op : ops) st.Op(kMainSpindle, i++) = op;
  SetLastIntoPlaceZero(st);
  return st;
}

// ---- range times ----------------------------------------------------------------

RangeTimes Compute(const TimeStudy& st, const MachineDefinition& m, int first, int last, int spindle = 1) {
  ItemCounts counts{};
  return ComputeRangeTimes(st, m, counts, first, last, spindle);
}

// One range of one study on the test machine, and what it must give.
struct RangeCase {
  const char* Name = "";
  std::vector<Operation> Main = {}, Sub = {};
  int First = 1, Last = 0, Spindle = 1;  // Last 0: to the end of the list
  std::int16_t SubUsed = 0, Catcher = 0;
  const char* PartLength = "0";
  const char* StockFeed = "N";  // the machine's RapidZBeginEnd; "N": the other lines stand alone
  void (*Machine)(MachineDefinition&) = nullptr;  // changes to the test machine
  ItemLines Lines = {};
  float Idle = -1;                             // -1: not checked
  std::vector<std::pair<int, int>> Counts = {};  // {slot, count}
};

void ExpectRange(const RangeCase& c) {
  SCOPED_TRACE(c.Name);
  MachineDefinition m = TestMachine();
  m.MainSpindle.RapidZBeginEnd = QString::fromLatin1(c.StockFeed);
  if (c.Machine) c.Machine(m);
  TimeStudy st;
  st.Header.SubSpindleUsed = c.SubUsed;
  st.Header.PartsCatcherUsed = c.Catcher;
  st.Header.PartLength = QString::fromLatin1(c.PartLength);
  for (std::size_t i = 0; i < c.Main.size(); ++i) st.Op(kMainSpindle, static_cast<int>(i) + 1) = c.Main[i];
  for (std::size_t i = 0; i < c.Sub.size(); ++i) st.Op(kSubSpindle, static_cast<int>(i) + 1) = c.Sub[i];
  SetLastIntoPlaceZero(st);
  ItemCounts counts{};
  const int last = c.Last ? c.Last : st.Count(c.Spindle);
  const RangeTimes r = ComputeRangeTimes(st, m, counts, c.First, last, c.Spindle);
  EXPECT_EQ(r.Lines, c.Lines);
  if (c.Idle >= 0) {
    EXPECT_FLOAT_EQ(r.IdleTotal, c.Idle);
  }
  for (auto [slot, count] : c.Counts) EXPECT_EQ(counts[slot], count) << "slot " << slot;
}

TEST(RangeTimesTest, ToolChangesAndTheCycleWrap) {
  const std::vector<Operation> sameLast = {Op("T01", "Face"), Op("T02", "Turn"), Op("T02", "Finish")};
  const RangeCase cases[] = {
      {.Name = "three tools of one post: two changes and the way back",
       .Main = {Op("T01", "Face"), Op("T02", "Turn"), Op("T03", "Drill")},
       .Lines = {{"Tool Change Gang to Gang", " 3 x 0.60 = 1.80"}}, .Idle = 1.8f, .Counts = {{0, 3}}},
      {.Name = "between posts and within post two", .Main = {Op("T01", "Turn"), Op("T11", "Bore"), Op("T12", "Groove")},
       .Lines = {{"Tool Change Turret to Turret", " 1 x 0.80 = 0.80"},
                 {"Tool Change Gang to Turret", " 2 x 1.50 = 3.00"}}},
      // Operation 2 follows 1 (a change), 3 follows 2 (same tool); the wrap
      // to the last operation belongs to the range that holds operation 1.
      {.Name = "range inside the list", .Main = sameLast, .First = 2,
       .Lines = {{"Tool Change Gang to Gang", " 1 x 0.60 = 0.60"}}},
      {.Name = "range holding operation 1", .Main = sameLast, .Last = 1,
       .Lines = {{"Tool Change Gang to Gang", " 1 x 0.60 = 0.60"}}},
      {.Name = "tool in no list: between posts", .Main = {Op("T01", "Turn"), Op("X9", "Special")},
       .Lines = {{"Tool Change Gang to Turret", " 2 x 1.50 = 3.00"}}},
      {.Name = "sub posts and times", .Sub = {Op("T21", "Face"), Op("T22", "Drill"), Op("T31", "Back bore")},
       .Spindle = 2, .SubUsed = 1,
       .Lines = {{"Tool Change Back to Back", " 1 x 0.65 = 0.65"}, {"Tool Change Back to Rear", " 2 x 1.55 = 3.10"}}},
  };
  for (const RangeCase& c : cases) ExpectRange(c);
}

TEST(RangeTimesTest, SpindleSpeedLiveToolsAndTapping) {
  const ItemLine turnToLive[] = {{"Main Spindle Start/Stop", " 1 x 1.20 = 1.20"},
                                 {"Main Spindle Index to Ref.", " 1 x 0.90 = 0.90"}};
  const RangeCase cases[] = {
      {.Name = "speed step of exactly 3000", .Main = {Op("T01", "Rough", 1000), Op("T01", "Finish", 4000)}, .First = 2,
       .Lines = {{"Main Spindle Change Speed", " 1 x 0.70 = 0.70"}}},
      {.Name = "speed step of 2999", .Main = {Op("T01", "Rough", 1000), Op("T01", "Finish", 3999)}, .First = 2,
       .Lines = {}},
      // Turning then a live drill stops and orients the spindle; the live
      // mill at 4000 after the drill changes the live speed, not the main one.
      {.Name = "turning, a live drill and a live mill",
       .Main = {Op("T01", "Turn", 3000), Op("T02", "LIVE Drill", 500), Op("T03", "Live mill", 4000)},
       .Lines = {{"Tool Change Gang to Gang", " 3 x 0.60 = 1.80"}, turnToLive[0], turnToLive[1],
                 {"Live1 Start/Stop", " 1 x 0.50 = 0.50"}, {"Live1 Change Speed", " 1 x 0.35 = 0.35"}},
       .Idle = 4.75f, .Counts = {{4, 0}, {24, 1}}},
      {.Name = "a live tool on post two uses live spindle two",
       .Main = {Op("T01", "Turn", 2000), Op("T11", "live cross drill", 1500)},
       .Lines = {{"Tool Change Gang to Turret", " 2 x 1.50 = 3.00"}, turnToLive[0], turnToLive[1],
                 {"Live2 Start/Stop", " 1 x 0.51 = 0.51"}}},
      {.Name = "a live tap reverses the live spindle, not the main one", .Main = {Op("T01", "LIVE TAP M5")},
       .Lines = {{"Live1 For./Rev", " 1 x 0.45 = 0.45"}}},
      {.Name = "a fixed tap (any case) or a die reverses the main spindle",
       .Main = {Op("T01", "tap M6"), Op("T01", "Die 1/4-20")},
       .Lines = {{"Main Spindle For./Rev", " 2 x 0.40 = 0.80"}}},
      {.Name = "a tap on the sub spindle reverses the back spindle", .Sub = {Op("T21", "Tap")}, .Spindle = 2,
       .SubUsed = 1, .Lines = {{"Back Spindle For./Rev", " 1 x 0.45 = 0.45"}}},
      // +3000 on a sub post: the back spindle; -3000 with a tool in no list
      // (code 0): the main side.
      {.Name = "sub spindle items and an unknown tool's speed",
       .Sub = {Op("T21", "Face", 500), Op("T21", "Finish", 3500), Op("X1", "Special", 500), Op("X1", "Live slot", 500)},
       .First = 2, .Spindle = 2, .SubUsed = 1,
       .Lines = {{"Main Spindle Change Speed", " 1 x 0.70 = 0.70"}, {"Tool Change Back to Rear", " 1 x 1.55 = 1.55"},
                 {"Back Spindle Start/Stop", " 1 x 1.25 = 1.25"}, {"Back Spindle Change Speed", " 1 x 0.75 = 0.75"},
                 {"Back Spindle Index to Ref.", " 1 x 0.95 = 0.95"}},
       .Counts = {{17, 1}, {4, 1}}},
  };
  for (const RangeCase& c : cases) ExpectRange(c);
}

// The test machine: stroke 1.0, feed 600 per minute (0.1 s per unit).
TEST(RangeTimesTest, StockFeedCountsOneFeedPerStrokeStarted) {
  const std::vector<Operation> one = {Op("T01", "Turn")};
  const std::vector<Operation> two = {Op("T01", "Turn"), Op("T01", "Part off")};
  const ItemLines feed25 = {{"Collet Open/Close", " 3 x 0.50 = 1.50"}, {"Feed Stock", " 2.5 x 0.100 = 0.25"}};
  const RangeCase cases[] = {
      {.Name = "2.5 long", .Main = one, .PartLength = "2.5", .StockFeed = "B", .Lines = feed25, .Idle = 1.75f,
       .Counts = {{10, 3}}},
      {.Name = "1 long", .Main = one, .PartLength = "1", .StockFeed = "B",
       .Lines = {{"Collet Open/Close", " 1 x 0.50 = 0.50"}, {"Feed Stock", " 1 x 0.100 = 0.10"}}},
      {.Name = "at the end: not at the first", .Main = two, .Last = 1, .PartLength = "2.5", .StockFeed = "E"},
      {.Name = "at the end: at the last", .Main = two, .First = 2, .PartLength = "2.5", .StockFeed = "E",
       .Lines = feed25},
      {.Name = "no feed", .Main = two, .PartLength = "2.5", .StockFeed = "N", .Lines = {}, .Idle = 0},
  };
  for (const RangeCase& c : cases) ExpectRange(c);
}

TEST(RangeTimesTest, OperationAndCycleItems) {
  Operation a = Op("T01", "Turn");
  a.Dwells = 3;
  a.ExtraRapids = 4;
  a.SpindleIndexes = 2;
  a.OtherDesc = "Deburr by hand";
  a.OtherSeconds = 12;
  Operation b = Op("T01", "Finish");
  b.Dwells = 2;
  const std::vector<Operation> sub = {Op("T21", "Face"), Op("T21", "Drill")};
  const std::vector<Operation> cutOff = {Op("T01", "Turn"), Op("T01", "Cut-off")};
  const RangeCase cases[] = {
      {.Name = "dwells, rapids and indexes", .Main = {a, b},
       .Lines = {{"Deburr by hand", "12.00"}, {"Dwells while cutting", " 5 x 1.00 = 5.00"},
                 {"Main Spindle Index", " 2 x 0.30 = 0.60"}, {"Extra Rapids", " 4 x 0.25 = 1.00"}},
       .Idle = 18.6f},
      {.Name = "no transfer before the last main operation", .Main = cutOff, .Last = 1, .SubUsed = 1, .Lines = {}},
      {.Name = "transfer at the last main operation", .Main = cutOff, .First = 2, .SubUsed = 1,
       .Lines = {{"Part transfer to back spindle", "1.50"}}},
      // The catcher from sub needs both switches and the last sub operation.
      {.Name = "catcher from sub, first", .Sub = sub, .Last = 1, .Spindle = 2, .SubUsed = 1, .Catcher = 1, .Lines = {}},
      {.Name = "catcher from sub, last", .Sub = sub, .First = 2, .Spindle = 2, .SubUsed = 1, .Catcher = 1,
       .Lines = {{"Parts Catcher from Sub", "03.00"}}},
      {.Name = "catcher from sub, not used", .Sub = sub, .First = 2, .Spindle = 2, .SubUsed = 1, .Lines = {}},
      {.Name = "catcher from sub, sub not used", .Sub = sub, .First = 2, .Spindle = 2, .Catcher = 1, .Lines = {}},
      // The catcher from main needs no sub spindle and a cut-off at the end.
      {.Name = "catcher from main after Cutoff", .Main = {Op("T01", "Turn"), Op("T01", "Cutoff")}, .Catcher = 1,
       .Lines = {{"Parts Catcher from Main", "2.00"}}},
      {.Name = "no catcher from main after a part off", .Main = {Op("T01", "Turn"), Op("T01", "Part off")},
       .Catcher = 1, .Lines = {}},
      {.Name = "no catcher from main with the sub spindle used", .Main = {Op("T01", "Turn"), Op("T01", "CUT-OFF")},
       .SubUsed = 1, .Catcher = 1, .Lines = {{"Part transfer to back spindle", "1.50"}}},
  };
  for (const RangeCase& c : cases) ExpectRange(c);
}

TEST(RangeTimesTest, MachineItemsAndMachineDataThatMakeAnItemImpossible) {
  const std::vector<Operation> two = {Op("T01", "Turn"), Op("T01", "Finish")};
  const std::vector<Operation> sub = {Op("T21", "Face"), Op("T21", "Drill")};
  auto extras = [](MachineDefinition& m) {
    m.MainSpindle.OtherTime1 = 2.5;
    m.MainSpindle.OtherTime2 = 1;
    m.MainSpindle.Other2BeginEnd = "E";
    m.SubSpindle.OtherTime1 = 0.5;
    m.SubSpindle.OtherTime2 = 0;
  };
  const RangeCase cases[] = {
      {.Name = "an extra item at the beginning", .Main = two, .Last = 1, .Machine = extras,
       .Lines = {{"Chip conveyor", "2.50"}}},
      {.Name = "an extra item at the end", .Main = two, .First = 2, .Machine = extras, .Lines = {{"Probe", "1.00"}}},
      // The sub spindle's two items come with its first operation.
      {.Name = "sub extra items, first", .Sub = sub, .Last = 1, .Spindle = 2, .Machine = extras,
       .Lines = {{"Sub wash", "0.50"}}},
      {.Name = "sub extra items, last", .Sub = sub, .First = 2, .Spindle = 2, .Machine = extras, .Lines = {}},
      {.Name = "no Z feed speed", .Main = {Op("T01", "Turn")}, .PartLength = "2.5", .StockFeed = "B",
       .Machine = [](MachineDefinition& m) { m.MainSpindle.RapidMultZ = 0; },
       .Lines = {{"Collet Open/Close", " 3 x 0.50 = 1.50"}, {"Feed Stock", "no Z feed speed = 0.00"}}, .Idle = 1.5f},
  };
  for (const RangeCase& c : cases) ExpectRange(c);
}

// ---- limits -------------------------------------------------------------------------

TEST(RangeTimesTest, LinesBeyondOneHundredAreDroppedButStillCountAndBadRangesGiveNothing) {
  std::vector<Operation> ops;
  for (int i = 1; i <= 100; ++i) {
    Operation op = Op(i % 2 ? "T01" : "T02", "Turn");
    op.OtherDesc = QStringLiteral("Item %1").arg(i);
    op.OtherSeconds = 1;
    ops.push_back(op);
  }
  MachineDefinition m = TestMachine();
  m.MainSpindle.RapidZBeginEnd = "N";
  RangeTimes r = Compute(MainOnlyStudy(ops), m, 1, 100);
  ASSERT_EQ(r.Lines.size(), 100u);
  EXPECT_EQ(r.Lines.back(), (ItemLine{"Item 100", "1.00"}));
  EXPECT_EQ(r.IdleTotal, 160.0f);  // 100 x 1 s and 100 tool changes of 0.6 s

  TimeStudy st = MainOnlyStudy({Op("T01", "Turn", 1000, 3)});
  EXPECT_EQ(Compute(st, m, 1, 1).CutTotal, 3.0f);
  EXPECT_EQ(Compute(st, m, 0, 1).CutTotal, 0.0f);
  EXPECT_TRUE(Compute(st, m, 1, 101).Lines.empty());
}

// ---- cycle comparison -----------------------------------------------------------

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
}

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
  st.Op(1, 4).ToolNo = "T12";
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

// ---- checks before printing -----------------------------------------------------

const QString kQuestion = QStringLiteral(
    "You have selected to use the parts catcher and have no Sub Spindle operations that call it up. "
    "Do you want me to add it for you?");
const QString kCheckSettings = QStringLiteral(
    "Please check your sync settings of the main and sub spindle operations. Cursor to the desired operation on "
    "both the main and sub spindle and press the 'Add Sync' button.  Then Print the Time Study again!");
const QString kMoveLast = QStringLiteral(
    "Please move the last Sync setting to before the last cut-off operation. Then Print the Time Study again!");
const QString kError = QStringLiteral(
    "There was an error, please check the Time Study. Then exit the Print Preview and check the sync list again!");

// Three main operations ending with a cut-off, the sub spindle and the parts
// catcher used, no sub operation yet.
Workspace CatcherWorkspace() {
  Workspace ws;
  ws.Machine = TestMachine();
  TimeStudy& st = ws.Study;
  st.Header.SubSpindleUsed = 1;
  st.Header.PartsCatcherUsed = 1;
  st.Op(1, 1) = Op("T01", "Turn", 1000, 5);
  st.Op(1, 2) = Op("T02", "Drill", 1000, 4);
  st.Op(1, 3) = Op("T03", "Cut-off", 1000, 3);
  GetTime(ws);
  return ws;
}

TEST(PrintChecksTest, PartsCatcherRepairAddsEjectPartAndItsSyncOrChangesNothing) {
  Workspace ws = CatcherWorkspace();
  ScriptedPrompter prompter;
  prompter.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(PrepareReportChecks(ws, prompter));
  ASSERT_EQ(prompter.Texts(), QStringList{kQuestion});
  EXPECT_EQ(prompter.Entries()[0].ButtonSet, Buttons::YesNo);

  const TimeStudy& st = ws.Study;
  EXPECT_EQ(st.SubOpCount, 1);
  EXPECT_EQ(st.Op(2, 1).ToolNo, "Eject Part");
  // Before the last main operation, after Eject Part.
  EXPECT_EQ(st.Sync(1, 1), 3);
  EXPECT_EQ(st.Sync(2, 1), 2);
  EXPECT_EQ(st.Sync(1, 2), 0);
  EXPECT_EQ(st.SyncCount, 1);
  EXPECT_TRUE(st.Dirty);

  // The comparison is current: the cut-off runs after the sub spindle has
  // finished, and the sub group carries the parts catcher.
  EXPECT_EQ(st.Op(1, 3).Group, "D ");
  EXPECT_EQ(st.Op(2, 1).Group, "C1");
  const ItemLines& c1 = ws.Comparison.LinesC[1];
  ASSERT_FALSE(c1.empty());
  EXPECT_EQ(c1[0], (ItemLine{"Parts Catcher from Sub", "03.00"}));

  // Declined: nothing changes, and the syncs are warned about.
  Workspace declined = CatcherWorkspace();
  prompter.Clear();
  prompter.QueueAnswer(Answer::No);
  EXPECT_TRUE(PrepareReportChecks(declined, prompter));
  EXPECT_EQ(prompter.Texts(), (QStringList{kQuestion, kCheckSettings}));
  EXPECT_EQ(declined.Study.SubOpCount, 0);
  EXPECT_EQ(declined.Study.Sync(1, 1), 0);
  EXPECT_FALSE(declined.Study.Dirty);
}

TEST(PrintChecksTest, RepairThatCannotAddItsSyncReportsAnError) {
  // A sync already stands after the last main operation: the main list's
  // second-to-last line is its marker, which gives no place.
  Workspace ws = CatcherWorkspace();
  ws.Study.Sync(1, 1) = 4;
  ws.Study.Sync(2, 1) = 1;
  ScriptedPrompter prompter;
  prompter.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(PrepareReportChecks(ws, prompter));
  EXPECT_EQ(prompter.Texts(), (QStringList{kQuestion, kError}));
  EXPECT_EQ(ws.Study.Op(2, 1).ToolNo, "Eject Part");

  // Thirty syncs already: the limit message, then the error.
  Workspace full = CatcherWorkspace();
  for (int k = 1; k <= 30; ++k) full.Study.Sync(1, k) = full.Study.Sync(2, k) = 1;
  ScriptedPrompter p2;
  p2.QueueAnswer(Answer::Yes);
  CheckSyncsBeforePrint(full, p2);
  EXPECT_EQ(p2.Texts(), (QStringList{kQuestion, "The max number of syncs is 30 !", kError}));
}

TEST(PrintChecksTest, SyncSettingsAreWarnedAbout) {
  struct Case {
    const char* Name;
    std::vector<std::int16_t> MainSyncs, SubSyncs;
    QStringList Texts;
    int SyncCount;
    std::int16_t SubUsed = 1;
  };
  const Case cases[] = {
      {"a sub spindle without syncs", {}, {}, {kCheckSettings}, 0},
      {"the last sync after the last main operation", {2, 4}, {1, 2}, {kMoveLast}, 2},
      {"sub spindle not used: no sync message", {4}, {}, {}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Workspace ws = CatcherWorkspace();
    ws.Study.Header.SubSpindleUsed = c.SubUsed;
    ws.Study.Op(2, 1) = Op("T21", "Face");
    for (std::size_t k = 0; k < c.MainSyncs.size(); ++k) ws.Study.Sync(1, static_cast<int>(k) + 1) = c.MainSyncs[k];
    for (std::size_t k = 0; k < c.SubSyncs.size(); ++k) ws.Study.Sync(2, static_cast<int>(k) + 1) = c.SubSyncs[k];
    ScriptedPrompter prompter;
    EXPECT_TRUE(PrepareReportChecks(ws, prompter));
    EXPECT_EQ(prompter.Texts(), c.Texts);
    EXPECT_EQ(ws.Study.SyncCount, c.SyncCount);
  }
}

}  // namespace
}  // namespace arvex
