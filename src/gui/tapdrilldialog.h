#pragma once
// Tap, "Tap Drill Size", over TapDrillForm: pitch, diameter and thread
// percentage, cut or roll tap, the inch and metric common taps, the result
// and the "Drill Chart" button.

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace arvex {

class TapDrillForm;
struct WindowContext;

class TapDrillDialog : public QDialog {
  Q_OBJECT
 public:
  TapDrillDialog(TapDrillForm& form, WindowContext& context, QWidget* parent);

  void Refresh();

 private:
  void AddList(QHBoxLayout* lists, const QString& label, const char* name, const QStringList& taps,
               void (TapDrillForm::*choose)(int));

  TapDrillForm& form_;
  WindowContext& context_;
  QLineEdit* pitch_;
  QLineEdit* diameter_;
  QLineEdit* percent_;
  QRadioButton* cut_;
  QRadioButton* roll_;
  QLabel* result_;
};

// Reads TAPDRILL.TXT and shows the window modally. It leaves TapDrillResult
// and ChosenTapText, and on close LastCalcText (the result).
void OpenTapDrill(WindowContext& context, QWidget* parent);

}  // namespace arvex
