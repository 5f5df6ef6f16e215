#pragma once
// The material groups editor frmMatGrps over MaterialGroupsForm: the group
// list, the materials of the chosen group, and a text box with an add
// button for each. Modal; every database error is shown with its text.

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace arvex {

class MaterialGroupsForm;
enum class EditResult;
class Prompter;
struct WindowContext;

class MaterialGroupsDialog : public QDialog {
  Q_OBJECT
 public:
  static inline const QString kCaption = QStringLiteral("Material Groups");

  MaterialGroupsDialog(MaterialGroupsForm& form, Prompter& prompter, QWidget* parent);
  void Refresh();

 private:
  void ChooseGroup(int row);
  // "Add Group" or "Add Material": a failure is shown with its error.
  void Add(EditResult (MaterialGroupsForm::*add)(QString*), QLineEdit* text);

  MaterialGroupsForm& form_;
  Prompter& prompter_;
  QListWidget* groups_;
  QListWidget* materials_;
  QLineEdit* groupText_;
  QLineEdit* materialText_;
};

// Shows the editor modally on the application folder's database, then
// reads the material lists again for the header window.
void OpenMaterialGroups(WindowContext& context, QWidget* parent);

}  // namespace arvex
