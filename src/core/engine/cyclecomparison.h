#pragma once
// Results of the last cycle-time recalculation: the cutting, idle and total
// seconds of group A, of each group Bk (main) and Ck (sub) for k = 1..30,
// and of group D; their printable item lines; the setup minutes; the total
// cycle time with its formula; and the five label texts of the main window.

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace arvex {

// One printable non-cutting item: a name and a text such as " 3 x 0.60 = 1.80".
struct ItemLine {
  QString Description;
  QString Value;
  bool operator==(const ItemLine&) const = default;
};

// Item lines of one group, in order; at most 100 are kept.
using ItemLines = std::vector<ItemLine>;
inline constexpr int kMaxItemLines = 100;

struct CycleComparison {
  float CutA = 0, IdleA = 0, TotalA = 0;
  // Index k = 1..30; index 0 unused.
  std::array<float, 31> CutB{}, IdleB{}, TotalB{};
  std::array<float, 31> CutC{}, IdleC{}, TotalC{};
  float CutD = 0, IdleD = 0, TotalD = 0;
  ItemLines LinesA;
  std::array<ItemLines, 31> LinesB;
  std::array<ItemLines, 31> LinesC;
  ItemLines LinesD;
  std::int16_t SetupMinutes = 0;

  // The total cycle time (double precision sum) and its formula, e.g.
  // "(A C1 B2 D)".
  double Total = 0;
  QString Formula;

  // The main window's five value labels: "A=..", "B1=..", "C1=..", "D=..",
  // "Total=.." + formula.
  std::array<QString, 5> Labels;
};

}  // namespace arvex
