#include "widgetprompter.h"

#include "studyfiledialog.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace arvex {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton BoxButton(Answer answer) {
  switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Retry: return QMessageBox::Retry;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButtons BoxButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// The answer a box closed without a button (Esc, the window's close
// button) stands for.
Answer EscapeAnswer(Buttons buttons, Answer defaultAnswer) {
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    default: return Answer::Cancel;
  }
}

}  // namespace

QWidget* WidgetPrompter::DialogParent() {
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  if (QWidget* w = QApplication::activeWindow()) return w;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->objectName() == QStringLiteral("ARVEX")) return w;
  return nullptr;
}

void WidgetPrompter::ShowMessage(const QString& text, const QString& caption, MessageIcon icon) {
  QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok, DialogParent());
  box.setAccessibleName(caption);
  box.exec();
}

Answer WidgetPrompter::Ask(const QString& text, const QString& caption, Buttons buttons, Answer defaultAnswer,
                           MessageIcon icon) {
  QMessageBox box(BoxIcon(icon), caption, text, BoxButtons(buttons), DialogParent());
  box.setAccessibleName(caption);
  box.setDefaultButton(BoxButton(defaultAnswer));
  const int result = box.exec();
  switch (result) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    default: return EscapeAnswer(buttons, defaultAnswer);
  }
}

std::optional<QString> WidgetPrompter::AskText(const QString& prompt, const QString& caption,
                                               const QString& defaultText) {
  bool ok = false;
  const QString text = QInputDialog::getText(DialogParent(), caption, prompt, QLineEdit::Normal, defaultText, &ok);
  if (!ok) return std::nullopt;
  return text;
}

std::optional<QString> WidgetPrompter::ChooseFile(const FileRequest& request) {
  return StudyFileDialog::Choose(DialogParent(), request);
}

}  // namespace arvex
