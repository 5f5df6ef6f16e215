#include "cutdatawindow.h"
#include "studyundo.h"

#include "accessibility.h"
#include "classickeys.h"
#include "cutdatamodel.h"
#include "editorwidgets.h"
#include "platform/prompter.h"
#include "workspace.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace arvex {

namespace {

// A field's caption as a screen reader says it: "Feed IP&M: =" is "Feed IPM".
QString SpokenCaption(const QString& caption) {
  QString name = WithoutAccessKey(caption).trimmed();
  if (name.endsWith(u'=')) name.chop(1);
  name = name.trimmed();
  if (name.endsWith(u':')) name.chop(1);
  return name.trimmed();
}

// Focus that moves within the window, as opposed to a message box or a
// popup taking it for a moment, or the window closing.
bool MovesWithinWindow(const QEvent* event) {
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

CutDataWindow::CutDataWindow(WindowContext& context, int spindle, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("CutData"));
  form_ = std::make_unique<CutDataWindowForm>(context.Ws, context.Prompt, *this, spindle);
  setWindowTitle(form_->Caption());
  InstallStudyUndo(this, context.Ws);
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 8);
  auto* bar = new QMenuBar(this);
  BuildMenus(bar);
  layout->setMenuBar(bar);

  auto* top = new QHBoxLayout;
  top->addWidget(BuildList(), 2);
  top->addWidget(BuildEditors(), 3);
  top->addWidget(BuildButtons());
  layout->addLayout(top, 3);
  layout->addWidget(BuildGrid(), 2);

  WatchKeys();
  form_->SetOnChanged([this] { Refresh(); });
  // Large enough for the grid, within the screen.
  QSize size(1440, 880);
  if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableGeometry().size() * 0.94);
  resize(size.expandedTo(minimumSizeHint()));
}

CutDataWindow::~CutDataWindow() = default;

// ---- building -------------------------------------------------------------------

void CutDataWindow::BuildMenus(QMenuBar* bar) {
  QMenu* settings = bar->addMenu(QStringLiteral("&Settings"));
  settings->setObjectName(QStringLiteral("mnuSettings"));
  QAction* names = settings->addAction(QStringLiteral("&Operations Setup"));
  names->setObjectName(QStringLiteral("mnuOpSet"));
  names->setEnabled(static_cast<bool>(context_.Windows.OperationNames));
  connect(names, &QAction::triggered, this, [this] { Do([this] { form_->OperationNamesSetup(); }); });

  QAction* help = bar->addAction(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  help->setShortcut(QKeySequence::HelpContents);
  connect(help, &QAction::triggered, this, [this] { context_.ShowHelp(QStringLiteral("#CutDat")); });
}

QWidget* CutDataWindow::BuildList() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(QStringLiteral("Operation List:"), box);
  list_ = new QListWidget(box);
  list_->setObjectName(QStringLiteral("List1"));
  list_->setFont(FixedPitchFont());
  list_->setUniformItemSizes(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Room for "100)T03-" and a name of some 30 characters; longer names
  // scroll rather than lose their end.
  list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(QString(40, u'M')) + 24);
  list_->setTextElideMode(Qt::ElideNone);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  NameAfterLabel(list_, label);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) Do([this, row] { form_->SelectLine(row); });
  });

  auto* up = new QToolButton(box);
  up->setObjectName(QStringLiteral("cmdUp"));
  up->setArrowType(Qt::UpArrow);
  up->setToolTip(QStringLiteral("Move Op up one"));
  NameControl(up, QStringLiteral("Move Op up one"));
  auto* down = new QToolButton(box);
  down->setObjectName(QStringLiteral("cmdDown"));
  down->setArrowType(Qt::DownArrow);
  down->setToolTip(QStringLiteral("Move Op down one"));
  NameControl(down, QStringLiteral("Move Op down one"));
  for (QToolButton* b : {up, down}) {
    b->setMinimumSize(30, 30);
    b->setFocusPolicy(Qt::StrongFocus);
  }
  connect(up, &QToolButton::clicked, this, [this] { Do([this] { form_->MoveUp(); }); });
  connect(down, &QToolButton::clicked, this, [this] { Do([this] { form_->MoveDown(); }); });
  auto* moves = new QVBoxLayout;
  moves->addStretch(1);
  moves->addWidget(new QLabel(QStringLiteral("Move"), box), 0, Qt::AlignHCenter);
  moves->addWidget(up, 0, Qt::AlignHCenter);
  moves->addWidget(down, 0, Qt::AlignHCenter);
  moves->addStretch(1);

  grid->addWidget(label, 0, 0);
  grid->addWidget(list_, 1, 0);
  grid->addLayout(moves, 1, 1);
  return box;
}

