#include "classickeys.h"

#include <QKeyEvent>

namespace arvex {

int ClassicKeyCode(const QKeyEvent& event) {
  const int key = event.key();
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Delete: return kKeyDelete;
    case Qt::Key_Backspace: return kKeyBackspace;
    case Qt::Key_Escape: return kKeyEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return kKeyTab;
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Insert: return 45;
    default: break;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return kKeyF1 + (key - Qt::Key_F1);
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
  return 0;
}

QChar TypedCharacter(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QChar(kKeyEnter);
    case Qt::Key_Backspace: return QChar(kKeyBackspace);
    case Qt::Key_Escape: return QChar(kKeyEscape);
    default: break;
  }
  const QString text = event.text();
  if (text.size() != 1 || !text[0].isPrint()) return {};
  return text[0];
}

ClassicKeyFilter::ClassicKeyFilter(QObject* parent, PressHandler onPress, ReleaseHandler onRelease)
    : QObject(parent), onPress_(std::move(onPress)), onRelease_(std::move(onRelease)) {}

void ClassicKeyFilter::Watch(QObject* target) { target->installEventFilter(this); }

bool ClassicKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const Key key{watched, ClassicKeyCode(*keyEvent), TypedCharacter(*keyEvent), keyEvent->modifiers()};
    if (event->type() == QEvent::KeyPress) {
      if (onPress_ && onPress_(key)) return true;
    } else if (onRelease_ && !keyEvent->isAutoRepeat()) {
      onRelease_(key);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace arvex
