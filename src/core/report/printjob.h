#pragma once
// Sending a composed report to a printer so that the program knows whether
// the printer took it. The report is rendered once into a PDF file on the
// document's paper and that file is handed to the print system as one job;
// the print system answers with a job number or with the reason it refused
// the job. A "PDF printer" (a file chosen in the printer dialog, the tests)
// is written like "Export PDF...": to a temporary file renamed over the old
// one when complete.

#include "report/reportdocument.h"

#include <QSizeF>
#include <QString>

#include <optional>

namespace arvex {

// A paper as a printer knows it: its size (portrait, twips), the border the
// printer cannot print on (twips) and the printer's name for it (sent with
// the job so that the printer takes the right paper).
struct PrinterPaper {
  QSizeF Size;
  QMarginsF Unprintable;
  QString Media;
};

// The system's print queues.
class PrintQueues {
 public:
  virtual ~PrintQueues() = default;
  // The default printer's name; "" when there is none.
  virtual QString DefaultPrinter() = 0;
  // The printer's default paper; nullopt when the printer is unknown.
  virtual std::optional<PrinterPaper> DefaultPaper(const QString& printer) = 0;
  // The printer's paper of that size (twips, portrait); nullopt when the
  // printer is unknown or has no such paper.
  virtual std::optional<PrinterPaper> PaperOfSize(const QString& printer, QSizeF size) = 0;
  // True when the printer exists and accepts jobs; else false with *why
  // set ("there is no printer named X", the printer's own reason).
  virtual bool AcceptsJobs(const QString& printer, QString* why) = 0;
  // Submits a PDF file as one job. The job's number (above 0) when the
  // printer accepted it; 0 with *error set (the print system's own text)
  // when it did not.
  virtual int SubmitPdf(const QString& printer, const QString& pdfPath, const QString& title, const QString& media,
                        int copies, QString* error) = 0;
};

// The printer the report goes to and the page it is composed on.
struct PrintTarget {
  QString Printer;     // the print queue
  QString OutputFile;  // a PDF printer: this file is written instead
  PageSetup Page;
  QString Media;       // the printer's name of the paper ("" when unknown)
  int Copies = 1;

  bool HasPrinter() const { return !Printer.isEmpty() || !OutputFile.isEmpty(); }
  // What the window shows as the printer: the queue, or the file.
  QString DisplayName() const { return OutputFile.isEmpty() ? Printer : OutputFile; }
};

// The printer and paper chosen in this run (the printer dialog, the page
// setup dialog). Nothing chosen: the default printer on its own default
// paper, looked up each time, so that a printer set up while the program
// runs is found.
struct PrinterChoice {
  QString Printer;
  QString OutputFile;           // a PDF printer
  std::optional<QSizeF> Paper;  // twips, portrait
  int Copies = 1;
};

// The page of a report on a printer's paper.
PageSetup PageSetupOfPaper(const PrinterPaper& paper);

// Prints the document: the PDF file of a PDF printer, or one job on the
// queue. True only when the file is complete or the queue accepted the job
// (*jobId, when given, is its number; 0 for a file). False with *error set
// otherwise: nothing was printed.
bool PrintReportDocument(const ReportDocument& doc, const PrintTarget& target, PrintQueues& queues,
                         const QString& title, QString* error, int* jobId = nullptr);

}  // namespace arvex
