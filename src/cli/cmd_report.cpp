// arvex report FILE.rvx -o OUT.pdf [--no-cutting-data] [--no-tool-holders]
//              [--no-setup-data] [--no-images] [--repair]
// Composes the cycle time estimate of a study and writes it as a PDF on US
// Letter paper.

#include "commands.h"
#include "report/reportrender.h"
#include "reportjob.h"

#include <QDir>

namespace arvex {

int RunReportCommand(CliContext& ctx) {
  ReportCommandOptions options;
  if (!ParseReportOptions(ctx, true, &options)) return 2;
  Workspace ws;
  ReportDocument doc;
  if (const int status = ComposeStudyReport(ctx, options, PageSetup::Letter(), ws, doc)) return status;
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