QWidget* CutDataWindow::BuildEditors() {
  auto* box = new QWidget(this);
  auto* outer = new QVBoxLayout(box);
  outer->setContentsMargins(4, 0, 4, 0);

  auto* materialRow = new QHBoxLayout;
  auto* materialLabel = new QLabel(QStringLiteral("Material:"), box);
  material_ = new QLabel(box);
  material_->setObjectName(QStringLiteral("lblMaterial"));
  QFont bold = material_->font();
  bold.setBold(true);
  material_->setFont(bold);
  material_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  NameAfterLabel(material_, materialLabel);
  materialRow->addWidget(materialLabel);
  materialRow->addWidget(material_, 1);
  outer->addLayout(materialRow);

  auto* combos = new QGridLayout;
  tools_ = ListCombo(box, "Combo1", false, 22);
  names_ = ListCombo(box, "Combo2", true, 22);
  holders_ = ListCombo(box, "Combo3", true, 22);
  const std::array<std::pair<QString, QComboBox*>, 3> rows{{{QStringLiteral("Tool &Number:"), tools_},
                                                            {QStringLiteral("&Operation Name:"), names_},
                                                            {QStringLiteral("Tool &Holder: "), holders_}}};
  for (int r = 0; r < 3; ++r) {
    auto* label = new QLabel(rows[static_cast<size_t>(r)].first, box);
    NameComboAfterLabel(rows[static_cast<size_t>(r)].second, label);
    combos->addWidget(label, r, 0);
    combos->addWidget(rows[static_cast<size_t>(r)].second, r, 1);
  }
  combos->setColumnStretch(1, 1);
  outer->addLayout(combos);
  connect(tools_, &QComboBox::activated, this, [this](int i) { Do([this, i] { form_->ChooseTool(i); }); });
  connect(names_, &QComboBox::activated, this, [this](int i) { Do([this, i] { form_->ChooseOperationName(i); }); });
  connect(names_->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& t) { Do([this, &t] { form_->SetOperationNameText(t); }); });
  connect(holders_, &QComboBox::activated, this, [this](int i) { Do([this, i] { form_->ChooseHolder(i); }); });
  connect(holders_->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& t) { Do([this, &t] { form_->SetHolderText(t); }); });

  // The thirteen fields: speeds and feeds on the left, the counts and the
  // other item on the right.
  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(8);
  const CuttingConditionsForm& c = form_->Conditions();
  for (int f = 0; f < kCuttingFieldCount; ++f) {
    auto* edit = new QLineEdit(box);
    edit->setObjectName(QStringLiteral("toolText_") + QString::number(f));
    edit->setMinimumWidth(f == kOtherDescField ? 170 : 90);
    fields_[static_cast<size_t>(f)] = edit;
    connect(edit, &QLineEdit::textEdited, this, [this, f](const QString& t) {
      if (form_->SetFieldText(f, t)) {
        // The caret stays where the typing left it.
        shownSelections_[static_cast<size_t>(f)] = form_->Conditions().Selection(f);
      }
      Refresh();
    });
    edit->installEventFilter(this);
  }
  auto label = [&](int f) {
    auto* l = new QLabel(c.FieldCaption(f), box);
    NameAfterLabel(fields_[static_cast<size_t>(f)], l);
    fields_[static_cast<size_t>(f)]->setAccessibleName(SpokenCaption(c.FieldCaption(f)));
    return l;
  };
  for (int f = kDiameterField; f <= kCutLengthField; ++f) {
    fields->addWidget(label(f), f, 0, Qt::AlignRight);
    fields->addWidget(fields_[static_cast<size_t>(f)], f, 1);
  }
  for (int f = kExtraRapidsField; f <= kDwellsField; ++f) {
    fields->addWidget(label(f), f - kExtraRapidsField, 3, Qt::AlignRight);
    fields->addWidget(fields_[static_cast<size_t>(f)], f - kExtraRapidsField, 4, 1, 2);
  }
  fields->addWidget(label(kOtherDescField), 3, 3, 1, 3);
  fields->addWidget(fields_[kOtherDescField], 4, 3, 1, 2);
  fields->addWidget(fields_[kOtherSecondsField], 4, 5);
  NameControl(fields_[kOtherSecondsField], QStringLiteral("Other seconds"));
  fields->addWidget(label(kFeedPerToothField), 5, 3, Qt::AlignRight);
  fields->addWidget(fields_[kFeedPerToothField], 5, 4);
  fields->addWidget(fields_[kTeethField], 5, 5);
  NameControl(fields_[kTeethField], QStringLiteral("Number of teeth"));
  fields->setColumnMinimumWidth(2, 16);
  fields->setColumnStretch(1, 1);
  fields->setColumnStretch(4, 1);
  outer->addLayout(fields);

  cutTime_ = new QLabel(box);
  cutTime_->setObjectName(QStringLiteral("lblCutTime"));
  QFont big = cutTime_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.2);
  cutTime_->setFont(big);
  NameControl(cutTime_, QStringLiteral("Cut Time"));
  formulaHint_ = new QLabel(kFormulaHint, box);
  formulaHint_->setObjectName(QStringLiteral("lblFormula"));
  auto* timeRow = new QHBoxLayout;
  timeRow->addWidget(cutTime_);
  timeRow->addStretch(1);
  timeRow->addWidget(formulaHint_);
  outer->addLayout(timeRow);

  auto* hint = new QLabel(kUnitConversionHint, box);
  hint->setObjectName(QStringLiteral("lblHint"));
  outer->addWidget(hint);
  note_ = new QLabel(box);
  note_->setObjectName(QStringLiteral("lblNote"));
  note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  NameControl(note_, QStringLiteral("Last calculation"));
  outer->addWidget(note_);
  outer->addStretch(1);
  return box;
}

