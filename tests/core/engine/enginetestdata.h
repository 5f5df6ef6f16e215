#pragma once
// Machines and studies built in code for the engine tests. Every unit time
// differs, so a line in the wrong slot shows at once.

#include "document/timestudy.h"
#include "engine/cyclecomparison.h"
#include "machine/machinedefinition.h"
#include "support/qstringprint.h"

#include <QString>

#include <ostream>
#include <vector>

// Readable failure output for item lines.
namespace arvex {
inline void PrintTo(const ItemLine& l, std::ostream* os) {
  *os << "{\"" << l.Description.toStdString() << "\", \"" << l.Value.toStdString() << "\"}";
}
}  // namespace arvex

namespace arvex::test {

// Posts: main "Gang" T01..T05 and "Turret" T11, T12; sub "Back" T21, T22,
// Eject Part and "Rear" T31, T32. Live spindles "Live1".."Live4". Stock
// feed at the start of the cycle, stroke 1.0, Z feed 600 per minute (0.1 s
// per unit of length).
inline MachineDefinition TestMachine() {
  MachineDefinition m;
  m.LoadedName = QStringLiteral("TESTMACH");
  m.HasSubSpindle = 1;
  m.HasLiveTools = 1;
  m.MainSpindle.Tools1 = QStringLiteral("Gang,T01,T02,T03,T04,T05");
  m.MainSpindle.Tools2 = QStringLiteral("Turret,T11,T12");
  m.SubSpindle.Tools1 = QStringLiteral("Back,T21,T22,Eject Part");
  m.SubSpindle.Tools2 = QStringLiteral("Rear,T31,T32");
  m.SplitToolLists();

  SpindleRecord& ms = m.MainSpindle;
  ms.Time1to1 = 0.6, ms.Time2to2 = 0.8, ms.Time1to2 = 1.5;
  ms.SplStartStop = 1.2, ms.SplChange3k = 0.7, ms.SplForRev = 0.4, ms.SplRef = 0.9, ms.SplIndex = 0.3;
  ms.CatchFrMain = 2.0;
  ms.OtherDesc1 = QStringLiteral("Chip conveyor"), ms.OtherTime1 = 0, ms.Other1BeginEnd = QStringLiteral("B");
  ms.OtherDesc2 = QStringLiteral("Probe"), ms.OtherTime2 = 0, ms.Other2BeginEnd = QStringLiteral("B");
  ms.ColletOpenClose = 0.5, ms.HeadstockStroke = 1.0;
  ms.RapidMultZ = 600, ms.RapidZBeginEnd = QStringLiteral("B"), ms.RapidMultExtra = 0.25;
  ms.SetUpTime = 30, ms.ToolSetTime1 = 5, ms.ToolSetTime2 = 6;

  SpindleRecord& ss = m.SubSpindle;
  ss.Time1to1 = 0.65, ss.Time2to2 = 0.85, ss.Time1to2 = 1.55;
  ss.SplStartStop = 1.25, ss.SplChange3k = 0.75, ss.SplForRev = 0.45, ss.SplRef = 0.95, ss.SplIndex = 0.35;
  ss.CatchFrSub = 3.0, ss.TransferFrMain = 1.5;
  ss.OtherDesc1 = QStringLiteral("Sub wash"), ss.OtherDesc2 = QStringLiteral("Sub blow");
  ss.ToolSetTime1 = 7, ss.ToolSetTime2 = 8;

  for (int n = 1; n <= 4; ++n) {
    LiveSpindleRecord& live = m.LiveSpindle(n);
    live.Name = QStringLiteral("Live%1").arg(n);
    live.SplStartStop = 0.5 + 0.01 * (n - 1);
    live.SplChange3k = 0.35 + 0.01 * (n - 1);
    live.SplForRev = 0.45 + 0.01 * (n - 1);
  }
  return m;
}

inline Operation Op(const QString& tool, const QString& name, int rpm = 1000, double cutTime = 0) {
  Operation op;
  op.ToolNo = tool;
  op.OpName = name;
  op.RPM = static_cast<std::int16_t>(rpm);
  op.CutTime = cutTime;
  return op;
}

// Counts and place 0 set as GetTime sets them.
inline void SetLastIntoPlaceZero(TimeStudy& st) {
  st.RecountOps();
  st.Op(kMainSpindle, 0) = st.Op(kMainSpindle, st.MainOpCount);
  st.Op(kSubSpindle, 0) = st.Op(kSubSpindle, st.SubOpCount);
}

// The sub spindle and the parts catcher not used; the main list as given.
inline TimeStudy MainOnlyStudy(const std::vector<Operation>& ops) {
  TimeStudy st;
  st.Header.SubSpindleUsed = 0;
  st.Header.PartsCatcherUsed = 0;
  st.Header.PartLength = QStringLiteral("0");
  int i = 1;
  for (const Operation& op : ops) st.Op(kMainSpindle, i++) = op;
  SetLastIntoPlaceZero(st);
  return st;
}

}  // namespace arvex::test
