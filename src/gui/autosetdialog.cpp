#include "autosetdialog.h"

#include "accessibility.h"
#include "classickeys.h"
#include "formbinding.h"
#include "editorwidgets.h"
#include "studyundo.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace arvex {

namespace {

using F = AutoSetField;

// The control array name of a field: txtDR_5 for txtDR(5), txtHoles alone.
QString FieldName(AutoSetField f) {
  switch (f.Array) {
    case AutoSetArray::CD: return QStringLiteral("txtCD_") + QString::number(f.Index);
    case AutoSetArray::DR: return QStringLiteral("txtDR_") + QString::number(f.Index);
    case AutoSetArray::Tap: return QStringLiteral("txtTap_") + QString::number(f.Index);
    case AutoSetArray::Ream: return QStringLiteral("txtReam_") + QString::number(f.Index);
    case AutoSetArray::Mill: return QStringLiteral("txtMill_") + QString::number(f.Index);
    case AutoSetArray::Thd: return QStringLiteral("txtThd_") + QString::number(f.Index);
    case AutoSetArray::Holes: return QStringLiteral("txtHoles");
  }
  return QString();
}

bool IsNameField(AutoSetField f) { return f == F::CD(0) || f == F::Tap(0); }

constexpr PeckPattern kPeckPatterns[3] = {PeckPattern::ThreeTwoOne, PeckPattern::TwoOne, PeckPattern::One};

}  // namespace

