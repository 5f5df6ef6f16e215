#pragma once
// The cutting-data database: the material groups, the materials of each
// group and, per group and operation type, the recommended ranges of
// surface speed, feed and diameter with depth of cut and tool grade.
//
// One SQLite file, RVXCutData.db, in the application folder. When it is
// missing it is created from the SQL seed RVXCutData-seed.sql (the copy in
// the application folder, else the bundled one); an existing file is never
// replaced or altered in its structure. Every statement runs with bound
// values, so no text from a user or a file can change a query.
//
// Storage:
//   MaterialGrps(GrpIndex INTEGER PRIMARY KEY AUTOINCREMENT, GrpName TEXT)
//   Material(MatID INTEGER PRIMARY KEY, MatName TEXT, GrpIndex INTEGER)
//   cutdat(ID INTEGER PRIMARY KEY, GrpIndex INTEGER, Operation TEXT,
//          DepthofCut TEXT, ToolGrade TEXT, FromSFM .. ToDiam REAL or NULL)
// A group's number is its 1-based position in table order (the order of
// the GrpIndex the database assigns); groups are never deleted, so the
// numbers that materials and cutting data store stay valid.

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <array>
#include <optional>
#include <vector>

class QSqlQuery;

namespace arvex {

inline const QString kCutDataFileName = QStringLiteral("RVXCutData.db");
inline const QString kCutDataSeedName = QStringLiteral("RVXCutData-seed.sql");

// A row of Material.
struct MaterialRow {
  QString MatName;
  int GrpIndex = 0;
  bool operator==(const MaterialRow&) const = default;
};

// A row of cutdat. The six range fields are empty (nullopt) until given.
struct CuttingDataRecord {
  qint64 RowId = 0;  // the row's key; 0 while the row is not stored
  int GrpIndex = 0;  // material group number; 0 when no group is chosen
  QString Operation;
  QString DepthofCut;  // free text, e.g. ".040-.120" or "Peck 1 x D"
  QString ToolGrade;   // free text, e.g. "Carbide P25 CVD"
  std::optional<double> FromSFM;
  std::optional<double> ToSFM;
  std::optional<double> FromIPR;
  std::optional<double> ToIPR;
  std::optional<double> FromDiam;
  std::optional<double> ToDiam;
  bool operator==(const CuttingDataRecord&) const = default;
};

// The six range fields of a row in table order, with their column names.
struct RangeField {
  std::optional<double> CuttingDataRecord::*Member;
  const char16_t* Name;
};
inline constexpr std::array<RangeField, 6> kRangeFields = {{
    {&CuttingDataRecord::FromSFM, u"FromSFM"},
    {&CuttingDataRecord::ToSFM, u"ToSFM"},
    {&CuttingDataRecord::FromIPR, u"FromIPR"},
    {&CuttingDataRecord::ToIPR, u"ToIPR"},
    {&CuttingDataRecord::FromDiam, u"FromDiam"},
    {&CuttingDataRecord::ToDiam, u"ToDiam"},
}};

// A record source of a cutting-data grid: the query as the user knows it
// (values written in, quotes doubled) and the condition actually run, with
// its values bound.
struct CutDataQuery {
  QString Text;       // "select * from cutdat where GrpIndex = 3 and Operation = 'Drill'"
  QString Condition;  // "GrpIndex = ? and Operation = ?"; "" for the whole table
  QVariantList Values;
};

class CuttingDatabase {
 public:
  CuttingDatabase();
  ~CuttingDatabase();
  CuttingDatabase(const CuttingDatabase&) = delete;
  CuttingDatabase& operator=(const CuttingDatabase&) = delete;

  // Opens RVXCutData.db in appFolder (an existing file whose name differs
  // only in case counts). When there is none, creates it from
  // appFolder + RVXCutData-seed.sql, or from the seed in seedFolder when
  // the application folder has none. The file is built under a temporary
  // name and renamed into place, so a failed seed leaves no file behind.
  // On failure returns false and sets *error.
  bool Open(const QString& appFolder, const QString& seedFolder, QString* error);
  // The same with the bundled data folder as seedFolder.
  bool Open(const QString& appFolder, QString* error);
  void Close();
  bool IsOpen() const { return !connection_.isEmpty(); }
  QString FilePath() const { return path_; }
  // True when the last Open created the file from the seed.
  bool WasCreated() const { return created_; }

  // Group names in table order: entry i is group number i + 1.
  bool ReadGroupNames(QStringList* names, QString* error) const;
  // Appends a group; *number receives its number (its position).
  bool AddGroup(const QString& name, int* number, QString* error);

  // Every material in table order.
  bool ReadMaterials(std::vector<MaterialRow>* materials, QString* error) const;
  // "select * from Material where GrpIndex = " + group: the names in table order.
  bool ReadMaterialsOfGroup(int group, QStringList* names, QString* error) const;
  bool AddMaterial(const QString& name, int group, QString* error);

  // The cutdat rows a query selects, in table order.
  bool Select(const CutDataQuery& query, std::vector<CuttingDataRecord>* rows, QString* error) const;
  // The same rows for a view: `columns` ("Operation, DepthofCut") of the
  // rows the query selects, in table order, as an executed statement on
  // this database's connection, for a Qt SQL model to take over.
  bool RunSelect(const CutDataQuery& query, const QString& columns, QSqlQuery* statement, QString* error) const;
  // Stores a new row; record->RowId receives its key.
  bool Insert(CuttingDataRecord* record, QString* error);
  // Stores every row in one transaction: all of them or none.
  bool InsertAll(std::vector<CuttingDataRecord>* records, QString* error);
  // Writes the row with record.RowId; fails when that row no longer exists.
  bool Update(const CuttingDataRecord& record, QString* error);
  // Deletes the row; *deleted (when given) tells whether it still existed.
  bool Delete(qint64 rowId, QString* error, bool* deleted = nullptr);

 private:
  bool OpenConnection(const QString& path, QString* error);
  bool ExecSelect(const CutDataQuery& query, const QString& columns, bool forwardOnly, QSqlQuery* statement,
                  QString* error) const;
  bool CheckTables(QString* error) const;

  QString connection_;
  QString path_;
  bool created_ = false;
};

// The database file of an application folder: the exact name when it
// exists, else a file whose name matches in any case, else "" (none yet).
QString FindCutDataFile(const QString& appFolder);

// The text of a range value: its number text (".002", "850"), "" when empty.
QString RangeText(const std::optional<double>& value);
// Reads a range value typed or imported as text: "" (blanks only) is an
// empty value; otherwise the whole text must be one finite number
// ("850", ".002", "1.5E-3"). Returns false for anything else.
bool ParseRangeText(const QString& text, std::optional<double>* value);

}  // namespace arvex
