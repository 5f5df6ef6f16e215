#include "materialgroupsdialog.h"

#include "accessibility.h"
#include "classickeys.h"
#include "editorwidgets.h"
#include "cutting/cutdataforms.h"
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
  connect(groupText_, &QLineEdit::returnPressed, this, [this] { Add(&MaterialGroupsForm::AddGroup, groupText_); });
  connect(materialText_, &QLineEdit::returnPressed, this,
          [this] { Add(&MaterialGroupsForm::AddMaterial, materialText_); });
  // A double quote would end the material text in a time-study file.
  auto* keys = new ClassicKeyFilter(this, [this](const ClassicKeyFilter::Key& key) {
    return !key.Character.isNull() && RefuseDoubleQuote(key.Character, prompter_);
  });
  keys->Watch(groupText_);
  keys->Watch(materialText_);

  QPushButton* addGroup = CommandButton(this, QStringLiteral("Add Gr&oup"), "cmdAddGroup");
  QPushButton* addMaterial = CommandButton(this, QStringLiteral("Add Ma&terial"), "cmdAddMaterial");
  QPushButton* exit = CommandButton(this, QStringLiteral("&Exit"), "cmdExit");
  connect(addGroup, &QPushButton::clicked, this, [this] { Add(&MaterialGroupsForm::AddGroup, groupText_); });
  connect(addMaterial, &QPushButton::clicked, this, [this] { Add(&MaterialGroupsForm::AddMaterial, materialText_); });
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

void MaterialGroupsDialog::Add(EditResult (MaterialGroupsForm::*add)(QString*), QLineEdit* text) {
  QString error;
  if ((form_.*add)(&error) == EditResult::Failed) {
    prompter_.ShowMessage(error, kCaption, MessageIcon::Exclamation);
  } else {
    // The next name can be typed at once.
    text->setFocus();
  }
  Refresh();
}

void MaterialGroupsDialog::Refresh() {
  ShowItems(groups_, form_.Groups(), form_.SelectedGroup());
  ShowItems(materials_, form_.Materials(), form_.SelectedMaterial());
  for (auto [edit, text] : {std::pair{groupText_, &form_.GroupText}, std::pair{materialText_, &form_.MaterialText}}) {
    if (edit->text() == *text) continue;
    const QSignalBlocker block(edit);
    edit->setText(*text);
  }
}

void OpenMaterialGroups(WindowContext& context, QWidget* parent) {
  RunDatabaseEditor<MaterialGroupsForm>(context, MaterialGroupsDialog::kCaption,
                                        [&](MaterialGroupsForm& form, const CuttingDatabase&) {
                                          MaterialGroupsDialog dialog(form, context.Prompt, parent);
                                          dialog.exec();
                                        });
}

}  // namespace arvex
