#include "engine/cyclecomparison.h"

namespace arvex {

void CycleComparison::ClearResults() {
  ClearTimes();
  LinesA.clear();
  LinesD.clear();
  for (ItemLines& lines : LinesB) lines.clear();
  for (ItemLines& lines : LinesC) lines.clear();
}

void CycleComparison::ClearTimes() {
  CutA = IdleA = TotalA = 0;
  CutD = IdleD = TotalD = 0;
  CutB.fill(0);
  IdleB.fill(0);
  TotalB.fill(0);
  CutC.fill(0);
  IdleC.fill(0);
  TotalC.fill(0);
  RangeA = {};
  RangeD = {};
  RangeB.fill({});
  RangeC.fill({});
  SetupMinutes = 0;
  Total = 0;
  Formula.clear();
  for (QString& label : Labels) label.clear();
}

}  // namespace arvex
