#include "autoset/autosetrules.h"

#include "platform/numtext.h"
#include "platform/units.h"

#include <cmath>

namespace arvex {

CenterDrillChoice ChooseCenterDrill(const CenterDrillTable& table, double drillDiameter, double spotDiameter) {
  for (const CenterDrillRow& row : table.Rows) {
    if (!CenterDrillFits(row, drillDiameter, spotDiameter)) continue;
    CenterDrillChoice choice;
    choice.Designation = row.Designation();
    choice.FeedDepth = CenterDrillDepth(row, spotDiameter).value_or(0.0);
    choice.Found = true;
    return choice;
  }
  return {};
}

std::optional<int> PeckCount(PeckPattern pattern, double drillDiameter, double depth) {
  constexpr int kMaxPecks = 32767;
  if (!(drillDiameter > 0) || !(depth > 0) || pattern == PeckPattern::None) return std::nullopt;
  const float d = static_cast<float>(drillDiameter);
  float first = d;
  float second = d;
  if (pattern == PeckPattern::ThreeTwoOne) {
    first = 3 * d;
    second = 2 * d;
  } else if (pattern == PeckPattern::TwoOne) {
    first = 2 * d;
  }
  if (!(first > 0)) return std::nullopt;

  const float target = static_cast<float>(depth);
  float sum = 0;
  int count = 0;
  while (sum < target) {
    if (count == kMaxPecks) return std::nullopt;
    const float step = count == 0 ? first : count == 1 ? second : d;
    sum += step;
    ++count;
  }
  return count;
}

int ThreadPasses(float pitch) {
  if (pitch <= 0.025f) return 4;
  if (pitch <= 0.04f) return 5;
  if (pitch <= 0.05f) return 6;
  if (pitch <= 0.06f) return 7;
  if (pitch <= 0.07f) return 8;
  if (pitch <= 0.08f) return 9;
  return 10;
}

std::optional<std::int16_t> SpindleSpeedFromSurface(double unitFactor, std::int16_t sfm, double diameter) {
  const double rpm = unitFactor * static_cast<double>(sfm) / (kSurfaceSpeedPi * diameter);
  return ToInt16(rpm);
}

std::optional<std::int16_t> SurfaceSpeedFromSpindle(double unitFactor, double diameter, std::int16_t rpm) {
  return ToInt16(kSurfaceSpeedPi * diameter * static_cast<double>(rpm) / unitFactor);
}

double RoundedCutLength(float length) {
  if (!std::isfinite(length)) return 0;
  return ParseNumber(Format(length, u"##.####;;0"));
}

}  // namespace arvex
