#include "session/reportsession.h"

#include "engine/printchecks.h"
#include "platform/prompter.h"
#include "report/composereport.h"
#include "report/reportrender.h"
#include "session/filedialogs.h"
#include "workspace.h"

#include <QDir>
#include <QFileInfo>

namespace arvex {

PrintTarget ResolvePrintTarget(const PrinterChoice& choice, PrintQueues& queues) {
  PrintTarget target;
  target.OutputFile = choice.OutputFile;
  target.Copies = choice.Copies;
  if (target.OutputFile.isEmpty()) target.Printer = choice.Printer.isEmpty() ? queues.DefaultPrinter() : choice.Printer;
  std::optional<PrinterPaper> paper;
  if (!target.Printer.isEmpty())
    paper = choice.Paper ? queues.PaperOfSize(target.Printer, *choice.Paper) : queues.DefaultPaper(target.Printer);
  if (!paper && choice.Paper) paper = PrinterPaper{*choice.Paper, {}, {}};
  if (paper) {
    target.Page = PageSetupOfPaper(*paper);
    target.Media = paper->Media;
  }
  return target;
}

void ComposeStudyReport(const Workspace& ws, ReportDocument& doc, const PageSetup& page,
                        const ReportSwitches& switches) {
  doc.SetPageSetup(page);
  ComposeOptions options;
  options.Switches = switches;
  ComposeReport(ws, doc, options);
}

QString ReportJobTitle(const Workspace& ws) {
  return QStringLiteral("Cycle Time Estimate - ") + ws.Study.Header.PartNo;
}

PrintResult PrintComposedReport(const Workspace& ws, const ReportDocument& doc, const PrintTarget& target,
                                PrintQueues& queues) {
  PrintResult result;
  result.Pages = doc.PageCount();
  if (!target.HasPrinter()) {
    result.Outcome = PrintOutcome::NoPrinter;
    return result;
  }
  result.Outcome = PrintReportDocument(doc, target, queues, ReportJobTitle(ws), &result.Error, &result.JobId)
                       ? PrintOutcome::Printed
                       : PrintOutcome::Failed;
  return result;
}

PrintResult PrintStudyReport(Workspace& ws, Prompter& prompter, const PrintTarget& target, PrintQueues& queues,
                             const ReportSwitches& switches, ReportDocument& doc) {
  PrintResult result;
  if (!CheckOperationsToPrint(ws, prompter)) {
    result.Outcome = PrintOutcome::NothingToPrint;
    return result;
  }
  if (!target.HasPrinter()) {
    result.Outcome = PrintOutcome::NoPrinter;
    return result;
  }
  if (target.OutputFile.isEmpty() && !queues.AcceptsJobs(target.Printer, &result.Error)) {
    result.Outcome = PrintOutcome::Refused;
    return result;
  }
  CheckSyncsBeforePrint(ws, prompter);
  ComposeStudyReport(ws, doc, target.Page, switches);
  return PrintComposedReport(ws, doc, target, queues);
}

PrintResult PrintCommand(Workspace& ws, Prompter& prompter, QSettings& store, PrintQueues& queues) {
  const PrintTarget target = ResolvePrintTarget(ws.Printer, queues);
  ReportDocument doc;
  const PrintResult result = PrintStudyReport(ws, prompter, target, queues, LoadReportSwitches(store), doc);
  if (!result.Printed() && result.Outcome != PrintOutcome::NothingToPrint)
    prompter.ShowMessage(PrintFailureText(result, target), kProgramTitle, MessageIcon::Exclamation);
  return result;
}

QString PrintFailureText(const PrintResult& result, const PrintTarget& target) {
  switch (result.Outcome) {
    case PrintOutcome::Printed:
    case PrintOutcome::NothingToPrint: return {};
    case PrintOutcome::NoPrinter:
      return QStringLiteral(
          "There is no printer to print on: no printer is set up on this computer. Nothing was printed. "
          "\"Export PDF...\" in Print Preview saves the report as a PDF file.");
    case PrintOutcome::Refused:
    case PrintOutcome::Failed: break;
  }
  QString why = result.Error;
  if (why.endsWith(u'.')) why.chop(1);
  return QStringLiteral("The report was not printed on ") + target.DisplayName() + QStringLiteral(": ") + why +
         QStringLiteral(".");
}

QString ExportReportPdf(const Workspace& ws, const ReportDocument& doc, Prompter& prompter,
                        const QString& startFolder) {
  QString proposal;
  if (!ws.Study.FilePath.isEmpty()) {
    const QFileInfo study(ws.Study.FilePath);
    proposal = study.absolutePath() + u'/' + study.completeBaseName() + QStringLiteral(".pdf");
  } else {
    const QString part = ws.Study.Header.PartNo.trimmed();
    proposal = QDir(startFolder).filePath((part.isEmpty() ? QStringLiteral("Cycle Time Estimate") : part) +
                                          QStringLiteral(".pdf"));
  }
  const QString path =
      SaveFileDialog(prompter, FileRequest{kExportPdfTitle, QStringLiteral("*.pdf"), true, proposal, false},
                     QStringLiteral(".pdf"));
  if (path.isEmpty()) return {};
  QString error;
  if (!WriteReportPdf(doc, path, &error)) {
    prompter.ShowMessage(QStringLiteral("The PDF file was not written: ") + error + u'.', kProgramTitle,
                         MessageIcon::Exclamation);
    return {};
  }
  return path;
}

}  // namespace arvex
