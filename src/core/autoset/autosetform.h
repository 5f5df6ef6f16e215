#pragma once
// The Auto Set window (frmAutoSet, "Cutdata Auto Set") as a form without
// widgets. It generates a whole sequence of operations with worked-out
// cutting conditions (center drill, drill, taps or ream; a flat-milling path;
// a single-point thread) and inserts them into CurrentSpindle's list before
// the operation selected in the cutting data window.
//
// The window mirrors the form and forwards its events:
//
//   loading                  -> Load()
//   Combo1 click             -> ChooseKind(index)
//   Combo2 selection         -> SetFirstToolIndex(index)
//   Option1 / Option2 / Option3 clicks
//                            -> ClickCenterType / SetLive / ClickPeckPattern
//   a field's text changed   -> Change(field, text)        (false: refused)
//   a key typed in a field   -> KeyPress(field, key)       (true: discard it)
//   leaving a field          -> LostFocus(field)
//   "Pick Tap"               -> StartPickTap(), the tap drill window
//                               shown modally, then PickTap()
//   "Show Tools"             -> ShowTools()   (a path: open the image window)
//   "Add to CutData Exit"    -> Generate(place)
//   "Exit"                   -> Exit()
//
// and re-reads texts, labels, frames and lists after each event; IsClosed()
// tells it to close. The form changes only its own fields until Generate
// writes the operations; Load reads the center drill table afresh.
//
// Field values are read with ParseNumber (the leading number; the first ","
// is the decimal point where the locale writes a decimal comma, so that the
// texts the form itself formats read back); whole values are those values
// rounded halves to even to 16 bits.

#include "autoset/autosetrules.h"
#include "document/timestudy.h"
#include "platform/prompter.h"
#include "shop/shoptables.h"
#include "shop/tapdrillresult.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace arvex {

struct Workspace;

// The kinds of sequence, in the order of Combo1's entries (index 0 to 4).
enum class AutoSetKind { None, Drill, Tap, Ream, MillFlats, Threads };

// The six frames a kind shows.
enum class AutoSetFrame { CenterType, Drill, Tap, Ream, Mill, Threads };

// The field arrays of the window; Holes is the single field txtHoles.
enum class AutoSetArray { CD, DR, Tap, Ream, Mill, Thd, Holes };

// One field: an array and an index in it (txtDR(5) is {DR, 5}).
struct AutoSetField {
  AutoSetArray Array = AutoSetArray::CD;
  int Index = 0;

  static constexpr AutoSetField CD(int i) { return {AutoSetArray::CD, i}; }
  static constexpr AutoSetField DR(int i) { return {AutoSetArray::DR, i}; }
  static constexpr AutoSetField Tap(int i) { return {AutoSetArray::Tap, i}; }
  static constexpr AutoSetField Ream(int i) { return {AutoSetArray::Ream, i}; }
  static constexpr AutoSetField Mill(int i) { return {AutoSetArray::Mill, i}; }
  static constexpr AutoSetField Thd(int i) { return {AutoSetArray::Thd, i}; }
  static constexpr AutoSetField Holes() { return {AutoSetArray::Holes, 0}; }
  bool operator==(const AutoSetField&) const = default;
};

// Number of fields of an array (CD 4, DR 6, Tap 5, Ream 4, Mill 9, Thd 7,
// Holes 1).
int AutoSetArraySize(AutoSetArray array);

// Center type (Option1).
enum class CenterType { CenterDrill, Spot };

// ---- Texts of the window ---------------------------------------------------------

inline const QString kAutoSetCaption = QStringLiteral("Cutdata Auto Set");
// The label of Combo1, and the name of the unlabelled tap name box txtTap(0)
// for assistive technology.
inline const QString kKindLabel = QStringLiteral("&Kind of sequence:");
inline const QString kTapNameAccessibleName = QStringLiteral("Tap name");
inline const QString kFirstToolFrameCaption = QStringLiteral("1st Tool Number");
inline const QString kOperationFrameCaption = QStringLiteral("Opperation");
inline const QString kOnCenterCaption = QStringLiteral("On Center");
inline const QString kLiveCaption = QStringLiteral("Live");
inline const QString kUseCenterDrillCaption = QStringLiteral("Use Center Drill");
inline const QString kUseSpotCaption = QStringLiteral("Use 90deg Spot");
inline const QString kPecks321Caption = QStringLiteral("Pecks 3d,2d,1d,1d-");
inline const QString kPecks21Caption = QStringLiteral("Pecks 2d,1d,1d-");
inline const QString kPecks1Caption = QStringLiteral("Pecks 1d,1d,1d-");
inline const QString kPickTapCaption = QStringLiteral("Pick Tap");
inline const QString kShowToolsCaption = QStringLiteral("Show Tools");
inline const QString kAddCaption = QStringLiteral("Add to CutData Exit");
inline const QString kExitCaption = QStringLiteral("Exit");
inline const QString kAutoSetUnitHint = QStringLiteral("Press .5m to convert to mm  or  12.7i to inch");
inline const QString kHoleKindInstruction = QStringLiteral(
    "Input the Tap/Ream data first and the drill and center data will be set automatically! When finished press "
    "the 'Add to' button to insert the data into your Time Study.");
