#pragma once
// CDrill, "Center Drill Info.", over CenterDrillForm: the three boxes and
// the table of CEN-INFO.TXT painted at its columns in a fixed-pitch font.

#include <QDialog>

#include <array>

class QLineEdit;
class QPlainTextEdit;

namespace arvex {

class CenterDrillForm;
struct WindowContext;

class CenterDrillDialog : public QDialog {
  Q_OBJECT
 public:
  CenterDrillDialog(CenterDrillForm& form, QWidget* parent);

  void Refresh();

 private:
  CenterDrillForm& form_;
  std::array<QLineEdit*, 3> boxes_{};
  QPlainTextEdit* table_;
};

// Reads the table, shows the window modally; the painting leaves the
// matching drills in LastCalcText.
void OpenCenterDrill(WindowContext& context, QWidget* parent);

}  // namespace arvex
