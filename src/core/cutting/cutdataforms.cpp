#include "cutting/cutdataforms.h"

#include "platform/numtext.h"
#include "platform/textinput.h"

#include <algorithm>

namespace arvex {

namespace {

bool IsBlank(const QString& text) { return text.trimmed().isEmpty(); }

bool HoldsDoubleQuote(const QString& text, QString* error) {
  if (!text.contains(u'"')) return false;
  if (error) *error = kDoubleQuoteMessage;
  return true;
}

}  // namespace

// ---- CutDataGridForm ---------------------------------------------------------------

bool CutDataGridForm::Open(int group, QString* error) {
  group_ = group;
  types_.clear();
  if (!Show(GroupQuery(group), error)) return false;
  types_ = CollectOperationTypes(rows_);
  return true;
}

bool CutDataGridForm::ShowForOperationName(const QString& operationName, QString* error) {
  return Show(KeywordQuery(group_, types_, GridKeyword(operationName)), error);
}

bool CutDataGridForm::ShowOperationType(const QString& type, QString* error) {
  return Show(OperationTypeQuery(group_, type), error);
}

bool CutDataGridForm::Show(const CutDataQuery& query, QString* error) {
  source_ = query;
  return db_.Select(query, &rows_, error);
}

// ---- MaterialGroupsForm --------------------------------------------------------------

bool MaterialGroupsForm::Open(QString* error) {
  materials_.clear();
  selectedGroup_ = -1;
  currentGroup_ = 0;
  selectedMaterial_ = -1;
  return db_.ReadGroupNames(&groups_, error);
}

bool MaterialGroupsForm::ChooseGroup(int index, QString* error) {
  if (index < 0 || index >= groups_.size()) return true;
  selectedGroup_ = index;
  currentGroup_ = index + 1;
  selectedMaterial_ = -1;
  return db_.ReadMaterialsOfGroup(currentGroup_, &materials_, error);
}

EditResult MaterialGroupsForm::AddGroup(QString* error) {
  if (IsBlank(GroupText)) return EditResult::Ignored;
  if (HoldsDoubleQuote(GroupText, error)) return EditResult::Failed;
  int number = 0;
  if (!db_.AddGroup(GroupText, &number, error)) return EditResult::Failed;
  groups_ << GroupText;
  GroupText.clear();
  // Selecting the new entry chooses it, so its materials can follow at once.
  if (!ChooseGroup(static_cast<int>(groups_.size()) - 1, error)) return EditResult::Failed;
  return EditResult::Done;
}

EditResult MaterialGroupsForm::AddMaterial(QString* error) {
  if (IsBlank(MaterialText)) return EditResult::Ignored;
  if (currentGroup_ < 1) {
    if (error) *error = kChooseGroupFirstMessage;
    return EditResult::Failed;
  }
  if (HoldsDoubleQuote(MaterialText, error)) return EditResult::Failed;
  if (!db_.AddMaterial(MaterialText, currentGroup_, error)) return EditResult::Failed;
  materials_ << MaterialText;
  selectedMaterial_ = static_cast<int>(materials_.size()) - 1;
  MaterialText.clear();
  return EditResult::Done;
}

// ---- CuttingDataEditorForm ----------------------------------------------------------------

bool CuttingDataEditorForm::Open(QString* error) {
  aboveMaterial_ = aboveGroup_ = recordMaterial_ = recordGroup_ = -1;
  AboveOperation.clear();
  Record = CuttingDataRecord();
  if (!LoadMaterialLists(db_, &lists_, error)) return false;
  materialTexts_ = MaterialDisplayTexts(lists_);
  groups_ = lists_.GroupNames.mid(1);
  if (!Load(WholeTableQuery(), error)) return false;
  types_ = CollectOperationTypes(rows_);
  grades_ = CollectToolGrades(rows_);
  return true;
}

int CuttingDataEditorForm::GroupOfMaterial(int index) const {
  if (index < 0 || index >= materialTexts_.size()) return 0;
  const int g = lists_.MaterialGroups[static_cast<size_t>(index) + 1];
  return g >= 1 && g <= groups_.size() ? g : 0;
}

void CuttingDataEditorForm::ChooseAboveMaterial(int index) {
  if (index < 0 || index >= materialTexts_.size()) return;
  aboveMaterial_ = index;
  aboveGroup_ = GroupOfMaterial(index) - 1;
}

void CuttingDataEditorForm::ChooseAboveGroup(int index) {
  if (index < 0 || index >= groups_.size()) return;
  aboveGroup_ = index;
  aboveMaterial_ = -1;
}

void CuttingDataEditorForm::ChooseRecordMaterial(int index) {
  if (index < 0 || index >= materialTexts_.size()) return;
  recordMaterial_ = index;
  const int g = GroupOfMaterial(index);
  recordGroup_ = g - 1;
  if (g > 0) Record.GrpIndex = g;
}

void CuttingDataEditorForm::ChooseRecordGroup(int index) {
  if (index < 0 || index >= groups_.size()) return;
  recordGroup_ = index;
  Record.GrpIndex = index + 1;
  recordMaterial_ = -1;
}

QString CuttingDataEditorForm::Caption() const {
  return current_ < 0 ? QString() : Format(static_cast<std::int64_t>(current_), u"0");
}

void CuttingDataEditorForm::MoveTo(int row) {
  if (rows_.empty()) {
    current_ = -1;
    Record = CuttingDataRecord();
    recordGroup_ = recordMaterial_ = -1;
    return;
  }
  current_ = std::clamp(row, 0, static_cast<int>(rows_.size()) - 1);
  Record = rows_[static_cast<size_t>(current_)];
  recordGroup_ = Record.GrpIndex >= 1 && Record.GrpIndex <= groups_.size() ? Record.GrpIndex - 1 : -1;
  recordMaterial_ = -1;
}

bool CuttingDataEditorForm::ReadRangeTexts(const QStringList& texts, QString* error) {
  CuttingDataRecord read = Record;
  for (size_t k = 0; k < kRangeFields.size(); ++k) {
    const QString text = static_cast<qsizetype>(k) < texts.size() ? texts[static_cast<qsizetype>(k)] : QString();
    if (!ParseRangeText(text, &(read.*kRangeFields[k].Member))) {
      if (error) {
        *error = QString::fromUtf16(kRangeFields[k].Name) + QStringLiteral(": \"") + text +
                 QStringLiteral("\" is not a number.");
      }
      return false;
    }
  }
  Record = read;
  return true;
}

CutDataQuery CuttingDataEditorForm::ViewQuery() const {
  if (kept_.empty() || source_.Condition.isEmpty()) return source_;
  CutDataQuery q = source_;
  QStringList marks;
  for (const qint64 id : kept_) {
    marks << QStringLiteral("?");
    q.Values << id;
  }
  q.Condition = u'(' + q.Condition + QStringLiteral(") or rowid in (") + marks.join(QStringLiteral(", ")) + u')';
  return q;
}

bool CuttingDataEditorForm::Load(const CutDataQuery& query, QString* error) {
  source_ = query;
  kept_.clear();
  const bool ok = db_.Select(query, &rows_, error);
  MoveTo(0);
  return ok;
}

void CuttingDataEditorForm::Remember(const CuttingDataRecord& r) {
  if (!r.Operation.isEmpty() && !types_.contains(r.Operation) && types_.size() < kMaxOperationTypes)
    types_ << r.Operation;
  if (!r.ToolGrade.isEmpty() && !grades_.contains(r.ToolGrade) && grades_.size() < kMaxToolGrades)
    grades_ << r.ToolGrade;
}

bool CuttingDataEditorForm::Add(QString* error) {
  CuttingDataRecord row;
  if (aboveGroup_ >= 0) row.GrpIndex = aboveGroup_ + 1;
  if (!AboveOperation.isEmpty()) row.Operation = AboveOperation;
  if (!db_.Insert(&row, error)) return false;
  std::vector<CuttingDataRecord> rows;
  if (!db_.Select(ViewQuery(), &rows, error)) return false;
  rows_ = std::move(rows);
  int at = -1;
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].RowId == row.RowId) at = static_cast<int>(i);
  }
  // A row the record source does not select stays in view until the grid
  // is shown again, so that it can be edited at once.
  if (at < 0) {
    rows_.push_back(row);
    kept_.push_back(row.RowId);
    at = static_cast<int>(rows_.size()) - 1;
  }
  MoveTo(at);
  if (aboveMaterial_ >= 0) recordMaterial_ = aboveMaterial_;
  if (aboveGroup_ >= 0) recordGroup_ = aboveGroup_;
  Remember(row);
  return true;
}

