#include "mainwindow.h"

#include "accessibility.h"
#include "classickeys.h"
#include "editorwidgets.h"
#include "icons.h"
#include "platform/prompter.h"
#include "report/timeline.h"
#include "session/recentfiles.h"
#include "studyundo.h"
#include "timelineview.h"
#include "workspace.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QAbstractItemView>
#include <QListWidget>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace arvex {

namespace {

const char* const kMoveUpTip = "Move Op up one";
const char* const kMoveDownTip = "Move Op down one";

QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name, const QString& tip,
                         const QString& sideName) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setArrowType(arrow);
  b->setToolTip(tip);
  b->setAutoRaise(false);
  b->setMinimumSize(30, 30);
  NameControl(b, tip, sideName);
  return b;
}

}  // namespace

MainWindow::MainWindow(WindowContext& context, QWidget* parent) : QMainWindow(parent), context_(context) {
  setObjectName(QStringLiteral("ARVEX"));
  setWindowTitle(MainWindowForm::Caption());
  form_ = std::make_unique<MainWindowForm>(context.Ws, context.Prompt, context.Store, *this);

  BuildMenus();
  BuildToolBar();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(8, 6, 8, 6);

  // The commands above the lists.
  auto* commands = new QHBoxLayout;
  auto* tsData = CommandButton(central, QStringLiteral("&TS Data"), "MTSD",
                        QStringLiteral("Enter the main data -material, part number etc..."));
  editorButtons_[0] = CommandButton(central, QStringLiteral("&Main Spl"), "Command1",
                             QStringLiteral("Open the Cutting Data window for the Main Spl"));
  editorButtons_[1] = CommandButton(central, QStringLiteral("S&ub Spl"), "Command2",
                             QStringLiteral("Open the Cutting Data window for the Sub Spl"));
  addSync_ = CommandButton(central, QStringLiteral("Add Sync Before Op "), "Command6",
                    QStringLiteral("Select the Main and Sub Spl ops to Sync -then click here."));
  removeSync_ = CommandButton(central, QStringLiteral("Remove Sync"), "Command7",
                       QStringLiteral("Select the Main and Sub Spl Sync to remove -then click here."));
  toggleSyncs_ = CommandButton(central, MainWindowForm::kHideSyncs, "Command3");
  connect(tsData, &QPushButton::clicked, this, [this] { form_->HeaderData(); });
  connect(editorButtons_[0], &QPushButton::clicked, this, [this] { form_->EditorButton(kMainSpindle); });
  connect(editorButtons_[1], &QPushButton::clicked, this, [this] { form_->EditorButton(kSubSpindle); });
  connect(addSync_, &QPushButton::clicked, this, [this] { form_->AddSync(); });
  connect(removeSync_, &QPushButton::clicked, this, [this] { form_->RemoveSync(); });
  connect(toggleSyncs_, &QPushButton::clicked, this, [this] { form_->ToggleSyncs(); });
  commands->addWidget(tsData);
  commands->addWidget(editorButtons_[0]);
  commands->addWidget(editorButtons_[1]);
  commands->addStretch(1);
  commands->addWidget(addSync_);
  commands->addWidget(removeSync_);
  commands->addWidget(toggleSyncs_);
  layout->addLayout(commands);

  layout->addWidget(BuildLists(), 1);
  layout->addWidget(BuildTotals());
  layout->addWidget(BuildTimeline());
  setCentralWidget(central);

  fileLabel_ = new QLabel(this);
  fileLabel_->setObjectName(QStringLiteral("lblFile"));
  fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  fileLabel_->setAccessibleDescription(QStringLiteral("File"));
  dirtyLabel_ = new QLabel(this);
  dirtyLabel_->setObjectName(QStringLiteral("lblChanged"));
  statusBar()->addWidget(fileLabel_, 1);
  statusBar()->addPermanentWidget(dirtyLabel_);

  form_->SetOnChanged([this] { Refresh(); });
  // Most of the screen, centred: the lists are the work.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    const QSize size(std::min(1500, area.width() * 9 / 10), std::min(1000, area.height() * 9 / 10));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area));
  }
}

