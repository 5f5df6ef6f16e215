#include "formbinding.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

namespace arvex {

namespace {

class FocusOutFilter : public QObject {
 public:
  FocusOutFilter(QObject* parent, std::function<void()> left) : QObject(parent), left_(std::move(left)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) left_();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> left_;
};

}  // namespace

void ShowText(QLineEdit* box, const QString& text) {
  if (box->text() != text) box->setText(text);
}

void OnFocusOut(QWidget* widget, std::function<void()> left) {
  widget->installEventFilter(new FocusOutFilter(widget, std::move(left)));
}

}  // namespace arvex
