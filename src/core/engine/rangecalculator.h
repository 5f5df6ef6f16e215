#pragma once
// Inside the engine: the range computation over the facts the memo keeps
// about every operation (tool post, live, tapping and cut-off words), so
// that the comparison's many groups share that work.

#include "engine/enginememo.h"
#include "engine/rangetimes.h"

namespace arvex {

class TimeStudy;
struct MachineDefinition;

class RangeCalculator {
 public:
  // The memo must be refreshed for this study and machine (EngineMemo::
  // Refresh); all three must outlive the calculator and stay unchanged.
  RangeCalculator(const TimeStudy& study, const MachineDefinition& machine, EngineMemo& memo);

  // ComputeRangeTimes into *out. Its lines are replaced; lines that read the
  // same as before are left as they are.
  void Compute(ItemCounts& counts, int first, int last, int spindle, RangeTimes* out);

 private:
  void Fill(ItemCounts& counts, int first, int last, int spindle, RangeTimes* out);
  void AddLine(RangeTimes* out, const QString& description, const QString& value);
  void AddCountItem(RangeTimes* out, int count, double unit, int item);
  // A non-cutting time charged once: added to the idle total, with its line.
  void AddTimeItem(RangeTimes* out, const QString& description, double seconds);
  void AddStockFeed(ItemCounts& counts, RangeTimes* out);

  const TimeStudy& study_;
  const MachineDefinition& machine_;
  EngineMemo& memo_;
  ItemNameTable names_;
  std::size_t lines_ = 0;  // lines written by the running Compute
};

}  // namespace arvex
