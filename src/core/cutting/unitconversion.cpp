#include "cutting/unitconversion.h"

#include "platform/units.h"
#include "platform/numtext.h"

#include <cmath>

namespace arvex {

namespace {
constexpr double kInchesPerFoot = 12.0;
constexpr double kMillimetresPerMetre = 1000.0;
}  // namespace

std::optional<UnitDirection> UnitConversionKey(QChar key) {
  if (key == u'm' || key == u'M') return UnitDirection::ToMetric;
  if (key == u'i' || key == u'I') return UnitDirection::ToInch;
  return std::nullopt;
}

double ConvertUnitValue(double value, UnitKind kind, UnitDirection direction) {
  const bool toMetric = direction == UnitDirection::ToMetric;
  switch (kind) {
    case UnitKind::Length:
      return toMetric ? value * kMillimetresPerInch : value / kMillimetresPerInch;
    case UnitKind::SurfaceSpeed:
      return toMetric ? value * kInchesPerFoot * kMillimetresPerInch / kMillimetresPerMetre
                      : value * kMillimetresPerMetre / kMillimetresPerInch / kInchesPerFoot;
    case UnitKind::None:
      break;
  }
  return value;
}

QString ConvertUnitsText(const QString& text, UnitKind kind, UnitDirection direction) {
  if (kind == UnitKind::None) return text;
  const double parsed = ParseNumber(text);
  if (!FitsSingle(parsed)) return text;
  const auto single = static_cast<float>(parsed);
  return Format(ConvertUnitValue(static_cast<double>(single), kind, direction), u"#.####");
}

}  // namespace arvex
