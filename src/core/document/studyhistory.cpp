#include "document/studyhistory.h"

#include <algorithm>

namespace arvex {

namespace {

QString MenuText(const QString& caption, const QString& name) {
  if (name.isEmpty()) return caption;
  QString escaped = name;
  escaped.replace(u'&', QStringLiteral("&&"));
  return caption + u' ' + escaped;
}

}  // namespace

void StudyHistory::Changed(const TimeStudy& before, const StudyChange& change) {
  if (mergeOpen_ && !change.MergeKey.isEmpty() && !undo_.empty() && undo_.back().Change.MergeKey == change.MergeKey) {
    // Typing on in the same field: the step still starts where the first
    // keystroke found the study.
    undo_.back().Change.Label = change.Label;
    return;
  }
  // The saved state lay among the undone steps, which a new step discards.
  if (savedAt_ > UndoCount()) savedAt_ = -1;
  redo_.clear();
  undo_.push_back({before, change});
  if (UndoCount() > steps_) {
    undo_.pop_front();
    if (savedAt_ >= 0) --savedAt_;
  }
  mergeOpen_ = true;
}

void StudyHistory::Replaced(const TimeStudy& now) {
  undo_.clear();
  redo_.clear();
  savedAt_ = now.Dirty ? -1 : 0;
  mergeOpen_ = false;
}

void StudyHistory::Saved(const TimeStudy&) {
  savedAt_ = UndoCount();
  mergeOpen_ = false;
}

QString StudyHistory::UndoMenuText() const { return MenuText(kUndoCaption, UndoName()); }
QString StudyHistory::RedoMenuText() const { return MenuText(kRedoCaption, RedoName()); }

void StudyHistory::Restore(TimeStudy& study, const TimeStudy& state) {
  study.Header = state.Header;
  study.Ops = state.Ops;
  study.MainOpCount = state.MainOpCount;
  study.SubOpCount = state.SubOpCount;
  study.Syncs = state.Syncs;
  study.SyncCount = state.SyncCount;
  // The operation being edited stays inside its list: at most the place
  // after the last operation.
  auto keep = [](std::int16_t& place, int count) {
    place = static_cast<std::int16_t>(std::clamp<int>(place, 1, std::min(count + 1, kMaxOperations)));
  };
  keep(study.EditMainOp, study.MainOpCount);
  keep(study.EditSubOp, study.SubOpCount);
}

std::optional<StudyChange> StudyHistory::TakeStep(std::deque<Step>& from, std::deque<Step>& to, TimeStudy& study) {
  if (from.empty()) return std::nullopt;
  Step step = std::move(from.back());
  from.pop_back();
  // The state the step leaves goes the other way, under the same name.
  to.push_back({study, step.Change});
  Restore(study, step.State);
  mergeOpen_ = false;
  study.Dirty = UndoCount() != savedAt_;
  return step.Change;
}

std::optional<StudyChange> StudyHistory::Undo(TimeStudy& study) { return TakeStep(undo_, redo_, study); }
std::optional<StudyChange> StudyHistory::Redo(TimeStudy& study) { return TakeStep(redo_, undo_, study); }

}  // namespace arvex
