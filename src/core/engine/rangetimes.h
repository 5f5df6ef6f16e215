#pragma once
// Non-cutting time of one contiguous range of operations of one spindle:
// tool changes by tool post, spindle start/stop, direction and speed
// changes, orientation and index, collet and stock feed, parts catcher,
// part transfer, extra rapids, dwells and the machine's own extra items,
// together with the sum of the operations' cutting times and the printable
// item lines ("Tool Change Gang to Gang", " 3 x 0.60 = 1.80").
//
// The operation before operation 1 is the last operation of the previous
// cycle: place 0 of each list must hold a copy of that list's last
// operation (GetTime puts it there before it computes any group).

#include "engine/cyclecomparison.h"

#include <QString>

#include <array>

namespace arvex {

class TimeStudy;
struct MachineDefinition;

// Counters of one range, by slot:
//   0, 1, 2     main tool changes post 1 to 1, post 2 to 2, other
//   3, 4, 5     main spindle start/stop, speed change, forward/reverse
//   6, 7        main spindle index to reference, indexes
//   10          collet open/close (stock feeds), 11 extra rapids, 12 dwell seconds
//   13, 14, 15  sub tool changes as 0, 1, 2
//   16, 17, 18  back spindle start/stop, speed change, forward/reverse
//   19, 20      back spindle index to reference, indexes
//   23..34      live spindles 1..4, each start/stop, speed change, forward/reverse
// Slots 8, 9, 21 and 22 are not used. The counters are 32-bit, so that the
// extra rapids or dwells of a long list add up without overflow.
inline constexpr int kItemCountSlots = 35;
using ItemCounts = std::array<int, kItemCountSlots>;

// The 38 item names of a machine, index 1..38 (index 0 empty): the three
// main tool-change names with the main posts' names, the spindle items,
// the machine's extra items, the sub tool changes, the back spindle items
// and the start/stop, forward/reverse and speed-change names of the four
// live spindles.
inline constexpr int kItemNameCount = 38;
using ItemNameTable = std::array<QString, kItemNameCount + 1>;
ItemNameTable ItemNames(const MachineDefinition& machine);

struct RangeTimes {
  float CutTotal = 0;   // sum of CutTime, single precision
  float IdleTotal = 0;  // sum of the non-cutting items, single precision
  ItemLines Lines;      // at most kMaxItemLines; later items still count in IdleTotal
};

// Times and item lines of operations first..last of spindle 1 (main) or 2
// (sub); counts must be zeroed by the caller and receives the counters.
// Reads the study (operations, counts, PartLength, SubSpindleUsed,
// PartsCatcherUsed) and the machine; changes neither. A range outside
// 1..100, first > last, or another spindle number gives zero times and no
// lines.
//
// Choices where the machine data makes an item impossible:
//  - HeadstockStroke of 0 (or below) with a part longer than it: the number
//    of feeds cannot be formed; the collet line shows a count of 0 and adds
//    nothing.
//  - RapidMultZ of 0 (or below): the feed time cannot be formed; the line
//    "Feed Stock" reads "no Z feed speed = 0.00" and adds nothing.
RangeTimes ComputeRangeTimes(const TimeStudy& study, const MachineDefinition& machine, ItemCounts& counts,
                             int first, int last, int spindle);

}  // namespace arvex
