#include "shop/triangleform.h"

#include "platform/numtext.h"
#include "platform/units.h"

#include <algorithm>
#include <cmath>

namespace arvex {

namespace {

// The plain number text of a value with the locale's decimal character, so
// that what is shown reads back the same way the side boxes do.
QString PlainText(double value) {
  QString text = NumberText(value);
  const QChar decimal = CurrentNumberLocale().Decimal;
  if (decimal != u'.') text.replace(u'.', decimal);
  return text;
}
}  // namespace

double TriangleForm::Value(int index) const { return ParseNumber(Text1[static_cast<std::size_t>(index)]); }

void TriangleForm::LostFocus(int index) {
  if (index != kAngleB && index != kAngleC) return;
  const double angle = Value(index);
  if (!(angle > 0)) return;
  Text1[kSideA].clear();
  Text1[kSideB].clear();
  Text1[kSideC].clear();
  Text1[index == kAngleB ? kAngleC : kAngleB] = PlainText(90 - angle);
}

bool TriangleForm::Calculate() {
  double angleB = Value(kAngleB);
  double angleC = Value(kAngleC);
  double a = Value(kSideA);
  double b = Value(kSideB);
  double c = Value(kSideC);
  bool fault = false;
  const auto root = [&fault](double x) {
    if (!(x >= 0) || !std::isfinite(x)) {
      fault = true;
      return 0.0;
    }
    return std::sqrt(x);
  };

  if (angleB != 0 && angleC == 0) angleC = 90 - angleB;
  else if (angleC != 0 && angleB == 0) angleB = 90 - angleC;
  if (angleB > 0 && a > 0) b = std::sin(angleB * kRadiansPerDegree) * a;
  if (angleC > 0 && b > 0) c = std::tan(angleC * kRadiansPerDegree) * b;
  if (angleB > 0 && c > 0) b = std::tan(angleB * kRadiansPerDegree) * c;
  if (b <= 0 || c <= 0) {
    if (a > 0 && c > 0) b = root(a * a - c * c);
    else if (a > 0 && b > 0) c = root(a * a - b * b);
  } else {
    a = root(b * b + c * c);
  }
  if (!fault && b > 0 && c > 0 && angleB == 0 && angleC == 0) {
    angleB = std::atan(b / c) / kRadiansPerDegree;
    angleC = 90 - angleB;
  }
  for (double v : {angleB, angleC, a, b, c})
    if (!std::isfinite(v)) fault = true;
  if (fault) return false;

  const QString sideFormat = workspace_.Study.Header.IsMetric() ? QStringLiteral("##.###;0;0")
                                                                : QStringLiteral("#.####;0;0");
  // A side below zero (from angles beyond a right triangle) shows as 0.
  const auto side = [&sideFormat](double v) { return Format(std::max(0.0, v), sideFormat); };
  Text1[kAngleB] = PlainText(angleB);
  Text1[kAngleC] = PlainText(angleC);
  Text1[kSideA] = side(a);
  Text1[kSideB] = side(b);
  Text1[kSideC] = side(c);
  return true;
}

void TriangleForm::Close() {
  workspace_.LastCalcText = QStringLiteral("Trig = B=") + PlainText(Value(kAngleB)) + QStringLiteral(" C=") +
                            PlainText(Value(kAngleC)) + QStringLiteral(" a=") + PlainText(Value(kSideA)) +
                            QStringLiteral(" b=") + PlainText(Value(kSideB)) + QStringLiteral(" c=") +
                            PlainText(Value(kSideC));
}

}  // namespace arvex
