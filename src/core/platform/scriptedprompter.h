#pragma once
// A Prompter that records every message and question and replays scripted
// answers in order. Used by the tests and by unattended runs.

#include "platform/prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

namespace arvex {

class ScriptedPrompter : public Prompter {
 public:
  struct Entry {
    enum class EntryKind { Message, Question, Text, File };
    EntryKind Kind;
    QString Text;
    QString Caption;
    MessageIcon Icon = MessageIcon::None;
    Buttons ButtonSet = Buttons::Ok;
    Answer Default = Answer::Ok;
    // For a file choice: the whole request (Text is its title, Caption its
    // filter).
    FileRequest File;
  };

  // Answers given to the next questions, in order. When none is left the
  // question gets its default answer.
  void QueueAnswer(Answer answer) { answers_.push_back(answer); }
  // Texts given to the next AskText calls; nullopt means Cancel. When none
  // is left AskText returns nullopt.
  void QueueText(std::optional<QString> text) { texts_.push_back(std::move(text)); }
  void QueueFile(std::optional<QString> path) { files_.push_back(std::move(path)); }

  void ShowMessage(const QString& text, const QString& caption, MessageIcon icon) override;
  Answer Ask(const QString& text, const QString& caption, Buttons buttons, Answer defaultAnswer,
             MessageIcon icon) override;
  std::optional<QString> AskText(const QString& prompt, const QString& caption,
                                 const QString& defaultText) override;
  using Prompter::ChooseFile;
  std::optional<QString> ChooseFile(const FileRequest& request) override;

  const QList<Entry>& Entries() const { return entries_; }
  // The texts of every message and question, in order.
  QStringList Texts() const;
  // The texts of the messages only (no questions).
  QStringList Messages() const;
  void Clear() { entries_.clear(); }

 private:
  QList<Entry> entries_;
  std::deque<Answer> answers_;
  std::deque<std::optional<QString>> texts_;
  std::deque<std::optional<QString>> files_;
};

}  // namespace arvex
