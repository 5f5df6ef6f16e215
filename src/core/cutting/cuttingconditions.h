#pragma once
// The cutting conditions of one operation: the thirteen input fields of the
// cutting data window as a form without widgets. Every key released in a
// field recomputes the dependent values (spindle speed from surface speed and
// diameter and back, feed per minute from feed per revolution, feed per tooth
// of a live tool) and writes all fields into the operation with its cut time.
// The window mirrors the field texts and forwards its events:
//
//   text changed       -> SetFieldText(field, text)
//   key pressed        -> KeyPress(field, character)   (true: discard the key)
//   key released       -> KeyUp(field, keyCode)
//   focus gained/lost  -> GotFocus(field) / LostFocus(field)
//   RMS button         -> SurfaceFinishFeed()
//
// and re-reads the texts, selections, labels and hints after each event.
//
// The operation changes at a key release, on leaving a field and through
// the RMS button, each one change of the study through ws.Changes: labelled
// "Edit Operation 3", and typing in one field is one step (merge key
// "cut:<spindle>:<operation>:<field>"). An event that leaves the operation
// as it was changes nothing, so Dirty stays as it was. A new field text on
// its own is not stored yet: its key release or leaving the field stores it.
//
// Arithmetic never stops the form: an assignment whose result does not fit
// its variable (a division by zero, a 16-bit SFM, RPM or teeth count out of
// range, a Single out of range) is skipped and the previous value stays.

