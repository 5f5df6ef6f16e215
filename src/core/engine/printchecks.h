#pragma once
// The checks made before a report is composed (print preview, print) and
// before a study is saved. They warn through the Prompter and offer one
// repair; the report is composed afterwards whatever they found.
//
// Messages (caption: the program title):
//  - "There are no operations to print!" (critical icon): neither list
//    holds an operation; nothing is to be printed.
//  - Question "You have selected to use the parts catcher and have no Sub
//    Spindle operations that call it up. Do you want me to add it for you?"
//    (Yes/No, Yes default): on Yes the sub list gets the operation
//    "Eject Part" (the tool the machine adds to the sub spindle's first
//    post) and a sync joins it to the end of the main list, as the Add Sync
//    command makes it: sync (MainOpCount, new SubOpCount + 1), i.e. before
//    the last main operation and after "Eject Part". Dirty is set.
//  - "There was an error, please check the Time Study. Then exit the Print
//    Preview and check the sync list again!": the repair added the
//    operation but could not add its sync (30 syncs in use, or a sync
//    already stands after the last main operation); the checks stop there.
//  - "Please check your sync settings of the main and sub spindle
//    operations. ..." : the sub spindle is used and sync 1 is missing.
//  - "Please move the last Sync setting to before the last cut-off
//    operation. Then Print the Time Study again!": the last sync (by
//    SyncCount; entry 0 when SyncCount is 0) stands after the last main
//    operation.

class QString;

namespace arvex {

class Prompter;
struct Workspace;

// Recalculates the comparison (GetTime); when neither list holds an
// operation says "There are no operations to print!" and returns false.
bool CheckOperationsToPrint(Workspace& ws, Prompter& prompter);

// The entry point for the report: recalculates the comparison (GetTime),
// stops with "There are no operations to print!" and returns false when
// neither list holds an operation, else runs CheckSyncsBeforePrint and
// returns true. After it returns true, ws.Comparison is current for the
// study as it now stands (the repair recalculates it), and the report can
// be composed.
bool PrepareReportChecks(Workspace& ws, Prompter& prompter);

// The sync checks alone, in order: the parts-catcher repair, the error
// message, the two sync warnings. Uses ws.Study.SyncCount and the counts as
// the last GetTime left them; recalculates after a repair.
void CheckSyncsBeforePrint(Workspace& ws, Prompter& prompter);

// The texts, for windows and tests.
extern const char16_t kNoOperationsToPrintText[];
extern const char16_t kPartsCatcherQuestionText[];
extern const char16_t kSyncErrorText[];
extern const char16_t kCheckSyncSettingsText[];
extern const char16_t kMoveLastSyncText[];

}  // namespace arvex
