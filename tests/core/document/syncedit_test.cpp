#include "document/syncedit.h"

#include "document/timestudy.h"
#include "platform/scriptedprompter.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace arvex;

namespace {

TimeStudy StudyWith(int mainOps, int subOps) {
  TimeStudy st;
  for (int i = 1; i <= mainOps; ++i) st.Op(kMainSpindle, i).ToolNo = QStringLiteral("T%1").arg(i);
  for (int j = 1; j <= subOps; ++j) st.Op(kSubSpindle, j).ToolNo = QStringLiteral("S%1").arg(j);
  st.RecountOps();
  return st;
}

std::vector<std::pair<int, int>> Table(const TimeStudy& st) {
  std::vector<std::pair<int, int>> pairs;
  for (int k = 1; k <= kMaxSyncs; ++k)
    if (st.Sync(1, k) != 0 || st.Sync(2, k) != 0) pairs.emplace_back(st.Sync(1, k), st.Sync(2, k));
  return pairs;
}

}  // namespace

TEST(AddSyncTest, SyncsBeforeAnOperationAndAfterTheLast) {
  TimeStudy st = StudyWith(4, 3);
  ScriptedPrompter prompter;
  EXPECT_EQ(AddSync(st, 2, 1, prompter), AddSyncResult::Added);
  EXPECT_TRUE(st.Dirty);
  EXPECT_EQ(AddSync(st, 5, 4, prompter), AddSyncResult::Added);
  EXPECT_EQ(Table(st), (std::vector<std::pair<int, int>>{{2, 1}, {5, 4}}));
  EXPECT_EQ(st.SyncCount, 2);
  EXPECT_TRUE(prompter.Entries().isEmpty());
}

TEST(AddSyncTest, ColumnsAreSortedEachOnItsOwn) {
  TimeStudy st = StudyWith(4, 3);
  st.Sync(1, 1) = 2;
  st.Sync(2, 1) = 2;
  ScriptedPrompter prompter;
  ASSERT_EQ(AddSync(st, 4, 1, prompter), AddSyncResult::Added);
  EXPECT_EQ(Table(st), (std::vector<std::pair<int, int>>{{2, 1}, {4, 2}}));
}

TEST(AddSyncTest, TheThirtyFirstSyncIsRefused) {
  TimeStudy st = StudyWith(40, 40);
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

TEST(AddSyncTest, NoPlaceChangesNothingAndPlacesOutsideTheListsDropOutOfTheSort) {
  TimeStudy st = StudyWith(2, 2);
  ScriptedPrompter prompter;
  EXPECT_EQ(AddSync(st, 0, 1, prompter), AddSyncResult::NoPlace);
  EXPECT_TRUE(Table(st).empty());
  EXPECT_FALSE(st.Dirty);
  ASSERT_EQ(AddSync(st, 3, 9, prompter), AddSyncResult::Added);  // sub place 9 of a 2-operation list
  EXPECT_EQ(st.Sync(1, 1), 3);
  EXPECT_EQ(st.Sync(2, 1), 0);
  EXPECT_EQ(st.SyncCount, 0);
}

TEST(AddSyncTest, ATableWithAGapKeepsEverySync) {
  TimeStudy st = StudyWith(6, 6);
  st.Sync(1, 1) = 1;
  st.Sync(2, 1) = 1;
  st.Sync(1, 3) = 5;  // entry 2 empty (a damaged file)
  st.Sync(2, 3) = 5;
  ScriptedPrompter prompter;
  ASSERT_EQ(AddSync(st, 3, 3, prompter), AddSyncResult::Added);
  EXPECT_EQ(Table(st), (std::vector<std::pair<int, int>>{{1, 1}, {3, 3}, {5, 5}}));
  EXPECT_EQ(st.SyncCount, 3);
}
