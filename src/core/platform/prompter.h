#pragma once
// The one way the core talks to the user: messages, questions, a line of
// text, a file choice. The windows answer with message boxes; the command
// line answers on the terminal; tests script the answers and record every
// text word for word.

#include <QString>

#include <optional>

namespace arvex {

// The program title: caption of message boxes unless a routine names another.
inline const QString kProgramTitle = QStringLiteral("Arvex");

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

// What a file dialog is asked for.
struct FileRequest {
  QString Title;
  // Patterns separated by ";" ("*.bmp;*.jpg;*.gif", "*.rvx").
  QString Filter;
  bool ForSaving = false;
  // The file or folder the dialog starts at ("" for the last folder used).
  QString Proposal;
  // Show the one-line header preview of the time study under the cursor.
  bool StudyPreview = false;
  // Choose a folder, not a file.
  bool Folder = false;
};

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A message with an OK button.
  virtual void ShowMessage(const QString& text, const QString& caption = kProgramTitle,
                           MessageIcon icon = MessageIcon::None) = 0;
  // A question; returns the button chosen (defaultAnswer when the user just
  // confirms, or when nobody can answer).
  virtual Answer Ask(const QString& text, const QString& caption, Buttons buttons,
                     Answer defaultAnswer, MessageIcon icon = MessageIcon::Question) = 0;
  // An input box; nullopt when cancelled.
  virtual std::optional<QString> AskText(const QString& prompt, const QString& caption = kProgramTitle,
                                         const QString& defaultText = QString()) = 0;
  // A file dialog; nullopt when cancelled. The dialog asks no question of
  // its own (replacing a file, a missing file): the caller does.
  virtual std::optional<QString> ChooseFile(const FileRequest& request) = 0;
  // The same for a title and a filter such as "*.bmp;*.jpg;*.gif".
  std::optional<QString> ChooseFile(const QString& title, const QString& filter, bool forSaving = false) {
    return ChooseFile(FileRequest{title, filter, forSaving, QString(), false});
  }
};

}  // namespace arvex
