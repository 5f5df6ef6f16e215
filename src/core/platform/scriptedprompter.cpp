#include "platform/scriptedprompter.h"

namespace arvex {

void ScriptedPrompter::ShowMessage(const QString& text, const QString& caption, MessageIcon icon) {
  entries_.append({Entry::EntryKind::Message, text, caption, icon, Buttons::Ok, Answer::Ok, {}});
}

Answer ScriptedPrompter::Ask(const QString& text, const QString& caption, Buttons buttons,
                             Answer defaultAnswer, MessageIcon icon) {
  entries_.append({Entry::EntryKind::Question, text, caption, icon, buttons, defaultAnswer, {}});
  if (answers_.empty()) return defaultAnswer;
  const Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

std::optional<QString> ScriptedPrompter::AskText(const QString& prompt, const QString& caption,
                                                 const QString& defaultText) {
  entries_.append({Entry::EntryKind::Text, prompt, caption, MessageIcon::None, Buttons::OkCancel, Answer::Ok, {}});
  if (texts_.empty()) return std::nullopt;
  auto t = texts_.front();
  texts_.pop_front();
  return t;
}

std::optional<QString> ScriptedPrompter::ChooseFile(const FileRequest& request) {
  entries_.append(
      {Entry::EntryKind::File, request.Title, request.Filter, MessageIcon::None, Buttons::OkCancel, Answer::Ok, request});
  if (files_.empty()) return std::nullopt;
  auto f = files_.front();
  files_.pop_front();
  return f;
}

QStringList ScriptedPrompter::Texts() const {
  QStringList out;
  for (const Entry& e : entries_)
    if (e.Kind == Entry::EntryKind::Message || e.Kind == Entry::EntryKind::Question) out << e.Text;
  return out;
}

QStringList ScriptedPrompter::Messages() const {
  QStringList out;
  for (const Entry& e : entries_)
    if (e.Kind == Entry::EntryKind::Message) out << e.Text;
  return out;
}

}  // namespace arvex
