#pragma once
// The print preview window frmPrint ("Arvex Printing") as a form: the
// composed report, the section switches, the zoom, the page shown and its
// label, and one method per event. The window draws the pages of
// Document() at the zoom and forwards its events.
//
// The report is composed again after every switch, page setup, printer,
// report settings or machine change; each composition goes back to page 1.

#include "report/printjob.h"
#include "report/reportdocument.h"
#include "report/reportsettings.h"

#include <QString>
#include <QStringList>

#include <functional>

class QSettings;

namespace arvex {

class Prompter;
struct Workspace;

// What the window does for the form: the dialogs and the other windows.
class PrintPreviewHost {
 public:
  virtual ~PrintPreviewHost() = default;
  // The page setup dialog on ws.Printer; true when the user confirmed it.
  virtual bool PageSetupDialog() = 0;
  // The printer dialog on ws.Printer; true when the user confirmed it.
  virtual bool PrinterDialog() = 0;
  // The report settings window (frmRVXset), modal.
  virtual void ShowReportSettings() = 0;
  // The machine setup window (MachSetup), modal; false when this build has
  // none.
  virtual bool CanShowMachineSetup() const = 0;
  virtual void ShowMachineSetup() = 0;
};

enum class ZoomMode { Percentage, Thumbnail, TwoPages, WholePage, PageWidth, Stretch };

class PrintPreviewForm {
 public:
  static inline const QString kCaption = QStringLiteral("Arvex Printing");
  static inline const QString kGoToPagePrompt = QStringLiteral("Go to Page");
  static inline const QString kNoPrinter = QStringLiteral("No printer");
  // The file shown in the window's picture, in the application folder.
  static inline const QString kLogoFile = QStringLiteral("logo.jpg");
  // cmbZoomMode, in the order of ZoomMode.
  static QStringList ZoomModes();
  // cmbPercent.
  static QStringList Percentages();

  PrintPreviewForm(Workspace& ws, Prompter& prompter, QSettings& store, PrintQueues& queues, PrintPreviewHost& host);

  // Called after every event that alters what the window shows.
  void SetOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

  // ---- what the window shows ----
  const ReportDocument& Document() const { return doc_; }
  // Counts the compositions, so that a view knows when to draw again.
  int Generation() const { return generation_; }
  // Image1: the application folder's logo.jpg, "" when there is none.
  const QString& LogoPath() const { return logoPath_; }
  // Label1: the printer the report is laid out for.
  QString PrinterLabel() const;
  const PrintTarget& Target() const { return target_; }
  const ReportSwitches& Switches() const { return switches_; }
  bool Switch(int index) const;
  bool Loaded() const { return loaded_; }

  ZoomMode Zoom() const { return zoom_; }
  int ZoomModeIndex() const { return static_cast<int>(zoom_); }
  int PercentIndex() const { return percentIndex_; }
  // The zoom in percent of the paper's real size ("Percentage" only).
  int ZoomPercent() const;
  bool PercentEnabled() const { return zoom_ == ZoomMode::Percentage; }

  int PageCount() const { return doc_.PageCount(); }
  // The page shown first (the scroll bar's value), 1-based.
  int Page() const { return page_; }
  // The second page shown at "Two Pages"; 0 when only one page is shown.
  int SecondPage() const;
  // lblPage: "1 of 4", or "1 - 2 of 4" when two pages are shown.
  QString PageLabel() const;

  // ---- events ----
  // Load: the logo, the printer, the switches from the store, the loaded
  // flag; then the report is composed.
  void Load();
  // A section check box (index into ReportSwitchFields()). Before Load has
  // ended it does nothing; afterwards the report is composed again and the
  // switch stored.
  void ClickSwitch(int index, bool on);
  void ChooseZoomMode(int index);
  void ChoosePercent(int index);
  // The scroll bar, or the view showing another page: pages outside 1 to
  // the page count change nothing.
  void SetPage(int page);
  void FirstPage();
  void PreviousPage();
  void NextPage();
  void LastPage();
  // Asks for a page number; a whole number from 1 to the page count goes
  // there, anything else (0, beyond the count, text, Cancel) changes
  // nothing.
  void GoToPage();
  // "&Print": prints the report when it has a page. True when the window
  // is to close: printed, or nothing to print. A missing or refusing
  // printer, or a failed job, is a message and the window stays.
  bool Print();
  // "Export PDF...": the same document as a PDF file.
  void ExportPdf();
  // "Page Setup", "Printer Setup": the dialog, then the report again.
  void PageSetup();
  void PrinterSetup();
  // "&Settings" > "&Printing Setup", "&Machine Setup".
  void PrintingSetup();
  bool MachineSetupEnabled() const { return host_.CanShowMachineSetup(); }
  void MachineSetup();

 private:
  void ResolvePrinter();
  void Compose();
  void Changed();

  Workspace& ws_;
  Prompter& prompter_;
  QSettings& store_;
  PrintQueues& queues_;
  PrintPreviewHost& host_;
  std::function<void()> onChanged_;

  ReportDocument doc_;
  PrintTarget target_;
  ReportSwitches switches_;
  QString logoPath_;
  bool loaded_ = false;
  int generation_ = 0;
  ZoomMode zoom_ = ZoomMode::WholePage;
  int percentIndex_ = 2;  // "100"
  int page_ = 1;
};

}  // namespace arvex
