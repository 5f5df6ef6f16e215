// arvex print FILE.rvx [--repair] [--no-cutting-data] [--no-tool-holders]
//             [--no-setup-data] [--no-images]
// arvex /P FILE.rvx
// Prints the cycle time estimate of a study on the default printer without
// a window, then ends.

#include "commands.h"
#include "reportjob.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace arvex {

int RunPrintCommand(CliContext& ctx) {
  ReportCommandOptions options;
  if (!ParseReportOptions(ctx, false, &options)) return 2;
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    ctx.Fail(QStringLiteral("no printer is available (no default printer is set up); ") + options.StudyPath +
             QStringLiteral(" was not printed"));
    return 1;
  }
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Portrait);
  Workspace ws;
  ReportDocument doc;
  if (const int status = ComposeStudyReport(ctx, options, PageSetupOfPrinter(printer), ws, doc)) return status;
  printer.setDocName(QStringLiteral("Cycle Time Estimate - ") + ws.Study.Header.PartNo);
  QString error;
  if (!PrintReportDocument(doc, printer, &error)) {
    ctx.Fail(QStringLiteral("printing on ") + info.printerName() + QStringLiteral(" failed: ") + error);
    return 1;
  }
  ctx.Out << "Printed " << doc.PageCount() << (doc.PageCount() == 1 ? " page" : " pages") << " on "
          << info.printerName() << Qt::endl;
  return 0;
}

}  // namespace arvex
