#include "document/studychanges.h"

#include "document/timestudy.h"

#include <optional>
#include <vector>

namespace arvex {

bool StudyChanges::Apply(TimeStudy& study, const StudyChange& change, const std::function<bool(TimeStudy&)>& edit) {
  std::optional<TimeStudy> before;
  if (recorder_) before = study;
  if (!edit(study)) return false;
  study.Dirty = true;
  if (recorder_) recorder_->Changed(*before, change);
  Notify({StudyEvent::Edited, change});
  return true;
}

void StudyChanges::MarkDirty(TimeStudy& study) {
  study.Dirty = true;
  Notify({StudyEvent::Edited, {}});
}

void StudyChanges::Replaced(const TimeStudy& study) {
  if (recorder_) recorder_->Replaced(study);
  Notify({StudyEvent::Replaced, {}});
}

void StudyChanges::Saved(const TimeStudy& study) {
  if (recorder_) recorder_->Saved(study);
  Notify({StudyEvent::Saved, {}});
}

void StudyChanges::MachineLoaded() { Notify({StudyEvent::MachineLoaded, {}}); }

void StudyChanges::Restored(StudyEvent event, const StudyChange& step) { Notify({event, step}); }

int StudyChanges::Listen(Listener listener) {
  const int id = nextId_++;
  listeners_.emplace(id, std::move(listener));
  return id;
}

void StudyChanges::Forget(int id) { listeners_.erase(id); }

void StudyChanges::Notify(const StudyNotice& notice) {
  // A listener may forget listeners (a window closing): call the ones still
  // listening, by number.
  std::vector<int> ids;
  ids.reserve(listeners_.size());
  for (const auto& [id, listener] : listeners_) ids.push_back(id);
  for (const int id : ids) {
    const auto it = listeners_.find(id);
    if (it == listeners_.end()) continue;
    const Listener listener = it->second;
    listener(notice);
  }
}

}  // namespace arvex
