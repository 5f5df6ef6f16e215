#pragma once
// Inside the engine: the range computation with what it needs about every
// operation worked out once (tool post, live, tapping and cut-off words),
// so that the comparison's many groups share that work.

#include "engine/rangetimes.h"

#include <array>
#include <cstdint>

namespace arvex {

class TimeStudy;
struct MachineDefinition;

class RangeCalculator {
 public:
  // Looks at both lists, places 0..count, as they are now. The study and
  // the machine must outlive the calculator and stay unchanged.
  RangeCalculator(const TimeStudy& study, const MachineDefinition& machine, ItemTextCache& texts);

  // ComputeRangeTimes into *out (its lines are replaced).
  void Compute(ItemCounts& counts, int first, int last, int spindle, RangeTimes* out);

 private:
  struct OpFacts {
    std::int8_t Post = 0;  // FindToolPost of the tool on its spindle
    bool Live = false;     // "LIVE" in the name
    bool Tapping = false;  // "TAP" or "DIE" in the name
    bool CutOff = false;   // "CUT-OFF", "CUTOFF" or "CUT OFF" in the name
  };
  using FactsList = std::array<OpFacts, 102>;

  void Learn(int spindle);
  void AddLine(RangeTimes* out, const QString& description, const QString& value) const;
  void AddCountItem(RangeTimes* out, int count, double unit, int nameIndex) const;
  void AddCountItem(RangeTimes* out, int count, double unit, const QString& name) const;
  void AddStockFeed(ItemCounts& counts, RangeTimes* out) const;

  const TimeStudy& study_;
  const MachineDefinition& machine_;
  ItemTextCache& texts_;
  ItemNameTable names_;
  std::array<FactsList, 3> facts_{};
  std::array<int, 3> learned_{};  // facts_[s] is filled
};

}  // namespace arvex
