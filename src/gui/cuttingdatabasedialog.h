#pragma once
// The cutting database editor frmAddCutDB ("Cutting Database") over
// CuttingDataEditorForm: the selections above, the grid of cutdat rows on
// a Qt SQL model with its row position, the record area of the current row
// and the buttons "&Add", "&Update", "&Delete", "&Exit", "Show Above Data
// Only" and "Show All Cutting Data". Modal; a database error ends the
// action with a message naming it, and the record area keeps what was typed.

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace arvex {

class CutDataModel;
class CuttingDataEditorForm;
class CuttingDatabase;
class Prompter;
struct WindowContext;

class CuttingDatabaseDialog : public QDialog {
  Q_OBJECT
 public:
  static inline const QString kCaption = QStringLiteral("Cutting Database");
  static inline const QString kRecordInstruction = QStringLiteral(
      "Choose the line of data you would like to change on the table below, then enter/change the data to the "
      "right. Last press 'Update' to save your changes.  To add new data choose the material then choose the "
      "operation type or manualy enter a new operation. Now press 'Add' to enter the data in the table.");
  static inline const QString kAboveInstruction = QStringLiteral(
      "Use the above operation selection, then 'Show Above Data Only'  to show only the operation type you are "
      "currently working on, or show all types of operations in the table below.");

  CuttingDatabaseDialog(CuttingDataEditorForm& form, const CuttingDatabase& db, Prompter& prompter,
                        QWidget* parent);
  void Refresh();

 private:
  // Runs a database action; a failure shows its error. The grid is read again.
  void Act(bool (CuttingDataEditorForm::*action)(QString*));
  void Update();
  void MoveTo(int row);
  void RefreshGrid(bool reload);
  void RefreshRecord();

  CuttingDataEditorForm& form_;
  const CuttingDatabase& db_;
  Prompter& prompter_;
  QComboBox* aboveMaterial_;
  QComboBox* aboveGroup_;
  QComboBox* aboveOperation_;
  QTableView* grid_;
  CutDataModel* model_;
  QLabel* position_;
  QComboBox* recordMaterial_;
  QComboBox* recordGroup_;
  QComboBox* operation_;
  QLineEdit* depth_;
  QComboBox* grade_;
  std::array<QLineEdit*, 6> ranges_{};
};

// Shows the editor modally on the application folder's database, then
// reads the material lists again for the header window.
void OpenCuttingDatabase(WindowContext& context, QWidget* parent);

}  // namespace arvex
