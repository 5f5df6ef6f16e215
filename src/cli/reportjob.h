#pragma once
// What the report and print commands share: their options, reading the
// study and the report settings, and the checks before printing answered
// unattended. Composing and printing are the core's report flows
// (session/reportsession.h), which the windows use too.

#include "clicontext.h"
#include "report/reportdocument.h"
#include "report/reportsettings.h"
#include "terminalprompter.h"
#include "workspace.h"

#include <QString>

namespace arvex {

struct ReportCommandOptions {
  QString StudyPath;
  QString OutputPath;  // -o (report only)
  bool Repair = false;
  // The stored switches, with the --no-... options turned off.
  ReportSwitches Switches;
};

// Takes the report options out of ctx.Args (the stored switches from the
// settings store, then --no-cutting-data, --no-tool-holders,
// --no-setup-data, --no-images, --repair, and -o/--output when wantOutput).
// The study path may be quoted. False after writing the message.
bool ParseReportOptions(CliContext& ctx, bool wantOutput, ReportCommandOptions* options);

// The prompter of an unattended report: messages on standard error; the
// parts-catcher repair answered Yes only when asked for (--repair), every
// other question No (or Cancel), so that nothing waits for an answer and
// nothing is changed behind the user's back.
class UnattendedPrompter : public TerminalPrompter {
 public:
  UnattendedPrompter(QTextStream& err, bool repair) : TerminalPrompter(err), repair_(repair) {}
  Answer Ask(const QString& text, const QString& caption, Buttons buttons, Answer defaultAnswer,
             MessageIcon icon) override;
  // Whether the repair question was asked and answered Yes.
  bool Repaired() const { return repaired_; }

 private:
  bool repair_;
  bool repaired_ = false;
};

// Reads the study with its machine and the report settings into ws.
// Returns 0, or the exit status after writing the message.
int ReadStudyForReport(CliContext& ctx, const ReportCommandOptions& options, Workspace& ws, Prompter& prompter);

// After the checks: says on standard error that a repair the prompter
// answered Yes to is for this report only.
void NoteRepairIsNotSaved(CliContext& ctx, const ReportCommandOptions& options, const UnattendedPrompter& prompter);

}  // namespace arvex
