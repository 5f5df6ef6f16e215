#pragma once
// frmPrint, "Arvex Printing": the report page by page over PrintPreviewForm,
// with the section switches, the zoom, the page navigation, "&Print",
// "Export PDF...", "Page Setup", "Printer Setup", the "&Settings" menu and
// "E&xit". Each widget signal calls one form method; Refresh copies the
// form back.

#include "report/printpreviewform.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollBar;
class QAction;

namespace arvex {

class PrintQueues;
class ReportPreviewView;
struct WindowContext;

class PrintPreviewWindow : public QDialog, public PrintPreviewHost {
  Q_OBJECT
 public:
  PrintPreviewWindow(WindowContext& context, PrintQueues& queues, QWidget* parent = nullptr);
  ~PrintPreviewWindow() override;

  PrintPreviewForm& Form() { return form_; }
  void Refresh();

 private:
  // PrintPreviewHost
  bool PageSetupDialog() override;
  bool PrinterDialog() override;
  void ShowReportSettings() override;
  bool CanShowMachineSetup() const override;
  void ShowMachineSetup() override;

  QWidget* BuildControls();

  WindowContext& context_;
  PrintQueues& queues_;
  PrintPreviewForm form_;

  ReportPreviewView* view_ = nullptr;
  std::vector<QCheckBox*> switches_;
  QComboBox* zoomMode_ = nullptr;
  QComboBox* percent_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  QLabel* pageLabel_ = nullptr;
  QLabel* printerLabel_ = nullptr;
  QLabel* logo_ = nullptr;
  QAction* machineSetup_ = nullptr;
};

// The Print Preview command: the checks before printing, then frmPrint
// modally.
void OpenPrintPreview(WindowContext& context, PrintQueues& queues, QWidget* parent);
// The toolbar's Print: the report on the run's printer, no dialog.
void PrintReportCommand(WindowContext& context, PrintQueues& queues, QWidget* parent);
// "&Print current T/S": the printer dialog, then the report on the chosen
// printer (nothing when the dialog is cancelled).
void PrintWithPrinterDialog(WindowContext& context, PrintQueues& queues, QWidget* parent);
// "Printer Setup": the printer dialog; its choice holds for this run.
void OpenPrinterSetup(WindowContext& context, PrintQueues& queues, QWidget* parent);

}  // namespace arvex
