#include "materialgroupsdialog.h"

#include "accessibility.h"
#include "classickeys.h"
#include "cutting/cutdataforms.h"
#include "cutting/materiallists.h"
#include "platform/prompter.h"
#include "platform/textinput.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace arvex {

namespace {

QPushButton* Button(QWidget* parent, const QString& caption, const char* name) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  NameControl(b, caption);
  return b;
}

void RefreshList(QListWidget* list, const QStringList& items, int selected) {
  const QSignalBlocker block(list);
  bool same = list->count() == items.size();
  for (int i = 0; same && i < items.size(); ++i) same = list->item(i)->text() == items[i];
  if (!same) {
    list->clear();
    list->addItems(items);
  }
  if (list->currentRow() != selected) list->setCurrentRow(selected);
}

}  // namespace

MaterialGroupsDialog::MaterialGroupsDialog(MaterialGroupsForm& form, Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(form), prompter_(prompter) {
  setObjectName(QStringLiteral("frmMatGrps"));
  setWindowTitle(kCaption);
  auto* grid = new QGridLayout(this);

  auto* groupsLabel = new QLabel(QStringLiteral("Material &groups:"), this);
  groups_ = new QListWidget(this);
  groups_->setObjectName(QStringLiteral("List1"));
  NameAfterLabel(groups_, groupsLabel);
  auto* materialsLabel = new QLabel(QStringLiteral("&Materials of the group:"), this);
  materials_ = new QListWidget(this);
  materials_->setObjectName(QStringLiteral("List2"));
  NameAfterLabel(materials_, materialsLabel);
  for (QListWidget* l : {groups_, materials_}) l->setMinimumSize(260, 320);
  connect(groups_, &QListWidget::currentRowChanged, this, [this](int row) { ChooseGroup(row); });

  auto* groupLabel = new QLabel(QStringLiteral("New g&roup:"), this);
  groupText_ = new QLineEdit(this);
  groupText_->setObjectName(QStringLiteral("Text1"));
  NameAfterLabel(groupText_, groupLabel);
  auto* materialLabel = new QLabel(QStringLiteral("New m&aterial:"), this);
  materialText_ = new QLineEdit(this);
  materialText_->setObjectName(QStringLiteral("Text2"));
  NameAfterLabel(materialText_, materialLabel);
  connect(groupText_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.GroupText = t; });
  connect(materialText_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.MaterialText = t; });
  connect(groupText_, &QLineEdit::returnPressed, this, [this] { AddGroup(); });
  connect(materialText_, &QLineEdit::returnPressed, this, [this] { AddMaterial(); });
  // A double quote would end the material text in a time-study file.
  auto* keys = new ClassicKeyFilter(this, [this](const ClassicKeyFilter::Key& key) {
    return !key.Character.isNull() && RefuseDoubleQuote(key.Character, prompter_);
  });
  keys->Watch(groupText_);
  keys->Watch(materialText_);

  QPushButton* addGroup = Button(this, QStringLiteral("Add Gr&oup"), "cmdAddGroup");
  QPushButton* addMaterial = Button(this, QStringLiteral("Add Ma&terial"), "cmdAddMaterial");
  QPushButton* exit = Button(this, QStringLiteral("&Exit"), "cmdExit");
  connect(addGroup, &QPushButton::clicked, this, [this] { AddGroup(); });
  connect(addMaterial, &QPushButton::clicked, this, [this] { AddMaterial(); });
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);

  grid->addWidget(groupsLabel, 0, 0, 1, 2);
  grid->addWidget(groups_, 1, 0, 1, 2);
  grid->addWidget(groupLabel, 2, 0, 1, 2);
  grid->addWidget(groupText_, 3, 0);
  grid->addWidget(addGroup, 3, 1);
  grid->addWidget(materialsLabel, 0, 2, 1, 2);
  grid->addWidget(materials_, 1, 2, 1, 2);
  grid->addWidget(materialLabel, 2, 2, 1, 2);
  grid->addWidget(materialText_, 3, 2);
  grid->addWidget(addMaterial, 3, 3);
  grid->addWidget(exit, 4, 3);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 1);
  setTabOrder(groups_, groupText_);
  setTabOrder(groupText_, addGroup);
  setTabOrder(addGroup, materials_);
  setTabOrder(materials_, materialText_);
  setTabOrder(materialText_, addMaterial);
  setTabOrder(addMaterial, exit);
  Refresh();
}

void MaterialGroupsDialog::ChooseGroup(int row) {
  QString error;
  if (!form_.ChooseGroup(row, &error)) prompter_.ShowMessage(error, kCaption, MessageIcon::Exclamation);
  Refresh();
}

void MaterialGroupsDialog::AddGroup() {
  QString error;
  if (form_.AddGroup(&error) == EditResult::Failed) {
    prompter_.ShowMessage(error, kCaption, MessageIcon::Exclamation);
  } else {
    groupText_->setFocus();
  }
  Refresh();
}

void MaterialGroupsDialog::AddMaterial() {
  QString error;
  if (form_.AddMaterial(&error) == EditResult::Failed) {
    prompter_.ShowMessage(error, kCaption, MessageIcon::Exclamation);
  } else {
    materialText_->setFocus();
  }
  Refresh();
}

void MaterialGroupsDialog::Refresh() {
  RefreshList(groups_, form_.Groups(), form_.SelectedGroup());
  RefreshList(materials_, form_.Materials(), form_.SelectedMaterial());
  for (auto [edit, text] : {std::pair{groupText_, &form_.GroupText}, std::pair{materialText_, &form_.MaterialText}}) {
    if (edit->text() == *text) continue;
    const QSignalBlocker block(edit);
    edit->setText(*text);
  }
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

void OpenMaterialGroups(WindowContext& context, QWidget* parent) {
  {
    CuttingDatabase db;
    QString error;
    if (!db.Open(context.Ws.AppFolder, &error)) {
      context.Prompt.ShowMessage(error, MaterialGroupsDialog::kCaption, MessageIcon::Exclamation);
      return;
    }
    MaterialGroupsForm form(db);
    if (!form.Open(&error)) {
      context.Prompt.ShowMessage(error, MaterialGroupsDialog::kCaption, MessageIcon::Exclamation);
      return;
    }
    MaterialGroupsDialog dialog(form, context.Prompt, parent);
    dialog.exec();
  }
  ReloadMaterialLists(context);
}

}  // namespace arvex