MainWindow::~MainWindow() = default;

// ---- building -------------------------------------------------------------------

QAction* MainWindow::AddAction(QMenu* menu, const QString& caption, const char* name,
                               void (MainWindowForm::*event)()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, [this, event] { (form_.get()->*event)(); });
  return action;
}

QAction* MainWindow::AddWindowAction(QMenu* menu, const QString& caption, const char* name,
                                     const WindowOpener& opener) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  action->setEnabled(static_cast<bool>(opener));
  connect(action, &QAction::triggered, this, [this, &opener] { OpenWindow(opener); });
  return action;
}

void MainWindow::BuildMenus() {
  const AppWindows& w = context_.Windows;
  fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
  fileMenu_->setObjectName(QStringLiteral("mnuFile"));
  AddAction(fileMenu_, QStringLiteral("&New T/S"), "mnuNew", &MainWindowForm::New)->setShortcut(QKeySequence::New);
  AddAction(fileMenu_, QStringLiteral("&Open a T/S"), "mnuOpen", &MainWindowForm::Open)
      ->setShortcut(QKeySequence::Open);
  AddAction(fileMenu_, QStringLiteral("&Save a T/S"), "mnuSave", &MainWindowForm::Save)
      ->setShortcut(QKeySequence::Save);
  AddWindowAction(fileMenu_, QStringLiteral("Printer Setup"), "mnuPrinterSetup", w.PrinterSetup);
  AddWindowAction(fileMenu_, QStringLiteral("&Print current T/S"), "mnuPrint", w.PrintWithSetup)
      ->setShortcut(QKeySequence::Print);
  AddWindowAction(fileMenu_, QStringLiteral("Print Pre&view current T/S"), "mnuPreview", w.PrintPreview);
  recentSeparator_ = fileMenu_->addSeparator();
  recentSeparator_->setObjectName(QStringLiteral("mnuRecentFile_0"));
  recentSeparator_->setVisible(false);
  fileMenu_->addSeparator();
  QAction* exit = fileMenu_->addAction(QStringLiteral("E&xit"));
  exit->setObjectName(QStringLiteral("mnuExit"));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  undo_ = InstallStudyUndo(this, context_.Ws);
  edit->addAction(undo_->Undo());
  edit->addAction(undo_->Redo());

  QMenu* settings = menuBar()->addMenu(QStringLiteral("&Settings"));
  settings->setObjectName(QStringLiteral("mnuSettings"));
  AddWindowAction(settings, QStringLiteral("&Printing Setup"), "mnuRVX", w.ReportSettings);
  QAction* machine = settings->addAction(QStringLiteral("&Machine Setup"));
  machine->setObjectName(QStringLiteral("AdMach"));
  machine->setEnabled(static_cast<bool>(w.MachineSetup));
  connect(machine, &QAction::triggered, this, [this] {
    OpenWindow(context_.Windows.MachineSetup);
    form_->MachineSetupClosed();
  });
  AddWindowAction(settings, QStringLiteral("&Operations Setup"), "mnuAddOps", w.OperationNames);
  settings->addSeparator();
  AddWindowAction(settings, QStringLiteral("Shortcuts / TSFilesfolder Setup"), "mnuSC", w.FolderSetup);

  QMenu* database = menuBar()->addMenu(QStringLiteral("&Database"));
  database->setObjectName(QStringLiteral("mnuDatabase"));
  AddWindowAction(database, QStringLiteral("Material Groups"), "mnuMatGroups", w.MaterialGroups);
  AddWindowAction(database, QStringLiteral("&Cutting Data"), "mnuAddCutData", w.CuttingDatabase);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelpMenu"));
  QAction* helpAction = help->addAction(QStringLiteral("&Help"));
  helpAction->setObjectName(QStringLiteral("mnuHelp"));
  helpAction->setShortcut(QKeySequence::HelpContents);
  connect(helpAction, &QAction::triggered, this, [this] { context_.ShowHelp(QString()); });
  QAction* about = help->addAction(QStringLiteral("&About"));
  about->setObjectName(QStringLiteral("mnuAbout"));
  connect(about, &QAction::triggered, this, [this] {
    context_.Prompt.ShowMessage(MainWindowForm::AboutText(), QStringLiteral("About ") + kProgramTitle,
                                MessageIcon::Information);
  });
}

