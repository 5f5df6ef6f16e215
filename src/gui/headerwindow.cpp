#include "headerwindow.h"

#include "accessibility.h"
#include "classickeys.h"
#include "dialogparts.h"
#include "mainwindow/headerform.h"
#include "session/help.h"
#include "studyundo.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace arvex {


HeaderWindow::HeaderWindow(HeaderForm& form, WindowContext& context, QWidget* parent)
    : QDialog(parent), form_(form), context_(context) {
  setObjectName(QStringLiteral("MainTSData"));
  setWindowTitle(HeaderForm::kCaption);
  InstallStudyUndo(this, context.Ws);
  form_.SetOnChanged([this] { Refresh(); });

  auto* root = new QVBoxLayout(this);
  AddHelpMenu(this, root, context_, kHeaderHelpTopic);

  // A typed double quote is refused in every text box.
  auto* keys = new ClassicKeyFilter(this, [this](const ClassicKeyFilter::Key& key) {
    return !key.Character.isNull() && form_.KeyPress(key.Character);
  });

  auto* columns = new QHBoxLayout;
  root->addLayout(columns);

  // The part and its material, in the order they are typed.
  auto* part = new QGridLayout;
  part->setColumnStretch(1, 1);
  int row = 0;
  auto addText = [&](int box, int span = 2) {
    auto* label = new QLabel(HeaderForm::kTextLabels[static_cast<size_t>(box)], this);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(ElementName("Text1", box));
    NameAfterLabel(edit, label);
    keys->Watch(edit);
    connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
      if (!form_.SetText(box, text)) Refresh();
    });
    texts_[static_cast<size_t>(box)] = edit;
    part->addWidget(label, row, 0);
    part->addWidget(edit, row, 1, 1, span);
    ++row;
    return edit;
  };
  addText(HeaderForm::kCustomer)->setMinimumWidth(320);
  addText(HeaderForm::kEngineer);
  addText(HeaderForm::kPartName);
  addText(HeaderForm::kPartNo);

  auto* materialLabel = new QLabel(HeaderForm::kTextLabels[4], this);
  material_ = new QComboBox(this);
  material_->setObjectName(QStringLiteral("Combo2"));
  material_->setEditable(true);
  material_->setInsertPolicy(QComboBox::NoInsert);
  material_->setMaxVisibleItems(20);
  material_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  material_->setMinimumContentsLength(28);
  material_->addItems(form_.MaterialEntries());
  // Typing a part of a name offers every entry that holds it.
  material_->completer()->setFilterMode(Qt::MatchContains);
  material_->completer()->setCompletionMode(QCompleter::PopupCompletion);
  NameAfterLabel(material_, materialLabel);
  NameParts(material_);
  keys->Watch(material_->lineEdit());
  connect(material_->lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!form_.SetMaterialText(text)) Refresh();
  });
  connect(material_, &QComboBox::activated, this, [this](int index) {
    form_.ChooseMaterial(index);
    Refresh();
  });
  part->addWidget(materialLabel, row, 0);
  part->addWidget(material_, row, 1, 1, 2);
  ++row;
  addText(HeaderForm::kMaterialSize);

  auto* shapeBox = new QGroupBox(HeaderForm::kShapeFrame, this);
  shapeBox->setObjectName(QStringLiteral("Frame1"));
  auto* shapeRow = new QHBoxLayout(shapeBox);
  shapeGroup_ = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    auto* option = new QRadioButton(HeaderForm::kShapes[static_cast<size_t>(i)], shapeBox);
    option->setObjectName(ElementName("Option1", i));
    shapeGroup_->addButton(option, i);
    shapeRow->addWidget(option);
    shapes_[static_cast<size_t>(i)] = option;
    connect(option, &QRadioButton::clicked, this, [this, i] {
      form_.ChooseShape(i);
      Refresh();
    });
  }
  shapeRow->addStretch(1);
  part->addWidget(shapeBox, row, 0, 1, 3);
  ++row;

  addText(HeaderForm::kPartLength, 1);
  lengthUnit_ = new QLabel(this);
  lengthUnit_->setObjectName(QStringLiteral("lblLengthUnit"));
  part->addWidget(lengthUnit_, row - 1, 2);
  columns->addLayout(part, 3);

  // The machine and how the part is made on it.
  auto* machineColumn = new QGridLayout;
  auto* machineLabel = new QLabel(HeaderForm::kMachineLabel, this);
  machine_ = new QComboBox(this);
  machine_->setObjectName(QStringLiteral("Combo1"));
  machine_->setMinimumContentsLength(18);
  machine_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  machine_->addItems(form_.Machines());
  NameAfterLabel(machine_, machineLabel);
  NameParts(machine_);
  connect(machine_, &QComboBox::activated, this, [this](int index) {
    form_.ChooseMachine(index);
    Refresh();
  });
  machineColumn->addWidget(machineLabel, 0, 0);
  machineColumn->addWidget(machine_, 0, 1);

  subSpindle_ = new QCheckBox(HeaderForm::kSubSpindleCaption, this);
  subSpindle_->setObjectName(QStringLiteral("Check1"));
  connect(subSpindle_, &QCheckBox::clicked, this, [this](bool checked) {
    form_.SetSubSpindleUsed(checked);
    Refresh();
  });
  partsCatcher_ = new QCheckBox(HeaderForm::kPartsCatcherCaption, this);
  partsCatcher_->setObjectName(QStringLiteral("Check2"));
  connect(partsCatcher_, &QCheckBox::clicked, this, [this](bool checked) { form_.SetPartsCatcherUsed(checked); });
  machineColumn->addWidget(subSpindle_, 1, 1);
  machineColumn->addWidget(partsCatcher_, 2, 1);

  auto* unitsBox = new QGroupBox(HeaderForm::kUnitsFrame, this);
  unitsBox->setObjectName(QStringLiteral("Frame2"));
  auto* unitsRow = new QHBoxLayout(unitsBox);
  inch_ = new QRadioButton(HeaderForm::kInchCaption, unitsBox);
  inch_->setObjectName(QStringLiteral("Option2_0"));
  metric_ = new QRadioButton(HeaderForm::kMetricCaption, unitsBox);
  metric_->setObjectName(QStringLiteral("Option2_1"));
  unitsRow->addWidget(inch_);
  unitsRow->addWidget(metric_);
  unitsRow->addStretch(1);
  connect(inch_, &QRadioButton::clicked, this, [this] {
    form_.SetMetric(false);
    Refresh();
  });
  connect(metric_, &QRadioButton::clicked, this, [this] {
    form_.SetMetric(true);
    Refresh();
  });
  machineColumn->addWidget(unitsBox, 3, 0, 1, 2);
  machineColumn->setRowStretch(4, 1);
  machineColumn->setColumnStretch(1, 1);
  columns->addSpacing(16);
  columns->addLayout(machineColumn, 2);

  auto* notesLabel = new QLabel(HeaderForm::kNotesLabel, this);
  notes_ = new QPlainTextEdit(this);
  notes_->setObjectName(QStringLiteral("Text2"));
  notes_->setTabChangesFocus(true);
  notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 4 + 12);
  NameAfterLabel(notes_, notesLabel);
  NameScrollBars(notes_);
  keys->Watch(notes_);
  notes_->installEventFilter(this);
  connect(notes_, &QPlainTextEdit::textChanged, this, [this] {
    if (!form_.SetNotes(notes_->toPlainText())) Refresh();
  });
  root->addWidget(notesLabel);
  root->addWidget(notes_);

  // The commands, and the calculator's last result beside its button.
  auto* commands = new QHBoxLayout;
  auto* calc = new QPushButton(HeaderForm::kCalculatorCaption, this);
  calc->setObjectName(QStringLiteral("cmdCalc"));
  calc->setAutoDefault(false);
  calc->setEnabled(static_cast<bool>(context_.Windows.Calculator));
  connect(calc, &QPushButton::clicked, this, &HeaderWindow::OpenCalculator);
  calcResult_ = new QLabel(this);
  calcResult_->setObjectName(QStringLiteral("Label2"));
  calcResult_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  NameControl(calcResult_, QStringLiteral("Calculator result"));
  auto* ok = new QPushButton(HeaderForm::kContinueCaption, this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(HeaderForm::kCancelCaption, this);
  cancel->setObjectName(QStringLiteral("Command2"));
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &HeaderWindow::Continue);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  commands->addWidget(calc);
  commands->addWidget(calcResult_, 1);
  commands->addWidget(ok);
  commands->addWidget(cancel);
  root->addSpacing(6);
  root->addLayout(commands);

  // Tab follows the order the header is filled in.
  QWidget* chain[] = {texts_[0],   texts_[1],     texts_[2],  texts_[3],  material_, texts_[5],
                      shapes_[0],  shapes_[1],    shapes_[2], shapes_[3], texts_[6], machine_,
                      subSpindle_, partsCatcher_, inch_,      metric_,    notes_,    ok,
                      cancel,      calc};
  for (size_t i = 1; i < std::size(chain); ++i) setTabOrder(chain[i - 1], chain[i]);

  Refresh();
  texts_[0]->setFocus();
}

