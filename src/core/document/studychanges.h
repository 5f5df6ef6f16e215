#pragma once
// The one path every change of the open time study takes. A window or a
// form never writes a document field itself: it hands the change to
// StudyChanges::Apply, which runs it, sets Dirty when the study really
// changed and tells every view. A recorder (the undo history) sees the
// study as it stood before each change.
//
// Besides edits the views hear of the events that replace or save the
// study, or load another machine, and of an undo or redo (the history put
// an earlier state back), so that each can redisplay.
//
// The workspace owns one StudyChanges; nothing about it is global.

#include <QString>

#include <functional>
#include <map>

namespace arvex {

class TimeStudy;

// What a change is, for the views and for the undo history.
struct StudyChange {
  // The step's name as a user reads it ("Delete Operation 3").
  QString Label;
  // Changes with the same non-empty key that follow each other are one
  // step for the history (typing in one field).
  QString MergeKey;
};

enum class StudyEvent {
  Edited,         // a change went through Apply (or MarkDirty)
  Undone,         // the history put back the study as it was before a step
  Redone,         // the history made an undone step again
  Replaced,       // a new, opened or read study took the place of the old one
  Saved,          // the study was written and Dirty cleared
  MachineLoaded,  // the workspace loaded another machine definition
};

struct StudyNotice {
  StudyEvent Event = StudyEvent::Edited;
  StudyChange Change;  // for Edited, and the step for Undone and Redone
};

// Sees every change before it is made (the undo history).
class StudyChangeRecorder {
 public:
  virtual ~StudyChangeRecorder() = default;
  // `before` is the study as it stood before the change, which changed it.
  virtual void Changed(const TimeStudy& before, const StudyChange& change) = 0;
  // The study was replaced (opened, new): earlier steps no longer apply.
  virtual void Replaced(const TimeStudy& now) = 0;
  // The study was saved as it stands now.
  virtual void Saved(const TimeStudy& now) = 0;
};

class StudyChanges {
 public:
  using Listener = std::function<void(const StudyNotice&)>;

  StudyChanges() = default;
  StudyChanges(const StudyChanges&) = delete;
  StudyChanges& operator=(const StudyChanges&) = delete;
  StudyChanges(StudyChanges&&) = default;
  StudyChanges& operator=(StudyChanges&&) = default;

  // Runs `change` on the study. It returns whether it changed the study;
  // when it did, Dirty is set, the recorder gets the study as it was before
  // and every listener hears of it. Returns what `change` returned.
  bool Apply(TimeStudy& study, const StudyChange& change, const std::function<bool(TimeStudy&)>& edit);

  // Sets Dirty without a change of the stored fields (a header box typed
  // into before Continue stores it) and tells the listeners.
  void MarkDirty(TimeStudy& study);

  // The study was replaced by a new or a read one; Dirty is left as the
  // caller set it.
  void Replaced(const TimeStudy& study);
  // The study was written; the caller has cleared Dirty.
  void Saved(const TimeStudy& study);
  // Another machine definition was loaded.
  void MachineLoaded();
  // The undo history put an earlier state of the study back (Undone) or
  // made an undone step again (Redone). Not an edit: the recorder is not
  // told; the listeners hear the event with the step.
  void Restored(StudyEvent event, const StudyChange& step);

  // Listeners, by the number Listen returns. A listener may forget itself
  // or others while it is called.
  int Listen(Listener listener);
  void Forget(int id);

  void SetRecorder(StudyChangeRecorder* recorder) { recorder_ = recorder; }
  StudyChangeRecorder* Recorder() const { return recorder_; }

 private:
  void Notify(const StudyNotice& notice);

  std::map<int, Listener> listeners_;
  int nextId_ = 1;
  StudyChangeRecorder* recorder_ = nullptr;
};

}  // namespace arvex
