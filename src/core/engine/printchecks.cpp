#include "engine/printchecks.h"

#include "document/syncedit.h"
#include "engine/comparison.h"
#include "machine/machinedefinition.h"
#include "platform/prompter.h"
#include "workspace.h"

#include <algorithm>

namespace arvex {

const char16_t kNoOperationsToPrintText[] = u"There are no operations to print!";
const char16_t kPartsCatcherQuestionText[] =
    u"You have selected to use the parts catcher and have no Sub Spindle operations that call it up. "
    u"Do you want me to add it for you?";
const char16_t kSyncErrorText[] =
    u"There was an error, please check the Time Study. Then exit the Print Preview and check the sync list again!";
const char16_t kCheckSyncSettingsText[] =
    u"Please check your sync settings of the main and sub spindle operations. Cursor to the desired operation on "
    u"both the main and sub spindle and press the 'Add Sync' button.  Then Print the Time Study again!";
const char16_t kMoveLastSyncText[] =
    u"Please move the last Sync setting to before the last cut-off operation. Then Print the Time Study again!";

namespace {

// The parts-catcher repair. Returns false when the study was changed but the
// new operation did not get its sync.
bool AddEjectPart(Workspace& ws, Prompter& prompter) {
  bool added = false;
  ws.Changes.Apply(ws.Study, {QStringLiteral("Add Eject Part"), {}}, [&](TimeStudy& st) {
    const int mainCount = st.MainOpCount;
    st.SubOpCount = static_cast<std::int16_t>(st.SubOpCount + 1);
    st.Op(kSubSpindle, st.SubOpCount).ToolNo = kEjectPartTool;

    // The Add Sync command with the main list on its second-to-last line and
    // the sub list on its last line. The lists were drawn before the sub
    // operation existed, so the sub list's last line is its final blank
    // line: the place after the last sub operation. The main list's
    // second-to-last line is its last operation, unless sync markers stand
    // after that operation; a marker line gives no place and no sync is
    // added.
    bool markerAtEnd = false;
    for (int k = 1; k <= kMaxSyncs; ++k)
      if (st.Sync(kMainSpindle, k) == mainCount + 1) markerAtEnd = true;
    if (!markerAtEnd && mainCount >= 1)
      added = AddSync(st, mainCount, st.SubOpCount + 1, prompter) == AddSyncResult::Added;
    return true;
  });
  // The lists are drawn again, which recalculates.
  GetTime(ws);
  return added;
}

}  // namespace

void CheckSyncsBeforePrint(Workspace& ws, Prompter& prompter) {
  TimeStudy& st = ws.Study;
  const TimeStudyHeader& h = st.Header;
  bool error = false;

  if (h.SubSpindleUsed == 1 && h.PartsCatcherUsed == 1 && st.SubOpCount == 0) {
    const Answer answer = prompter.Ask(QString::fromUtf16(kPartsCatcherQuestionText), kProgramTitle, Buttons::YesNo,
                                       Answer::Yes, MessageIcon::Question);
    if (answer == Answer::Yes && !AddEjectPart(ws, prompter)) error = true;
  }

  if (error) {
    prompter.ShowMessage(QString::fromUtf16(kSyncErrorText), kProgramTitle, MessageIcon::None);
    return;
  }

  if (h.SubSpindleUsed == 1 && (st.Sync(kMainSpindle, 1) == 0 || st.Sync(kSubSpindle, 1) == 0))
    prompter.ShowMessage(QString::fromUtf16(kCheckSyncSettingsText), kProgramTitle, MessageIcon::None);

  // SyncCount 0 looks at entry 0, which is always 0: no warning.
  const int last = std::clamp<int>(st.SyncCount, 0, kMaxSyncs);
  if (h.SubSpindleUsed != 0 && st.Sync(kMainSpindle, last) == st.MainOpCount + 1)
    prompter.ShowMessage(QString::fromUtf16(kMoveLastSyncText), kProgramTitle, MessageIcon::None);
}

bool CheckOperationsToPrint(Workspace& ws, Prompter& prompter) {
  GetTime(ws);
  if (ws.Study.MainOpCount != 0 || ws.Study.SubOpCount != 0) return true;
  prompter.ShowMessage(QString::fromUtf16(kNoOperationsToPrintText), kProgramTitle, MessageIcon::Critical);
  return false;
}

bool PrepareReportChecks(Workspace& ws, Prompter& prompter) {
  if (!CheckOperationsToPrint(ws, prompter)) return false;
  CheckSyncsBeforePrint(ws, prompter);
  return true;
}

}  // namespace arvex
