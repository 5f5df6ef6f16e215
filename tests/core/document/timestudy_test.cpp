#include "document/timestudy.h"

#include "document/syncedit.h"
#include "platform/scriptedprompter.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace arvex;

namespace {

Operation MakeOp(const QString& tool, const QString& name = QStringLiteral("Turn")) {
  Operation op;
  op.ToolNo = tool;
  op.OpName = name;
  return op;
}

// A study whose main list (and with `sub`, the sub list too) holds tools T1..Tn.
TimeStudy StudyWithMainOps(int n, bool sub = false) {
  TimeStudy s;
  for (int i = 1; i <= n; ++i) {
    s.Op(kMainSpindle, i) = MakeOp(QStringLiteral("T%1").arg(i));
    if (sub) s.Op(kSubSpindle, i) = s.Op(kMainSpindle, i);
  }
  s.RecountOps();
  return s;
}

QStringList MainTools(const TimeStudy& s) {
  QStringList tools;
  for (int i = 1; i <= s.MainOpCount; ++i) tools << s.Op(kMainSpindle, i).ToolNo;
  return tools;
}

using Pairs = std::vector<std::pair<int, int>>;

Pairs SyncTable(const TimeStudy& st) {
  Pairs pairs;
  for (int k = 1; k <= kMaxSyncs; ++k)
    if (st.Sync(1, k) != 0 || st.Sync(2, k) != 0) pairs.emplace_back(st.Sync(1, k), st.Sync(2, k));
  return pairs;
}

}  // namespace

TEST(TimeStudyTest, RecountFindsTheLastOperationThatIsNotBlank) {
  TimeStudy s;
  s.Op(kMainSpindle, 3) = MakeOp(QString(), QStringLiteral("Face"));  // name only counts
  s.Op(kSubSpindle, 100) = MakeOp(QStringLiteral("T21"), QString());
  s.RecountOps();
  EXPECT_EQ(s.MainOpCount, 3);
  EXPECT_EQ(s.SubOpCount, 100);
  s.Op(kMainSpindle, 3) = Operation{};
  s.RecountOps();
  EXPECT_EQ(s.MainOpCount, 0);
}

TEST(TimeStudyTest, InsertAndDeleteMoveTheSyncsWithTheOperationsOfTheirSpindle) {
  const struct {
    int At, Count;  // Count 0: delete operation At
    std::vector<int> Before, After;
    QStringList Tools;
  } cases[] = {
      // A sync before the first operation stays.
      {1, 1, {1, 3}, {1, 4}, {"", "T1", "T2", "T3", "T4"}},
      // Syncs at or after the place move, also one after the last operation.
      {3, 2, {2, 3, 5}, {2, 5, 7}, {"T1", "T2", "", "", "T3", "T4"}},
      {3, 0, {3, 5}, {3, 4}, {"T1", "T2", "T4"}},
      {1, 0, {}, {}, {"T2", "T3", "T4"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.At << " " << c.Count);
    TimeStudy s = StudyWithMainOps(4);
    for (std::size_t k = 0; k < c.Before.size(); ++k)
      s.Sync(kMainSpindle, static_cast<int>(k + 1)) = static_cast<std::int16_t>(c.Before[k]);
    ASSERT_TRUE(c.Count ? s.InsertOperations(c.At, c.Count) : s.DeleteOperation(c.At));
    std::vector<int> after;
    for (int k = 1; k <= kMaxSyncs && s.Sync(kMainSpindle, k) != 0; ++k) after.push_back(s.Sync(kMainSpindle, k));
    EXPECT_EQ(after, c.After);
    s.RecountOps();
    EXPECT_EQ(MainTools(s), c.Tools);
  }

  // On the sub spindle neither the main list nor its syncs move.
  TimeStudy s = StudyWithMainOps(2);
  s.Op(kSubSpindle, 1) = MakeOp(QStringLiteral("T21"));
  s.Sync(kMainSpindle, 1) = 2;
  s.Sync(kSubSpindle, 1) = 1;
  s.CurrentSpindle = kSubSpindle;
  ASSERT_TRUE(s.InsertOperations(1, 1));
  s.RecountOps();
  EXPECT_EQ(s.SubOpCount, 2);
  EXPECT_EQ(s.MainOpCount, 2);
  EXPECT_EQ(s.Sync(kMainSpindle, 1), 2);
  EXPECT_EQ(s.Sync(kSubSpindle, 1), 1);
}

TEST(TimeStudyTest, ListNeverPassesOneHundredAndPlacesOutsideItAreRefused) {
  const struct {
    int Ops, At, Count;
    bool Done;
    int CountAfter;
  } cases[] = {
      {100, 1, 1, false, 100}, {98, 5, 3, false, 98}, {98, 5, 2, true, 100}, {3, 0, 1, false, 3},
      {3, 101, 1, false, 3},   {3, 50, 3, true, 3},  // among blanks: nothing moves out
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Ops << " ops, " << c.Count << " at " << c.At);
    TimeStudy s = StudyWithMainOps(c.Ops);
    s.Sync(kMainSpindle, 1) = 101;
    const QStringList before = MainTools(s);
    EXPECT_EQ(s.InsertOperations(c.At, c.Count), c.Done);
    s.RecountOps();
    EXPECT_EQ(s.MainOpCount, c.CountAfter);
    EXPECT_TRUE(s.Op(kMainSpindle, 101).IsBlank());
    if (!c.Done) {
      EXPECT_EQ(MainTools(s), before);
      EXPECT_EQ(s.Sync(kMainSpindle, 1), 101);
    }
  }
  TimeStudy s = StudyWithMainOps(98);
  ASSERT_TRUE(s.InsertOperations(5, 2));
  EXPECT_EQ(s.Op(kMainSpindle, 100).ToolNo, "T98");
}

