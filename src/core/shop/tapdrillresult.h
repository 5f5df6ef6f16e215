#pragma once

namespace arvex {

// What the tap drill calculation leaves for Auto Set, all in inches.
struct TapDrillValues {
  float Diameter = 0;
  float Pitch = 0;
  float DrillSize = 0;
  bool operator==(const TapDrillValues&) const = default;
};

}  // namespace arvex
