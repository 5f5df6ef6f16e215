#pragma once
// What the cycle-time engine remembers between two recalculations. A
// redisplay runs the whole comparison after every keystroke, but one
// keystroke changes one operation: the tool posts and name words of the
// other operations, the setup minutes and most number texts are the same as
// the time before. Everything here is derived data, checked against the
// study and the machine on every use and worked out again when they differ.

#include "engine/itemtextcache.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace arvex {

class TimeStudy;
struct MachineDefinition;

// What the non-cutting items need to know about one operation.
struct OperationFacts {
  std::int8_t Post = 0;  // FindToolPost of the tool on its spindle
  bool Live = false;     // "LIVE" in the name
  bool Tapping = false;  // "TAP" or "DIE" in the name
  bool CutOff = false;   // "CUT-OFF", "CUTOFF" or "CUT OFF" in the name
};

// The facts of one operation name, letters compared without regard to case.
OperationFacts NameFacts(const QString& opName);

class EngineMemo {
 public:
  using FactsList = std::array<OperationFacts, 102>;  // places 0..101

  // Brings the facts of places 0..100 of both lists up to date with the
  // study and the machine.
  void Refresh(const TimeStudy& study, const MachineDefinition& machine);
  const FactsList& Facts(int spindle) const { return facts_[static_cast<size_t>(spindle)]; }

  // ComputeSetupMinutes, worked out again only when a tool number, a count,
  // a tool list or a setting time changed since the last call. Call after
  // Refresh.
  std::int16_t SetupMinutes(const TimeStudy& study, const MachineDefinition& machine);

  // ItemTextCache::CountValue, remembered per item (0 dwells, 1..38 the
  // item names) for small counts.
  QString CountValue(int item, int count, double unit);

  void Clear();

  ItemTextCache Texts;

 private:
  struct Place {
    QString ToolNo;
    QString OpName;
    bool Known = false;
  };
  struct CountRow {
    double Unit = 0;
    bool Known = false;
    std::array<QString, 32> Values;
  };
  struct SetupKey {
    std::array<QStringList, 4> Lists;
    std::array<int, 5> Times{};
    std::array<int, 3> Counts{};
    bool Known = false;
  };

  std::array<std::array<Place, 102>, 3> places_;
  std::array<FactsList, 3> facts_{};
  std::array<QStringList, 4> lists_;  // the tool lists the posts were found in
  bool toolsChanged_ = true;          // since the last SetupMinutes
  SetupKey setupKey_;
  std::int16_t setupMinutes_ = 0;
  std::array<CountRow, 39> counts_;
};

}  // namespace arvex
