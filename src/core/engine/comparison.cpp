#include "engine/comparison.h"

#include "document/timestudy.h"
#include "engine/rangecalculator.h"
#include "machine/machinedefinition.h"
#include "platform/numtext.h"
#include "workspace.h"

#include <QSet>

#include <algorithm>

namespace arvex {

namespace {

// Group numbers of the labels, per operation: 0 for no group, kGroupA and
// kGroupD for the main list's A and D, k = 1..31 for Bk or Ck.
constexpr int kNoGroup = 0;
constexpr int kGroupA = kMaxGroups + 1;
constexpr int kGroupD = kMaxGroups + 2;

struct LabelTable {
  QString A = QStringLiteral("A ");
  QString D = QStringLiteral("D ");
  QString None;
  std::array<QString, kMaxGroups + 1> B, C;
  LabelTable() {
    for (int k = 1; k <= kMaxGroups; ++k) {
      const QString number = NumberText(static_cast<double>(k));
      B[static_cast<size_t>(k)] = u'B' + number;
      C[static_cast<size_t>(k)] = u'C' + number;
    }
  }
};

const LabelTable& Labels() {
  static const LabelTable table;
  return table;
}

// Writes a label unless the operation already holds that very text.
void SetLabel(Operation& op, const QString& label) {
  if (op.Group.constData() != label.constData() || op.Group.size() != label.size()) op.Group = label;
}

// The group of every operation after SortSyncs, places 1..100 (0 unused);
// -1 for a sub operation whose label SortSyncs did not write.
struct GroupNumbers {
  std::array<int, kMaxOperations + 1> Main{};
  std::array<int, kMaxOperations + 1> Sub{};
};

// For every place i = 1..100 of one side: the highest sync k (30 down to
// 1) whose value is set and not after i; 0 when there is none. Holds for a
// column in any order.
std::array<int, kMaxOperations + 1> SyncsAtOrBefore(const TimeStudy& st, int side) {
  std::array<int, kMaxOperations + 1> at{};
  for (int k = 1; k <= kMaxSyncs; ++k) {
    const int v = st.Sync(side, k);
    if (v == 0 || v > kMaxOperations) continue;
    const auto from = static_cast<size_t>(std::max(v, 1));
    at[from] = std::max(at[from], k);
  }
  for (size_t i = 1; i < at.size(); ++i) at[i] = std::max(at[i], at[i - 1]);
  return at;
}

void LabelOperations(TimeStudy& st, GroupNumbers* groups) {
  const LabelTable& labels = Labels();
  auto S = [&](int side, int k) { return static_cast<int>(st.Sync(side, k)); };

  int lastMain = 0, lastSub = 0;
  for (int k = kMaxSyncs; k >= 1 && lastMain == 0; --k)
    if (S(1, k) != 0) lastMain = k;
  for (int k = kMaxSyncs; k >= 1 && lastSub == 0; --k)
    if (S(2, k) != 0) lastSub = k;
  st.SyncCount = static_cast<std::int16_t>(lastMain == lastSub ? lastMain : 0);

  const bool subUsed = st.Header.SubSpindleUsed != 0;
  const int firstMain = S(1, 1);  // main place of sync 1; 0: no syncs
  const int firstSub = S(2, 1);   // sub place of sync 1
  // The sub spindle has finished when the last sync stands after its last
  // operation: the main operations from that sync on are group D.
  const bool subEndsAtLastSync = S(2, lastSub) == st.SubOpCount + 1;

  // Offset of the main group numbers: the one rule that ties the main
  // numbering to the sub work before the first sync.
  //
  // Sub operations before sync 1 (sub place of sync 1 is 2 or more) are
  // group C1: the sub spindle finishes the previous part on them before the
  // two spindles meet at sync 1. Whatever the main spindle does before
  // sync 1 runs beside them and is B1. So whenever that sub work exists, the
  // main work after sync 1 is B2 (and after sync k, B(k + 1)), compared with
  // C2, the sub work that really runs beside it: nB = 1.
  //
  // This holds also when sync 1 stands before the first main operation. B1
  // is then empty: the main spindle waits at sync 1 while the sub spindle
  // does C1, so C1 stands against nothing and counts in full. (Numbering the
  // main work after sync 1 as B1 would compare it with C1 and drop the sub
  // spindle's time before the sync from the cycle.)
  const int nB = (firstMain >= 1 && firstSub >= 2) ? 1 : 0;

  const auto mainSyncs = SyncsAtOrBefore(st, 1);
  const int mainCount = std::clamp<int>(st.MainOpCount, 0, kMaxOperations);
  const int subCount = std::clamp<int>(st.SubOpCount, 0, kMaxOperations);
  for (int i = 1; i <= mainCount; ++i) {
    int group;
    if (!subUsed) {
      group = kGroupA;
    } else if (firstMain == 0) {
      group = 1;  // no syncs: the whole main list runs beside the whole sub list
    } else if (i < firstMain) {
      group = firstSub >= 2 ? 1 : kGroupA;  // beside C1, or before the sub spindle starts
    } else if (subEndsAtLastSync && i >= S(1, lastMain)) {
      group = kGroupD;
    } else {
      group = mainSyncs[static_cast<size_t>(i)] + nB;
    }
    groups->Main[static_cast<size_t>(i)] = group;
    const QString& label = group == kGroupA   ? labels.A
                           : group == kGroupD ? labels.D
                                              : labels.B[static_cast<size_t>(group)];
    SetLabel(st.Op(kMainSpindle, i), label);
  }

  groups->Sub.fill(-1);
  if (!subUsed) return;
  // Sub operations before the first sync are C1, and the sub groups after
  // the syncs follow on from it.
  const int nC = (firstSub >= 2 && firstMain >= 1) ? 1 : 0;
  const auto subSyncs = SyncsAtOrBefore(st, 2);
  for (int j = 1; j <= subCount; ++j) {
    int group;
    if (firstSub == 0) {
      group = 1;
    } else if (j < firstSub && firstMain >= 1) {
      group = 1;
    } else {
      const int k = subSyncs[static_cast<size_t>(j)];
      // No sync stands at or before this operation while the main column
      // holds none (a damaged table): the operation belongs to no group,
      // rather than to whatever group an earlier layout gave it.
      group = k == 0 ? kNoGroup : k + nC;
    }
    groups->Sub[static_cast<size_t>(j)] = group;
    SetLabel(st.Op(kSubSpindle, j), group == kNoGroup ? labels.None : labels.C[static_cast<size_t>(group)]);
  }
}

// First and last place of each group of a list.
template <size_t N>
void FindRanges(const std::array<int, kMaxOperations + 1>& groups, int count, std::array<GroupRange, N>* ranges) {
  for (int i = 1; i <= count; ++i) {
    const int g = groups[static_cast<size_t>(i)];
    if (g < 1 || g >= static_cast<int>(N)) continue;
    GroupRange& r = (*ranges)[static_cast<size_t>(g)];
    if (r.First == 0) r.First = static_cast<std::int16_t>(i);
    r.Last = static_cast<std::int16_t>(i);
  }
}

// Computes one group into its fields, reusing the line list's storage.
void ComputeGroup(RangeCalculator& calc, const GroupRange& range, int spindle, float* cut, float* idle,
                  float* total, ItemLines* lines) {
  if (range.IsEmpty()) {
    lines->clear();
    return;
  }
  ItemCounts counts{};
  RangeTimes times;
  times.Lines.swap(*lines);
  calc.Compute(counts, range.First, range.Last, spindle, &times);
  lines->swap(times.Lines);
  *cut = times.CutTotal;
  *idle = times.IdleTotal;
  *total = times.IdleTotal + times.CutTotal;
}

}  // namespace

const QString& GroupLabelA() { return Labels().A; }
const QString& GroupLabelD() { return Labels().D; }
const QString& GroupLabelB(int k) { return Labels().B[static_cast<size_t>(std::clamp(k, 0, kMaxGroups))]; }
const QString& GroupLabelC(int k) { return Labels().C[static_cast<size_t>(std::clamp(k, 0, kMaxGroups))]; }

void SortSyncs(TimeStudy& study) {
  GroupNumbers groups;
  LabelOperations(study, &groups);
}

CycleTotalResult CycleTotal(const CycleComparison& r) {
  const LabelTable& labels = Labels();
  CycleTotalResult result;
  result.Formula = QStringLiteral("(");
  if (r.TotalA > 0) {
    result.Total += r.TotalA;
    result.Formula += u'A';
  }
  for (int k = 1; k <= kMaxGroups; ++k) {
    const float b = r.TotalB[static_cast<size_t>(k)];
    const float c = r.TotalC[static_cast<size_t>(k)];
    if (b > 0 && b >= c) {
      result.Total += b;
      result.Formula += u' ' + labels.B[static_cast<size_t>(k)];
    } else if (c > 0 && c > b) {
      result.Total += c;
      result.Formula += u' ' + labels.C[static_cast<size_t>(k)];
    }
  }
  if (r.TotalD > 0) {
    result.Total += r.TotalD;
    result.Formula += QStringLiteral(" D");
  }
  result.Formula += u')';
  return result;
}

std::int16_t ComputeSetupMinutes(const TimeStudy& study, const MachineDefinition& machine) {
  const SpindleRecord& ms = machine.MainSpindle;
  const SpindleRecord& ss = machine.SubSpindle;
  struct Post {
    const QStringList& Tools;
    int Spindle;
    int SetTime;
  };
  const Post posts[] = {{machine.MainTools1List, kMainSpindle, ms.ToolSetTime1},
                        {machine.MainTools2List, kMainSpindle, ms.ToolSetTime2},
                        {machine.SubTools1List, kSubSpindle, ss.ToolSetTime1},
                        {machine.SubTools2List, kSubSpindle, ss.ToolSetTime2}};
  std::array<QSet<QString>, 3> used;
  for (int s = kMainSpindle; s <= kSubSpindle; ++s)
    for (int i = 1; i <= study.Count(s); ++i) used[static_cast<size_t>(s)].insert(study.Op(s, i).ToolNo);

  // Tools already charged, compared as whole tool numbers (a tool "1" is
  // still charged after a tool "11").
  QSet<QString> counted;
  long minutes = ms.SetUpTime;
  for (const Post& post : posts) {
    for (qsizetype t = 2; t < post.Tools.size(); ++t) {
      const QString& tool = post.Tools[t];
      if (tool.isEmpty() || !used[static_cast<size_t>(post.Spindle)].contains(tool)) continue;
      if (counted.contains(tool)) continue;
      counted.insert(tool);
      minutes += post.SetTime;
    }
  }
  return static_cast<std::int16_t>(std::clamp<long>(minutes, -32768, 32767));
}

std::pair<QString, QString> GroupLabelTexts(const CycleComparison& r, int n) {
  const int k = std::clamp(n, 1, kMaxGroups);
  return {GroupLabelB(k) + u'=' + Format(r.TotalB[static_cast<size_t>(k)], u"##.##"),
          GroupLabelC(k) + u'=' + Format(r.TotalC[static_cast<size_t>(k)], u"##.##")};
}

void GetTime(TimeStudy& st, const MachineDefinition& machine, CycleComparison& r) {
  st.RecountOps();
  // The operation before the first one is the last one of the cycle before.
  st.Op(kMainSpindle, 0) = st.Op(kMainSpindle, st.MainOpCount);
  st.Op(kSubSpindle, 0) = st.Op(kSubSpindle, st.SubOpCount);
  if (st.MainOpCount == 0 && st.SubOpCount == 0) return;

  GroupNumbers groups;
  LabelOperations(st, &groups);
  r.ClearTimes();  // the line lists are rewritten in place below
  r.Memo.Refresh(st, machine);
  r.SetupMinutes = r.Memo.SetupMinutes(st, machine);

  // Ranges of the groups of each list. Main: A, B1..B31, D; sub: C1..C31.
  std::array<GroupRange, kGroupD + 1> mainRanges{};
  FindRanges(groups.Main, std::min<int>(st.MainOpCount, kMaxOperations), &mainRanges);
  r.RangeA = mainRanges[kGroupA];
  r.RangeD = mainRanges[kGroupD];
  for (int k = 1; k <= kMaxGroups; ++k) r.RangeB[static_cast<size_t>(k)] = mainRanges[static_cast<size_t>(k)];
  if (st.Header.SubSpindleUsed != 0) FindRanges(groups.Sub, std::min<int>(st.SubOpCount, kMaxOperations), &r.RangeC);

  RangeCalculator calc(st, machine, r.Memo);
  ItemTextCache& texts = r.Memo.Texts;
  ComputeGroup(calc, r.RangeA, kMainSpindle, &r.CutA, &r.IdleA, &r.TotalA, &r.LinesA);
  r.Labels[0] = QStringLiteral("A=") + texts.LabelValue(r.TotalA);
  for (int k = 1; k <= kMaxGroups; ++k) {
    const auto at = static_cast<size_t>(k);
    ComputeGroup(calc, r.RangeB[at], kMainSpindle, &r.CutB[at], &r.IdleB[at], &r.TotalB[at], &r.LinesB[at]);
  }
  r.Labels[1] = QStringLiteral("B1=") + texts.LabelValue(r.TotalB[1]);
  for (int k = 1; k <= kMaxGroups; ++k) {
    const auto at = static_cast<size_t>(k);
    ComputeGroup(calc, r.RangeC[at], kSubSpindle, &r.CutC[at], &r.IdleC[at], &r.TotalC[at], &r.LinesC[at]);
  }
  r.Labels[2] = QStringLiteral("C1=") + texts.LabelValue(r.TotalC[1]);
  ComputeGroup(calc, r.RangeD, kMainSpindle, &r.CutD, &r.IdleD, &r.TotalD, &r.LinesD);
  r.Labels[3] = QStringLiteral("D=") + texts.LabelValue(r.TotalD);

  CycleTotalResult total = CycleTotal(r);
  r.Total = total.Total;
  r.Formula = std::move(total.Formula);
  r.Labels[4] = QStringLiteral("Total=") + texts.TotalValue(r.Total) + r.Formula;
}

void GetTime(Workspace& ws) { GetTime(ws.Study, ws.Machine, ws.Comparison); }

}  // namespace arvex
