#include "printpreviewwindow.h"
#include "editorwidgets.h"

#include "accessibility.h"
#include "printerdialogs.h"
#include "reportpreviewview.h"
#include "engine/printchecks.h"
#include "platform/prompter.h"
#include "session/reportsession.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace arvex {

namespace {

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(WindowContext& context, PrintQueues& queues, QWidget* parent)
    : QDialog(parent), context_(context), queues_(queues), form_(context.Ws, context.Prompt, context.Store, queues, *this) {
  setObjectName(QStringLiteral("frmPrint"));
  setWindowTitle(PrintPreviewForm::kCaption);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);

  auto* menuBar = new QMenuBar(this);
  QMenu* settings = menuBar->addMenu(QStringLiteral("&Settings"));
  settings->setObjectName(QStringLiteral("mnuSettings"));
  QAction* hours = settings->addAction(QStringLiteral("&Printing Setup"));
  hours->setObjectName(QStringLiteral("mnuHours"));
  hours->setEnabled(static_cast<bool>(context.Windows.ReportSettings));
  connect(hours, &QAction::triggered, this, [this] { form_.PrintingSetup(); });
  machineSetup_ = settings->addAction(QStringLiteral("&Machine Setup"));
  machineSetup_->setObjectName(QStringLiteral("mnuMach"));
  machineSetup_->setEnabled(form_.MachineSetupEnabled());
  connect(machineSetup_, &QAction::triggered, this, [this] { form_.MachineSetup(); });

  auto* layout = new QHBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->addWidget(BuildControls());

  auto* right = new QVBoxLayout;
  view_ = new ReportPreviewView(this);
  view_->setObjectName(QStringLiteral("vp"));
  view_->setAccessibleName(QStringLiteral("Report preview"));
  connect(view_, &ReportPreviewView::PageRequested, this, [this](int page) { form_.SetPage(page); });
  right->addWidget(view_, 1);
  auto* pages = new QHBoxLayout;
  auto* scrollLabel = new QLabel(QStringLiteral("Page:"), this);
  scroll_ = new QScrollBar(Qt::Horizontal, this);
  scroll_->setObjectName(QStringLiteral("scrlPage"));
  scroll_->setAccessibleName(QStringLiteral("Page"));
  pages->addWidget(scrollLabel);
  connect(scroll_, &QScrollBar::valueChanged, this, [this](int page) { form_.SetPage(page); });
  pageLabel_ = new QLabel(this);
  pageLabel_->setObjectName(QStringLiteral("lblPage"));
  pageLabel_->setMinimumWidth(110);
  pageLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  pages->addWidget(scroll_, 1);
  pages->addWidget(pageLabel_);
  right->addLayout(pages);
  layout->addLayout(right, 1);

  // The page keys work wherever the focus is.
  auto addKey = [this](QKeySequence key, void (PrintPreviewForm::*event)()) {
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, this, [this, event] { (form_.*event)(); });
  };
  addKey(QKeySequence(Qt::CTRL | Qt::Key_Home), &PrintPreviewForm::FirstPage);
  addKey(QKeySequence(Qt::CTRL | Qt::Key_End), &PrintPreviewForm::LastPage);
  addKey(QKeySequence(Qt::CTRL | Qt::Key_G), &PrintPreviewForm::GoToPage);

  form_.SetOnChanged([this] { Refresh(); });
  form_.Load();

  const QRect screen = (parent ? parent->screen() : QWidget::screen())->availableGeometry();
  resize(std::min(screen.width() - 40, 1500), screen.height() - 60);
  view_->setFocus();
}

PrintPreviewWindow::~PrintPreviewWindow() = default;

