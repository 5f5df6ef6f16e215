#include "calculatordialog.h"

#include "accessibility.h"
#include "classickeys.h"
#include "shop/calculator.h"
#include "windowcontext.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace arvex {

namespace {

using B = CalculatorButton;

// Where each button sits: the functions on the left, the keypad on the
// right (row, column, column span).
struct Place {
  B Button;
  int Row, Column, Span;
};
constexpr Place kPlaces[] = {
    {B::Sine, 0, 0, 1},          {B::Cosine, 0, 1, 1},         {B::Tangent, 1, 0, 1},  {B::ArcTangent, 1, 1, 1},
    {B::Square, 2, 0, 1},        {B::SquareRoot, 2, 1, 1},     {B::Millimetres, 3, 0, 1}, {B::Inches, 3, 1, 1},
    {B::SquareAcrossCorners, 4, 0, 2}, {B::HexAcrossCorners, 5, 0, 2},
    {B::Cancel, 0, 3, 1},        {B::CancelEntry, 0, 4, 1},    {B::Negate, 0, 5, 1},   {B::Divide, 0, 6, 1},
    {B::Digit7, 1, 3, 1},        {B::Digit8, 1, 4, 1},         {B::Digit9, 1, 5, 1},   {B::Multiply, 1, 6, 1},
    {B::Digit4, 2, 3, 1},        {B::Digit5, 2, 4, 1},         {B::Digit6, 2, 5, 1},   {B::Subtract, 2, 6, 1},
    {B::Digit1, 3, 3, 1},        {B::Digit2, 3, 4, 1},         {B::Digit3, 3, 5, 1},   {B::Add, 3, 6, 1},
    {B::Digit0, 4, 3, 1},        {B::Decimal, 4, 4, 1},        {B::Percent, 4, 5, 1},  {B::Equals, 4, 6, 1},
};

}  // namespace

CalculatorDialog::CalculatorDialog(CalculatorForm& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName(QStringLiteral("frmCalc"));
  setWindowTitle(CalculatorForm::kCaption);
  auto* layout = new QVBoxLayout(this);

  // The display: the operator echo on the left, the readout on the right.
  auto* display = new QFrame(this);
  display->setObjectName(QStringLiteral("pctKeyTrap"));
  display->setFrameShape(QFrame::StyledPanel);
  display->setFrameShadow(QFrame::Sunken);
  display->setFocusPolicy(Qt::StrongFocus);
  display->setAutoFillBackground(true);
  display->setBackgroundRole(QPalette::Base);
  NameControl(display, CalculatorForm::kReadoutName);
  keyTrap_ = display;
  auto* displayLayout = new QHBoxLayout(display);
  opLabel_ = new QLabel(display);
  opLabel_->setObjectName(QStringLiteral("opLabel"));
  opLabel_->setMinimumWidth(opLabel_->fontMetrics().horizontalAdvance(QStringLiteral("MM")));
  readout_ = new QLabel(display);
  readout_->setObjectName(QStringLiteral("lblReadout"));
  readout_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont big = readout_->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  readout_->setFont(big);
  readout_->setMinimumWidth(QFontMetrics(big).horizontalAdvance(QString(20, u'0')));
  displayLayout->addWidget(opLabel_, 0, Qt::AlignLeft | Qt::AlignVCenter);
  displayLayout->addWidget(readout_, 1);
  layout->addWidget(display);

  auto* grid = new QGridLayout;
  grid->setColumnMinimumWidth(2, 12);  // a gap between the functions and the keypad
  for (const Place& p : kPlaces) grid->addWidget(AddButton(p.Button), p.Row, p.Column, 1, p.Span);
  layout->addLayout(grid);

  auto* close = new QPushButton(CalculatorForm::kCloseCaption, this);
  close->setObjectName(QStringLiteral("CSCmd1"));
  close->setFocusPolicy(Qt::NoFocus);
  close->setAutoDefault(false);
  close->setMinimumHeight(32);
  NameControl(close, CalculatorForm::kCloseCaption);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  grid->addWidget(close, 5, 3, 1, 4);

  // The key trap: a typed character presses its button. Keys with Ctrl or
  // Alt stay shortcuts (Alt+C closes).
  auto* keys = new ClassicKeyFilter(this, [this](const ClassicKeyFilter::Key& key) {
    if (key.Modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (key.Character.isNull() || !form_.KeyPress(key.Character)) return false;
    Refresh();
    return true;
  });
  keys->Watch(keyTrap_);
  keyTrap_->setFocus();
  Refresh();
}

QPushButton* CalculatorDialog::AddButton(CalculatorButton button) {
  auto* b = new QPushButton(form_.Caption(button), this);
  b->setObjectName(CalculatorForm::ButtonName(button));
  // The focus stays on the key trap, so that the keys keep working.
  b->setFocusPolicy(Qt::NoFocus);
  b->setAutoDefault(false);
  b->setMinimumHeight(32);
  NameControl(b, form_.Caption(button));
  connect(b, &QPushButton::clicked, this, [this, button] {
    form_.Press(button);
    Refresh();
    keyTrap_->setFocus();
  });
  return b;
}

void CalculatorDialog::Refresh() {
  readout_->setText(form_.Readout());
  opLabel_->setText(form_.OpLabel());
  keyTrap_->setAccessibleDescription(form_.Readout());
}

void OpenCalculator(WindowContext& context, QWidget* parent) {
  CalculatorForm form(context.Ws, context.Prompt);
  CalculatorDialog dialog(form, parent);
  dialog.exec();
  form.Close();
}

}  // namespace arvex
