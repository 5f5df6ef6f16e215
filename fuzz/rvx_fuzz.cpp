// The .rvx reader must take any bytes: it never reads or writes outside a
// list, keeps counts and syncs inside the lists, and whatever it read is
// written back and read again to the same fields (and the same bytes).
#include "document/rvxfile.h"
#include "document/timestudy.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace arvex;

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

void CheckInvariants(const TimeStudy& s) {
  Check(s.MainOpCount >= 0 && s.MainOpCount <= kMaxOperations);
  Check(s.SubOpCount >= 0 && s.SubOpCount <= kMaxOperations);
  for (int side = 1; side <= 2; ++side) {
    Check(s.Op(side, 0).IsBlank());
    Check(s.Op(side, kMaxOperations + 1) == Operation{});
    Check(s.Sync(side, 0) == 0 && s.Sync(side, kMaxSyncs + 1) == 0);
    for (int k = 1; k <= kMaxSyncs; ++k) Check(s.Sync(side, k) >= 0 && s.Sync(side, k) <= kMaxOperations + 1);
  }
}

// The sync entries up to and including a column's first 0: what the file
// keeps of it.
bool SameWrittenSyncs(const TimeStudy& a, const TimeStudy& b) {
  for (int side = 1; side <= 2; ++side) {
    for (int k = 1; k <= kMaxSyncs; ++k) {
      if (a.Sync(side, k) != b.Sync(side, k)) return false;
      if (a.Sync(side, k) == 0) break;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  TimeStudy study;
  const TimeStudyParseReport report = ParseTimeStudy(bytes, &study);
  CheckInvariants(study);
  Check(report.MainOperationsDropped >= 0 && report.SubOperationsDropped >= 0 && report.SyncsDropped >= 0);

  QByteArray written;
  if (!SerializeTimeStudy(study, &written)) return 0;  // a double quote in an unquoted item
  TimeStudy again;
  const TimeStudyParseReport second = ParseTimeStudy(written, &again);
  CheckInvariants(again);
  Check(second.FormatVersion == CurrentRvxFormatVersion());
  Check(second.OperationsDropped() == 0 && second.SyncsDropped == 0);
  Check(again.Header == study.Header);
  Check(again.MainOpCount == study.MainOpCount && again.SubOpCount == study.SubOpCount);
  for (int side = 1; side <= 2; ++side)
    for (int i = 1; i <= study.Count(side); ++i) Check(again.Op(side, i) == study.Op(side, i));
  Check(SameWrittenSyncs(again, study));

  QByteArray rewritten;
  Check(SerializeTimeStudy(again, &rewritten));
  Check(rewritten == written);
  return 0;
}
