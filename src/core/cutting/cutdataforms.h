#pragma once
// The windows of the cutting-data database as toolkit-free forms: the
// read-only grid of the cutting data window, the material groups editor
// and the cutting database editor. A window mirrors a form's lists and
// selections and forwards the user's actions; every database error comes
// back to it as text instead of being swallowed.

#include "cutting/cutdataqueries.h"
#include "cutting/cuttingdatabase.h"
#include "cutting/materiallists.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace arvex {

// The refusal of an added material when no group has been chosen.
inline const QString kChooseGroupFirstMessage =
    QStringLiteral("Choose the material group first, then add the material to it.");

// ---- The grid of the cutting data window -------------------------------------------
// Shows the rows of the current material group that fit the operation
// being edited.
class CutDataGridForm {
 public:
  explicit CutDataGridForm(const CuttingDatabase& db) : db_(db) {}

  // "select * from cutdat where GrpIndex = " + group; collects the group's
  // operation types (up to 500) for the operation-type list.
  bool Open(int group, QString* error);
  // The rows for an operation name through its keyword (when an operation
  // is selected and whenever its name changes).
  bool ShowForOperationName(const QString& operationName, QString* error);
  // Exactly the rows of one type (an entry of the operation-type list).
  bool ShowOperationType(const QString& type, QString* error);

  int Group() const { return group_; }
  const QStringList& OperationTypes() const { return types_; }
  const CutDataQuery& RecordSource() const { return source_; }
  const std::vector<CuttingDataRecord>& Rows() const { return rows_; }

 private:
  bool Show(const CutDataQuery& query, QString* error);

  const CuttingDatabase& db_;
  int group_ = 0;
  QStringList types_;
  CutDataQuery source_;
  std::vector<CuttingDataRecord> rows_;
};

// What an editor action did.
enum class EditResult { Done, Ignored, Failed };

// ---- Material groups editor (frmMatGrps) ---------------------------------------------------
class MaterialGroupsForm {
 public:
  explicit MaterialGroupsForm(CuttingDatabase& db) : db_(db) {}

  // Lists the group names; no group is chosen yet.
  bool Open(QString* error);
  // Choosing list entry index: lists its materials ("select * from Material
  // where GrpIndex = " + index + 1) and makes it the current group.
  bool ChooseGroup(int index, QString* error);

  // The text boxes.
  QString GroupText;
  QString MaterialText;

  // Adds GroupText as a new group (ignored when it is empty or blank). On
  // success the name is appended to the list and chosen (it becomes the
  // current group), and GroupText is cleared. A name holding a double quote is refused, because the
  // material texts built from it are stored in time-study files.
  EditResult AddGroup(QString* error);
  // Adds MaterialText to the current group, in the same way.
  EditResult AddMaterial(QString* error);

  const QStringList& Groups() const { return groups_; }
  int SelectedGroup() const { return selectedGroup_; }
  // The current group number (list position + 1); 0 before one is chosen.
  int CurrentGroupNumber() const { return currentGroup_; }
  const QStringList& Materials() const { return materials_; }
  int SelectedMaterial() const { return selectedMaterial_; }

 private:
  CuttingDatabase& db_;
  QStringList groups_;
  QStringList materials_;
  int selectedGroup_ = -1;
  int currentGroup_ = 0;
  int selectedMaterial_ = -1;
};

// ---- Cutting database editor (frmAddCutDB) ---------------------------------------------------
class CuttingDataEditorForm {
 public:
  explicit CuttingDataEditorForm(CuttingDatabase& db) : db_(db) {}

  // Fills the material and group lists, binds the grid to the whole table
  // and collects its operation types (up to 500) and tool grades (up to 100).
  bool Open(QString* error);

  // The lists (each is shown both above and in the record area).
  const QStringList& MaterialTexts() const { return materialTexts_; }
  const QStringList& Groups() const { return groups_; }
  const QStringList& OperationTypes() const { return types_; }
  const QStringList& ToolGrades() const { return grades_; }

  // ---- The selections above (-1: none).
  // Choosing a material selects its group above.
  void ChooseAboveMaterial(int index);
  // Choosing a group clears the material above.
  void ChooseAboveGroup(int index);
  // The operation type above: chosen from the list or typed.
  QString AboveOperation;
  int AboveMaterial() const { return aboveMaterial_; }
  int AboveGroup() const { return aboveGroup_; }

  // ---- The record area: the fields of the current row, edited by the window.
  CuttingDataRecord Record;
  // Choosing a material selects its group and writes its number into Record.
  void ChooseRecordMaterial(int index);
  // Choosing a group writes its number into Record and clears the material.
  void ChooseRecordGroup(int index);
  int RecordMaterial() const { return recordMaterial_; }
  int RecordGroup() const { return recordGroup_; }

  // The six range fields as typed in the record area (FromSFM .. ToDiam):
  // each is read into Record, "" as an empty value. False, with *error
  // naming the field and its text, when one is no number; Record keeps
  // its values then.
  bool ReadRangeTexts(const QStringList& texts, QString* error);

  // ---- The grid.
  const CutDataQuery& RecordSource() const { return source_; }
  // Exactly the rows of Rows() as one query, for a view of the grid: the
  // record source, and the rows added or updated since it was loaded, which
  // stay in view even when the source does not select them.
  CutDataQuery ViewQuery() const;
  const std::vector<CuttingDataRecord>& Rows() const { return rows_; }
  // The current row (0-based), -1 when the grid is empty.
  int CurrentRow() const { return current_; }
  // The data control's caption: the current row's 0-based position, "" when empty.
  QString Caption() const;
  // Moving to another row: its fields fill the record area, its group is
  // selected there and the record's material selection is cleared.
  void MoveTo(int row);

  // "&Add": a new row from the selections above (group number into
  // GrpIndex, type into Operation, each only when chosen), stored at once;
  // the grid is read again and the new row becomes current, with the
  // selections above copied into the record area.
  bool Add(QString* error);
  // "&Update": stores the record area into the current row; a new operation
  // type or tool grade joins its list.
  bool Update(QString* error);
  // "&Delete": deletes the current row, then the row that followed it
  // becomes current (the last row when it was the last; none when the grid
  // is empty).
  bool Delete(QString* error);
  // "Show Above Data Only" and "Show All Cutting Data".
  bool ShowAboveDataOnly(QString* error);
  bool ShowAll(QString* error);

 private:
  bool Load(const CutDataQuery& query, QString* error);
  void Remember(const CuttingDataRecord& r);
  int GroupOfMaterial(int index) const;

  CuttingDatabase& db_;
  MaterialLists lists_;
  QStringList materialTexts_;
  QStringList groups_;
  QStringList types_;
  QStringList grades_;
  int aboveMaterial_ = -1;
  int aboveGroup_ = -1;
  int recordMaterial_ = -1;
  int recordGroup_ = -1;
  CutDataQuery source_;
  std::vector<CuttingDataRecord> rows_;
  std::vector<qint64> kept_;  // rows in view that the source may not select
  int current_ = -1;
};

}  // namespace arvex
