#include "editorwidgets.h"

#include "accessibility.h"
#include "cutting/materiallists.h"
#include "platform/prompter.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace arvex {

QPushButton* CommandButton(QWidget* parent, const QString& caption, const QString& name, const QString& toolTip) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  if (!toolTip.isEmpty()) b->setToolTip(toolTip);
  NameControl(b, caption, toolTip);
  return b;
}

QComboBox* ListCombo(QWidget* parent, const char* name, bool editable, int minimumCharacters) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(editable);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setMaxVisibleItems(24);
  c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c->setMinimumContentsLength(minimumCharacters);
  if (editable) {
    c->completer()->setCompletionMode(QCompleter::PopupCompletion);
    c->completer()->setCaseSensitivity(Qt::CaseInsensitive);
  }
  return c;
}

void ShowItems(QComboBox* combo, const QStringList& items, int index, const QString* text) {
  const QSignalBlocker block(combo);
  bool same = combo->count() == items.size();
  for (int i = 0; same && i < items.size(); ++i) same = combo->itemText(i) == items[i];
  if (!same) {
    combo->clear();
    combo->addItems(items);
  }
  QLineEdit* edit = combo->lineEdit();
  const QString typed = edit ? edit->text() : QString();
  const int caret = edit ? edit->cursorPosition() : 0;
  if (combo->currentIndex() != index) combo->setCurrentIndex(index);
  if (text && edit && edit->text() != *text) combo->setEditText(*text);
  // Typing that matches an entry, or stops matching one, keeps the caret
  // where the user is typing.
  if (edit && edit->text() == typed && edit->cursorPosition() != caret) edit->setCursorPosition(caret);
}

void ShowItems(QListWidget* list, const QStringList& items, int selected) {
  const QSignalBlocker block(list);
  if (list->count() != items.size()) {
    list->clear();
    list->addItems(items);
  } else {
    for (int i = 0; i < items.size(); ++i) {
      QListWidgetItem* item = list->item(i);
      if (item->text() != items[i]) item->setText(items[i]);
    }
  }
  if (list->currentRow() != selected) list->setCurrentRow(selected);
}

void ReloadMaterialLists(WindowContext& context) {
  QString error;
  QString warning;
  if (!LoadMaterialListsAtStartUp(context.Ws, &error, &warning)) {
    context.Prompt.ShowMessage(error, kProgramTitle, MessageIcon::Exclamation);
  } else if (!warning.isEmpty()) {
    context.Prompt.ShowMessage(warning, kProgramTitle, MessageIcon::Exclamation);
  }
}

}  // namespace arvex
