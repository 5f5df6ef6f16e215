#pragma once
// The study the benchmarks time: 100 main and 100 sub operations with 30
// syncs, tools on all four posts, live tools, tapping, speed steps, dwells,
// extra rapids and extra seconds, on a machine with every time set.

#include "document/timestudy.h"
#include "machine/machinedefinition.h"

#include <QString>

namespace arvex::bench {

inline MachineDefinition BenchMachine() {
  MachineDefinition m;
  m.LoadedName = QStringLiteral("BENCH");
  m.HasSubSpindle = 1;
  m.HasLiveTools = 1;
  m.MainSpindle.Tools1 = QStringLiteral("Gang,T01,T02,T03,T04,T05,T06,T07,T08,T09,T10");
  m.MainSpindle.Tools2 = QStringLiteral("Turret,T11,T12,T13,T14,T15,T16");
  m.SubSpindle.Tools1 = QStringLiteral("Back,T21,T22,T23,T24,T25,Eject Part");
  m.SubSpindle.Tools2 = QStringLiteral("Rear,T31,T32,T33,T34");
  m.SplitToolLists();
  for (SpindleRecord* s : {&m.MainSpindle, &m.SubSpindle}) {
    s->Time1to1 = 0.6;
    s->Time2to2 = 0.8;
    s->Time1to2 = 1.4;
    s->SplStartStop = 1.2;
    s->SplChange3k = 0.7;
    s->SplForRev = 0.4;
    s->SplRef = 0.9;
    s->SplIndex = 0.3;
    s->ToolSetTime1 = 5;
    s->ToolSetTime2 = 6;
  }
  m.MainSpindle.CatchFrMain = 2;
  m.MainSpindle.OtherDesc1 = QStringLiteral("Chip conveyor");
  m.MainSpindle.OtherTime1 = 1.5;
  m.MainSpindle.Other1BeginEnd = QStringLiteral("E");
  m.MainSpindle.Other2BeginEnd = QStringLiteral("B");
  m.MainSpindle.ColletOpenClose = 0.5;
  m.MainSpindle.HeadstockStroke = 1.25;
  m.MainSpindle.RapidMultZ = 800;
  m.MainSpindle.RapidZBeginEnd = QStringLiteral("B");
  m.MainSpindle.RapidMultExtra = 0.25;
  m.MainSpindle.SetUpTime = 45;
  m.SubSpindle.CatchFrSub = 2.5;
  m.SubSpindle.TransferFrMain = 1.8;
  for (int n = 1; n <= 4; ++n) {
    LiveSpindleRecord& live = m.LiveSpindle(n);
    live.Name = QStringLiteral("Live Tool %1").arg(n);
    live.SplStartStop = 0.5;
    live.SplChange3k = 0.35;
    live.SplForRev = 0.45;
  }
  return m;
}

inline void FillBenchStudy(TimeStudy& st) {
  st.Clear();
  st.Header.MachineName = QStringLiteral("BENCH");
  st.Header.PartName = QStringLiteral("Valve stem");
  st.Header.PartLength = QStringLiteral("2.75");
  st.Header.MaterialShape = QStringLiteral("Round");
  st.Header.SubSpindleUsed = 1;
  st.Header.PartsCatcherUsed = 1;
  static const char* const kNames[] = {"Face",        "Rough turn", "Finish turn", "LIVE Drill", "Live tap M4",
                                       "Groove",      "Thread",     "Center drill", "Bore",      "Cut-off"};
  for (int s = kMainSpindle; s <= kSubSpindle; ++s) {
    for (int i = 1; i <= 100; ++i) {
      Operation& op = st.Op(s, i);
      const int tool = s == kMainSpindle ? (i % 3 == 0 ? 11 + i % 6 : 1 + i % 10) : (i % 4 == 0 ? 31 + i % 4 : 21 + i % 5);
      op.ToolNo = QStringLiteral("T%1").arg(tool, 2, 10, QLatin1Char('0'));
      op.OpName = QString::fromLatin1(kNames[i % 10]);
      op.Diameter = 0.25 + 0.01 * i;
      op.RPM = static_cast<std::int16_t>(i % 4 == 0 ? 6000 : 1500 + 25 * (i % 7));
      op.IPR = 0.002;
      op.IPM = 3 + i % 5;
      op.CutLength = 0.1 + 0.02 * (i % 9);
      op.UpdateCutTime();
      op.ExtraRapids = static_cast<std::int16_t>(i % 3);
      op.SpindleIndexes = static_cast<std::int16_t>(i % 11 == 0 ? 2 : 0);
      op.Dwells = static_cast<std::int16_t>(i % 13 == 0 ? 1 : 0);
      if (i % 17 == 0) {
        op.OtherDesc = QStringLiteral("Deburr");
        op.OtherSeconds = 3;
      }
      op.ToolHolder = QStringLiteral("Holder %1").arg(i % 4);
    }
  }
  // Sync k before main operation 3k + 2 and sub operation 3k.
  for (int k = 1; k <= kMaxSyncs; ++k) {
    st.Sync(kMainSpindle, k) = static_cast<std::int16_t>(3 * k + 2);
    st.Sync(kSubSpindle, k) = static_cast<std::int16_t>(3 * k);
  }
  st.RecountOps();
}

}  // namespace arvex::bench