void HeaderWindow::Refresh() {
  for (int box = 0; box < HeaderForm::kTextBoxCount; ++box) {
    QLineEdit* edit = texts_[static_cast<size_t>(box)];
    if (!edit || edit->text() == form_.Text(box)) continue;
    const QSignalBlocker block(edit);
    edit->setText(form_.Text(box));
  }
  if (material_->currentText() != form_.MaterialText()) {
    const QSignalBlocker block(material_);
    const QSignalBlocker blockEdit(material_->lineEdit());
    material_->setEditText(form_.MaterialText());
  }
  if (machine_->currentIndex() != form_.MachineIndex()) {
    const QSignalBlocker block(machine_);
    machine_->setCurrentIndex(form_.MachineIndex());
  }
  if (notes_->toPlainText() != form_.Notes()) {
    const QSignalBlocker block(notes_);
    notes_->setPlainText(form_.Notes());
  }
  subSpindle_->setChecked(form_.SubSpindleUsed());
  partsCatcher_->setChecked(form_.PartsCatcherUsed());
  // No shape chosen shows no button checked.
  shapeGroup_->setExclusive(false);
  for (int i = 0; i < 4; ++i) shapes_[static_cast<size_t>(i)]->setChecked(form_.Shape() == i);
  shapeGroup_->setExclusive(true);
  inch_->setChecked(!form_.Metric());
  metric_->setChecked(form_.Metric());
  lengthUnit_->setText(form_.LengthUnit());
  calcResult_->setText(form_.CalculatorResult());
}

