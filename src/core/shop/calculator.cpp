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

bool CalculatorForm::KeyPress(QChar key) {
  const char16_t c = key.toUpper().unicode();
  if (c >= u'0' && c <= u'9') {
    Number(c - u'0');
    return true;
  }
  switch (c) {
    case 8: CancelEntry(); return true;
    case 13:
    case 10: Operator(u'='); return true;
    case 27: Cancel(); return true;
    case u'%': Percent(); return true;
    case u'*':
    case u'+':
    case u'-':
    case u'/':
    case u'=': Operator(QChar(c)); return true;
    case u',':
    case u'.': DecimalPoint(); return true;
    case u'S': Sine(); return true;
    case u'O': Cosine(); return true;
    case u'T': Tangent(); return true;
    case u'A': ArcTangent(); return true;
    case u'C': Cancel(); return true;
    case u'E': CancelEntry(); return true;
    case u'Q': Square(); return true;
    case u'R': SquareRoot(); return true;
    case u'H': HexAcrossCorners(); return true;
    case u'N': SquareAcrossCorners(); return true;
    case u'I': ToInches(); return true;
    case u'M': ToMillimetres(); return true;
    default: return false;
  }
}

void CalculatorForm::Close() { workspace_.LastCalcText = QStringLiteral("Calc = ") + readout_; }

}  // namespace arvex
