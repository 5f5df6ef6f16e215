#pragma once
// Widgets the windows build alike, and the way the database editors open.

#include "cutting/cuttingdatabase.h"
#include "platform/prompter.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QString>

class QComboBox;
class QListWidget;
class QPushButton;
class QWidget;

namespace arvex {

// A command button named for tests and screen readers. It is never the
// dialog's default button: Enter belongs to the fields and lists.
QPushButton* CommandButton(QWidget* parent, const QString& caption, const QString& name,
                           const QString& toolTip = QString());
inline QPushButton* CommandButton(QWidget* parent, const QString& caption, const char* name,
                                  const QString& toolTip = QString()) {
  return CommandButton(parent, caption, QString::fromLatin1(name), toolTip);
}

// A combo box of list entries; an editable one suggests entries in a list
// below while the typed text stays as typed.
QComboBox* ListCombo(QWidget* parent, const char* name, bool editable, int minimumCharacters);

// Shows a form's list in a combo box: the entries (replaced only when they
// differ), the chosen entry (-1: none) and, for an editable combo, its text.
// No signal is sent.
void ShowItems(QComboBox* combo, const QStringList& items, int index, const QString* text = nullptr);
// The same for a list: lines whose text changed are updated in place, and
// the selected line (-1: none).
void ShowItems(QListWidget* list, const QStringList& items, int selected);

// After a database editor: the material lists read again for the header
// window; a failure is shown.
void ReloadMaterialLists(WindowContext& context);

// A database editor: the application folder's database and a Form over it
// opened (a failure is shown with its error under the editor's caption and
// nothing more happens), show(form, db) runs the window, and once the
// database is closed the material lists are read again.
template <class Form, class Show>
void RunDatabaseEditor(WindowContext& context, const QString& caption, Show show) {
  {
    CuttingDatabase db;
    Form form(db);
    QString error;
    if (!db.Open(context.Ws.AppFolder, &error) || !form.Open(&error)) {
      context.Prompt.ShowMessage(error, caption, MessageIcon::Exclamation);
      return;
    }
    show(form, db);
  }
  ReloadMaterialLists(context);
}

}  // namespace arvex
