#include "document/timestudy.h"

namespace arvex {

double CutTimeOf(double cutLength, double ipm) { return ipm > 0 ? cutLength / ipm * 60.0 : 0.0; }

void Operation::UpdateCutTime() { CutTime = CutTimeOf(CutLength, IPM); }

TimeStudy::TimeStudy() { Clear(); }

void TimeStudy::Clear() {
  Header = TimeStudyHeader{};
  Header.PartsCatcherUsed = 1;
  ClearOperations();
  ClearSyncs();
  MainOpCount = 0;
  SubOpCount = 0;
  SyncCount = 0;
  Dirty = false;
  FilePath.clear();
  CurrentSpindle = kMainSpindle;
  EditMainOp = 1;
  EditSubOp = 1;
}

void TimeStudy::ClearList(int spindle) {
  for (Operation& op : Ops[static_cast<size_t>(spindle)]) op = Operation{};
}

void TimeStudy::ClearOperations() {
  ClearList(kMainSpindle);
  ClearList(kSubSpindle);
}

void TimeStudy::ClearSyncs() {
  for (SyncColumn& column : Syncs) column.fill(0);
}

int TimeStudy::LastUsedPlace(int spindle) const {
  if (spindle != kMainSpindle && spindle != kSubSpindle) return 0;
  for (int i = kMaxOperations; i >= 1; --i)
    if (!Op(spindle, i).IsBlank()) return i;
  return 0;
}

void TimeStudy::RecountOps() {
  MainOpCount = static_cast<std::int16_t>(LastUsedPlace(kMainSpindle));
  SubOpCount = static_cast<std::int16_t>(LastUsedPlace(kSubSpindle));
}

bool TimeStudy::CanInsert(int spindle, int at, int n) const {
  if (spindle != kMainSpindle && spindle != kSubSpindle) return false;
  if (at < 1 || at > kMaxOperations || n < 0) return false;
  if (at + n - 1 > kMaxOperations) return false;
  // Every operation at or after `at` moves n places down; none may pass 100.
  const int last = LastUsedPlace(spindle);
  return last < at || last + n <= kMaxOperations;
}

bool TimeStudy::InsertOperations(int at, int n) {
  const int s = CurrentSpindle;
  if (!CanInsert(s, at, n)) return false;
  if (n == 0) return true;
  for (int i = kMaxOperations; i >= at + n; --i) Op(s, i) = Op(s, i - n);
  for (int i = at; i <= at + n - 1; ++i) Op(s, i) = Operation{};
  // Syncs at or after `at` move with the operations; a sync before the
  // first operation (1) stays at the very start, and 0 marks a free entry.
  for (int k = 1; k <= kMaxSyncs; ++k) {
    std::int16_t& v = Sync(s, k);
    if (v > 1 && v >= at) v = static_cast<std::int16_t>(v + n);
  }
  return true;
}

bool TimeStudy::DeleteOperation(int n) {
  const int s = CurrentSpindle;
  if (s != kMainSpindle && s != kSubSpindle) return false;
  if (n < 1 || n > kMaxOperations) return false;
  for (int i = n; i <= kMaxOperations; ++i) Op(s, i) = Op(s, i + 1);
  Op(s, kMaxOperations + 1) = Operation{};
  for (int k = 1; k <= kMaxSyncs; ++k) {
    std::int16_t& v = Sync(s, k);
    if (v > n) v = static_cast<std::int16_t>(v - 1);
  }
  return true;
}

bool TimeStudy::SwapOperations(int spindle, int i) {
  if (spindle != kMainSpindle && spindle != kSubSpindle) return false;
  if (i < 1 || i >= kMaxOperations) return false;
  std::swap(Op(spindle, i), Op(spindle, i + 1));
  return true;
}

bool TimeStudy::CopyToOtherList(int from, int n) {
  if (from != kMainSpindle && from != kSubSpindle) return false;
  if (n < 1 || n > kMaxOperations) return false;
  RecountOps();
  const int to = from == kMainSpindle ? kSubSpindle : kMainSpindle;
  const int count = Count(to);
  if (count >= kMaxOperations) return false;
  Op(to, count + 1) = Op(from, n);
  RecountOps();
  return true;
}

int TimeStudy::SyncsInUse() const {
  int used = 0;
  for (int k = 1; k <= kMaxSyncs; ++k)
    if (Sync(kMainSpindle, k) > 0) ++used;
  return used;
}

}  // namespace arvex
