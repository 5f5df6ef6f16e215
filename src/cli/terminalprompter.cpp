#include "terminalprompter.h"

namespace arvex {

namespace {
QString AnswerName(Answer a) {
  switch (a) {
    case Answer::Ok: return QStringLiteral("OK");
    case Answer::Cancel: return QStringLiteral("Cancel");
    case Answer::Yes: return QStringLiteral("Yes");
    case Answer::No: return QStringLiteral("No");
    case Answer::Retry: return QStringLiteral("Retry");
  }
  return {};
}
}  // namespace

QString TerminalPrompter::OneLine(const QString& text) {
  QString line = text;
  line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  line.replace(u'\n', u' ');
  line.replace(u'\r', u' ');
  return line.trimmed();
}

void TerminalPrompter::ShowMessage(const QString& text, const QString& caption, MessageIcon icon) {
  err_ << "arvex: " << OneLine(text) << Qt::endl;
}

Answer TerminalPrompter::Ask(const QString& text, const QString& caption, Buttons buttons,
                             Answer defaultAnswer, MessageIcon icon) {
  const Answer answer = policy_ ? policy_(text, defaultAnswer) : defaultAnswer;
  err_ << "arvex: " << OneLine(text) << " [" << AnswerName(answer) << "]" << Qt::endl;
  return answer;
}

std::optional<QString> TerminalPrompter::AskText(const QString& prompt, const QString& caption,
                                                 const QString& defaultText) {
  err_ << "arvex: " << OneLine(prompt) << " [cancelled]" << Qt::endl;
  return std::nullopt;
}

std::optional<QString> TerminalPrompter::ChooseFile(const FileRequest&) {
  return std::nullopt;
}

}  // namespace arvex
