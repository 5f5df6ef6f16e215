#include "printerdialogs.h"

#include "report/printjob.h"
#include "session/reportsession.h"
#include "workspace.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace arvex {

void SetUpPrinter(QPrinter& printer, const PrintTarget& target) {
  if (!target.OutputFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target.OutputFile);
  } else if (!target.Printer.isEmpty()) {
    printer.setPrinterName(target.Printer);
  }
  const QSizeF paper(target.Page.PaperWidth / kTwipsPerPoint, target.Page.PaperHeight / kTwipsPerPoint);
  printer.setPageSize(QPageSize(paper, QPageSize::Point, QString(), QPageSize::FuzzyMatch));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setCopyCount(std::max(1, target.Copies));
}

PrinterChoice ChoiceOfPrinter(const QPrinter& printer) {
  PrinterChoice choice;
  if (printer.outputFormat() == QPrinter::PdfFormat) choice.OutputFile = printer.outputFileName();
  else choice.Printer = printer.printerName();
  const QSizeF paper = printer.pageLayout().pageSize().size(QPageSize::Point) * kTwipsPerPoint;
  choice.Paper = QSizeF(std::min(paper.width(), paper.height()), std::max(paper.width(), paper.height()));
  choice.Copies = std::max(1, printer.copyCount());
  return choice;
}

bool RunPrinterDialog(Workspace& ws, PrintQueues& queues, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, ResolvePrintTarget(ws.Printer, queues));
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return false;
  ws.Printer = ChoiceOfPrinter(printer);
  return true;
}

bool RunPageSetupDialog(Workspace& ws, PrintQueues& queues, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, ResolvePrintTarget(ws.Printer, queues));
  QPageSetupDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  const PrinterChoice chosen = ChoiceOfPrinter(printer);
  ws.Printer.Paper = chosen.Paper;
  return true;
}

}  // namespace arvex
