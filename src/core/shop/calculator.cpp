#include "shop/calculator.h"

#include "platform/numtext.h"
#include "platform/units.h"

#include <cmath>

namespace arvex {

namespace {
const QString kNums = QStringLiteral("NUMS");
const QString kOps = QStringLiteral("OPS");
const QString kNone = QStringLiteral("NONE");
const QString kCe = QStringLiteral("CE");
}  // namespace

CalculatorForm::CalculatorForm(Workspace& workspace, Prompter& prompter)
    : workspace_(workspace), prompter_(prompter) {
  decimal_ = Format(1.5, u"#.#").contains(u',') ? QChar(u',') : QChar(u'.');
}

double CalculatorForm::ReadoutValue() const {
  QString text = readout_;
  text.replace(u',', u'.');
  return Val(text);
}

void CalculatorForm::ShowValue(double value) {
  readout_ = NumberText(value).trimmed();
  if (decimal_ != u'.') readout_.replace(u'.', decimal_);
  decimalFlag_ = readout_.contains(decimal_);
}

void CalculatorForm::Number(int digit) {
  if (digit < 0 || digit > 9) return;
  if (lastInput_ != kNums) {
    readout_.clear();
    decimalFlag_ = false;
  }
  // A lone zero gives way to the digit rather than leading it.
  if (readout_ == u"0") readout_.clear();
  else if (readout_ == u"-0") readout_ = QStringLiteral("-");
  readout_ += QChar(u'0' + digit);
  lastInput_ = kNums;
}

void CalculatorForm::DecimalPoint() {
  if (lastInput_ != kNums) {
    readout_ = QStringLiteral("0") + decimal_;
    decimalFlag_ = true;
  } else if (!decimalFlag_) {
    readout_ += decimal_;
    decimalFlag_ = true;
  }
  lastInput_ = kNums;
}

void CalculatorForm::Operator(QChar op) {
  if (op != u'+' && op != u'-' && op != u'*' && op != u'/' && op != u'=') return;
  if (lastInput_ == kNums) ++opCount_;
  if (opCount_ == 1) {
    first_ = ReadoutValue();
  } else if (opCount_ >= 2) {
    second_ = ReadoutValue();
    std::optional<double> result;
    if (pending_ == u"+") result = first_ + second_;
    else if (pending_ == u"-") result = first_ - second_;
    else if (pending_ == u"*") result = first_ * second_;
    else if (pending_ == u"/") {
      if (second_ == 0) prompter_.ShowMessage(kDivideByZero, kMessageCaption, MessageIcon::Exclamation);
      else result = first_ / second_;
    } else if (pending_ == u"=") result = second_;
    // A fault (division by zero, overflow) leaves the operands and the
    // readout as they were.
    if (result && std::isfinite(*result)) {
      first_ = *result;
      ShowValue(first_);
    }
    opCount_ = 1;
  }
  lastInput_ = kOps;
  pending_ = QString(op);
  opLabel_ = pending_;
}

void CalculatorForm::Percent() {
  const double result = ReadoutValue() * first_ / 100;
  if (std::isfinite(result)) ShowValue(result);
}

void CalculatorForm::Cancel() {
  readout_ = QStringLiteral("0");
  opCount_ = 0;
  lastInput_ = kNone;
  pending_.clear();
  opLabel_.clear();
  decimalFlag_ = false;
}

void CalculatorForm::CancelEntry() {
  readout_ = QStringLiteral("0");
  decimalFlag_ = false;
  lastInput_ = kCe;
}

void CalculatorForm::Negate() {
  if (readout_.startsWith(u'-')) readout_.remove(0, 1);
  else readout_.prepend(u'-');
}

template <typename F>
void CalculatorForm::ApplyFunction(F f) {
  const double x = ReadoutValue();
  if (!(x > 0)) return;
  const double result = f(x);
  if (!std::isfinite(result)) return;
  readout_ = Format(result, kDisplayFormat);
  decimalFlag_ = readout_.contains(decimal_);
}

void CalculatorForm::Sine() {
  ApplyFunction([](double x) { return std::sin(x * kRadiansPerDegree); });
}
void CalculatorForm::Cosine() {
  ApplyFunction([](double x) { return std::cos(x * kRadiansPerDegree); });
}
void CalculatorForm::Tangent() {
  ApplyFunction([](double x) { return std::tan(x * kRadiansPerDegree); });
}
void CalculatorForm::ArcTangent() {
  ApplyFunction([](double x) { return std::atan(x) / kRadiansPerDegree; });
}
void CalculatorForm::Square() {
  ApplyFunction([](double x) { return x * x; });
}
void CalculatorForm::SquareRoot() {
  ApplyFunction([](double x) { return std::sqrt(x); });
}
void CalculatorForm::SquareAcrossCorners() {
  ApplyFunction([](double x) { return x * 1.4142; });
}
void CalculatorForm::HexAcrossCorners() {
  ApplyFunction([](double x) { return x * 1.1548; });
}
void CalculatorForm::ToMillimetres() {
  ApplyFunction([](double x) { return x * kMillimetresPerInch; });
}
void CalculatorForm::ToInches() {
  ApplyFunction([](double x) { return x / kMillimetresPerInch; });
}

std::array<CalculatorButton, kCalculatorButtonCount> CalculatorForm::AllButtons() {
  std::array<CalculatorButton, kCalculatorButtonCount> all{};
  for (int i = 0; i < kCalculatorButtonCount; ++i) all[static_cast<std::size_t>(i)] = static_cast<CalculatorButton>(i);
  return all;
}

QString CalculatorForm::ButtonName(CalculatorButton button) {
  const int b = static_cast<int>(button);
  if (button <= CalculatorButton::Digit9) return QStringLiteral("cmdNumber_") + QString::number(b);
  if (button >= CalculatorButton::Add && button <= CalculatorButton::Equals)
    return QStringLiteral("cmdOperator_") + QString::number(b - static_cast<int>(CalculatorButton::Add));
  switch (button) {
    case CalculatorButton::Decimal: return QStringLiteral("cmdDecimal");
    case CalculatorButton::Percent: return QStringLiteral("cmdPercent");
    case CalculatorButton::Cancel: return QStringLiteral("cmdCancel");
    case CalculatorButton::CancelEntry: return QStringLiteral("cmdCancelEntry");
    case CalculatorButton::Negate: return QStringLiteral("cmdNeg");
    case CalculatorButton::Sine: return QStringLiteral("cmdSIN");
    case CalculatorButton::Cosine: return QStringLiteral("cmdCOS");
    case CalculatorButton::Tangent: return QStringLiteral("cmdTAN");
    case CalculatorButton::ArcTangent: return QStringLiteral("cmdATN");
    case CalculatorButton::Square: return QStringLiteral("cmdSQR");
    case CalculatorButton::SquareRoot: return QStringLiteral("cmdSQRT");
    case CalculatorButton::SquareAcrossCorners: return QStringLiteral("cmdSquare");
    case CalculatorButton::HexAcrossCorners: return QStringLiteral("cmdHex");
    case CalculatorButton::Millimetres: return QStringLiteral("cmdMM");
    case CalculatorButton::Inches: return QStringLiteral("cmdInch");
    default: return QString();
  }
}

QString CalculatorForm::Caption(CalculatorButton button) const {
  if (button <= CalculatorButton::Digit9) return QString::number(static_cast<int>(button));
  switch (button) {
    case CalculatorButton::Decimal: return QString(decimal_);
    case CalculatorButton::Add: return QStringLiteral("+");
    case CalculatorButton::Subtract: return QStringLiteral("-");
    case CalculatorButton::Multiply: return QStringLiteral("*");
    case CalculatorButton::Divide: return QStringLiteral("/");
    case CalculatorButton::Equals: return QStringLiteral("=");
    case CalculatorButton::Percent: return QStringLiteral("%");
    case CalculatorButton::Cancel: return QStringLiteral("C");
    case CalculatorButton::CancelEntry: return QStringLiteral("cE");
    case CalculatorButton::Negate: return QStringLiteral("+/-");
    case CalculatorButton::Sine: return QStringLiteral("Sin");
    case CalculatorButton::Cosine: return QStringLiteral("cOs");
    case CalculatorButton::Tangent: return QStringLiteral("Tan");
    case CalculatorButton::ArcTangent: return QStringLiteral("Atn");
    case CalculatorButton::Square: return QStringLiteral("sQr");
    case CalculatorButton::SquareRoot: return QStringLiteral("sqRt");
    case CalculatorButton::SquareAcrossCorners: return QStringLiteral("sqr accross corNers");
    case CalculatorButton::HexAcrossCorners: return QStringLiteral("Hex accross corners");
    case CalculatorButton::Millimetres: return QStringLiteral("MM");
    case CalculatorButton::Inches: return QStringLiteral("Inch");
    default: return QString();
  }
}

std::optional<CalculatorButton> CalculatorForm::ButtonOfKey(QChar key) {
  const char16_t c = key.toUpper().unicode();
  if (c >= u'0' && c <= u'9') return static_cast<CalculatorButton>(c - u'0');
  switch (c) {
    case 8: return CalculatorButton::CancelEntry;
    case 13:
    case 10: return CalculatorButton::Equals;
    case 27: return CalculatorButton::Cancel;
    case u'%': return CalculatorButton::Percent;
    case u'+': return CalculatorButton::Add;
    case u'-': return CalculatorButton::Subtract;
    case u'*': return CalculatorButton::Multiply;
    case u'/': return CalculatorButton::Divide;
    case u'=': return CalculatorButton::Equals;
    case u',':
    case u'.': return CalculatorButton::Decimal;
    case u'S': return CalculatorButton::Sine;
    case u'O': return CalculatorButton::Cosine;
    case u'T': return CalculatorButton::Tangent;
    case u'A': return CalculatorButton::ArcTangent;
    case u'C': return CalculatorButton::Cancel;
    case u'E': return CalculatorButton::CancelEntry;
    case u'Q': return CalculatorButton::Square;
    case u'R': return CalculatorButton::SquareRoot;
    case u'H': return CalculatorButton::HexAcrossCorners;
    case u'N': return CalculatorButton::SquareAcrossCorners;
    case u'I': return CalculatorButton::Inches;
    case u'M': return CalculatorButton::Millimetres;
    default: return std::nullopt;
  }
}

void CalculatorForm::Press(CalculatorButton button) {
  if (button <= CalculatorButton::Digit9) {
    Number(static_cast<int>(button));
    return;
  }
  switch (button) {
    case CalculatorButton::Decimal: DecimalPoint(); break;
    case CalculatorButton::Add: Operator(u'+'); break;
    case CalculatorButton::Subtract: Operator(u'-'); break;
    case CalculatorButton::Multiply: Operator(u'*'); break;
    case CalculatorButton::Divide: Operator(u'/'); break;
    case CalculatorButton::Equals: Operator(u'='); break;
    case CalculatorButton::Percent: Percent(); break;
    case CalculatorButton::Cancel: Cancel(); break;
    case CalculatorButton::CancelEntry: CancelEntry(); break;
    case CalculatorButton::Negate: Negate(); break;
    case CalculatorButton::Sine: Sine(); break;
    case CalculatorButton::Cosine: Cosine(); break;
    case CalculatorButton::Tangent: Tangent(); break;
    case CalculatorButton::ArcTangent: ArcTangent(); break;
    case CalculatorButton::Square: Square(); break;
    case CalculatorButton::SquareRoot: SquareRoot(); break;
    case CalculatorButton::SquareAcrossCorners: SquareAcrossCorners(); break;
    case CalculatorButton::HexAcrossCorners: HexAcrossCorners(); break;
    case CalculatorButton::Millimetres: ToMillimetres(); break;
    case CalculatorButton::Inches: ToInches(); break;
    default: break;
  }
}

void CalculatorForm::Close() { workspace_.LastCalcText = QStringLiteral("Calc = ") + readout_; }

}  // namespace arvex
