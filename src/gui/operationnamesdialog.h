#pragma once
// The operation names editor frmAddOp ("Change Operations") over
// OperationNameEditor: the list of names, the text box, Add, Delete (and
// the Delete key), the two Move arrows, Save and Exit. Modal.

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace arvex {

class OperationNameEditor;
struct WindowContext;

class OperationNamesDialog : public QDialog {
  Q_OBJECT
 public:
  OperationNamesDialog(OperationNameEditor& editor, QWidget* parent);
  void Refresh();

 private:
  template <class Event>
  void Do(Event event);

  OperationNameEditor& editor_;
  QListWidget* list_;
  QLineEdit* text_;
};

// Shows the editor modally on the application folder's OPP-DESC.TXT.
void OpenOperationNames(WindowContext& context, QWidget* parent);

}  // namespace arvex
