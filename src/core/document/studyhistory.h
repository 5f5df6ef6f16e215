#pragma once
// The undo history of the open time study: the recorder of the change path
// (StudyChanges). Every step keeps the whole study as it stood before the
// step (TimeStudy is a value type, so a snapshot is exact); undo puts that
// snapshot back and keeps the state it replaced for redo.
//
// - Changes with the same non-empty merge key that follow each other are
//   one step (typing in one field); an undo, a redo or a save ends the run.
// - Undoing or redoing back to the state last saved clears Dirty; any other
//   state is Dirty.
// - kUndoSteps steps are kept; the oldest go first.
// - A new or opened study empties the history.

#include "document/studychanges.h"
#include "document/timestudy.h"

#include <QString>

#include <deque>
#include <optional>

namespace arvex {

inline constexpr int kUndoSteps = 200;

class StudyHistory final : public StudyChangeRecorder {
 public:
  // The menu entries of the Edit menu; the step's name follows after a
  // blank ("&Undo Delete Operation 3").
  static inline const QString kUndoCaption = QStringLiteral("&Undo");
  static inline const QString kRedoCaption = QStringLiteral("&Redo");

  explicit StudyHistory(int steps = kUndoSteps) : steps_(steps < 1 ? 1 : steps) {}

  // StudyChangeRecorder
  void Changed(const TimeStudy& before, const StudyChange& change) override;
  void Replaced(const TimeStudy& now) override;
  void Saved(const TimeStudy& now) override;

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  int UndoCount() const { return static_cast<int>(undo_.size()); }
  int RedoCount() const { return static_cast<int>(redo_.size()); }
  // The names of the steps an undo or a redo would take ("" when none).
  QString UndoName() const { return undo_.empty() ? QString() : undo_.back().Change.Label; }
  QString RedoName() const { return redo_.empty() ? QString() : redo_.back().Change.Label; }
  // "&Undo Delete Operation 3", "&Redo Move Sync 2 Up"; the caption alone
  // when there is no step or it has no name. An "&" of the name stays a
  // character of the text.
  QString UndoMenuText() const;
  QString RedoMenuText() const;

  // Puts the study back as it stood before the last step, or as it stood
  // after the step undone last. Only the document changes (header, lists,
  // syncs): the file path and the editing context stay, the operation being
  // edited is kept inside its list. Dirty is cleared exactly when the study
  // is back at its saved state. Returns the step; nothing when there is none.
  std::optional<StudyChange> Undo(TimeStudy& study);
  std::optional<StudyChange> Redo(TimeStudy& study);

 private:
  struct Step {
    TimeStudy State;
    StudyChange Change;
  };
  static void Restore(TimeStudy& study, const TimeStudy& state);
  // Puts back the last step of `from` and keeps the state it replaces in `to`.
  std::optional<StudyChange> TakeStep(std::deque<Step>& from, std::deque<Step>& to, TimeStudy& study);

  int steps_;
  std::deque<Step> undo_;   // oldest first; each holds the study before its step
  std::deque<Step> redo_;   // last undone last; each holds the study after its step
  // The number of undo steps at the state last saved; -1 when that state
  // can no longer be reached.
  int savedAt_ = 0;
  // Whether the next change may join the last step (same merge key).
  bool mergeOpen_ = false;
};

}  // namespace arvex
