#pragma once
// Small helpers that bind a form's texts and focus events to widgets.

#include <QObject>

#include <functional>

class QLineEdit;
class QWidget;

namespace arvex {

// Shows a form's text in a box. A box that already shows it is left alone,
// so that the cursor of the box being typed in stays where it is.
void ShowText(QLineEdit* box, const QString& text);

// Calls `left` when the widget loses the focus to another control of its
// window (Tab, a click, a shortcut); not when the whole window loses the
// activation or a popup opens, as a classic LostFocus does not.
void OnFocusOut(QWidget* widget, std::function<void()> left);

}  // namespace arvex
