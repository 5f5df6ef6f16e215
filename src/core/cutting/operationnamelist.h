#pragma once
// The operation names offered by the cutting data window: the file
// OPP-DESC.TXT in the application folder, one name per line (Windows-1252,
// CR LF, an empty line is an empty name, no header or comments), and the
// editor form that adds, deletes, reorders and saves them.

#include <QString>
#include <QStringList>

namespace arvex {

class Prompter;

inline const QString kOperationNamesFileName = QStringLiteral("OPP-DESC.TXT");

// The editor window's caption.
inline const QString kOperationNameEditorCaption = QStringLiteral("Change Operations");

// appFolder + "OPP-DESC.TXT" (appFolder ends with the separator).
QString OperationNamesPath(const QString& appFolder);

// The names in file order. A file that cannot be read shows
// "The file <path> can not be found! There will be no tool descriptions!"
// and gives an empty list.
QStringList LoadOperationNames(const QString& appFolder, Prompter& prompter);

// Writes the names, one per line, through a temporary file renamed over the
// old one. A file that cannot be written shows "The file <path> can not be
// opened!" (a name with a character the file cannot hold shows which one)
// and returns false; the old file stays whole.
bool SaveOperationNames(const QString& appFolder, const QStringList& names, Prompter& prompter);

// The operation description editor ("Change Operations"): a list of names,
// a text box, Add, Delete, the two Move arrows, Save and Exit.
class OperationNameEditor {
 public:
  // Opening: loads the list (the "can not be found!" message when missing).
  OperationNameEditor(const QString& appFolder, Prompter& prompter);

  const QStringList& Names() const { return names_; }
  // The selected entry, -1 when none.
  int SelectedIndex() const { return selected_; }
  // Selects an entry; an index outside the list clears the selection.
  void Select(int index);

  // The text box.
  const QString& Text() const { return text_; }
  // A typed key in the text box: a double quote is refused with its message
  // (returns true: the key is discarded).
  bool TextKeyPress(QChar typed);
  // A new text box content (typing, pasting). A text holding a double quote
  // is refused with the message and the text box keeps its text.
  bool SetText(const QString& text);

  // "Add": the text box's text goes in before the selected entry, or at the
  // top when nothing is selected; the new entry is selected and the text box
  // cleared. An empty text adds an empty name.
  void Add();
  // "Delete" (and the Delete key in the list): asks "Are you sure you want
  // to delete this operation name? " + the entry (Yes/No, No default); on Yes
  // the entry goes into the text box and leaves the list, nothing selected.
  void Delete();
  // The Move arrows: swap the selected entry with its neighbour; it stays
  // selected. The first entry does not move up, the last not down.
  void MoveUp();
  void MoveDown();
  // "Save": writes the file and closes; when the file cannot be written the
  // message is shown, the window stays open and the list stays as edited.
  bool Save();
  // "Exit": closes without saving.
  void Exit() { closed_ = true; }

  bool IsClosed() const { return closed_; }

 private:
  QString appFolder_;
  Prompter& prompter_;
  QStringList names_;
  int selected_ = -1;
  QString text_;
  bool closed_ = false;
};

}  // namespace arvex