inline const QString kMillKindInstruction = QStringLiteral(
    "Input the data and click on 'Add to' and it will added to the Time Study for you! The milled path is "
    "calculated across the diam. If you want to mill by using a 'Z' path exit and input the data without using "
    "Auto Set.");
inline const QString kThreadKindInstruction =
    QStringLiteral("Input the data and click on 'Add to' and it will added to the Time Study for you!");

inline const QString kChooseFirstToolMessage = QStringLiteral("Please choose the first tool location used!");
inline const QString kCheckAddedMessage = QStringLiteral(
    "Please check the SFM/RPM for each item added. Also add the tool numbers and tool holders to your cutting "
    "data!");
// "Add to CutData Exit" with no kind chosen.
inline const QString kChooseKindMessage =
    QStringLiteral("Please choose the kind of operations to add (Drill, Tap, Ream, Mill Flats or Threads)!");
// A live sequence whose number of features is negative or no 16-bit number.
inline const QString kLiveFeaturesMessage = QStringLiteral(
    "The number of live features must be a whole number from 1 to 32767 (empty or 0 counts as 1). Nothing was "
    "added.");

// "There is no room for n more operations in this list (100 at most).
// Nothing was added." when the operations after the place would be pushed
// beyond place 100; "There is no room for n operations from place P on
// (the list ends at 100). Nothing was added." when the new operations
// themselves would not fit below place 100.
QString NoRoomMessage(int count, int place, bool listTooFull);

// The five entries of Combo1.
QStringList AutoSetKindEntries();
// The label of a field in an inch or a metric study ("" for txtTap(0) and
// for an index outside its array).
QString AutoSetLabel(AutoSetField field, bool metric);
// The caption of a frame.
QString AutoSetFrameCaption(AutoSetFrame frame);

// ---- The form ----------------------------------------------------------------------

// What "Add to CutData Exit" did.
enum class AutoSetOutcome {
  Added,             // operations inserted through ws.Changes, closing message shown, form closed
  NoFirstTool,       // no tool chosen (or a post name at index 0): focus to Combo2
  NoKind,            // no kind chosen
  BadFeatureCount,   // live features negative or out of range
  QuoteInName,       // a generated name would hold a double quote
  NoRoom,            // the list cannot take the operations
};

struct AutoSetResult {
  AutoSetOutcome Outcome = AutoSetOutcome::NoFirstTool;
  int Place = 0;  // first place written (Added)
  int Count = 0;  // operations written (Added)
};

class AutoSetForm {
 public:
  AutoSetForm(Workspace& workspace, Prompter& prompter);

  // ---- events ------------------------------------------------------------------
  // Loading: Combo1's entries, the unit factor, number format, labels and
  // defaults of the study's units, the center drill table in those units
  // (a missing file: its message, and Combo2 stays empty), then Combo2 with
  // CurrentSpindle's tool positions. Resets every field and choice.
  void Load();
  // Combo1 click: index 0 to 4 (anything else chooses no kind). Shows the
  // kind's frames and instruction text.
  void ChooseKind(int index);
  // Combo2 selection (-1: nothing chosen).
  void SetFirstToolIndex(int index) { firstToolIndex_ = index; }
  // Option1 click: selects the center type and sets the center data.
  void ClickCenterType(CenterType type);
  // Option3 click: selects the peck pattern and sets the number of pecks.
  void ClickPeckPattern(PeckPattern pattern);
  // Option2: "On Center" (false) or "Live" (true).
  void SetLive(bool live) { live_ = live; }

