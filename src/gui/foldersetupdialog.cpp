#include "foldersetupdialog.h"

#include "accessibility.h"
#include "platform/appfolder.h"
#include "session/foldersetupform.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace arvex {

FolderSetupDialog::FolderSetupDialog(FolderSetupForm& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName(QStringLiteral("frmSCSetup"));
  setWindowTitle(FolderSetupForm::kCaption);
  auto* grid = new QGridLayout(this);

  auto* hint = new QLabel(FolderSetupForm::kHint, this);
  hint->setWordWrap(true);
  grid->addWidget(hint, 0, 0, 1, 3);

  auto addRow = [&](int row, const QString& caption, const char* name, auto choose) {
    auto* label = new QLabel(caption, this);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(420);
    auto* button = new QPushButton(FolderSetupForm::kChooseCaption, this);
    button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Choose"));
    NameAfterLabel(edit, label);
    NameControl(button, WithoutAccessKey(caption).chopped(1) + QStringLiteral(" - ") + FolderSetupForm::kChooseCaption);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(button, row, 2);
    connect(button, &QPushButton::clicked, this, [this, choose] {
      (form_.*choose)();
      Refresh();
    });
    return edit;
  };
  appFolder_ = addRow(1, FolderSetupForm::kAppFolderLabel, "txtAppFolder", &FolderSetupForm::ChooseAppFolder);
  studyFolder_ = addRow(2, FolderSetupForm::kStudyFolderLabel, "txtTSFolder", &FolderSetupForm::ChooseStudyFolder);
  connect(appFolder_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.SetAppFolder(t); });
  connect(studyFolder_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.SetStudyFolder(t); });

  auto* fill = new QPushButton(FolderSetupForm::kFillCaption, this);
  fill->setObjectName(QStringLiteral("cmdFill"));
  connect(fill, &QPushButton::clicked, this, [this] { form_.Fill(); });
  grid->addWidget(fill, 3, 1, Qt::AlignLeft);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(FolderSetupForm::kOkCaption, QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(FolderSetupForm::kCancelCaption, QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (form_.Accept()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  grid->addWidget(buttons, 4, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  Refresh();
}

void FolderSetupDialog::Refresh() {
  const QSignalBlocker a(appFolder_);
  const QSignalBlocker b(studyFolder_);
  appFolder_->setText(form_.AppFolder());
  studyFolder_->setText(form_.StudyFolder());
}

void OpenFolderSetup(WindowContext& context, QWidget* parent) {
  FolderSetupForm form(context.Ws, context.Prompt, context.Store, BundledDataFolder());
  FolderSetupDialog dialog(form, parent);
  dialog.exec();
  form.Closed();
}

}  // namespace arvex
