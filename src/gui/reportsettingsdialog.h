#pragma once
// frmRVXset, "Settings-Shop Hours", over ReportSettingsForm: one box per
// field of ReportSettingFields() (txtSet_1, txtSet_2, ...), fields of a
// named group in a box of their own, "Choose File" beside the logo box and
// "Save". Closing the window any other way discards the edits.

#include <QDialog>

#include <vector>

class QLineEdit;

namespace arvex {

class ReportSettingsForm;
struct WindowContext;

class ReportSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  ReportSettingsDialog(ReportSettingsForm& form, QWidget* parent);

 private:
  void Refresh();

  ReportSettingsForm& form_;
  std::vector<QLineEdit*> boxes_;
};

// Shows the window modally.
void OpenReportSettings(WindowContext& context, QWidget* parent);

}  // namespace arvex
