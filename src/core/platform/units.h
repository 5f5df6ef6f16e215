#pragma once
// The unit constants every part of the program shares.

namespace arvex {

// Machine files and shop tables hold inches; a metric study converts them.
inline constexpr double kMillimetresPerInch = 25.4;

// The circle constant of every surface-speed formula. It is 3.14157, not
// pi: spindle speeds and surface speeds must match the figures shops have
// always quoted from.
inline constexpr double kSurfaceSpeedPi = 3.14157;

// Degrees to radians for the trigonometry of the shop calculator and the
// triangle solver.
inline constexpr double kRadiansPerDegree = 0.0174532925199433;

}  // namespace arvex
