#pragma once
// The report flows the command words and the windows share: the printer
// and page a report is composed for, composing the study's report,
// printing it so that the printer's acceptance is known, and exporting it
// as a PDF file.

#include "report/printjob.h"
#include "report/reportdocument.h"
#include "report/reportsettings.h"

#include <QString>

class QSettings;

namespace arvex {

class Prompter;
struct Workspace;

// The printer of a choice (the default printer when none is chosen) and the
// page the report is composed on: the chosen paper, else the printer's
// default paper, else US Letter. No printer at all leaves Printer empty.
PrintTarget ResolvePrintTarget(const PrinterChoice& choice, PrintQueues& queues);

// Composes the study's report on the page with the switches.
void ComposeStudyReport(const Workspace& ws, ReportDocument& doc, const PageSetup& page,
                        const ReportSwitches& switches);

// The print job's title: "Cycle Time Estimate - " and the part number.
QString ReportJobTitle(const Workspace& ws);

enum class PrintOutcome { Printed, NothingToPrint, NoPrinter, Refused, Failed };
struct PrintResult {
  PrintOutcome Outcome = PrintOutcome::Failed;
  int Pages = 0;
  int JobId = 0;   // the print system's job (0 for a PDF printer)
  QString Error;   // why it was not printed
  bool Printed() const { return Outcome == PrintOutcome::Printed; }
};

// The document on the target: Printed when the file is complete or the
// queue accepted the job, else Failed with the reason.
PrintResult PrintComposedReport(const Workspace& ws, const ReportDocument& doc, const PrintTarget& target,
                                PrintQueues& queues);

// The print commands ("&Print current T/S", the toolbar's Print, arvex
// print, /P), in order:
//  1. no operation in either list: "There are no operations to print!",
//     NothingToPrint;
//  2. no printer (NoPrinter), or a printer that does not accept jobs
//     (Refused): nothing is asked, changed or composed;
//  3. the sync checks with the parts-catcher repair (CheckSyncsBeforePrint);
//  4. the report composed into doc on the target's page;
//  5. the job: Printed only when the printer accepted it.
// Only step 1 talks to the user; the caller says why a print failed.
PrintResult PrintStudyReport(Workspace& ws, Prompter& prompter, const PrintTarget& target, PrintQueues& queues,
                             const ReportSwitches& switches, ReportDocument& doc);

// The windows' print command (the toolbar's Print, and "&Print current
// T/S" after its printer dialog): PrintStudyReport on the run's printer
// (ws.Printer) with the stored switches; a print that did not happen is a
// message.
PrintResult PrintCommand(Workspace& ws, Prompter& prompter, QSettings& store, PrintQueues& queues);

// The message a window shows for a print that did not happen.
QString PrintFailureText(const PrintResult& result, const PrintTarget& target);

// "Export PDF...": the save dialog ("*.pdf", proposing the study's name
// with ".pdf" in its folder, else startFolder), then the document written
// to a temporary file renamed over the chosen one when complete. Returns
// the path written; "" when cancelled or failed (the message says why, and
// an earlier file of that name is left whole).
QString ExportReportPdf(const Workspace& ws, const ReportDocument& doc, Prompter& prompter,
                        const QString& startFolder);

inline const QString kExportPdfTitle = QStringLiteral("Export PDF");

}  // namespace arvex
