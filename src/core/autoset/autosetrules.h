#pragma once
// The calculations behind Auto Set: the center drill for a hole, the number
// of pecks, the passes of a single-point thread, and the spindle speed,
// surface speed and cutting length of a generated operation.

#include "shop/shoptables.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace arvex {

// ---- Center drill ----------------------------------------------------------------

struct CenterDrillChoice {
  QString Designation;   // cell 1 of the row; "" when no row fits
  double FeedDepth = 0;  // 0 when no row fits
  bool Found = false;
};

// The first row (0 to 50) whose body is wider than the spot diameter and
// whose pilot is not wider than the drill, with the feed depth at which the
// countersink reaches the spot diameter. A row whose depth cannot be worked
// out (not a finite number) gives its designation with a depth of 0.
CenterDrillChoice ChooseCenterDrill(const CenterDrillTable& table, double drillDiameter, double spotDiameter);

// ---- Pecks ---------------------------------------------------------------------------

// The three peck patterns of the drill frame.
enum class PeckPattern {
  None,          // no option selected
  ThreeTwoOne,   // "Pecks 3d,2d,1d,1d-": 3d, 2d, then d repeated
  TwoOne,        // "Pecks 2d,1d,1d-": 2d, then d repeated
  One,           // "Pecks 1d,1d,1d-": d repeated
};

// The number of pecks: steps added until their sum reaches the depth, all in
// single precision. nullopt, meaning the field keeps its text, when the
// diameter or the depth is not above 0, no pattern is selected, or the count
// would pass 32767 (a depth no drill reaches in that many pecks).
std::optional<int> PeckCount(PeckPattern pattern, double drillDiameter, double depth);

// ---- Threads ----------------------------------------------------------------------

// Passes of a single-point thread by pitch (document unit). The limits are
// single-precision constants and each range includes its upper limit:
// up to .025 4, .04 5, .05 6, .06 7, .07 8, .08 9, above 10.
int ThreadPasses(float pitch);

// ---- Speeds and lengths -----------------------------------------------------------

// unitFactor x SFM / (3.14157 x diameter) rounded halves to even (the
// product formed in floating point); nullopt when it is no 16-bit value (a
// zero or tiny diameter), so the RPM field stays unset.
std::optional<std::int16_t> SpindleSpeedFromSurface(double unitFactor, std::int16_t sfm, double diameter);

// 3.14157 x diameter x RPM / unitFactor rounded halves to even; nullopt when
// it is no 16-bit value.
std::optional<std::int16_t> SurfaceSpeedFromSpindle(double unitFactor, double diameter, std::int16_t rpm);

// A single-precision length rounded to 4 decimals: formatted "##.####;;0" and
// read back (a value that is no finite number gives 0).
double RoundedCutLength(float length);

}  // namespace arvex
