#include "report/printjob.h"

#include "report/reportrender.h"

#include <QDir>
#include <QTemporaryDir>

namespace arvex {

PageSetup PageSetupOfPaper(const PrinterPaper& paper) {
  return PageSetup::ForPaper(QSizeF(std::min(paper.Size.width(), paper.Size.height()),
                                    std::max(paper.Size.width(), paper.Size.height())),
                             paper.Unprintable);
}

bool PrintReportDocument(const ReportDocument& doc, const PrintTarget& target, PrintQueues& queues,
                         const QString& title, QString* error, int* jobId) {
  if (jobId) *jobId = 0;
  if (!target.OutputFile.isEmpty()) return WriteReportPdf(doc, target.OutputFile, error);
  if (target.Printer.isEmpty()) {
    if (error) *error = QStringLiteral("no printer is chosen");
    return false;
  }
  // The job is the report as a PDF on its own paper; the print system
  // copies the file into its spool before it answers, so the temporary
  // folder may go when the answer is in.
  QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/arvex-print-XXXXXX"));
  if (!folder.isValid()) {
    if (error) *error = QStringLiteral("cannot make a temporary folder for the print job: ") + folder.errorString();
    return false;
  }
  const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
  if (!WriteReportPdf(doc, pdf, error)) return false;
  const int job = queues.SubmitPdf(target.Printer, pdf, title, target.Media, std::max(1, target.Copies), error);
  if (jobId) *jobId = job;
  return job > 0;
}

}  // namespace arvex