  // A field's new text (typed or pasted). In txtCD and txtTap a text holding
  // a double quote is refused with the message (false; the field keeps its
  // text). A change runs the field's coupling (drill diameter and depth, tap
  // depth, ream diameter and depth).
  bool Change(AutoSetField field, const QString& text);
  // A typed character before it is inserted; true when the form consumed it.
  // A double quote in txtCD and txtTap is refused with its message. In
  // txtCD, txtDR, txtTap, txtReam and txtMill "m"/"M" and "i"/"I" are never
  // inserted: in the length and surface speed fields they convert the value
  // to metric or to inch. The two name fields (txtCD(0), txtTap(0)) take
  // every letter.
  bool KeyPress(AutoSetField field, QChar key);
  // Leaving a field: the mill feed-per-tooth coupling and the thread
  // calculations.
  void LostFocus(AutoSetField field);
  // "Pick Tap", before the tap drill window opens: clears ChosenTapText
  // and TapDrillResult, so that PickTap can tell whether the window left a
  // tap of its own.
  void StartPickTap();
  // After the tap drill window closed: ChosenTapText into txtTap(0), the
  // diameter, pitch and drill size of TapDrillResult (x 25.4 in a metric
  // study) into txtTap(1), txtTap(2) and txtDR(0), then the center data.
  // After StartPickTap, a window closed without choosing or working out a
  // tap changes no field and gives both values back as they were.
  void PickTap();
  // "Show Tools": the path of CurrentSpindle's tooling image when it exists,
  // else the missing-image message and nullopt.
  std::optional<QString> ShowTools();
  // "Add to CutData Exit". `place` is the number of the operation selected
  // in the cutting data window (its list index + 1); nullopt, or a place
  // outside 1..100, means no line is selected and the operations are added
  // after the last operation of the list. Nothing is written unless every
  // check passes and the list has room. The insertion is one change of the
  // study ("Auto Set") through ws.Changes, which sets Dirty.
  AutoSetResult Generate(std::optional<int> place);
  // "Exit": closes without changes.
  void Exit() { closed_ = true; }

  // ---- what the window shows -------------------------------------------------
  const QString& Text(AutoSetField field) const;
  QString Label(AutoSetField field) const;
  bool FrameVisible(AutoSetFrame frame) const { return frames_[static_cast<std::size_t>(frame)]; }
  const QString& Instruction() const { return instruction_; }  // Label1
  const QStringList& KindEntries() const { return kindEntries_; }  // Combo1
  AutoSetKind Kind() const { return kind_; }
  const QStringList& ToolEntries() const { return toolEntries_; }  // Combo2
  int FirstToolIndex() const { return firstToolIndex_; }
  CenterType CenterTypeChoice() const { return centerType_; }
  PeckPattern PeckPatternChoice() const { return peckPattern_; }
  bool Live() const { return live_; }
  bool IsClosed() const { return closed_; }

  // 12 in an inch study, 1000 in a metric one (set by Load).
  double UnitFactor() const { return unitFactor_; }
  // "#.####;-#.####;0" in inch, "##.###;-##.###;0" in metric.
  const QString& NumberFormat() const { return numberFormat_; }
  const CenterDrillTable& CenterTable() const { return centerTable_; }

  // ---- the routines ------------------------------------------------------------
  // The center data: center drill (or 90 degree spot) name and feed depth in
  // txtCD(0) and txtCD(1) for the hole of the chosen kind.
  void SetCenterData();
  // The number of pecks in txtDR(3) from the drill diameter, the depth and
  // the pattern (nothing changes when they give none).
  void SetNumberOfPecks();

 private:
  static constexpr int kMaxFields = 9;
  using FieldArray = std::array<QString, kMaxFields>;

  bool Metric() const;
  int Spindle() const;
  QString& TextRef(AutoSetField field);
  double Value(AutoSetField field) const;
  std::optional<std::int16_t> Whole(AutoSetField field) const;
  std::int16_t WholeOr0(AutoSetField field) const;
  // Sets a text as the program does; a change runs the field's coupling.
  void Set(AutoSetField field, const QString& text);
  void Changed(AutoSetField field);
  void ResetFields();
  void MillFieldLeft(int index);
  void ThreadFieldLeft(int index);
  Operation MillOperation(const QString& tool) const;
  Operation ThreadOperation(const QString& tool) const;
  std::vector<Operation> HoleSequence(const QString& t1, const QString& t2, const QString& t3, int holes) const;

  Workspace& ws_;
  Prompter& prompter_;
  std::array<FieldArray, 7> texts_;
  std::array<bool, 6> frames_{};
  QString instruction_;
  QStringList kindEntries_;
  AutoSetKind kind_ = AutoSetKind::None;
  QStringList toolEntries_;
  int firstToolIndex_ = -1;
  CenterType centerType_ = CenterType::CenterDrill;
  PeckPattern peckPattern_ = PeckPattern::TwoOne;
  bool live_ = false;
  bool closed_ = false;
  double unitFactor_ = 12;
  QString numberFormat_;
  CenterDrillTable centerTable_;
  // The tap drill values as StartPickTap found them.
  struct PickedTap {
    TapDrillValues Result;
    QString Name;
  };
  std::optional<PickedTap> beforePickTap_;
};

}  // namespace arvex
