#pragma once
// frmCalc, "CNC Calculator", over CalculatorForm. The display is the key
// trap (pctKeyTrap): it keeps the focus, the buttons never take it, and
// every typed character goes to the form as its button would.

#include <QDialog>

#include <map>

class QLabel;
class QPushButton;

namespace arvex {

class CalculatorForm;
enum class CalculatorButton;
struct WindowContext;

class CalculatorDialog : public QDialog {
  Q_OBJECT
 public:
  CalculatorDialog(CalculatorForm& form, QWidget* parent);

  void Refresh();

 private:
  QPushButton* AddButton(CalculatorButton button);

  CalculatorForm& form_;
  QWidget* keyTrap_;
  QLabel* readout_;
  QLabel* opLabel_;
};

// Shows the calculator modally; on close LastCalcText = "Calc = " + readout.
void OpenCalculator(WindowContext& context, QWidget* parent);

}  // namespace arvex
