#pragma once
// The "CNC Calculator" (frmCalc) as a form: a four-function desk calculator
// with the shop extras (trigonometry in degrees, square and square root,
// inch/millimetre, across-corners of a square or hexagon bar). The window
// mirrors Readout() and OpLabel() and forwards its buttons and the typed
// characters of its key trap; on close it calls Close(), which leaves
// "Calc = " + the readout in the workspace's LastCalcText.
//
// The readout is text in the user's number locale: digits are appended as
// typed, the decimal character is "," when the locale writes a decimal
// comma, else ".". Values are read from it with "." (a "," is taken as the
// point) and results are written back with the locale's character.

#include "platform/prompter.h"
#include "workspace.h"

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace arvex {

// The buttons of the calculator, in the order the window lays them out.
enum class CalculatorButton {
  Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  Decimal, Add, Subtract, Multiply, Divide, Equals,
  Percent, Cancel, CancelEntry, Negate,
  Sine, Cosine, Tangent, ArcTangent, Square, SquareRoot,
  SquareAcrossCorners, HexAcrossCorners, Millimetres, Inches,
};
inline constexpr int kCalculatorButtonCount = static_cast<int>(CalculatorButton::Inches) + 1;

class CalculatorForm {
 public:
  static inline const QString kCaption = QStringLiteral("CNC Calculator");
  // CSCmd1.
  static inline const QString kCloseCaption = QStringLiteral("&Close");
  // The display and its key trap, for assistive technology.
  static inline const QString kReadoutName = QStringLiteral("Readout");
  // The picture single-value functions show their result with.
  static inline const QString kDisplayFormat = QStringLiteral("########.########;-########.########;0");
  static inline const QString kDivideByZero = QStringLiteral("Can't divide by zero");
  static inline const QString kMessageCaption = QStringLiteral("Calculator");

  // Loading: readout "0", nothing pending, the decimal character taken from
  // the current number locale.
  CalculatorForm(Workspace& workspace, Prompter& prompter);

  const QString& Readout() const { return readout_; }
  // The operator last pressed, echoed beside the readout ("" after C).
  const QString& OpLabel() const { return opLabel_; }
  double FirstOperand() const { return first_; }
  double SecondOperand() const { return second_; }
  std::int16_t OperationCount() const { return opCount_; }
  // "NUMS", "OPS", "NONE" or "CE".
  const QString& LastInput() const { return lastInput_; }
  // "+", "-", "*", "/", "=" or "".
  const QString& PendingOperator() const { return pending_; }
  bool DecimalFlag() const { return decimalFlag_; }
  QChar DecimalCharacter() const { return decimal_; }

  // ---- buttons ----
  // Every button: its control name (cmdNumber_0 for element 0 of a control
  // array) and its caption; the decimal button shows the locale's character.
  static std::array<CalculatorButton, kCalculatorButtonCount> AllButtons();
  static QString ButtonName(CalculatorButton button);
  QString Caption(CalculatorButton button) const;
  // The button a typed character presses (see KeyPress), if any.
  static std::optional<CalculatorButton> ButtonOfKey(QChar key);
  // A button pressed, by mouse or through its key.
  void Press(CalculatorButton button);

  void Number(int digit);        // cmdNumber(0..9)
  void DecimalPoint();           // cmdDecimal
  void Operator(QChar op);       // cmdOperator: '+', '-', '*', '/', '='
  void Percent();                // cmdPercent "%"
  void Cancel();                 // cmdCancel "C"
  void CancelEntry();            // cmdCancelEntry "cE"
  void Negate();                 // cmdNeg "+/-"
  void Sine();                   // cmdSIN
  void Cosine();                 // cmdCOS
  void Tangent();                // cmdTAN
  void ArcTangent();             // cmdATN
  void Square();                 // cmdSQR: x * x
  void SquareRoot();             // cmdSQRT
  void SquareAcrossCorners();    // cmdSquare: x * 1.4142
  void HexAcrossCorners();       // cmdHex: x * 1.1548
  void ToMillimetres();          // cmdMM: x * 25.4
  void ToInches();               // cmdInch: x / 25.4

  // The key trap (pctKeyTrap): a typed character pressed as its button.
  // Backspace (8) is cE, Enter (13, or 10) is "=", Esc (27) is C; letters
  // in either case: S sine, O cosine, T tangent, A arctangent, C cancel,
  // E cancel entry, Q square, R square root, H hex and N square across
  // corners, I inch, M millimetre. False for a character with no button.
  bool KeyPress(QChar key) {
    const std::optional<CalculatorButton> button = ButtonOfKey(key);
    if (button) Press(*button);
    return button.has_value();
  }

  // CSCmd1 or closing the window: LastCalcText = "Calc = " + readout.
  void Close();

 private:
  double ReadoutValue() const;
  // Writes a value into the readout: the plain number text (no leading
  // blank) with the locale's decimal character.
  void ShowValue(double value);
  // A single-value function: applied only when the readout value is above 0;
  // a result that is not a finite number leaves everything as it was.
  template <typename F>
  void ApplyFunction(F f);

  Workspace& workspace_;
  Prompter& prompter_;
  QString readout_ = QStringLiteral("0");
  QString opLabel_;
  double first_ = 0;
  double second_ = 0;
  std::int16_t opCount_ = 0;
  QString lastInput_ = QStringLiteral("NONE");
  QString pending_;
  bool decimalFlag_ = false;
  QChar decimal_ = u'.';
};

}  // namespace arvex
