// The cycle-time engine on arbitrary studies and machines: odd sync tables
// (unsorted, negative, beyond the lists), every switch, extreme counts and
// times. Nothing may crash, and a recalculation that reuses the memo must
// give exactly what a fresh one gives.

#include "document/syncedit.h"
#include "engine/comparison.h"
#include "engine/printchecks.h"
#include "platform/scriptedprompter.h"
#include "workspace.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace arvex;

namespace {

class Bytes {
 public:
  Bytes(const std::uint8_t* data, size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::int16_t Int16() { return static_cast<std::int16_t>(Byte() | (Byte() << 8)); }
  double Time() {
    const std::uint8_t b = Byte();
    if (b == 255) return 1e300;
    if (b == 254) return -2.5;
    return b / 8.0;
  }
  bool Empty() const { return pos_ >= size_; }

 private:
  const std::uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

const char* const kTools[] = {"T01", "T02", "T11", "T21", "T22", "T31", "Eject Part", "", "X", "Gang"};
const char* const kNames[] = {"Turn", "LIVE drill", "Tap", "live tap", "Die", "CUT-OFF", "cut off", "", "Cutoff live"};

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  Bytes in(data, size);
  Workspace ws;
  MachineDefinition& m = ws.Machine;
  m.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02"));
  m.MainTools2List = SplitToolString(in.Byte() & 1 ? QStringLiteral("Turret,T11") : QString());
  m.SubTools1List = SplitToolString(QStringLiteral("Back,T21,T22,Eject Part"));
  m.SubTools2List = SplitToolString(QStringLiteral("Rear,T31"));
  for (SpindleRecord* s : {&m.MainSpindle, &m.SubSpindle}) {
    s->Time1to1 = in.Time();
    s->Time1to2 = in.Time();
    s->SplStartStop = in.Time();
    s->SplChange3k = in.Time();
    s->ToolSetTime1 = in.Int16();
    s->ToolSetTime2 = in.Int16();
  }
  m.MainSpindle.SetUpTime = in.Int16();
  m.MainSpindle.HeadstockStroke = in.Time();
  m.MainSpindle.RapidMultZ = in.Time();
  m.MainSpindle.ColletOpenClose = in.Time();
  m.MainSpindle.OtherTime1 = in.Time();
  const char* const kWhere[] = {"B", "E", "N", ""};
  m.MainSpindle.RapidZBeginEnd = QString::fromLatin1(kWhere[in.Byte() % 4]);
  m.MainSpindle.Other1BeginEnd = QString::fromLatin1(kWhere[in.Byte() % 4]);
  m.SubSpindle.CatchFrSub = in.Time();
  m.SubSpindle.TransferFrMain = in.Time();

  TimeStudy& st = ws.Study;
  st.Header.SubSpindleUsed = static_cast<std::int16_t>(in.Byte() % 3);
  st.Header.PartsCatcherUsed = static_cast<std::int16_t>(in.Byte() % 3);
  st.Header.PartLength = QString::number(in.Int16() / 16.0);
  for (int s = kMainSpindle; s <= kSubSpindle; ++s) {
    const int count = in.Byte() % 101;
    for (int i = 1; i <= count && !in.Empty(); ++i) {
      Operation& op = st.Op(s, i);
      op.ToolNo = QString::fromLatin1(kTools[in.Byte() % 10]);
      op.OpName = QString::fromLatin1(kNames[in.Byte() % 9]);
      op.RPM = in.Int16();
      op.CutTime = in.Time();
      op.ExtraRapids = in.Int16();
      op.Dwells = static_cast<std::int16_t>(in.Byte());
      op.SpindleIndexes = static_cast<std::int16_t>(in.Byte() % 4);
      op.OtherSeconds = static_cast<std::int16_t>(in.Byte() % 5);
    }
  }
  const int syncs = in.Byte() % 32;
  for (int k = 1; k <= syncs && k <= kMaxSyncs; ++k) {
    st.Sync(1, k) = static_cast<std::int16_t>(static_cast<std::int8_t>(in.Byte()));
    st.Sync(2, k) = static_cast<std::int16_t>(static_cast<std::int8_t>(in.Byte()));
  }

  GetTime(ws);
  ScriptedPrompter prompter;
  prompter.QueueAnswer(Answer::Yes);
  PrepareReportChecks(ws, prompter);
  AddSync(st, in.Byte(), in.Byte(), prompter);
  if (in.Byte() & 1) st.Op(1, 1 + in.Byte() % 100).ToolNo = QStringLiteral("T02");

  // The memo against a fresh recalculation of the same study.
  GetTime(ws);
  TimeStudy copy = st;
  CycleComparison fresh;
  GetTime(copy, m, fresh);
  const CycleComparison& kept = ws.Comparison;
  Check(kept.LinesA == fresh.LinesA && kept.LinesB == fresh.LinesB && kept.LinesC == fresh.LinesC &&
        kept.LinesD == fresh.LinesD && kept.Labels == fresh.Labels && kept.SetupMinutes == fresh.SetupMinutes);
  Check(std::memcmp(kept.TotalB.data(), fresh.TotalB.data(), sizeof(float) * kept.TotalB.size()) == 0);
  return 0;
}
