#pragma once
// The header window MainTSData ("Arvex  CNC Time Study") as a form: the
// study's customer, engineer, part, material, bar size and shape, part
// length, notes, machine, sub-spindle and parts-catcher use and units.
//
// The boxes hold their own texts while the window is open; a change of a
// box only marks the study changed. Continue stores every box through the
// study's change path in one step ("Edit Header"); a shape button stores
// its caption at once, as a step of its own. Choosing a machine loads it at
// once. Opening the window and closing it changes nothing, Dirty included.
// An undo or a redo while the window is open shows the restored header.

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QSettings;

namespace arvex {

class Prompter;
struct Workspace;

class HeaderForm {
 public:
  static inline const QString kCaption = QStringLiteral("Arvex  CNC Time Study");

  // Text1(0..6): the boxes of the header's texts; 4 is the material combo.
  enum TextBox { kCustomer = 0, kEngineer = 1, kPartName = 2, kPartNo = 3, kMaterialSize = 5, kPartLength = 6 };
  static constexpr int kTextBoxCount = 7;
  static inline const std::array<QString, kTextBoxCount> kTextLabels = {
      QStringLiteral("&Customer :"), QStringLiteral("&Engineer:"),      QStringLiteral("&Part Name:"),
      QStringLiteral("Part &No.:"),  QStringLiteral("M&aterial:"),      QStringLiteral("Material &Size:"),
      QStringLiteral("Part &Length:")};
  static inline const QString kMachineLabel = QStringLiteral("&Mach. Name:");
  static inline const QString kNotesLabel = QStringLiteral("N&otes:");
  static inline const QString kSubSpindleCaption = QStringLiteral("Sub Spindle &Used");
  static inline const QString kPartsCatcherCaption = QStringLiteral("Parts Catcher Used");
  static inline const QString kShapeFrame = QStringLiteral("Material Shape:");
  // Option1(0..3); the caption is what MaterialShape stores.
  static inline const std::array<QString, 4> kShapes = {QStringLiteral("Round"), QStringLiteral("Ground"),
                                                        QStringLiteral("Hex"), QStringLiteral("Square")};
  static inline const QString kUnitsFrame = QStringLiteral("Units:");
  static inline const QString kInchCaption = QStringLiteral("Inch");
  static inline const QString kMetricCaption = QStringLiteral("Metric");
  static inline const QString kContinueCaption = QStringLiteral("Continue");
  static inline const QString kCancelCaption = QStringLiteral("Cancel");
  static inline const QString kCalculatorCaption = QStringLiteral("CNC Calculator");

  static inline const QString kMachineMissing = QStringLiteral("The machine needed does not exist!");
  static inline const QString kPartLengthNeeded = QStringLiteral("You need to input the part length to continue!");
  static inline const QString kMachineNeeded = QStringLiteral("You need to choose a Machine Name to continue!");
  static inline const QString kMaterialUnknown = QStringLiteral("The material entered is not in the database!");

  // Where Continue leaves the window.
  enum class ContinueOutcome {
    Closed,             // stored and closed
    NeedPartLength,     // stays open, the focus goes to the part-length box
    NeedMachine,        // stays open, the focus goes to the machine list
  };

  HeaderForm(Workspace& ws, Prompter& prompter, QSettings& store);
  ~HeaderForm();
  HeaderForm(const HeaderForm&) = delete;
  HeaderForm& operator=(const HeaderForm&) = delete;

  // Called when the form shows the study anew (an undo or a redo made
  // while the window is open puts the stored header back into the boxes).
  void SetOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

  // ---- what the window shows ----
  const QString& Text(int box) const { return texts_[static_cast<size_t>(box)]; }
  const QString& MaterialText() const { return texts_[4]; }
  const QStringList& MaterialEntries() const { return materialEntries_; }
  const QString& Notes() const { return notes_; }
  const QStringList& Machines() const { return machines_; }
  // The chosen entry of the machine list; -1 for none.
  int MachineIndex() const { return machineIndex_; }
  bool SubSpindleUsed() const { return subSpindleUsed_; }
  bool PartsCatcherUsed() const { return partsCatcherUsed_; }
  // The chosen shape button 0..3; -1 for none.
  int Shape() const { return shape_; }
  bool Metric() const { return metric_; }
  // The unit shown beside the part length: "in" or "mm", by the units
  // chosen.
  QString LengthUnit() const { return metric_ ? QStringLiteral("mm") : QStringLiteral("in"); }
  // Label2: the calculator's last result, once the calculator has closed.
  const QString& CalculatorResult() const { return calculatorResult_; }

  // ---- events ----
  // Fills the form from the study, the material lists, the machine files
  // and the engineer setting; Dirty stays as it was.
  void Load();
  // A key typed into a text box: true when the key is refused (a double
  // quote, with the message).
  bool KeyPress(QChar typed);
  // A box's text changed (typing, pasting). A text holding a double quote
  // is refused with the message and the box keeps its text; returns whether
  // the text was taken.
  bool SetText(int box, const QString& text);
  bool SetMaterialText(const QString& text);
  bool SetNotes(const QString& text);
  // An entry of the material list chosen.
  void ChooseMaterial(int index);
  // An entry of the machine list chosen: the machine is loaded at once.
  void ChooseMachine(int index);
  // Check1, clicked.
  void SetSubSpindleUsed(bool used);
  // Check2.
  void SetPartsCatcherUsed(bool used);
  // A shape button: its caption is stored at once.
  void ChooseShape(int shape);
  void SetMetric(bool metric);
  // Continue (Command1).
  ContinueOutcome Continue();
  // The calculator window closed: Label2 shows its last result.
  void CalculatorClosed();
  // The window closed, by Continue or by Cancel: when the loaded machine is
  // no longer the study's own machine in the study's units (a machine
  // chosen and then cancelled, inch changed to metric), the study's machine
  // is loaded again so that every time and length agrees with the header.
  void Closed();

 private:
  // The boxes, checks and choices from the study's header.
  void ShowStudy();
  void Changed();
  bool Refuses(const QString& text);

  Workspace& ws_;
  Prompter& prompter_;
  QSettings& store_;

  std::array<QString, kTextBoxCount> texts_;  // [4] is the material text
  QString notes_;
  QStringList materialEntries_;
  QStringList machines_;
  int machineIndex_ = -1;
  bool subSpindleUsed_ = false;
  bool partsCatcherUsed_ = false;
  int shape_ = -1;
  bool metric_ = false;
  QString calculatorResult_;
  int listenId_ = 0;
  std::function<void()> onChanged_;
};

}  // namespace arvex