#include "document/studychanges.h"
#include "expr/expressionevaluator.h"
#include "platform/units.h"

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace arvex {

class Prompter;
struct Operation;
struct Workspace;

// Field numbers of the form.
enum CuttingField : int {
  kDiameterField = 0,
  kSurfaceSpeedField = 1,
  kSpindleSpeedField = 2,
  kFeedPerRevField = 3,
  kFeedPerMinuteField = 4,
  kCutLengthField = 5,
  kExtraRapidsField = 6,
  kSpindleIndexesField = 7,
  kDwellsField = 8,
  kOtherDescField = 9,
  kOtherSecondsField = 10,
  kFeedPerToothField = 11,
  kTeethField = 12,
};
inline constexpr int kCuttingFieldCount = 13;

// A spindle speed computed from a changed diameter is capped here.
inline constexpr std::int32_t kMaxComputedRpm = 20000;
// A typed surface speed above this is taken as this value.
inline constexpr double kMaxSurfaceSpeed = 2000;
// Key code of Enter.
inline constexpr int kEnterKeyCode = 13;

// Display formats.
inline const QString kSurfaceSpeedFormat = QStringLiteral("##.###;0;0");
inline const QString kFeedFormat = QStringLiteral(".####");
inline const QString kFeedPerMinuteFormat = QStringLiteral("###.####");
inline const QString kFormulaResultFormat = QStringLiteral("####.####");
inline const QString kConvertedFormat = QStringLiteral("#.####");
inline const QString kCutTimeFormat = QStringLiteral("###.###;;0");
inline const QString kLoadedCutTimeFormat = QStringLiteral("###.##;;0");

// Hints of the window.
inline const QString kUnitConversionHint =
    QStringLiteral("press i or m to convert data to In or MM  \".5m\" =12.7  \"12.7i\" =.5");
inline const QString kFormulaHint = QStringLiteral("ie:   (1+.2+.5-(2*4))/2");

// Questions and messages of the surface-finish feed.
inline const QString kRmsQuestion = QStringLiteral("What is the desired RMS? Example 16 or 32 or 63");
inline const QString kNoseRadiusQuestion =
    QStringLiteral("What is the tool nose radius you are using? Example .008 .0156 .0312");
inline const QString kRmsMissingMessage = QStringLiteral("You must have a value set for RMS and Tool nose radius!");

// The caption of a field in an inch or a metric document; "" for the fields
// that share their neighbour's caption (10 and 12).
QString CuttingFieldCaption(int field, bool metric);

// "Cut Time= " + the time formatted + " seconds".
QString CutTimeLabelText(double cutTime, const QString& format = kCutTimeFormat);

// The change of the study an edit of operation `number` is: "Edit Operation
// 3", merged with the edits before it that have the same field ("cut:1:3:5";
// field "" gives a step of its own).
StudyChange OperationEdit(int spindle, int number, const QString& field);

// The question asked when a spindle speed is over the machine's limit.
QString SpindleSpeedLimitQuestion(std::int16_t limit);

// A selection or caret in a field: Start characters in, Length selected.
struct TextSelection {
  int Start = 0;
  int Length = 0;
  bool operator==(const TextSelection&) const = default;
};

class CuttingConditionsForm {
 public:
  // The form of one spindle (1 main, 2 sub) of the workspace's time study;
  // no operation is selected yet.
  CuttingConditionsForm(Workspace& workspace, Prompter& prompter, int spindle);

  int Spindle() const { return spindle_; }
  // The selected operation number (1..100), 0 when none.
  int OperationNumber() const { return opNumber_; }

  // Shows operation `number` of the spindle: the numbers as plain text,
  // field 9 its text, the cut time label with "###.##;;0". Nothing in the
  // study changes. A number outside 1..100 selects nothing.
  void SelectOperation(int number);

  // ---- what the window shows ---------------------------------------------
  const QString& FieldText(int field) const;
  TextSelection Selection(int field) const;
  QString FieldCaption(int field) const;
  const QString& CutTimeText() const { return cutTimeText_; }
  // The note label: the last shop-calculator result.
  const QString& NoteText() const;
  bool FormulaHintVisible() const { return formulaHintVisible_; }
  // Fields 4, 11 and 12 are reached with Tab for live operations only.
  bool IsTabStop(int field) const;

  // The operation name as typed in the window's operation name combo; it
  // decides whether the feed per tooth is derived (a "live" name).
  const QString& OperationNameText() const { return opNameText_; }
  // False (and the double-quote message) when the text holds a double quote.
  bool SetOperationNameText(const QString& text);
  bool IsLive() const;

  // ---- events ------------------------------------------------------------
  // New text of a field, typed or pasted. A text holding a double quote is
  // refused with the message (false); the field keeps its text.
  bool SetFieldText(int field, const QString& text);
  // Selects the whole text; field 5 shows the formula hint.
  void GotFocus(int field);
  // A typed character, before it is inserted. True when the form consumed
  // it: a double quote (refused with its message) or, in fields 0 to 5, a
  // unit conversion key ("i", "I", "m", "M").
  bool KeyPress(int field, QChar typed);
  // A released key: RecalculateCuttingConditions(field, keyCode).
  void KeyUp(int field, int keyCode);
  // Leaving a field: CommitField(field).
  void LostFocus(int field);

  // ---- the routines --------------------------------------------------------
  // Each one change of the study, as the events above.
  // Recomputes the dependent fields after field `field` changed, writes
  // every field into the operation and updates the cut time. Enter (13) in
  // field 5 first evaluates the field's formula.
  void RecalculateCuttingConditions(int field, int keyCode = 0);
  // Stores one field into the operation; field 5 evaluates its formula
  // first, field 3 turns threads per inch (1 or more) into the pitch. The
  // cut time follows.
  void CommitField(int field);
  // The unit conversion keys of fields 0 to 5 (fields 0, 3, 4, 5 lengths,
  // field 1 a surface speed, field 2 stays). True when `key` is a conversion
  // key in one of these fields.
  bool ConvertFieldUnits(int field, QChar key);
  // Asks whether to go over the spindle's speed limit when n is above it;
  // "No" lowers n to the limit.
  void CheckSpindleSpeedLimit(std::int32_t& n);
  // The RMS button: the feed per revolution for a surface finish and a nose
  // radius, shown in field 3 and left in LastCalcText as "Feed= " + feed.
  void SurfaceFinishFeed();

  // The spindle speed limit of the selected operation: its live spindle for
  // a live operation on a tool post, else the main or sub spindle's.
  std::int16_t SpindleSpeedLimit() const;

 private:
  bool Metric() const;
  Operation* CurrentOperation();
  const Operation* CurrentOperation() const;
  // Sets a field's text.
  void Show(int field, const QString& text);
  // Runs work, which may change the selected operation, as one change of
  // the study; mergeField names the field for the merge key ("" for a step
  // of its own).
  void Edit(const QString& mergeField, const std::function<void()>& work);
  void Recalculate(int field, int keyCode);
  void Commit(int field);
  void EvaluateLengthFormula(bool enter);
  void CommitAll();
  void StoreField(Operation& op, int field) const;
  void UpdateCutTime();

  Workspace& ws_;
  Prompter& prompter_;
  int spindle_;
  int opNumber_ = 0;
  std::array<QString, kCuttingFieldCount> texts_;
  std::array<TextSelection, kCuttingFieldCount> selections_{};
  QString opNameText_;
  QString cutTimeText_;
  bool formulaHintVisible_ = false;
  bool editing_ = false;
  ExpressionEvaluator evaluator_;
};

}  // namespace arvex
