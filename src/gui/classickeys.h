#pragma once
// One translation from Qt's key events to the classic key codes the forms
// expect (Enter 13, Delete 46, Backspace 8, Esc 27, Tab 9, the arrows 37 to
// 40, F1 112, letters as their capital's code, digits as theirs), and an
// event filter that hands a watched widget's key presses and releases to a
// callback with that code and the typed character.

#include <QChar>
#include <QObject>

#include <functional>

class QKeyEvent;

namespace arvex {

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyF1 = 112;

// The classic code of a key event; 0 for a key without one (a modifier
// alone, a key of no classic meaning).
int ClassicKeyCode(const QKeyEvent& event);
// The typed character of a key press ("m", "\"", a digit); a null QChar when
// the key types none. Enter types 13, Backspace 8, Esc 27.
QChar TypedCharacter(const QKeyEvent& event);

// Forwards the key events of the widgets it is installed on.
class ClassicKeyFilter : public QObject {
  Q_OBJECT
 public:
  struct Key {
    QObject* Target = nullptr;
    int Code = 0;
    QChar Character;
    Qt::KeyboardModifiers Modifiers;
  };
  // Returns true to swallow the key.
  using PressHandler = std::function<bool(const Key&)>;
  using ReleaseHandler = std::function<void(const Key&)>;

  explicit ClassicKeyFilter(QObject* parent, PressHandler onPress, ReleaseHandler onRelease = {});
  // Installs the filter on a widget.
  void Watch(QObject* target);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  PressHandler onPress_;
  ReleaseHandler onRelease_;
};

}  // namespace arvex
