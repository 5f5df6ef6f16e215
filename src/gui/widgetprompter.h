#pragma once
// The Prompter of the windows: message boxes, input boxes and the file
// dialog, each parented to the window that is active when it is asked.
// No window shows a message box any other way.

#include "platform/prompter.h"

class QWidget;

namespace arvex {

class WidgetPrompter : public Prompter {
 public:
  void ShowMessage(const QString& text, const QString& caption, MessageIcon icon) override;
  Answer Ask(const QString& text, const QString& caption, Buttons buttons, Answer defaultAnswer,
             MessageIcon icon) override;
  std::optional<QString> AskText(const QString& prompt, const QString& caption, const QString& defaultText) override;
  using Prompter::ChooseFile;
  std::optional<QString> ChooseFile(const FileRequest& request) override;

  // The window dialogs are parented to: the active window, else the main one.
  static QWidget* DialogParent();
};

}  // namespace arvex
