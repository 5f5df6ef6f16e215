#pragma once
// "CNC Program Folder Setup" over FolderSetupForm.

#include <QDialog>

class QLineEdit;

namespace arvex {

class FolderSetupForm;
struct WindowContext;

class FolderSetupDialog : public QDialog {
  Q_OBJECT
 public:
  FolderSetupDialog(FolderSetupForm& form, QWidget* parent);

 private:
  void Refresh();

  FolderSetupForm& form_;
  QLineEdit* appFolder_;
  QLineEdit* studyFolder_;
};

// Shows the window modally; "SetupDone" is "-1" afterwards.
void OpenFolderSetup(WindowContext& context, QWidget* parent);

}  // namespace arvex
