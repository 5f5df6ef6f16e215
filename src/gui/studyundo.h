#pragma once
// Undo and redo of the study in any window that edits it: two actions,
// "&Undo <step>" (Ctrl+Z) and "&Redo <step>" (Ctrl+Y, Ctrl+Shift+Z), that
// follow the history of ws.Changes. Installed on a window, the keys work
// wherever the focus is inside it, text fields included: a field's own
// undo would only take back keystrokes, while the study's step takes back
// the field's whole edit and every view shows it.
//
//   InstallStudyUndo(this, context.Ws);   // in the window's constructor
//
// The main window also puts the two actions into its "&Edit" menu.

#include <QObject>

class QAction;
class QWidget;

namespace arvex {

struct Workspace;

class StudyUndoActions : public QObject {
  Q_OBJECT
 public:
  // The actions are added to `window` (shortcuts of that window) and live
  // as long as it does.
  StudyUndoActions(QWidget* window, Workspace& ws);
  ~StudyUndoActions() override;

  QAction* Undo() const { return undo_; }
  QAction* Redo() const { return redo_; }
  // The texts and states from the history.
  void Update();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  Workspace& ws_;
  QAction* undo_;
  QAction* redo_;
  int listenId_ = 0;
};

// Gives a window that edits the study the undo and redo keys.
StudyUndoActions* InstallStudyUndo(QWidget* window, Workspace& ws);

}  // namespace arvex
