#pragma once
// The system's printer and page setup dialogs over the run's printer choice
// (Workspace::Printer), and the choice a QPrinter stands for. A printer
// dialog's "print to file" choice is a PDF printer.

class QPrinter;
class QWidget;

namespace arvex {

class PrintQueues;
struct PrintTarget;
struct PrinterChoice;
struct Workspace;

// A QPrinter on the target's printer (or file) and paper.
void SetUpPrinter(QPrinter& printer, const PrintTarget& target);
// The printer, file, paper and copies a QPrinter holds.
PrinterChoice ChoiceOfPrinter(const QPrinter& printer);

// The printer dialog; when confirmed, ws.Printer becomes its choice and the
// result is true.
bool RunPrinterDialog(Workspace& ws, PrintQueues& queues, QWidget* parent);
// The page setup dialog on the chosen printer; when confirmed, ws.Printer
// takes its paper and the result is true.
bool RunPageSetupDialog(Workspace& ws, PrintQueues& queues, QWidget* parent);

}  // namespace arvex
