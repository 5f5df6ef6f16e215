#pragma once
// The system's print queues through the CUPS library: the default printer,
// a printer's papers with their unprintable borders, whether it accepts
// jobs, and submitting a PDF file as one job whose acceptance is known.
// CUPS_SERVER (and the user's lpoptions) choose the server, as for every
// CUPS client.

#include "report/printjob.h"

namespace arvex {

class CupsPrintQueues : public PrintQueues {
 public:
  QString DefaultPrinter() override;
  std::optional<PrinterPaper> DefaultPaper(const QString& printer) override;
  std::optional<PrinterPaper> PaperOfSize(const QString& printer, QSizeF size) override;
  bool AcceptsJobs(const QString& printer, QString* why) override;
  int SubmitPdf(const QString& printer, const QString& pdfPath, const QString& title, const QString& media, int copies,
                QString* error) override;
};

}  // namespace arvex
