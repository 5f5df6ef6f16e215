#pragma once
// The cutting data window CutData as a form: the operations of one spindle
// (the 100-line list), the tool, operation name and holder combos, the
// thirteen cutting-condition fields (CuttingConditionsForm), the grid of
// recommended cutting data with its operation-type list, and the buttons
// that insert, delete, move, copy and paste operations. The window shows
// the texts and forwards its events; it refreshes after each of them.
//
// Every change of the study goes through ws.Changes: a field, the tool, the
// name or the holder as "Edit Operation 3" (typing in one control is one
// step), the buttons as "Insert Operation 3", "Delete Operation 3", "Paste
// Operation 3", "Move Operation 3 Up". An event that changes nothing leaves
// Dirty as it was, so opening the window and moving through the list never
// mark the study changed.
//
// The form never keeps a stale operation number: after its own insert,
// delete, paste or move, and whenever the study changes under it (Auto Set,
// an undo), it reads the selected line's operation again.

#include "cutting/cutdataforms.h"
#include "cutting/cuttingconditions.h"
#include "cutting/cuttingdatabase.h"
#include "document/timestudy.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace arvex {

class Prompter;
struct Workspace;

// What the window does for the form: the focus and the windows it opens.
class CutDataWindowHost {
 public:
  virtual ~CutDataWindowHost() = default;
  // Enter in the operation list: the tool combo gets the focus.
  virtual void FocusToolCombo() = 0;
  // "Auto Setting (Add Oper.)": frmAutoSet, modal, inserting into the
  // spindle's list before `place`.
  virtual void ShowAutoSet(int place) = 0;
  // "Show Tools": frmTPic, modal, with the spindle's tooling image.
  virtual void ShowToolImage() = 0;
  // "&Settings": the operation names editor frmAddOp, modal.
  virtual void ShowOperationNames() = 0;
};

class CutDataWindowForm {
 public:
  static inline const QString kMainCaption = QStringLiteral("Front Side Cut Data");
  static inline const QString kSubCaption = QStringLiteral("Back Side Cut Data");
  static inline const QString kNoMachineMessage = QStringLiteral(
      "You have not set a machine type yet. Please close this window and choose a machine type.");
  static inline const QString kDeleteQuestion = QStringLiteral("Are you sure you want to delete this tool? ");
  // An insert that would push the operation at place 100 off the list.
  static inline const QString kListFullMessage =
      QStringLiteral("Place 100 of this list holds an operation; delete an operation before you insert another.");
  // The keys of the operation list.
  static constexpr int kEnterKey = 13;
  static constexpr int kDeleteKey = 46;
  // The columns of the grid, in order; each is named as its column.
  static inline const QStringList kGridColumns = {
      QStringLiteral("Operation"), QStringLiteral("DepthofCut"), QStringLiteral("ToolGrade"),
      QStringLiteral("FromSFM"),   QStringLiteral("ToSFM"),      QStringLiteral("FromIPR"),
      QStringLiteral("ToIPR"),     QStringLiteral("FromDiam"),   QStringLiteral("ToDiam")};
  static constexpr int kLineCount = 100;

  // The window of one spindle (1 main, 2 sub) of the workspace's study.
  CutDataWindowForm(Workspace& ws, Prompter& prompter, CutDataWindowHost& host, int spindle);
  ~CutDataWindowForm();
  CutDataWindowForm(const CutDataWindowForm&) = delete;
  CutDataWindowForm& operator=(const CutDataWindowForm&) = delete;

  // Told when the study changed under the window (Auto Set, an undo) and
  // the form has read it again; the window refreshes.
  void SetOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

  // Opening: the material, the missing-machine message, the lists, the
  // database and the grid, then the operation the caller asked for
  // (EditMainOp or EditSubOp; line 0 when that is no place 1..100).
  void Open();

  // ---- what the window shows ----
  int Spindle() const { return spindle_; }
  // "Front Side Cut Data" or "Back Side Cut Data".
  const QString& Caption() const;
  // The material label: the study's material.
  const QString& MaterialText() const;
  // List1: 100 lines "3)T03-OD Turn" (slot, ")", ToolNo, "-", OpName); an
  // empty slot "7)-)".
  const QStringList& Lines() const { return lines_; }
  // The selected line (0..99); the operation is line + 1.
  int SelectedLine() const { return line_; }
  int OperationNumber() const { return line_ + 1; }
  // Combo1: "(Gang)" headings and "T03-OD Turn" entries; -1: none chosen.
  const QStringList& ToolEntries() const { return tools_; }
  int SelectedTool() const { return toolIndex_; }
  bool IsToolHeading(int index) const;
  // Combo2: the names of OPP-DESC.TXT (and a selected operation's name
  // that the file lacks); its text as shown.
  const QStringList& OperationNames() const { return names_; }
  int SelectedName() const { return nameIndex_; }
  const QString& OperationNameText() const { return conditions_.OperationNameText(); }
  // Combo3: the three holder headings with the machine's holders.
  const QStringList& HolderEntries() const { return holders_; }
  const QString& HolderText() const { return holderText_; }
  // Combo4: the operation types of the material group in the database.
  const QStringList& OperationTypes() const { return grid_.OperationTypes(); }
  int SelectedType() const { return typeIndex_; }
  // The grid's record source; the window shows its rows in kGridColumns.
  const CutDataQuery& GridSource() const { return grid_.RecordSource(); }
  const CutDataGridForm& Grid() const { return grid_; }
  // The database, open when the file could be opened.
  const CuttingDatabase& Database() const { return db_; }
  // The thirteen fields, their captions and Tab stops, the cut time, the
  // note and the hints.
  const CuttingConditionsForm& Conditions() const { return conditions_; }