// Swapping is checked through the main window's moves.
TEST(TimeStudyTest, CopyAppendsToTheOtherListUntilItIsFull) {
  TimeStudy s = StudyWithMainOps(3);
  ASSERT_TRUE(s.CopyToOtherList(kMainSpindle, 2));
  EXPECT_EQ(s.SubOpCount, 1);
  EXPECT_EQ(s.Op(kSubSpindle, 1), s.Op(kMainSpindle, 2));
  for (int i = 1; i <= 100; ++i) s.Op(kSubSpindle, i) = MakeOp(QStringLiteral("S%1").arg(i));
  s.RecountOps();
  EXPECT_FALSE(s.CopyToOtherList(kMainSpindle, 1));
  EXPECT_EQ(s.Op(kSubSpindle, 100).ToolNo, "S100");
  EXPECT_TRUE(s.Op(kSubSpindle, 101).IsBlank());
}

TEST(TimeStudyTest, ClearStartsANewDocument) {
  TimeStudy s = StudyWithMainOps(3);
  s.Header.Customer = QStringLiteral("Acme");
  s.Header.PartsCatcherUsed = 0;
  s.Sync(kMainSpindle, 1) = 2;
  s.Dirty = true;
  s.FilePath = QStringLiteral("/tmp/x.rvx");
  s.Clear();
  s.RecountOps();
  EXPECT_EQ(s.MainOpCount, 0);
  EXPECT_EQ(s.Header.Customer, "");
  EXPECT_EQ(s.Header.PartsCatcherUsed, 1);
  EXPECT_EQ(s.Sync(kMainSpindle, 1), 0);
  EXPECT_FALSE(s.Dirty);
  EXPECT_EQ(s.FilePath, "");
}

TEST(AddSyncTest, EachColumnIsSortedOnItsOwnAndPlacesOutsideTheListsDropOutOfTheSort) {
  const struct {
    const char* Name;
    int Ops;
    Pairs Before;
    int Main, Sub;
    AddSyncResult Result;
    Pairs After;
    int SyncCount;
  } cases[] = {
      {"before an operation", 4, {}, 2, 1, AddSyncResult::Added, {{2, 1}}, 1},
      {"after the last operation", 4, {{2, 1}}, 5, 5, AddSyncResult::Added, {{2, 1}, {5, 5}}, 2},
      {"columns sorted each on its own", 4, {{2, 2}}, 4, 1, AddSyncResult::Added, {{2, 1}, {4, 2}}, 2},
      {"no place", 2, {}, 0, 1, AddSyncResult::NoPlace, {}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TimeStudy st = StudyWithMainOps(c.Ops, true);
    for (std::size_t k = 0; k < c.Before.size(); ++k) {
      st.Sync(1, static_cast<int>(k) + 1) = static_cast<std::int16_t>(c.Before[k].first);
      st.Sync(2, static_cast<int>(k) + 1) = static_cast<std::int16_t>(c.Before[k].second);
    }
    ScriptedPrompter prompter;
    EXPECT_EQ(AddSync(st, c.Main, c.Sub, prompter), c.Result);
    EXPECT_EQ(SyncTable(st), c.After);
    EXPECT_EQ(st.SyncCount, c.SyncCount);
    EXPECT_EQ(st.Dirty, c.Result == AddSyncResult::Added);
    EXPECT_TRUE(prompter.Entries().isEmpty());
  }
}

TEST(AddSyncTest, TheThirtyFirstSyncIsRefused) {
  TimeStudy st = StudyWithMainOps(40, true);
  for (int k = 1; k <= 30; ++k) st.Sync(1, k) = st.Sync(2, k) = static_cast<std::int16_t>(k);
  const auto before = st.Syncs;
  ScriptedPrompter prompter;
  EXPECT_EQ(AddSync(st, 35, 35, prompter), AddSyncResult::LimitReached);
  EXPECT_EQ(prompter.Messages(), QStringList{"The max number of syncs is 30 !"});
  EXPECT_EQ(prompter.Entries()[0].Caption, "Arvex");
  EXPECT_EQ(prompter.Entries()[0].Icon, MessageIcon::None);
  EXPECT_EQ(st.Syncs, before);
  EXPECT_FALSE(st.Dirty);
}
