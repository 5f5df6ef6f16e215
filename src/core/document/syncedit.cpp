#include "document/syncedit.h"

#include "document/timestudy.h"
#include "platform/prompter.h"

#include <algorithm>

namespace arvex {

void SortSyncTable(TimeStudy& study) {
  const TimeStudy::SyncColumn mainValues = study.Syncs[kMainSpindle];
  const TimeStudy::SyncColumn subValues = study.Syncs[kSubSpindle];
  study.ClearSyncs();
  // Each column on its own: for every place from the top, the entries that
  // stand before it, in entry order.
  auto sortColumn = [&](int side, const TimeStudy::SyncColumn& values, int count) {
    int n = 0;
    for (int m = 1; m <= count + 1; ++m)
      for (int k = 1; k <= kMaxSyncs; ++k)
        if (values[static_cast<size_t>(k)] == m) study.Sync(side, ++n) = static_cast<std::int16_t>(m);
    return n;
  };
  sortColumn(kMainSpindle, mainValues, study.MainOpCount);
  study.SyncCount = static_cast<std::int16_t>(sortColumn(kSubSpindle, subValues, study.SubOpCount));
}

AddSyncResult AddSync(TimeStudy& study, int mainPlace, int subPlace, Prompter& prompter) {
  const int used = study.SyncsInUse();
  if (used >= kMaxSyncs) {
    prompter.ShowMessage(QStringLiteral("The max number of syncs is 30 !"), kProgramTitle, MessageIcon::None);
    return AddSyncResult::LimitReached;
  }
  if (mainPlace < 1 || subPlace < 1) return AddSyncResult::NoPlace;
  // The new pair goes into the first free entry: entry used + 1 of a packed
  // table, and never over a sync of a table with a gap (from a damaged file).
  int entry = 1;
  while (entry < kMaxSyncs && study.Sync(kMainSpindle, entry) > 0) ++entry;
  study.Dirty = true;
  study.Sync(kMainSpindle, entry) = static_cast<std::int16_t>(std::min(mainPlace, 32767));
  study.Sync(kSubSpindle, entry) = static_cast<std::int16_t>(std::min(subPlace, 32767));
  SortSyncTable(study);  // sets SyncCount
  return AddSyncResult::Added;
}

}  // namespace arvex
