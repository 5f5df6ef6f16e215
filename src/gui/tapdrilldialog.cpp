#include "tapdrilldialog.h"

#include "accessibility.h"
#include "classickeys.h"
#include "formbinding.h"
#include "shop/tapdrillform.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace arvex {

using Box = TapDrillForm::Box;

TapDrillDialog::TapDrillDialog(TapDrillForm& form, WindowContext& context, QWidget* parent)
    : QDialog(parent), form_(form), context_(context) {
  setObjectName(QStringLiteral("Tap"));
  setWindowTitle(TapDrillForm::kCaption);
  auto* layout = new QGridLayout(this);

  // Left: the inputs, the choice of tap and the result.
  auto* inputs = new QGridLayout;
  inputs->setColumnStretch(2, 1);
  auto addBox = [&](int row, const QString& caption, const char* name, Box box, QString TapDrillForm::*text) {
    auto* label = new QLabel(caption, this);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QString(12, u'0')));
    NameAfterLabel(edit, label);
    inputs->addWidget(label, row, 0);
    inputs->addWidget(edit, row, 1);
    connect(edit, &QLineEdit::textEdited, this, [this, box, text](const QString& t) {
      form_.*text = t;
      form_.KeyUp(box);
      Refresh();
    });
    return edit;
  };
  pitch_ = addBox(0, TapDrillForm::kPitchLabel, "Text1", Box::Text1, &TapDrillForm::Text1);
  diameter_ = addBox(1, TapDrillForm::kDiameterLabel, "Text2", Box::Text2, &TapDrillForm::Text2);
  percent_ = addBox(2, TapDrillForm::kPercentLabel, "Text3", Box::Text3, &TapDrillForm::Text3);
  OnFocusOut(pitch_, [this] {
    form_.LostFocus(Box::Text1);
    Refresh();
  });
  cut_ = new QRadioButton(TapDrillForm::kCutTapCaption, this);
  cut_->setObjectName(QStringLiteral("Option1"));
  roll_ = new QRadioButton(TapDrillForm::kRollTapCaption, this);
  roll_->setObjectName(QStringLiteral("Option2"));
  connect(cut_, &QRadioButton::clicked, this, [this] {
    form_.ClickCutTap();
    Refresh();
  });
  connect(roll_, &QRadioButton::clicked, this, [this] {
    form_.ClickRollTap();
    Refresh();
  });
  inputs->addWidget(cut_, 3, 1);
  inputs->addWidget(roll_, 4, 1);

  result_ = new QLabel(this);
  result_->setObjectName(QStringLiteral("lblResult"));
  result_->setFrameShape(QFrame::StyledPanel);
  result_->setFrameShadow(QFrame::Sunken);
  result_->setMargin(4);
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont bold = result_->font();
  bold.setBold(true);
  result_->setFont(bold);
  result_->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(QStringLiteral("Tap Drill Size = .0000in / 00.000mm ")));
  NameControl(result_, TapDrillForm::kResultName);
  inputs->addWidget(result_, 5, 0, 1, 3);

  auto* chart = new QPushButton(TapDrillForm::kDrillChartCaption, this);
  chart->setObjectName(QStringLiteral("cmdDrillChart"));
  chart->setAutoDefault(false);
  chart->setEnabled(static_cast<bool>(context_.Windows.DrillChart));
  NameControl(chart, TapDrillForm::kDrillChartCaption);
  connect(chart, &QPushButton::clicked, this, [this] { context_.Windows.DrillChart(context_, this); });
  inputs->addWidget(chart, 6, 0, 1, 3, Qt::AlignLeft);
  inputs->setRowStretch(7, 1);
  layout->addLayout(inputs, 0, 0);

  // Right: the common taps; a double click or Enter chooses one.
  auto* lists = new QHBoxLayout;
  AddList(lists, TapDrillForm::kInchListLabel, "List1", form_.InchList(), &TapDrillForm::ChooseInchTap);
  AddList(lists, TapDrillForm::kMetricListLabel, "List2", form_.MetricList(), &TapDrillForm::ChooseMetricTap);
  layout->addLayout(lists, 0, 1);
  layout->setColumnStretch(1, 1);

  auto* hint = new QLabel(TapDrillForm::kEditHint, this);
  hint->setObjectName(QStringLiteral("lblHint"));
  layout->addWidget(hint, 1, 0, 1, 2);

  auto* close = new QPushButton(TapDrillForm::kCloseCaption, this);
  close->setObjectName(QStringLiteral("cmdClose"));
  close->setAutoDefault(false);
  NameControl(close, TapDrillForm::kCloseCaption);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 2, 1, Qt::AlignRight);

  resize(680, 560);
  Refresh();
}

void TapDrillDialog::AddList(QHBoxLayout* lists, const QString& caption, const char* name, const QStringList& taps,
                             void (TapDrillForm::*choose)(int)) {
  auto* label = new QLabel(caption, this);
  auto* list = new QListWidget(this);
  list->setObjectName(QString::fromLatin1(name));
  list->addItems(taps);
  list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QStringLiteral("1-1/2-12 UNF   ")));
  label->setBuddy(list);
  NameControl(list, caption);
  auto pick = [this, list, choose] {
    if (list->currentRow() < 0) return;
    (form_.*choose)(list->currentRow());
    Refresh();
  };
  connect(list, &QListWidget::itemDoubleClicked, this, pick);
  auto* keys = new ClassicKeyFilter(list, [pick](const ClassicKeyFilter::Key& key) {
    if (key.Code != kKeyEnter) return false;
    pick();
    return true;
  });
  keys->Watch(list);
  auto* column = new QVBoxLayout;
  column->addWidget(label);
  column->addWidget(list, 1);
  lists->addLayout(column);
}

void TapDrillDialog::Refresh() {
  ShowText(pitch_, form_.Text1);
  ShowText(diameter_, form_.Text2);
  ShowText(percent_, form_.Text3);
  cut_->setChecked(form_.CutTap);
  roll_->setChecked(!form_.CutTap);
  result_->setText(form_.ResultLabel());
}

void OpenTapDrill(WindowContext& context, QWidget* parent) {
  TapDrillForm form(context.Ws, context.Prompt);
  form.Load();
  TapDrillDialog dialog(form, context, parent);
  dialog.exec();
  form.Close();
}

}  // namespace arvex