QWidget* CutDataWindow::BuildButtons() {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  auto add = [&](const QString& caption, const char* name, auto onClick) {
    QPushButton* b = CommandButton(box, caption, name);
    connect(b, &QPushButton::clicked, this, onClick);
    column->addWidget(b);
    return b;
  };
  add(QStringLiteral("Return"), "Command1", [this] { accept(); });
  add(QStringLiteral("Add Oper. (before)"), "Command2", [this] { Do([this] { form_->AddOperationBefore(); }); });
  add(QStringLiteral("Delete Oper."), "Command3", [this] { Do([this] { form_->DeleteOperation(); }); });
  add(QStringLiteral("Auto Setting (Add Oper.)"), "Command4", [this] { Do([this] { form_->AutoSetting(); }); })
      ->setEnabled(static_cast<bool>(context_.Windows.AutoSet));
  add(QStringLiteral("Copy Op to memory"), "Command5", [this] { Do([this] { form_->CopyToMemory(); }); });
  add(QStringLiteral("Paste Op from memory"), "Command6", [this] { Do([this] { form_->PasteFromMemory(); }); });
  add(QStringLiteral("Show Tools"), "cmdShowTP", [this] { Do([this] { form_->ShowTools(); }); })
      ->setEnabled(static_cast<bool>(context_.Windows.ToolImage));

  auto* shop = new QGroupBox(QStringLiteral("Calculators"), box);
  auto* shopColumn = new QVBoxLayout(shop);
  const AppWindows& w = context_.Windows;
  const std::array<std::pair<QString, const WindowOpener*>, 4> windows{{
      {QStringLiteral("Center Drill Info."), &w.CenterDrill},
      {QStringLiteral("CNC Calculator"), &w.Calculator},
      {QStringLiteral("Tap Drill Info."), &w.TapDrill},
      {QStringLiteral("Trig. Calculator"), &w.Triangle},
  }};
  for (int i = 0; i < 4; ++i) {
    const QString& caption = windows[static_cast<size_t>(i)].first;
    const WindowOpener* opener = windows[static_cast<size_t>(i)].second;
    QPushButton* b = CommandButton(shop, caption, "");
    b->setObjectName(QStringLiteral("SSCommand1_") + QString::number(i));
    b->setEnabled(static_cast<bool>(*opener));
    connect(b, &QPushButton::clicked, this, [this, opener] { OpenShopWindow(*opener); });
    shopColumn->addWidget(b);
  }
  QPushButton* rms = CommandButton(shop, QStringLiteral("RMS"), "SSCommand1_4", QStringLiteral("RMS-IPR Calculator"));
  connect(rms, &QPushButton::clicked, this, [this] { Do([this] { form_->SurfaceFinishFeed(); }); });
  shopColumn->addWidget(rms);
  QPushButton* chart = CommandButton(shop, QStringLiteral("Drill Chart"), "cmdDrillChart");
  chart->setEnabled(static_cast<bool>(w.DrillChart));
  connect(chart, &QPushButton::clicked, this, [this] { OpenShopWindow(context_.Windows.DrillChart); });
  shopColumn->addWidget(chart);
  column->addWidget(shop);
  column->addStretch(1);
  return box;
}