  // ---- the operation list ----
  // Selecting line 0..99: the operation is shown in every control.
  void SelectLine(int line);
  // A key in the list: Enter (13) moves to the tool combo, Delete (46) is
  // "Delete Oper.".
  void ListKeyDown(int keyCode);

  // ---- the combos ----
  // Choosing a tool entry stores its tool number (a heading as it stands).
  void ChooseTool(int index);
  // Choosing a name from the list stores it.
  void ChooseOperationName(int index);
  // The name as typed; stored at once. False (and the double-quote
  // message) when it holds a double quote: the combo keeps its text.
  bool SetOperationNameText(const QString& text);
  // A character typed into the name or the holder combo: true (with the
  // message) for a double quote, which is not inserted.
  bool ComboKeyPress(QChar typed);
  // The holder combo gets the focus: when empty it shows the heading of
  // the operation name, as a hint that is not stored by itself.
  void HolderGotFocus();
  void ChooseHolder(int index);
  bool SetHolderText(const QString& text);
  // Leaving the holder combo stores the text the user chose or typed.
  void HolderLostFocus();
  // Combo4: exactly that type's rows in the grid.
  void ChooseOperationType(int index);

  // ---- the fields (CuttingConditionsForm) ----
  bool SetFieldText(int field, const QString& text);
  bool FieldKeyPress(int field, QChar typed);
  void FieldKeyUp(int field, int keyCode);
  void FieldGotFocus(int field);
  void FieldLostFocus(int field);
  // "RMS".
  void SurfaceFinishFeed();

  // ---- the buttons ----
  // "Add Oper. (before)": a blank operation before the selected one.
  void AddOperationBefore();
  // "Delete Oper." (and Delete in the list), after its question.
  void DeleteOperation();
  // "Auto Setting (Add Oper.)".
  void AutoSetting();
  // "Copy Op to memory" / "Paste Op from memory" (inserted before the
  // selected operation, which it then is).
  void CopyToMemory();
  void PasteFromMemory();
  bool HasMemory() const { return memory_.has_value(); }
  // "Move Op up one" / "Move Op down one": the selection follows.
  void MoveUp();
  void MoveDown();
  // "Show Tools".
  void ShowTools();
  // "&Settings": the names editor, then the names again and the operation
  // reselected.
  void OperationNamesSetup();

 private:
  const Operation& CurrentOperation() const;
  // False, with the message, when an operation cannot be inserted at the selection.
  bool CanInsertHere();
  // After the form's own change of the list: everything read again, and
  // line selected.
  void ListChanged(int line);
  QString LineText(int number) const;
  void BuildLines();
  void BuildToolEntries();
  void BuildHolderEntries();
  // Runs a change of the selected operation ("Edit Operation n").
  bool EditOperation(const QString& mergeField, const std::function<void(Operation&)>& edit);
  // Runs a change of the spindle's list; true when the list or its syncs changed.
  bool EditList(const QString& label, const std::function<bool(TimeStudy&)>& edit);
  // Stores a name typed or chosen: the tool entry and the list line follow,
  // and the grid shows the name's rows.
  void StoreOperationName(const QString& name);
  void StoreHolder(const QString& holder);
  void RelabelTool();
  void ShowGrid(bool ok, const QString& error);
  // The study changed under the form: everything is read again.
  void StudyChanged();

  Workspace& ws_;
  Prompter& prompter_;
  CutDataWindowHost& host_;
  int spindle_;
  CuttingConditionsForm conditions_;
  CuttingDatabase db_;
  CutDataGridForm grid_{db_};
  int listenId_ = 0;
  // Set while the form's own events change the study.
  int ownChanges_ = 0;
  std::function<void()> onChanged_;

  QStringList lines_;
  int line_ = 0;
  QStringList tools_;
  std::vector<bool> toolHeadings_;
  int toolIndex_ = -1;
  QStringList names_;
  int nameIndex_ = -1;
  QStringList holders_;
  QString holderText_;
  // The holder text is the heading put there on focus, untouched since.
  bool holderHint_ = false;
  int typeIndex_ = -1;
  std::optional<Operation> memory_;
};

}  // namespace arvex
