#pragma once
// The Prompter of unattended command-line runs: messages and questions go
// to standard error as one line each; questions get their default answer
// unless a policy answers them.

#include "platform/prompter.h"

#include <QTextStream>

#include <functional>

namespace arvex {

class TerminalPrompter : public Prompter {
 public:
  using Policy = std::function<Answer(const QString& text, Answer defaultAnswer)>;

  explicit TerminalPrompter(QTextStream& err, Policy policy = {}) : err_(err), policy_(std::move(policy)) {}

  void ShowMessage(const QString& text, const QString& caption, MessageIcon icon) override;
  Answer Ask(const QString& text, const QString& caption, Buttons buttons, Answer defaultAnswer,
             MessageIcon icon) override;
  std::optional<QString> AskText(const QString& prompt, const QString& caption,
                                 const QString& defaultText) override;
  using Prompter::ChooseFile;
  std::optional<QString> ChooseFile(const FileRequest& request) override;

  // The text as one line: line breaks become blanks.
  static QString OneLine(const QString& text);

 private:
  QTextStream& err_;
  Policy policy_;
};

}  // namespace arvex