AutoSetDialog::AutoSetDialog(AutoSetForm& form, WindowContext& context, std::optional<int> place, QWidget* parent)
    : QDialog(parent), form_(form), context_(context), place_(place) {
  setObjectName(QStringLiteral("frmAutoSet"));
  setWindowTitle(kAutoSetCaption);
  InstallStudyUndo(this, context.Ws);
  auto* grid = new QGridLayout(this);

  // ---- left: the kind, the first tool, on center or live, the hints ----
  auto* left = new QVBoxLayout;
  auto* kindLabel = new QLabel(kKindLabel, this);
  kind_ = new QComboBox(this);
  kind_->setObjectName(QStringLiteral("Combo1"));
  kind_->addItems(form_.KindEntries());
  NameAfterLabel(kind_, kindLabel);
  kind_->view()->setAccessibleName(kind_->accessibleName());
  connect(kind_, &QComboBox::currentIndexChanged, this, [this](int index) {
    form_.ChooseKind(index);
    Refresh();
  });
  left->addWidget(kindLabel);
  left->addWidget(kind_);

  auto* toolFrame = new QGroupBox(kFirstToolFrameCaption, this);
  toolFrame->setObjectName(QStringLiteral("fraTool"));
  auto* toolLayout = new QVBoxLayout(toolFrame);
  tools_ = new QComboBox(toolFrame);
  tools_->setObjectName(QStringLiteral("Combo2"));
  tools_->addItems(form_.ToolEntries());
  tools_->setMaxVisibleItems(20);
  NameControl(tools_, kFirstToolFrameCaption);
  tools_->view()->setAccessibleName(kFirstToolFrameCaption);
  connect(tools_, &QComboBox::currentIndexChanged, this, [this](int index) { form_.SetFirstToolIndex(index); });
  toolLayout->addWidget(tools_);
  left->addWidget(toolFrame);

  auto* operation = new QGroupBox(kOperationFrameCaption, this);
  operation->setObjectName(QStringLiteral("fraOper"));
  auto* operationLayout = new QFormLayout(operation);
  onCenter_ = AddOption(operation, kOnCenterCaption, "Option2", 0);
  live_ = AddOption(operation, kLiveCaption, "Option2", 1);
  connect(onCenter_, &QRadioButton::clicked, this, [this] { form_.SetLive(false); });
  connect(live_, &QRadioButton::clicked, this, [this] { form_.SetLive(true); });
  auto* options = new QHBoxLayout;
  options->addWidget(onCenter_);
  options->addWidget(live_);
  options->addStretch(1);
  operationLayout->addRow(options);
  AddField(operationLayout, F::Holes());
  left->addWidget(operation);

  instruction_ = new QLabel(this);
  instruction_->setObjectName(QStringLiteral("Label1"));
  instruction_->setWordWrap(true);
  instruction_->setMinimumHeight(instruction_->fontMetrics().lineSpacing() * 6);
  instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  left->addWidget(instruction_);
  auto* unitHint = new QLabel(kAutoSetUnitHint, this);
  unitHint->setObjectName(QStringLiteral("Label2"));
  unitHint->setWordWrap(true);
  left->addWidget(unitHint);
  left->addStretch(1);
  auto* leftWidget = new QWidget(this);
  leftWidget->setLayout(left);
  left->setContentsMargins(0, 0, 0, 0);
  leftWidget->setFixedWidth(300);
  grid->addWidget(leftWidget, 0, 0);

  // ---- middle: the tap or ream data, entered first; or mill, or threads ----
  auto* middle = new QVBoxLayout;
  QGroupBox* tap = AddFrame(AutoSetFrame::Tap, "fraTap");
  auto* tapLayout = new QFormLayout(tap);
  auto* pickTap = CommandButton(tap, kPickTapCaption, "cmdTap");
  pickTap->setEnabled(static_cast<bool>(context_.Windows.TapDrill));
  connect(pickTap, &QPushButton::clicked, this, [this] {
    form_.StartPickTap();
    context_.Windows.TapDrill(context_, this);
    form_.PickTap();
    Refresh();
  });
  tapLayout->addRow(pickTap);
  for (int i = 0; i < AutoSetArraySize(AutoSetArray::Tap); ++i) AddField(tapLayout, F::Tap(i));
  middle->addWidget(tap);

  QGroupBox* ream = AddFrame(AutoSetFrame::Ream, "fraReam");
  auto* reamLayout = new QFormLayout(ream);
  for (int i = 0; i < AutoSetArraySize(AutoSetArray::Ream); ++i) AddField(reamLayout, F::Ream(i));
  middle->addWidget(ream);

  QGroupBox* mill = AddFrame(AutoSetFrame::Mill, "fraMill");
  auto* millLayout = new QFormLayout(mill);
  for (int i = 0; i < AutoSetArraySize(AutoSetArray::Mill); ++i) AddField(millLayout, F::Mill(i));
  middle->addWidget(mill);

  QGroupBox* threads = AddFrame(AutoSetFrame::Threads, "fraThreads");
  auto* threadLayout = new QFormLayout(threads);
  for (int i = 0; i < AutoSetArraySize(AutoSetArray::Thd); ++i) AddField(threadLayout, F::Thd(i));
  middle->addWidget(threads);

  middle->addStretch(1);
  grid->addLayout(middle, 0, 1);

  // ---- right: center and drill, set from the tap or ream data ----
  auto* right = new QVBoxLayout;
  QGroupBox* cd = AddFrame(AutoSetFrame::CenterType, "fraCD");
  auto* cdLayout = new QFormLayout(cd);
  centerTypes_[0] = AddOption(cd, kUseCenterDrillCaption, "Option1", 0);
  centerTypes_[1] = AddOption(cd, kUseSpotCaption, "Option1", 1);
  connect(centerTypes_[0], &QRadioButton::clicked, this, [this] {
    form_.ClickCenterType(CenterType::CenterDrill);
    Refresh();
  });
  connect(centerTypes_[1], &QRadioButton::clicked, this, [this] {
    form_.ClickCenterType(CenterType::Spot);
    Refresh();
  });
  auto* centerOptions = new QHBoxLayout;
  centerOptions->addWidget(centerTypes_[0]);
  centerOptions->addWidget(centerTypes_[1]);
  centerOptions->addStretch(1);
  cdLayout->addRow(centerOptions);
  for (int i = 0; i < AutoSetArraySize(AutoSetArray::CD); ++i) AddField(cdLayout, F::CD(i));
  right->addWidget(cd);

  QGroupBox* drill = AddFrame(AutoSetFrame::Drill, "fraDrill");
  auto* drillLayout = new QFormLayout(drill);
  for (int i = 0; i < AutoSetArraySize(AutoSetArray::DR); ++i) AddField(drillLayout, F::DR(i));
  const QString peckCaptions[3] = {kPecks321Caption, kPecks21Caption, kPecks1Caption};
  for (int i = 0; i < 3; ++i) {
    pecks_[static_cast<std::size_t>(i)] = AddOption(drill, peckCaptions[i], "Option3", i);
    connect(pecks_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] {
      form_.ClickPeckPattern(kPeckPatterns[i]);
      Refresh();
    });
    drillLayout->addRow(pecks_[static_cast<std::size_t>(i)]);
  }
  right->addWidget(drill);

  right->addStretch(1);
  grid->addLayout(right, 0, 2);

  // The frames come and go with the kind; their columns keep their width.
  const int frameWidth = fontMetrics().horizontalAdvance(QStringLiteral("Milled Surface Length:")) + 200;
  grid->setColumnMinimumWidth(1, frameWidth);
  grid->setColumnMinimumWidth(2, frameWidth);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);

  // ---- buttons ----
  auto* buttons = new QHBoxLayout;
  auto* showTools = CommandButton(this, kShowToolsCaption, "Command2");
  showTools->setEnabled(static_cast<bool>(context_.Windows.ToolImage));
  connect(showTools, &QPushButton::clicked, this, [this] { context_.Windows.ToolImage(context_, this); });
  auto* add = CommandButton(this, kAddCaption, "cmdTapAdd");
  connect(add, &QPushButton::clicked, this, &AutoSetDialog::Add);
  auto* exit = CommandButton(this, kExitCaption, "Command1");
  connect(exit, &QPushButton::clicked, this, [this] {
    form_.Exit();
    reject();
  });
  buttons->addWidget(showTools);
  buttons->addStretch(1);
  buttons->addWidget(add);
  buttons->addWidget(exit);
  grid->addLayout(buttons, 1, 0, 1, 3);
  grid->setRowStretch(0, 1);

  // Room for the tallest kinds from the start, so that choosing a kind does
  // not resize the window under the user's hand.
  auto sizeWith = [&](std::initializer_list<AutoSetFrame> shown) {
    for (std::size_t i = 0; i < frames_.size(); ++i)
      frames_[i]->setVisible(std::find(shown.begin(), shown.end(), static_cast<AutoSetFrame>(i)) != shown.end());
    grid->activate();
    return sizeHint();
  };
  const QSize holeKinds = sizeWith({AutoSetFrame::CenterType, AutoSetFrame::Drill, AutoSetFrame::Tap});
  const QSize millKind = sizeWith({AutoSetFrame::Mill});
  resize(std::max(holeKinds.width(), millKind.width()), std::max(holeKinds.height(), millKind.height()));
  Refresh();
}

