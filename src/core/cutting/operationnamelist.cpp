#include "cutting/operationnamelist.h"

#include "platform/prompter.h"
#include "platform/textfile.h"
#include "platform/textinput.h"

namespace arvex {

namespace {
// The error number WriteTextFileAtomically gives a character that
// Windows-1252 cannot hold; its description names the characters.
constexpr int kUnencodableError = 5;
}  // namespace

QString OperationNamesPath(const QString& appFolder) { return appFolder + kOperationNamesFileName; }

QStringList LoadOperationNames(const QString& appFolder, Prompter& prompter) {
  const QString path = OperationNamesPath(appFolder);
  QString text;
  FileError error;
  if (!ReadTextFile(path, &text, &error)) {
    prompter.ShowMessage(QStringLiteral("The file ") + path +
                         QStringLiteral(" can not be found! There will be no tool descriptions!"));
    return {};
  }
  return SplitLines(text);
}

bool SaveOperationNames(const QString& appFolder, const QStringList& names, Prompter& prompter) {
  const QString path = OperationNamesPath(appFolder);
  FileError error;
  if (WriteLinesAtomically(path, names, &error)) return true;
  if (error.Number == kUnencodableError)
    prompter.ShowMessage(error.Description);
  else
    prompter.ShowMessage(QStringLiteral("The file ") + path + QStringLiteral(" can not be opened!"));
  return false;
}

OperationNameEditor::OperationNameEditor(const QString& appFolder, Prompter& prompter)
    : appFolder_(appFolder), prompter_(prompter), names_(LoadOperationNames(appFolder, prompter)) {}

void OperationNameEditor::Select(int index) { selected_ = (index >= 0 && index < names_.size()) ? index : -1; }

bool OperationNameEditor::TextKeyPress(QChar typed) { return RefuseDoubleQuote(typed, prompter_); }

bool OperationNameEditor::SetText(const QString& text) {
  if (RefuseDoubleQuote(text, prompter_)) return false;
  text_ = text;
  return true;
}

void OperationNameEditor::Add() {
  const int at = selected_ >= 0 ? selected_ : 0;
  names_.insert(at, text_);
  selected_ = at;
  text_.clear();
}

void OperationNameEditor::Delete() {
  if (selected_ < 0) return;
  const QString entry = names_[selected_];
  const Answer answer =
      prompter_.Ask(QStringLiteral("Are you sure you want to delete this operation name? ") + entry, kProgramTitle,
                    Buttons::YesNo, Answer::No);
  if (answer != Answer::Yes) return;
  text_ = entry;
  names_.removeAt(selected_);
  selected_ = -1;
}

void OperationNameEditor::MoveUp() {
  if (selected_ <= 0) return;
  names_.swapItemsAt(selected_, selected_ - 1);
  --selected_;
}

void OperationNameEditor::MoveDown() {
  if (selected_ < 0 || selected_ + 1 >= names_.size()) return;
  names_.swapItemsAt(selected_, selected_ + 1);
  ++selected_;
}

bool OperationNameEditor::Save() {
  if (!SaveOperationNames(appFolder_, names_, prompter_)) return false;
  closed_ = true;
  return true;
}

}  // namespace arvex