bool HeaderWindow::eventFilter(QObject* watched, QEvent* event) {
  // The notes select their whole text when reached from the keyboard, as
  // the single-line boxes do.
  if (watched == notes_ && event->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
    notes_->selectAll();
  return QDialog::eventFilter(watched, event);
}

void HeaderWindow::Continue() {
  const HeaderForm::ContinueOutcome outcome = form_.Continue();
  Refresh();
  switch (outcome) {
    case HeaderForm::ContinueOutcome::Closed: accept(); break;
    case HeaderForm::ContinueOutcome::NeedPartLength:
      texts_[HeaderForm::kPartLength]->setFocus(Qt::OtherFocusReason);
      texts_[HeaderForm::kPartLength]->selectAll();
      break;
    case HeaderForm::ContinueOutcome::NeedMachine: machine_->setFocus(Qt::OtherFocusReason); break;
  }
}

void HeaderWindow::OpenCalculator() {
  if (!context_.Windows.Calculator) return;
  context_.Windows.Calculator(context_, this);
  form_.CalculatorClosed();
  Refresh();
}

HeaderWindow::~HeaderWindow() { form_.SetOnChanged({}); }

void OpenHeaderData(WindowContext& context, QWidget* parent) {
  HeaderForm form(context.Ws, context.Prompt, context.Store);
  form.Load();
  HeaderWindow window(form, context, parent);
  window.exec();
  form.Closed();
}

}  // namespace arvex
