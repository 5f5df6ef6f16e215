#pragma once
// The main/sub spindle comparison. While the main spindle machines the next
// part, the sub spindle finishes the back of the previous one, so the cycle
// time is not the sum of both lists: the syncs cut both lists into groups
// that run side by side, and in each group only the longer spindle counts.
//
//   A   main operations before the sub spindle starts
//   Bk  main operations that run beside sub group Ck (k = 1..31)
//   Ck  sub operations
//   D   main operations after the sub spindle has finished
//
// GetTime runs after every change of the lists (each redisplay) and at
// start-up; the report and the checks before printing read its results.

#include "engine/cyclecomparison.h"

#include <QString>

#include <cstdint>
#include <utility>

namespace arvex {

class TimeStudy;
struct MachineDefinition;
struct Workspace;

// The whole recalculation into ws.Comparison: recounts the operations, puts
// each list's last operation into its place 0 (the operation before the
// first one in the cycle), labels every operation with its group
// (SortSyncs), computes every group's cutting and non-cutting time and item
// lines, the setup minutes, the total with its formula and the five label
// texts. With no operation on either spindle nothing is recomputed and the
// previous results and labels stay.
void GetTime(Workspace& ws);
void GetTime(TimeStudy& study, const MachineDefinition& machine, CycleComparison& results);

// Writes the Group label of every operation ("A ", "B1".."B31", "C1".."C31",
// "D ") from the sync table and refreshes SyncCount (the number of syncs
// when both columns end at the same entry, else 0). Uses MainOpCount and
// SubOpCount as they stand. With the sub spindle not used every main
// operation is "A " and the sub operations keep their labels (GetTime then
// leaves them out of the comparison).
void SortSyncs(TimeStudy& study);

// The total cycle time of a comparison: group A when above 0; per group k
// the longer of Bk and Ck (a tie goes to B); group D when above 0. Summed in
// double precision; the formula lists the counting groups, e.g.
// "(A C1 B2 D)", "( B1)" without an A, "()" when nothing counts.
struct CycleTotalResult {
  double Total = 0;
  QString Formula;
};
CycleTotalResult CycleTotal(const CycleComparison& results);

// Approximate setup time in minutes: the machine's SetUpTime plus, for each
// post (main 1, main 2, sub 1, sub 2), the post's tool setting time for
// every tool number of its list that an operation of that spindle uses. A
// tool is charged once, on the first post in which it is found, even when
// both spindles use it. Limited to 32767.
std::int16_t ComputeSetupMinutes(const TimeStudy& study, const MachineDefinition& machine);

// The texts of the main window's B and C labels for group n (the group
// selector's entry "Bn-Cn"): "B" + n + "=" and "C" + n + "=" followed by the
// group's total formatted "##.##".
std::pair<QString, QString> GroupLabelTexts(const CycleComparison& results, int n);

// "A ", "D ", and "B" or "C" followed by k (1..kMaxGroups) without a blank.
const QString& GroupLabelA();
const QString& GroupLabelD();
const QString& GroupLabelB(int k);
const QString& GroupLabelC(int k);

}  // namespace arvex
