// arvex report FILE.rvx -o OUT.pdf [--no-cutting-data] [--no-tool-holders]
//              [--no-setup-data] [--no-images] [--repair]
// Composes the cycle time estimate of a study and writes it as a PDF on US
// Letter paper.

#include "commands.h"
#include "engine/printchecks.h"
#include "report/reportrender.h"
#include "reportjob.h"
#include "session/reportsession.h"

#include <QDir>

namespace arvex {

int RunReportCommand(CliContext& ctx) {
  ReportCommandOptions options;
  if (!ParseReportOptions(ctx, true, &options)) return 2;
  Workspace ws;
  UnattendedPrompter prompter(ctx.Err, options.Repair);
  if (const int status = ReadStudyForReport(ctx, options, ws, prompter)) return status;
  if (!PrepareReportChecks(ws, prompter)) return 1;
  NoteRepairIsNotSaved(ctx, options, prompter);
  ReportDocument doc;
  ComposeStudyReport(ws, doc, PageSetup::Letter(), options.Switches);
  QString error;
  if (!WriteReportPdf(doc, options.OutputPath, &error)) {
    ctx.Fail(error);
    return 1;
  }
  ctx.Out << QDir::toNativeSeparators(options.OutputPath) << ": " << doc.PageCount()
          << (doc.PageCount() == 1 ? " page" : " pages") << Qt::endl;
  return 0;
}

}  // namespace arvex
