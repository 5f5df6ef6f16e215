#include "engine/printchecks.h"

#include "engine/comparison.h"
#include "enginetestdata.h"
#include "platform/scriptedprompter.h"
#include "workspace.h"

#include <gtest/gtest.h>

#include <vector>

using namespace arvex;
using arvex::test::Op;
using arvex::test::TestMachine;

namespace {

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

}  // namespace

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
      // The columns end at different entries, so the grouping leaves
      // SyncCount 0; entry 0 is never after the last operation.
      {"SyncCount 0: the last sync test looks at entry 0", {2, 4}, {1}, {}, 0},
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
    if (!c.SubUsed) {
      EXPECT_EQ(ws.Comparison.Formula, "(A)");
    }
  }
}