QWidget* CutDataWindow::BuildGrid() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 4, 0, 0);
  auto* row = new QHBoxLayout;
  auto* gridLabel = new QLabel(QStringLiteral("Recommended cutting data:"), box);
  auto* typeLabel = new QLabel(QStringLiteral("Operation t&ype:"), box);
  types_ = ListCombo(box, "Combo4", false, 22);
  NameComboAfterLabel(types_, typeLabel);
  connect(types_, &QComboBox::activated, this, [this](int i) { Do([this, i] { form_->ChooseOperationType(i); }); });
  row->addWidget(gridLabel);
  row->addStretch(1);
  row->addWidget(typeLabel);
  row->addWidget(types_);
  layout->addLayout(row);

  grid_ = new QTableView(box);
  grid_->setObjectName(QStringLiteral("DBGrid1"));
  model_ = new CutDataModel(CutDataWindowForm::kGridColumns, CutDataWindowForm::kGridColumns, this);
  grid_->setModel(model_);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setAlternatingRowColors(true);
  grid_->verticalHeader()->setVisible(false);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setMinimumHeight(150);
  grid_->setTabKeyNavigation(false);
  NameAfterLabel(grid_, gridLabel);
  layout->addWidget(grid_, 1);
  return box;
}

void CutDataWindow::WatchKeys() {
  auto* keys = new ClassicKeyFilter(
      this,
      [this](const ClassicKeyFilter::Key& key) {
        keyDownIn_ = key.Target;
        if (key.Target == list_) {
          if (key.Code != CutDataWindowForm::kEnterKey && key.Code != CutDataWindowForm::kDeleteKey) return false;
          Do([this, &key] { form_->ListKeyDown(key.Code); });
          return true;
        }
        // Access keys and shortcuts are no typing.
        if (key.Character.isNull() || (key.Modifiers & (Qt::ControlModifier | Qt::AltModifier))) return false;
        bool swallowed = false;
        if (key.Target == names_ || key.Target == holders_) {
          swallowed = form_->ComboKeyPress(key.Character);
        } else if (const int f = FieldOf(key.Target); f >= 0) {
          swallowed = form_->FieldKeyPress(f, key.Character);
        }
        if (swallowed) Refresh();
        return swallowed;
      },
      [this](const ClassicKeyFilter::Key& key) {
        const int f = FieldOf(key.Target);
        if (f < 0 || key.Target != keyDownIn_) return;
        Do([this, f, &key] { form_->FieldKeyUp(f, key.Code); });
      });
  keys->Watch(list_);
  keys->Watch(names_);
  keys->Watch(holders_);
  for (QLineEdit* edit : fields_) keys->Watch(edit);
  holders_->installEventFilter(this);

  // The Tab order of a machinist: list, tool, name, holder, the fields in
  // order, the type list and the grid, then the buttons.
  QWidget* previous = list_;
  for (QWidget* w : std::initializer_list<QWidget*>{tools_, names_, holders_}) {
    setTabOrder(previous, w);
    previous = w;
  }
  for (QLineEdit* edit : fields_) {
    setTabOrder(previous, edit);
    previous = edit;
  }
  setTabOrder(previous, types_);
  setTabOrder(types_, grid_);
}

// ---- events -------------------------------------------------------------------------------

template <class Event>
void CutDataWindow::Do(Event event) {
  event();
  Refresh();
}

int CutDataWindow::FieldOf(const QObject* widget) const {
  for (int f = 0; f < kCuttingFieldCount; ++f)
    if (fields_[static_cast<size_t>(f)] == widget) return f;
  return -1;
}

