#pragma once
// What the report and print commands share: their options, reading the
// study, the checks before printing answered unattended, composing the
// report, and printing it on a printer.

#include "clicontext.h"
#include "report/reportdocument.h"
#include "report/reportsettings.h"
#include "terminalprompter.h"
#include "workspace.h"

#include <QString>

class QPrinter;

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
// --no-setup-data, --no-images, --no-timeline, --repair, and -o/--output
// when wantOutput).
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

// Reads the study with its machine and the report settings into ws, runs
// the checks before printing and composes the report on the given page.
// Returns 0, or the exit status after writing the message.
int ComposeStudyReport(CliContext& ctx, const ReportCommandOptions& options, const PageSetup& page, Workspace& ws,
                       ReportDocument& doc);

// The report's page on a printer's paper, inside what it can print.
PageSetup PageSetupOfPrinter(const QPrinter& printer);
// Prints the document on the printer (paper corner as the origin). False
// with *error set when the printer fails.
bool PrintReportDocument(const ReportDocument& doc, QPrinter& printer, QString* error);

}  // namespace arvex
