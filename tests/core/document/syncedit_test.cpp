#include "document/syncedit.h"

#include "document/timestudy.h"
#include "platform/scriptedprompter.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace arvex;

namespace {

using Pairs = std::vector<std::pair<int, int>>;

Pairs Table(const TimeStudy& st) {
  Pairs pairs;
  for (int k = 1; k <= kMaxSyncs; ++k)
    if (st.Sync(1, k) != 0 || st.Sync(2, k) != 0) pairs.emplace_back(st.Sync(1, k), st.Sync(2, k));
  return pairs;
}

}  // namespace

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
      {"a gap in the table (a damaged file)", 6, {{1, 1}, {0, 0}, {5, 5}}, 3, 3, AddSyncResult::Added,
       {{1, 1}, {3, 3}, {5, 5}}, 3},
      {"no place", 2, {}, 0, 1, AddSyncResult::NoPlace, {}, 0},
      {"sub place 9 of a 2-operation list", 2, {}, 3, 9, AddSyncResult::Added, {{3, 0}}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TimeStudy st;
    for (int i = 1; i <= c.Ops; ++i) st.Op(kMainSpindle, i).ToolNo = st.Op(kSubSpindle, i).ToolNo = "T";
    st.RecountOps();
    for (std::size_t k = 0; k < c.Before.size(); ++k) {
      st.Sync(1, static_cast<int>(k) + 1) = static_cast<std::int16_t>(c.Before[k].first);
      st.Sync(2, static_cast<int>(k) + 1) = static_cast<std::int16_t>(c.Before[k].second);
    }
    ScriptedPrompter prompter;
    EXPECT_EQ(AddSync(st, c.Main, c.Sub, prompter), c.Result);
    EXPECT_EQ(Table(st), c.After);
    EXPECT_EQ(st.SyncCount, c.SyncCount);
    EXPECT_EQ(st.Dirty, c.Result == AddSyncResult::Added);
    EXPECT_TRUE(prompter.Entries().isEmpty());
  }
}

TEST(AddSyncTest, TheThirtyFirstSyncIsRefused) {
  TimeStudy st;
  for (int i = 1; i <= 40; ++i) st.Op(kMainSpindle, i).ToolNo = st.Op(kSubSpindle, i).ToolNo = "T";
  st.RecountOps();
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