bool CutDataWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::FocusIn || type == QEvent::FocusOut) && MovesWithinWindow(event)) {
    const bool in = type == QEvent::FocusIn;
    if (watched == holders_) {
      Do([this, in] { in ? form_->HolderGotFocus() : form_->HolderLostFocus(); });
    } else if (const int f = FieldOf(watched); f >= 0) {
      if (in) {
        form_->FieldGotFocus(f);
        // The whole text is selected, whatever was selected before.
        shownSelections_[static_cast<size_t>(f)] = TextSelection{-1, -1};
      } else {
        form_->FieldLostFocus(f);
      }
      Refresh();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CutDataWindow::changeEvent(QEvent* event) {
  // The note shows the last calculation of a calculator window closed meanwhile.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && note_) Refresh();
  QDialog::changeEvent(event);
}

void CutDataWindow::LeaveFocusedControl() {
  QWidget* focused = focusWidget();
  if (focused == holders_) form_->HolderLostFocus();
  else if (const int f = FieldOf(focused); f >= 0) form_->FieldLostFocus(f);
}

void CutDataWindow::done(int result) {
  // What was typed into the control with the focus is kept, as leaving it
  // would keep it.
  LeaveFocusedControl();
  QDialog::done(result);
}

void CutDataWindow::OpenShopWindow(const WindowOpener& opener) {
  if (!opener) return;
  opener(context_, this);
  Refresh();
}

// ---- CutDataWindowHost ----------------------------------------------------------------------

void CutDataWindow::FocusToolCombo() { tools_->setFocus(Qt::OtherFocusReason); }

void CutDataWindow::ShowAutoSet(int place) {
  if (context_.Windows.AutoSet) context_.Windows.AutoSet(context_, this, place);
}

void CutDataWindow::ShowToolImage() {
  if (context_.Windows.ToolImage) context_.Windows.ToolImage(context_, this);
}

void CutDataWindow::ShowOperationNames() {
  if (context_.Windows.OperationNames) context_.Windows.OperationNames(context_, this);
}

// ---- refreshing ------------------------------------------------------------------------------

void CutDataWindow::RefreshField(int f) {
  QLineEdit* edit = fields_[static_cast<size_t>(f)];
  const CuttingConditionsForm& c = form_->Conditions();
  const QString& text = c.FieldText(f);
  const TextSelection selection = c.Selection(f);
  TextSelection& shown = shownSelections_[static_cast<size_t>(f)];
  const QSignalBlocker block(edit);
  if (edit->text() != text) {
    edit->setText(text);
    shown = TextSelection{-1, -1};
  }
  if (!(shown == selection)) {
    if (selection.Length > 0) edit->setSelection(selection.Start, selection.Length);
    else edit->setCursorPosition(selection.Start);
    shown = selection;
  }
  // Fields 4, 11 and 12 are Tab stops for live operations only.
  const Qt::FocusPolicy policy = c.IsTabStop(f) ? Qt::StrongFocus : Qt::ClickFocus;
  if (edit->focusPolicy() != policy) edit->setFocusPolicy(policy);
}

void CutDataWindow::RefreshGrid() {
  const CuttingDatabase& db = form_->Database();
  if (!db.IsOpen()) return;
  QString error;
  const bool ok = model_->Show(db, form_->GridSource(), &error);
  if (!ok) context_.Prompt.ShowMessage(error);
  else model_->Fit(grid_, 220);
}

void CutDataWindow::Refresh() {
  const CutDataWindowForm& f = *form_;
  material_->setText(f.MaterialText());

  ShowItems(list_, f.Lines(), f.SelectedLine());

  ShowItems(tools_, f.ToolEntries(), f.SelectedTool(), nullptr);
  ShowItems(names_, f.OperationNames(), f.SelectedName(), &f.OperationNameText());
  ShowItems(holders_, f.HolderEntries(), static_cast<int>(f.HolderEntries().indexOf(f.HolderText())),
               &f.HolderText());
  ShowItems(types_, f.OperationTypes(), f.SelectedType(), nullptr);

  for (int i = 0; i < kCuttingFieldCount; ++i) RefreshField(i);
  const CuttingConditionsForm& c = f.Conditions();
  cutTime_->setText(c.CutTimeText());
  note_->setText(c.NoteText());
  formulaHint_->setVisible(c.FormulaHintVisible());
  RefreshGrid();
}

// ---- opener ------------------------------------------------------------------------------------

void OpenCutData(WindowContext& context, QWidget* parent) {
  CutDataWindow window(context, context.Ws.Study.CurrentSpindle, parent);
  window.Form().Open();
  window.Refresh();
  window.exec();
}

}  // namespace arvex
