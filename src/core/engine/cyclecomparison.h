#pragma once
// Results of the last cycle-time recalculation (GetTime, engine/comparison.h):
// the cutting, idle and total seconds of group A, of each group Bk (main)
// and Ck (sub), and of group D; the operations each group spans; their
// printable item lines; the setup minutes; the total cycle time with its
// formula; and the five label texts of the main window.
//
// Groups are numbered k = 1..kMaxGroups. Thirty syncs cut a list into up to
// 31 stretches, so there are 31 B and 31 C groups (index 0 is unused);
// the main window's group selector offers B1-C1 .. B30-C30.

#include "engine/enginememo.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace arvex {

// One printable non-cutting item: a name and a text such as " 3 x 0.60 = 1.80".
// The description may be empty (an operation's extra item without a text);
// print every line of a group, not only up to the first empty description.
struct ItemLine {
  QString Description;
  QString Value;
  bool operator==(const ItemLine&) const = default;
};

// Item lines of one group, in order; at most 100 are kept.
using ItemLines = std::vector<ItemLine>;
inline constexpr int kMaxItemLines = 100;

// Highest group number: one group more than there can be syncs.
inline constexpr int kMaxGroups = 31;

// The operations of one group: First..Last of its spindle's list; both 0
// when the group holds no operation.
struct GroupRange {
  std::int16_t First = 0;
  std::int16_t Last = 0;
  bool IsEmpty() const { return First == 0; }
  bool operator==(const GroupRange&) const = default;
};

struct CycleComparison {
  using GroupTimes = std::array<float, kMaxGroups + 1>;

  float CutA = 0, IdleA = 0, TotalA = 0;
  // Index k = 1..kMaxGroups; index 0 unused.
  GroupTimes CutB{}, IdleB{}, TotalB{};
  GroupTimes CutC{}, IdleC{}, TotalC{};
  float CutD = 0, IdleD = 0, TotalD = 0;

  // The operations of each group (main list for A, Bk and D, sub list for Ck).
  GroupRange RangeA;
  std::array<GroupRange, kMaxGroups + 1> RangeB{};
  std::array<GroupRange, kMaxGroups + 1> RangeC{};
  GroupRange RangeD;

  ItemLines LinesA;
  std::array<ItemLines, kMaxGroups + 1> LinesB;
  std::array<ItemLines, kMaxGroups + 1> LinesC;
  ItemLines LinesD;
  std::int16_t SetupMinutes = 0;

  // The total cycle time (double precision sum of the counting groups) and
  // its formula, e.g. "(A C1 B2 D)"; see CycleTotal in engine/comparison.h.
  double Total = 0;
  QString Formula;

  // The main window's five value labels Label2(0..4): "A=12.5", "B1=20",
  // "C1=25", "D=4", "Total=49.5(A C1 B2 D)". GetTime puts the group selector
  // back on its first entry, so labels 1 and 2 show group 1; GroupLabelTexts
  // gives the texts for another group.
  std::array<QString, 5> Labels;

  // Zeroes every time, range, line list, the setup minutes, the total and
  // the labels; keeps the memo.
  void ClearResults();
  // The same without the line lists (GetTime rewrites those in place).
  void ClearTimes();

  // What the engine remembers from earlier recalculations (operation facts,
  // setup minutes, number texts), so that a redisplay after each keystroke
  // works out only what changed. Not a result.
  EngineMemo Memo;
};

}  // namespace arvex
