#include "engine/enginememo.h"

#include "document/timestudy.h"
#include "engine/comparison.h"
#include "machine/machinedefinition.h"

#include <bit>

namespace arvex {

namespace {

// Equal texts; a text that shares its buffer with the other is equal at once.
bool SameText(const QString& a, const QString& b) {
  return a.size() == b.size() && (a.constData() == b.constData() || a == b);
}

bool SameLists(const std::array<QStringList, 4>& a, const MachineDefinition& m) {
  return a[0] == m.MainTools1List && a[1] == m.MainTools2List && a[2] == m.SubTools1List && a[3] == m.SubTools2List;
}

std::array<QStringList, 4> ListsOf(const MachineDefinition& m) {
  return {m.MainTools1List, m.MainTools2List, m.SubTools1List, m.SubTools2List};
}

// Whether an upper-case ASCII word occurs at `at`, letters compared without
// regard to case. Only ASCII letters upper-case to the letters of the
// words, so this is the test "word in UCase(name)".
template <size_t N>
bool WordAt(const QChar* data, qsizetype size, qsizetype at, const char (&word)[N]) {
  constexpr qsizetype n = N - 1;
  if (at + n > size) return false;
  for (qsizetype j = 0; j < n; ++j) {
    char16_t c = data[at + j].unicode();
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - (u'a' - u'A'));
    if (c != static_cast<char16_t>(word[j])) return false;
  }
  return true;
}

}  // namespace

OperationFacts NameFacts(const QString& name) {
  OperationFacts f;
  const QChar* data = name.constData();
  const qsizetype size = name.size();
  for (qsizetype i = 0; i < size; ++i) {
    switch (data[i].unicode() & ~0x20) {  // the first letter in either case
      case u'L':
        f.Live = f.Live || WordAt(data, size, i, "LIVE");
        break;
      case u'T':
        f.Tapping = f.Tapping || WordAt(data, size, i, "TAP");
        break;
      case u'D':
        f.Tapping = f.Tapping || WordAt(data, size, i, "DIE");
        break;
      case u'C':
        f.CutOff = f.CutOff || WordAt(data, size, i, "CUT-OFF") || WordAt(data, size, i, "CUTOFF") ||
                   WordAt(data, size, i, "CUT OFF");
        break;
      default:
        break;
    }
  }
  return f;
}

void EngineMemo::Refresh(const TimeStudy& study, const MachineDefinition& machine) {
  const bool listsSame = SameLists(lists_, machine);
  if (!listsSame) {
    lists_ = ListsOf(machine);
    toolsChanged_ = true;
  }
  for (int s = kMainSpindle; s <= kSubSpindle; ++s) {
    auto& places = places_[static_cast<size_t>(s)];
    FactsList& facts = facts_[static_cast<size_t>(s)];
    for (int i = 0; i <= kMaxOperations + 1; ++i) {
      const Operation& op = study.Op(s, i);
      Place& p = places[static_cast<size_t>(i)];
      OperationFacts& f = facts[static_cast<size_t>(i)];
      const bool toolSame = p.Known && SameText(p.ToolNo, op.ToolNo);
      const bool nameSame = p.Known && SameText(p.OpName, op.OpName);
      if (!toolSame || !listsSame) {
        if (!toolSame) toolsChanged_ = true;
        f.Post = static_cast<std::int8_t>(FindToolPost(machine, op.ToolNo, s));
      }
      if (!nameSame) {
        const OperationFacts words = NameFacts(op.OpName);
        f.Live = words.Live;
        f.Tapping = words.Tapping;
        f.CutOff = words.CutOff;
      }
      // Keep the study's own buffers, so that the next look is a pointer test.
      if (p.ToolNo.constData() != op.ToolNo.constData()) p.ToolNo = op.ToolNo;
      if (p.OpName.constData() != op.OpName.constData()) p.OpName = op.OpName;
      p.Known = true;
    }
  }
}

std::int16_t EngineMemo::SetupMinutes(const TimeStudy& study, const MachineDefinition& machine) {
  const SpindleRecord& ms = machine.MainSpindle;
  const SpindleRecord& ss = machine.SubSpindle;
  const std::array<int, 5> times{ms.SetUpTime, ms.ToolSetTime1, ms.ToolSetTime2, ss.ToolSetTime1, ss.ToolSetTime2};
  const std::array<int, 3> counts{0, study.MainOpCount, study.SubOpCount};
  if (setupKey_.Known && !toolsChanged_ && setupKey_.Times == times && setupKey_.Counts == counts &&
      SameLists(setupKey_.Lists, machine))
    return setupMinutes_;
  setupMinutes_ = ComputeSetupMinutes(study, machine);
  setupKey_ = {ListsOf(machine), times, counts, true};
  toolsChanged_ = false;
  return setupMinutes_;
}

QString EngineMemo::CountValue(int item, int count, double unit) {
  if (item < 0 || item >= static_cast<int>(counts_.size()) || count < 0 || count >= 32)
    return Texts.CountValue(count, unit);
  CountRow& row = counts_[static_cast<size_t>(item)];
  if (!row.Known || std::bit_cast<std::uint64_t>(row.Unit) != std::bit_cast<std::uint64_t>(unit)) {
    for (QString& v : row.Values) v.clear();
    row.Unit = unit;
    row.Known = true;
  }
  QString& value = row.Values[static_cast<size_t>(count)];
  if (value.isNull()) value = Texts.CountValue(count, unit);
  return value;
}

void EngineMemo::Clear() { *this = EngineMemo{}; }

}  // namespace arvex
