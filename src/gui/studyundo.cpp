#include "studyundo.h"

#include "session/studysession.h"
#include "workspace.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace arvex {

namespace {

const QKeySequence kUndoKey(Qt::CTRL | Qt::Key_Z);
const QList<QKeySequence> kRedoKeys{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

bool IsUndoOrRedoKey(const QKeyEvent& event) {
  const QKeySequence pressed(event.keyCombination());
  return pressed == kUndoKey || kRedoKeys.contains(pressed);
}

}  // namespace

StudyUndoActions::StudyUndoActions(QWidget* window, Workspace& ws)
    : QObject(window), window_(window), ws_(ws), undo_(new QAction(window)), redo_(new QAction(window)) {
  undo_->setObjectName(QStringLiteral("mnuUndo"));
  redo_->setObjectName(QStringLiteral("mnuRedo"));
  undo_->setShortcut(kUndoKey);
  redo_->setShortcuts(kRedoKeys);
  for (QAction* a : {undo_, redo_}) {
    a->setShortcutContext(Qt::WindowShortcut);
    window->addAction(a);
  }
  connect(undo_, &QAction::triggered, this, [this] { UndoStudyStep(ws_); });
  connect(redo_, &QAction::triggered, this, [this] { RedoStudyStep(ws_); });
  listenId_ = ws_.Changes.Listen([this](const StudyNotice&) { Update(); });
  // Text fields and boxes claim Ctrl+Z for their own undo; inside this
  // window the study's step comes first.
  qApp->installEventFilter(this);
  Update();
}

StudyUndoActions::~StudyUndoActions() { ws_.Changes.Forget(listenId_); }

void StudyUndoActions::Update() {
  const StudyHistory* h = ws_.History.get();
  undo_->setText(h ? h->UndoMenuText() : StudyHistory::kUndoCaption);
  redo_->setText(h ? h->RedoMenuText() : StudyHistory::kRedoCaption);
  undo_->setEnabled(h && h->CanUndo());
  redo_->setEnabled(h && h->CanRedo());
}

bool StudyUndoActions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != window_ || !IsUndoOrRedoKey(*static_cast<QKeyEvent*>(event))) return false;
  // Not taken by the widget: the window's shortcut runs.
  event->ignore();
  return true;
}

StudyUndoActions* InstallStudyUndo(QWidget* window, Workspace& ws) { return new StudyUndoActions(window, ws); }

}  // namespace arvex