QWidget* PrintPreviewWindow::BuildControls() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("fraControls"));
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);

  auto* printerCaption = new QLabel(QStringLiteral("Printer:"), panel);
  printerLabel_ = new QLabel(panel);
  printerLabel_->setObjectName(QStringLiteral("Label1"));
  printerLabel_->setWordWrap(true);
  QFont bold = printerLabel_->font();
  bold.setBold(true);
  printerLabel_->setFont(bold);
  NameAfterLabel(printerLabel_, printerCaption);
  column->addWidget(printerCaption);
  column->addWidget(printerLabel_);

  auto* print = CommandButton(panel, QStringLiteral("&Print"), "cmdPrint");
  auto* exportPdf = CommandButton(panel, QStringLiteral("&Export PDF\u2026"), "cmdExportPdf");
  auto* pageSetup = CommandButton(panel, QStringLiteral("Page Setup"), "cmdPageSetup");
  auto* printerSetup = CommandButton(panel, QStringLiteral("Printer Setup"), "cmdPrinterSetup");
  connect(print, &QPushButton::clicked, this, [this] {
    if (form_.Print()) accept();
  });
  connect(exportPdf, &QPushButton::clicked, this, [this] { form_.ExportPdf(); });
  connect(pageSetup, &QPushButton::clicked, this, [this] { form_.PageSetup(); });
  connect(printerSetup, &QPushButton::clicked, this, [this] { form_.PrinterSetup(); });
  auto* printRow = new QGridLayout;
  printRow->addWidget(print, 0, 0);
  printRow->addWidget(exportPdf, 0, 1);
  printRow->addWidget(pageSetup, 1, 0);
  printRow->addWidget(printerSetup, 1, 1);
  column->addLayout(printRow);

  auto* sections = new QGroupBox(QStringLiteral("Sections"), panel);
  auto* sectionColumn = new QVBoxLayout(sections);
  const auto& fields = ReportSwitchFields();
  for (size_t i = 0; i < fields.size(); ++i) {
    auto* box = new QCheckBox(fields[i].Caption, sections);
    box->setObjectName(QStringLiteral("Check") + QString::number(i + 1));
    const int index = static_cast<int>(i);
    connect(box, &QCheckBox::toggled, this, [this, index](bool on) { form_.ClickSwitch(index, on); });
    sectionColumn->addWidget(box);
    switches_.push_back(box);
  }
  column->addWidget(sections);

  auto* zoom = new QGroupBox(QStringLiteral("Zoom"), panel);
  auto* zoomGrid = new QGridLayout(zoom);
  auto* modeLabel = new QLabel(QStringLiteral("&View:"), zoom);
  zoomMode_ = new QComboBox(zoom);
  zoomMode_->setObjectName(QStringLiteral("cmbZoomMode"));
  zoomMode_->addItems(PrintPreviewForm::ZoomModes());
  NameAfterLabel(zoomMode_, modeLabel);
  auto* percentLabel = new QLabel(QStringLiteral("Percen&t:"), zoom);
  percent_ = new QComboBox(zoom);
  percent_->setObjectName(QStringLiteral("cmbPercent"));
  percent_->addItems(PrintPreviewForm::Percentages());
  NameAfterLabel(percent_, percentLabel);
  connect(zoomMode_, &QComboBox::activated, this, [this](int i) { form_.ChooseZoomMode(i); });
  connect(percent_, &QComboBox::activated, this, [this](int i) { form_.ChoosePercent(i); });
  zoomGrid->addWidget(modeLabel, 0, 0);
  zoomGrid->addWidget(zoomMode_, 0, 1);
  zoomGrid->addWidget(percentLabel, 1, 0);
  zoomGrid->addWidget(percent_, 1, 1);
  zoomGrid->setColumnStretch(1, 1);
  column->addWidget(zoom);

  auto* pages = new QGroupBox(QStringLiteral("Pages"), panel);
  auto* pageGrid = new QGridLayout(pages);
  auto* first = CommandButton(pages, QStringLiteral("First Page"), "cmdFirst");
  auto* previous = CommandButton(pages, QStringLiteral("Previous Page"), "cmdPrevious");
  auto* next = CommandButton(pages, QStringLiteral("Next Page"), "cmdNext");
  auto* last = CommandButton(pages, QStringLiteral("Last Page"), "cmdLast");
  auto* goTo = CommandButton(pages, QStringLiteral("Go to Page"), "cmdGoTo");
  first->setToolTip(QStringLiteral("Ctrl+Home"));
  previous->setToolTip(QStringLiteral("Page Up"));
  next->setToolTip(QStringLiteral("Page Down"));
  last->setToolTip(QStringLiteral("Ctrl+End"));
  goTo->setToolTip(QStringLiteral("Ctrl+G"));
  connect(first, &QPushButton::clicked, this, [this] { form_.FirstPage(); });
  connect(previous, &QPushButton::clicked, this, [this] { form_.PreviousPage(); });
  connect(next, &QPushButton::clicked, this, [this] { form_.NextPage(); });
  connect(last, &QPushButton::clicked, this, [this] { form_.LastPage(); });
  connect(goTo, &QPushButton::clicked, this, [this] { form_.GoToPage(); });
  pageGrid->addWidget(first, 0, 0);
  pageGrid->addWidget(last, 0, 1);
  pageGrid->addWidget(previous, 1, 0);
  pageGrid->addWidget(next, 1, 1);
  pageGrid->addWidget(goTo, 2, 0, 1, 2);
  column->addWidget(pages);

  column->addStretch(1);
  logo_ = new QLabel(panel);
  logo_->setObjectName(QStringLiteral("Image1"));
  logo_->setAlignment(Qt::AlignCenter);
  logo_->setVisible(false);
  column->addWidget(logo_);
  auto* exit = CommandButton(panel, QStringLiteral("E&xit"), "cmdExit");
  connect(exit, &QPushButton::clicked, this, &QDialog::reject);
  column->addWidget(exit);
  panel->setFixedWidth(std::max(260, panel->sizeHint().width()));
  return panel;
}

