// arvex print FILE.rvx [--repair] [--no-cutting-data] [--no-tool-holders]
//             [--no-setup-data] [--no-images]
// arvex /P FILE.rvx
// Prints the cycle time estimate of a study on the default printer, on its
// default paper, without a window, then ends. Success is claimed only when
// the printer accepted the job.

#include "commands.h"
#include "platform/cupsqueues.h"
#include "reportjob.h"
#include "session/reportsession.h"

namespace arvex {

int RunPrintCommand(CliContext& ctx) {
  ReportCommandOptions options;
  if (!ParseReportOptions(ctx, false, &options)) return 2;
  CupsPrintQueues queues;
  const PrintTarget target = ResolvePrintTarget(PrinterChoice{}, queues);
  const QString notPrinted = QStringLiteral("; ") + options.StudyPath + QStringLiteral(" was not printed");
  if (!target.HasPrinter()) {
    ctx.Fail(QStringLiteral("no printer is available (no default printer is set up)") + notPrinted);
    return 1;
  }
  Workspace ws;
  UnattendedPrompter prompter(ctx.Err, options.Repair);
  if (const int status = ReadStudyForReport(ctx, options, ws, prompter)) return status;
  ReportDocument doc;
  const PrintResult result = PrintStudyReport(ws, prompter, target, queues, options.Switches, doc);
  NoteRepairIsNotSaved(ctx, options, prompter);
  switch (result.Outcome) {
    case PrintOutcome::Printed: break;
    case PrintOutcome::NothingToPrint: return 1;
    case PrintOutcome::NoPrinter:
    case PrintOutcome::Refused:
    case PrintOutcome::Failed: {
      QString why = result.Error;
      if (why.endsWith(u'.')) why.chop(1);
      ctx.Fail(QStringLiteral("printing on ") + target.DisplayName() + QStringLiteral(" failed: ") + why + notPrinted);
      return 1;
    }
  }
  ctx.Out << "Printed " << result.Pages << (result.Pages == 1 ? " page" : " pages") << " on "
          << target.DisplayName();
  if (result.JobId > 0) ctx.Out << " (job " << result.JobId << ")";
  ctx.Out << Qt::endl;
  return 0;
}

}  // namespace arvex