QGroupBox* AutoSetDialog::AddFrame(AutoSetFrame frame, const char* name) {
  auto* box = new QGroupBox(AutoSetFrameCaption(frame), this);
  box->setObjectName(QString::fromLatin1(name));
  frames_[static_cast<std::size_t>(frame)] = box;
  return box;
}

QRadioButton* AutoSetDialog::AddOption(QWidget* parent, const QString& caption, const char* name, int index) {
  auto* option = new QRadioButton(caption, parent);
  option->setObjectName(QString::fromLatin1(name) + u'_' + QString::number(index));
  NameControl(option, caption);
  return option;
}

QLineEdit* AutoSetDialog::AddField(QFormLayout* layout, AutoSetField id) {
  auto* box = new QLineEdit(layout->parentWidget());
  box->setObjectName(FieldName(id));
  const int chars = IsNameField(id) ? 22 : 10;
  box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(chars, u'0')));
  QLabel* label = nullptr;
  if (form_.Label(id).isEmpty()) {
    // The tap name has no label of its own: it sits under "Pick Tap".
    NameControl(box, kTapNameAccessibleName);
    layout->setWidget(layout->rowCount(), QFormLayout::FieldRole, box);
  } else {
    label = new QLabel(form_.Label(id), layout->parentWidget());
    NameAfterLabel(box, label);
    layout->addRow(label, box);
  }

  connect(box, &QLineEdit::textEdited, this, [this, id, box](const QString& text) {
    // A refused text (a double quote) gives way to the form's.
    if (!form_.Change(id, text)) ShowText(box, form_.Text(id));
    Refresh();
  });
  auto* keys = new ClassicKeyFilter(box, [this, id](const ClassicKeyFilter::Key& key) {
    if (key.Modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (key.Character.isNull() || !key.Character.isPrint()) return false;
    if (!form_.KeyPress(id, key.Character)) return false;
    Refresh();
    return true;
  });
  keys->Watch(box);
  OnFocusOut(box, [this, id] {
    form_.LostFocus(id);
    Refresh();
  });
  fields_.push_back({id, label, box});
  return box;
}

void AutoSetDialog::Add() {
  const AutoSetResult result = form_.Generate(place_);
  if (result.Outcome == AutoSetOutcome::NoFirstTool) tools_->setFocus();
  if (form_.IsClosed()) accept();
}

void AutoSetDialog::Refresh() {
  {
    const QSignalBlocker a(kind_);
    const QSignalBlocker b(tools_);
    kind_->setCurrentIndex(form_.Kind() == AutoSetKind::None ? -1 : static_cast<int>(form_.Kind()) - 1);
    tools_->setCurrentIndex(form_.FirstToolIndex() < tools_->count() ? form_.FirstToolIndex() : -1);
  }
  for (std::size_t i = 0; i < frames_.size(); ++i) frames_[i]->setVisible(form_.FrameVisible(static_cast<AutoSetFrame>(i)));
  instruction_->setText(form_.Instruction());
  for (const Field& f : fields_) {
    if (f.Label) f.Label->setText(form_.Label(f.Id));
    ShowText(f.Box, form_.Text(f.Id));
  }
  onCenter_->setChecked(!form_.Live());
  live_->setChecked(form_.Live());
  centerTypes_[0]->setChecked(form_.CenterTypeChoice() == CenterType::CenterDrill);
  centerTypes_[1]->setChecked(form_.CenterTypeChoice() == CenterType::Spot);
  for (std::size_t i = 0; i < pecks_.size(); ++i) pecks_[i]->setChecked(form_.PeckPatternChoice() == kPeckPatterns[i]);
}

void OpenAutoSet(WindowContext& context, QWidget* parent, std::optional<int> place) {
  AutoSetForm form(context.Ws, context.Prompt);
  form.Load();
  AutoSetDialog dialog(form, context, place, parent);
  dialog.exec();
}

}  // namespace arvex