bool CuttingDataEditorForm::Update(QString* error) {
  if (current_ < 0) {
    if (error) *error = QStringLiteral("There is no cutting data row to update.");
    return false;
  }
  CuttingDataRecord edited = Record;
  edited.RowId = rows_[static_cast<size_t>(current_)].RowId;
  if (!db_.Update(edited, error)) return false;
  rows_[static_cast<size_t>(current_)] = edited;
  // An edited row stays in view even when the source no longer selects it.
  kept_.push_back(edited.RowId);
  Record = edited;
  Remember(edited);
  return true;
}

bool CuttingDataEditorForm::Delete(QString* error) {
  if (current_ < 0) {
    if (error) *error = QStringLiteral("There is no cutting data row to delete.");
    return false;
  }
  const int at = current_;
  if (!db_.Delete(rows_[static_cast<size_t>(at)].RowId, error)) return false;
  rows_.erase(rows_.begin() + at);
  // The row that followed takes the deleted row's place; after the last
  // row, the new last row is current.
  MoveTo(at);
  return true;
}

bool CuttingDataEditorForm::ShowAboveDataOnly(QString* error) {
  return Load(AboveDataQuery(aboveGroup_ + 1, AboveOperation), error);
}

bool CuttingDataEditorForm::ShowAll(QString* error) { return Load(ShowAllQuery(), error); }

}  // namespace arvex