void PrintPreviewWindow::Refresh() {
  for (size_t i = 0; i < switches_.size(); ++i) {
    const QSignalBlocker block(switches_[i]);
    switches_[i]->setChecked(form_.Switch(static_cast<int>(i)));
  }
  {
    const QSignalBlocker a(zoomMode_);
    const QSignalBlocker b(percent_);
    zoomMode_->setCurrentIndex(form_.ZoomModeIndex());
    percent_->setCurrentIndex(form_.PercentIndex());
    percent_->setEnabled(form_.PercentEnabled());
  }
  {
    const QSignalBlocker block(scroll_);
    scroll_->setRange(1, std::max(1, form_.PageCount()));
    scroll_->setPageStep(1);
    scroll_->setValue(form_.Page());
  }
  pageLabel_->setText(form_.PageLabel());
  printerLabel_->setText(form_.PrinterLabel());
  if (logo_->property("path").toString() != form_.LogoPath()) {
    logo_->setProperty("path", form_.LogoPath());
    // A damaged picture is left out, as on the report.
    QImageReader reader(form_.LogoPath());
    const QImage image = form_.LogoPath().isEmpty() ? QImage() : reader.read();
    logo_->setVisible(!image.isNull());
    if (!image.isNull())
      logo_->setPixmap(QPixmap::fromImage(image.scaled(QSize(240, 120), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  }
  machineSetup_->setEnabled(form_.MachineSetupEnabled());
  view_->Show(&form_.Document(), form_.Generation(), form_.Zoom(), form_.ZoomPercent(), form_.Page());
}

bool PrintPreviewWindow::PageSetupDialog() { return RunPageSetupDialog(context_.Ws, queues_, this); }
bool PrintPreviewWindow::PrinterDialog() { return RunPrinterDialog(context_.Ws, queues_, this); }
void PrintPreviewWindow::ShowReportSettings() {
  if (context_.Windows.ReportSettings) context_.Windows.ReportSettings(context_, this);
}
bool PrintPreviewWindow::CanShowMachineSetup() const { return static_cast<bool>(context_.Windows.MachineSetup); }
void PrintPreviewWindow::ShowMachineSetup() {
  if (context_.Windows.MachineSetup) context_.Windows.MachineSetup(context_, this);
}

void OpenPrintPreview(WindowContext& context, PrintQueues& queues, QWidget* parent) {
  if (!PrepareReportChecks(context.Ws, context.Prompt)) return;
  PrintPreviewWindow window(context, queues, parent);
  window.exec();
}

void PrintReportCommand(WindowContext& context, PrintQueues& queues, QWidget*) {
  PrintCommand(context.Ws, context.Prompt, context.Store, queues);
}

void PrintWithPrinterDialog(WindowContext& context, PrintQueues& queues, QWidget* parent) {
  // Nothing to print: say so before asking for a printer.
  if (!CheckOperationsToPrint(context.Ws, context.Prompt)) return;
  if (!RunPrinterDialog(context.Ws, queues, parent)) return;
  PrintCommand(context.Ws, context.Prompt, context.Store, queues);
}

void OpenPrinterSetup(WindowContext& context, PrintQueues& queues, QWidget* parent) {
  RunPrinterDialog(context.Ws, queues, parent);
}

}  // namespace arvex