void MainWindow::BuildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Toolbar"));
  bar->setObjectName(QStringLiteral("Toolbar1"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bar->setIconSize(QSize(24, 24));
  auto add = [&](ToolIcon icon, const QString& key, auto onTrigger) {
    QAction* a = bar->addAction(ToolbarIcon(icon), key);
    a->setObjectName(QStringLiteral("tb") + QString(key).remove(u' '));
    a->setToolTip(key);
    connect(a, &QAction::triggered, this, onTrigger);
    return a;
  };
  add(ToolIcon::New, QStringLiteral("New"), [this] { form_->New(); });
  add(ToolIcon::Open, QStringLiteral("Open"), [this] { form_->Open(); });
  add(ToolIcon::Save, QStringLiteral("Save"), [this] { form_->Save(); });
  printButton_ = add(ToolIcon::Print, QStringLiteral("Print"), [this] { OpenWindow(context_.Windows.Print); });
  previewButton_ =
      add(ToolIcon::Preview, QStringLiteral("Print Preview"), [this] { OpenWindow(context_.Windows.PrintPreview); });
  add(ToolIcon::Help, QStringLiteral("Help"), [this] { context_.ShowHelp(QString()); });
  // The button that shows the buttons a narrow window cannot.
  if (auto* more = bar->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button")))
    more->setAccessibleName(QStringLiteral("More toolbar buttons"));
  printButton_->setEnabled(static_cast<bool>(context_.Windows.Print));
  previewButton_->setEnabled(static_cast<bool>(context_.Windows.PrintPreview));
}

QWidget* MainWindow::BuildLists() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 4, 0, 4);
  const std::array<QString, 2> captions{QStringLiteral("M&ain Spindle Operations"),
                                        QStringLiteral("Su&b Spindle Operations")};
  const std::array<const char*, 2> listNames{"List1", "List2"};
  const std::array<const char*, 2> upNames{"cmdUpM", "cmdUpS"};
  const std::array<const char*, 2> downNames{"cmdDownM", "cmdDownS"};

  auto* keys = new ClassicKeyFilter(this, [this](const ClassicKeyFilter::Key& key) {
    const int side = key.Target == lists_[1] ? kSubSpindle : kMainSpindle;
    if (key.Code != kKeyEnter && key.Code != kKeyDelete) return false;
    form_->ListKeyDown(side, key.Code);
    return true;
  });

  for (int s = 0; s < 2; ++s) {
    const int side = s + 1;
    const int column = s == 0 ? 0 : 3;
    auto* label = new QLabel(captions[static_cast<size_t>(s)], box);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    auto* list = new QListWidget(box);
    list->setObjectName(QString::fromLatin1(listNames[static_cast<size_t>(s)]));
    list->setFont(FixedPitchFont());
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumWidth(320);
    NameAfterLabel(list, label);
    lists_[static_cast<size_t>(s)] = list;
    keys->Watch(list);
    list->installEventFilter(this);
    connect(list, &QListWidget::currentRowChanged, this, [this, side](int row) { form_->ClickLine(side, row); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, side] { form_->DoubleClickLine(side); });

    const QString sideName = WithoutAccessKey(captions[static_cast<size_t>(s)]);
    auto* moveLabel = new QLabel(QStringLiteral("Move"), box);
    moveLabel->setAlignment(Qt::AlignHCenter);
    auto* up = ArrowButton(box, Qt::UpArrow, upNames[static_cast<size_t>(s)], QString::fromLatin1(kMoveUpTip), sideName);
    auto* down =
        ArrowButton(box, Qt::DownArrow, downNames[static_cast<size_t>(s)], QString::fromLatin1(kMoveDownTip), sideName);
    connect(up, &QToolButton::clicked, this, [this, side] { form_->MoveUp(side); });
    connect(down, &QToolButton::clicked, this, [this, side] { form_->MoveDown(side); });
    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(moveLabel);
    moves->addWidget(up, 0, Qt::AlignHCenter);
    moves->addWidget(down, 0, Qt::AlignHCenter);
    moves->addStretch(1);

    grid->addWidget(label, 0, column);
    grid->addWidget(list, 1, column);
    grid->addLayout(moves, 1, column + 1);
  }

  // Copying between the lists, between them.
  auto* copyLabel = new QLabel(QStringLiteral("Copy"), box);
  copyLabel->setAlignment(Qt::AlignHCenter);
  auto* copy12 = ArrowButton(box, Qt::RightArrow, "cmdCopy12", QStringLiteral("Copy selected Op from Main to Sub"), {});
  auto* copy21 = ArrowButton(box, Qt::LeftArrow, "cmdCopy21", QStringLiteral("Copy selected Op from Sub to Main"), {});
  connect(copy12, &QToolButton::clicked, this, [this] { form_->CopyMainToSub(); });
  connect(copy21, &QToolButton::clicked, this, [this] { form_->CopySubToMain(); });
  auto* copies = new QVBoxLayout;
  copies->addStretch(1);
  copies->addWidget(copyLabel);
  copies->addWidget(copy12, 0, Qt::AlignHCenter);
  copies->addWidget(copy21, 0, Qt::AlignHCenter);
  copies->addStretch(1);
  grid->addLayout(copies, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(3, 1);
  grid->setColumnMinimumWidth(2, 56);
  return box;
}

QWidget* MainWindow::BuildTotals() {
  auto* box = new QGroupBox(QStringLiteral("Cycle Time"), this);
  box->setObjectName(QStringLiteral("fraTotals"));
  auto* grid = new QGridLayout(box);
  const std::array<QString, 5> captions{
      QStringLiteral("A=Main Spl Before Sub starts:"), QStringLiteral("B=Main Spl while Sub runs:"),
      QStringLiteral("C=Sub Spl while Main runs:"), QStringLiteral("D=Main Spl after Sub finished:"),
      QStringLiteral("Total=")};
  const std::array<const char*, 5> captionNames{"Label3", "Label4", "Label5", "Label6", "Label2"};
  QFont valueFont = FixedPitchFont();
  valueFont.setBold(true);
  for (int i = 0; i < 5; ++i) {
    auto* caption = new QLabel(captions[static_cast<size_t>(i)], box);
    caption->setObjectName(QString::fromLatin1(captionNames[static_cast<size_t>(i)]));
    auto* value = new QLabel(box);
    value->setObjectName(QStringLiteral("Label2_") + QString::number(i));
    value->setFont(valueFont);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setMinimumWidth(220);
    // Read out as the figure it shows, described by its caption.
    caption->setBuddy(value);
    value->setAccessibleDescription(WithoutAccessKey(caption->text()));
    values_[static_cast<size_t>(i)] = value;
    if (i == 4) {
      // The figure a quote is made from.
      QFont big = valueFont;
      big.setPointSizeF(valueFont.pointSizeF() * 1.3);
      value->setFont(big);
      QFont bold = caption->font();
      bold.setBold(true);
      caption->setFont(bold);
    }
    const int row = i < 4 ? i : 4;
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
  }
  auto* groupLabel = new QLabel(QStringLiteral("Sync &group:"), box);
  groups_ = new QComboBox(box);
  groups_->setObjectName(QStringLiteral("Combo1"));
  groups_->addItems(MainWindowForm::GroupChoices());
  NameAfterLabel(groups_, groupLabel);
  groups_->view()->setAccessibleName(groups_->accessibleName());
  connect(groups_, &QComboBox::activated, this, [this](int index) { form_->ChooseGroup(index); });
  grid->addWidget(groupLabel, 1, 2, Qt::AlignRight);
  grid->addWidget(groups_, 1, 3);
  grid->setColumnStretch(1, 1);
  return box;
}

QWidget* MainWindow::BuildTimeline() {
  auto* box = new QGroupBox(QStringLiteral("Spindle Timeline"), this);
  box->setObjectName(QStringLiteral("fraTimeline"));
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(4, 2, 4, 4);
  timeline_ = new TimelineView(*form_, box);
  layout->addWidget(timeline_);
  return box;
}

// ---- refreshing -------------------------------------------------------------------

void MainWindow::RefreshList(int side) { ShowItems(List(side), form_->Lines(side), form_->Selection(side)); }

void MainWindow::Refresh() {
  RefreshList(kMainSpindle);
  RefreshList(kSubSpindle);
  for (int i = 0; i < 5; ++i) values_[static_cast<size_t>(i)]->setText(form_->ValueLabel(i));
  {
    const QSignalBlocker block(groups_);
    groups_->setCurrentIndex(form_->GroupChoice());
  }
  toggleSyncs_->setText(form_->SyncToggleCaption());
  NameControl(toggleSyncs_, form_->SyncToggleCaption());
  addSync_->setEnabled(form_->SyncCommandsEnabled());
  removeSync_->setEnabled(form_->SyncCommandsEnabled());
  editorButtons_[0]->setEnabled(form_->EditorEnabled(kMainSpindle) && context_.Windows.CutData);
  editorButtons_[1]->setEnabled(form_->EditorEnabled(kSubSpindle) && context_.Windows.CutData);
  fileLabel_->setText(form_->FileLabel());
  dirtyLabel_->setText(context_.Ws.Study.Dirty ? QStringLiteral("Changed, not saved") : QString());
  RefreshRecentFiles();
  timeline_->setAccessibleDescription(TimelineSummary(form_->SpindleTimeline()));
  timeline_->update();
}

void MainWindow::RefreshRecentFiles() {
  const QStringList captions = form_->RecentCaptions();
  if (captions == recentCaptions_) return;
  recentCaptions_ = captions;
  // Entries exist only while they are filled, so that nothing hidden is
  // read out.
  for (QAction* a : recentActions_) delete a;
  recentActions_.clear();
  recentSeparator_->setVisible(!captions.isEmpty());
  QAction* before = fileMenu_->actions().at(fileMenu_->actions().indexOf(recentSeparator_) + 1);
  for (int i = 0; i < captions.size(); ++i) {
    auto* a = new QAction(captions[i], fileMenu_);
    a->setObjectName(QStringLiteral("mnuRecentFile_") + QString::number(i + 1));
    connect(a, &QAction::triggered, this, [this, i] { form_->OpenRecent(i); });
    fileMenu_->insertAction(before, a);
    recentActions_.push_back(a);
  }
}

void MainWindow::UpdatePrinterToolTips() {
  const QString printer = QPrinterInfo::defaultPrinterName();
  printButton_->setToolTip(MainWindowForm::PrintToolTip(printer));
  previewButton_->setToolTip(MainWindowForm::PreviewToolTip(printer));
}

// ---- events -------------------------------------------------------------------------------

void MainWindow::OpenWindow(const WindowOpener& opener) {
  if (!opener) return;
  opener(context_, this);
  // The keyboard comes back here, also where no window manager hands it on.
  activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (form_->CloseRequested()) event->accept();
  else event->ignore();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) UpdatePrinterToolTips();
  QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == lists_[0]) form_->ListGotFocus(kMainSpindle);
    else if (watched == lists_[1]) form_->ListGotFocus(kSubSpindle);
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ShowOperationEditor() { OpenWindow(context_.Windows.CutData); }
void MainWindow::ShowHeaderWindow() { OpenWindow(context_.Windows.HeaderData); }
void MainWindow::FocusList(int side) { List(side)->setFocus(); }
void MainWindow::ProcessPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace arvex
