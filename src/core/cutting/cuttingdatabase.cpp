#include "cutting/cuttingdatabase.h"

#include "cutting/sqlscript.h"
#include "platform/appfolder.h"
#include "platform/numtext.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QFile>
#include <QRandomGenerator>

#include <atomic>
#include <climits>
#include <cmath>

namespace arvex {

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
const QString kNotOpen = QStringLiteral("The cutting-data database is not open.");

// The columns of cutdat in the order every statement here uses them.
const QString kCutDatColumns = QStringLiteral(
    "GrpIndex, Operation, DepthofCut, ToolGrade, FromSFM, ToSFM, FromIPR, ToIPR, FromDiam, ToDiam");

// Each database gets a connection of its own, so several can be open.
QString NewConnectionName() {
  static std::atomic<int> counter{0};
  return QStringLiteral("arvex-cutdata-%1").arg(++counter);
}

QString ErrorText(const QSqlError& e) {
  QString text = e.databaseText();
  if (text.isEmpty()) text = e.driverText();
  if (text.isEmpty()) text = QStringLiteral("unknown database error");
  return text;
}

void SetError(QString* error, const QString& action, const QSqlError& e) {
  if (error) *error = action + QStringLiteral(": ") + ErrorText(e);
}

void SetError(QString* error, const QString& text) {
  if (error) *error = text;
}

bool Fail(QString* error, const QString& text) {
  SetError(error, text);
  return false;
}

// The texts are NOT NULL in the table; a null QString would bind as NULL.
QVariant TextValue(const QString& s) { return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s); }

QVariant RangeValue(const std::optional<double>& v) {
  return v ? QVariant(*v) : QVariant(QMetaType::fromType<double>());
}

std::optional<double> RangeOf(const QVariant& v) {
  if (v.isNull()) return std::nullopt;
  bool ok = false;
  const double d = v.toDouble(&ok);
  if (!ok || !std::isfinite(d)) return std::nullopt;
  return d;
}

// A whole number field; anything that is not a number in int range reads as 0.
int IntOf(const QVariant& v) {
  bool ok = false;
  const qlonglong n = v.toLongLong(&ok);
  if (!ok || n < INT_MIN || n > INT_MAX) return 0;
  return static_cast<int>(n);
}

void BindRecord(QSqlQuery& q, const CuttingDataRecord& r) {
  q.addBindValue(r.GrpIndex);
  q.addBindValue(TextValue(r.Operation));
  q.addBindValue(TextValue(r.DepthofCut));
  q.addBindValue(TextValue(r.ToolGrade));
  q.addBindValue(RangeValue(r.FromSFM));
  q.addBindValue(RangeValue(r.ToSFM));
  q.addBindValue(RangeValue(r.FromIPR));
  q.addBindValue(RangeValue(r.ToIPR));
  q.addBindValue(RangeValue(r.FromDiam));
  q.addBindValue(RangeValue(r.ToDiam));
}

const QString kInsertRow =
    QStringLiteral("insert into cutdat (") + kCutDatColumns + QStringLiteral(") values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

// Adds a connection to the SQLite file at path and opens it. On failure the
// connection is removed again, *error says why (openFailure + path when the
// file cannot be opened) and "" is returned; otherwise the connection name.
QString OpenSqliteConnection(const QString& path, const QString& openFailure, QString* error) {
  const QString name = NewConnectionName();
  bool ok = true;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, name);
    db.setDatabaseName(path);
    if (!db.isValid()) {
      SetError(error, QStringLiteral("The SQLite database driver is not available."));
      ok = false;
    } else if (!db.open()) {
      SetError(error, openFailure + path, db.lastError());
      ok = false;
    }
  }
  if (ok) return name;
  QSqlDatabase::removeDatabase(name);
  return QString();
}

// Runs the seed statements on a fresh file in one transaction.
bool RunSeed(const QString& path, const QStringList& statements, QString* error) {
  const QString name = OpenSqliteConnection(path, QStringLiteral("Cannot create "), error);
  if (name.isEmpty()) return false;
  bool ok = true;
  {
    QSqlDatabase db = QSqlDatabase::database(name, false);
    ok = db.transaction();
    if (!ok) SetError(error, QStringLiteral("Cannot create ") + path, db.lastError());
    for (qsizetype i = 0; ok && i < statements.size(); ++i) {
      QSqlQuery q(db);
      if (!q.exec(statements[i])) {
        SetError(error, QStringLiteral("Statement %1 of the seed fails (%2)").arg(i + 1).arg(statements[i].left(60)),
                 q.lastError());
        ok = false;
      }
    }
    if (ok && !db.commit()) {
      SetError(error, QStringLiteral("Cannot create ") + path, db.lastError());
      ok = false;
    }
    if (!ok) db.rollback();
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
  return ok;
}

// A file name in folder that does not exist yet, for building the database.
QString ScratchName(const QString& folder) {
  for (;;) {
    const QString name = folder + QStringLiteral("RVXCutData-%1.creating")
                                      .arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0'));
    if (!QFileInfo::exists(name)) return name;
  }
}

// Builds the database from the seed under a temporary name, then renames
// it into place. *path receives the file to open.
bool CreateFromSeed(const QString& folder, const QString& seedFolder, QString* path, QString* error) {
  const QString target = folder + kCutDataFileName;
  QString seedPath = folder + kCutDataSeedName;
  if (!QFileInfo(seedPath).isFile() && !seedFolder.isEmpty()) {
    seedPath = WithTrailingSeparator(seedFolder) + kCutDataSeedName;
  }
  if (!QFileInfo(seedPath).isFile()) {
    SetError(error, QStringLiteral("The cutting-data database ") + target +
                        QStringLiteral(" does not exist and cannot be created: the seed file ") + kCutDataSeedName +
                        QStringLiteral(" was not found."));
    return false;
  }
  QByteArray bytes;
  FileError fileError;
  if (!ReadFileBytes(seedPath, &bytes, &fileError)) {
    SetError(error, QStringLiteral("Cannot read the seed file ") + seedPath + QStringLiteral(": ") +
                        fileError.Description);
    return false;
  }
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  const QStringList statements = SplitSqlStatements(QString::fromUtf8(bytes));

  const QString scratch = ScratchName(folder);
  if (!RunSeed(scratch, statements, error)) {
    QFile::remove(scratch);
    QFile::remove(scratch + QStringLiteral("-journal"));
    return false;
  }
  // rename never replaces an existing file: should one have appeared in the
  // meantime, that one is used and the scratch copy goes.
  if (!QFile::rename(scratch, target)) {
    QFile::remove(scratch);
    if (QFileInfo(target).isFile()) {
      *path = target;
      return true;
    }
    SetError(error, QStringLiteral("Cannot create ") + target + QStringLiteral(": the file cannot be renamed into place."));
    return false;
  }
  *path = target;
  return true;
}

}  // namespace

QString FindCutDataFile(const QString& appFolder) {
  const QString folder = WithTrailingSeparator(appFolder);
  if (QFileInfo(folder + kCutDataFileName).isFile()) return folder + kCutDataFileName;
  const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  for (const QString& e : entries) {
    if (e.compare(kCutDataFileName, Qt::CaseInsensitive) == 0) return folder + e;
  }
  return {};
}

QString RangeText(const std::optional<double>& value) { return value ? NumberText(*value) : QString(); }

bool ParseRangeText(const QString& text, std::optional<double>* value) {
  static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
  const QString t = text.trimmed();
  if (t.isEmpty()) {
    *value = std::nullopt;
    return true;
  }
  if (!number.match(t).hasMatch()) return false;
  double v = 0;
  if (!ValChecked(t, &v) || !std::isfinite(v)) return false;
  *value = v;
  return true;
}

CuttingDatabase::CuttingDatabase() = default;

CuttingDatabase::~CuttingDatabase() { Close(); }

bool CuttingDatabase::Open(const QString& appFolder, QString* error) {
  return Open(appFolder, BundledDataFolder(), error);
}

bool CuttingDatabase::Open(const QString& appFolder, const QString& seedFolder, QString* error) {
  Close();
  created_ = false;
  const QString folder = WithTrailingSeparator(appFolder);
  QString path = FindCutDataFile(folder);
  if (path.isEmpty()) {
    if (!QFileInfo(folder).isDir()) {
      SetError(error, QStringLiteral("The application folder ") + folder + QStringLiteral(" does not exist."));
      return false;
    }
    if (!CreateFromSeed(folder, seedFolder, &path, error)) return false;
    created_ = true;
  }
  if (!OpenConnection(path, error)) return false;
  if (!CheckTables(error)) {
    Close();
    return false;
  }
  return true;
}

bool CuttingDatabase::OpenConnection(const QString& path, QString* error) {
  const QString name = OpenSqliteConnection(path, QStringLiteral("Cannot open the cutting-data database "), error);
  if (name.isEmpty()) return false;
  connection_ = name;
  path_ = path;
  return true;
}

bool CuttingDatabase::CheckTables(QString* error) const {
  // Each table must have the columns the statements here use.
  static const QString kProbes[] = {
      QStringLiteral("select GrpIndex, GrpName from MaterialGrps where 0"),
      QStringLiteral("select MatName, GrpIndex from Material where 0"),
      QStringLiteral("select ") + kCutDatColumns + QStringLiteral(" from cutdat where 0"),
  };
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  for (const QString& probe : kProbes) {
    QSqlQuery q(db);
    if (!q.exec(probe)) {
      SetError(error, QStringLiteral("The file ") + path_ + QStringLiteral(" is not a usable cutting-data database"),
               q.lastError());
      return false;
    }
  }
  return true;
}

void CuttingDatabase::Close() {
  if (connection_.isEmpty()) return;
  {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (db.isOpen()) db.close();
  }
  QSqlDatabase::removeDatabase(connection_);
  connection_.clear();
  path_.clear();
}

bool CuttingDatabase::ReadGroupNames(QStringList* names, QString* error) const {
  names->clear();
  if (!IsOpen()) return Fail(error, kNotOpen);
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("select GrpName from MaterialGrps order by rowid"))) {
    SetError(error, QStringLiteral("Cannot read the material groups"), q.lastError());
    return false;
  }
  while (q.next()) names->append(q.value(0).toString());
  return true;
}

bool CuttingDatabase::AddGroup(const QString& name, int* number, QString* error) {
  if (!IsOpen()) return Fail(error, kNotOpen);
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.prepare(QStringLiteral("insert into MaterialGrps (GrpName) values (?)"));
  q.addBindValue(TextValue(name));
  if (!q.exec()) {
    SetError(error, QStringLiteral("Cannot add the material group"), q.lastError());
    return false;
  }
  const QVariant key = q.lastInsertId();
  QSqlQuery position(QSqlDatabase::database(connection_, false));
  position.prepare(QStringLiteral("select count(*) from MaterialGrps where rowid <= ?"));
  position.addBindValue(key);
  if (!position.exec() || !position.next()) {
    SetError(error, QStringLiteral("Cannot read the number of the new material group"), position.lastError());
    return false;
  }
  if (number) *number = IntOf(position.value(0));
  return true;
}

bool CuttingDatabase::ReadMaterials(std::vector<MaterialRow>* materials, QString* error) const {
  materials->clear();
  if (!IsOpen()) return Fail(error, kNotOpen);
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("select MatName, GrpIndex from Material order by rowid"))) {
    SetError(error, QStringLiteral("Cannot read the materials"), q.lastError());
    return false;
  }
  while (q.next()) materials->push_back(MaterialRow{q.value(0).toString(), IntOf(q.value(1))});
  return true;
}

bool CuttingDatabase::ReadMaterialsOfGroup(int group, QStringList* names, QString* error) const {
  names->clear();
  if (!IsOpen()) return Fail(error, kNotOpen);
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.setForwardOnly(true);
  q.prepare(QStringLiteral("select MatName from Material where GrpIndex = ? order by rowid"));
  q.addBindValue(group);
  if (!q.exec()) {
    SetError(error, QStringLiteral("Cannot read the materials of the group"), q.lastError());
    return false;
  }
  while (q.next()) names->append(q.value(0).toString());
  return true;
}

bool CuttingDatabase::AddMaterial(const QString& name, int group, QString* error) {
  if (!IsOpen()) return Fail(error, kNotOpen);
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.prepare(QStringLiteral("insert into Material (MatName, GrpIndex) values (?, ?)"));
  q.addBindValue(TextValue(name));
  q.addBindValue(group);
  if (!q.exec()) {
    SetError(error, QStringLiteral("Cannot add the material"), q.lastError());
    return false;
  }
  return true;
}

bool CuttingDatabase::RunSelect(const CutDataQuery& query, const QString& columns, QSqlQuery* statement,
                                QString* error) const {
  return ExecSelect(query, columns, false, statement, error);
}

bool CuttingDatabase::ExecSelect(const CutDataQuery& query, const QString& columns, bool forwardOnly,
                                 QSqlQuery* statement, QString* error) const {
  if (!IsOpen()) return Fail(error, kNotOpen);
  QString sql = QStringLiteral("select ") + columns + QStringLiteral(" from cutdat");
  if (!query.Condition.isEmpty()) sql += QStringLiteral(" where ") + query.Condition;
  sql += QStringLiteral(" order by rowid");
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.setForwardOnly(forwardOnly);
  if (!q.prepare(sql)) {
    SetError(error, QStringLiteral("Cannot read the cutting data"), q.lastError());
    return false;
  }
  for (const QVariant& v : query.Values) q.addBindValue(v);
  if (!q.exec()) {
    SetError(error, QStringLiteral("Cannot read the cutting data"), q.lastError());
    return false;
  }
  *statement = std::move(q);
  return true;
}

bool CuttingDatabase::Select(const CutDataQuery& query, std::vector<CuttingDataRecord>* rows, QString* error) const {
  rows->clear();
  QSqlQuery q;
  if (!ExecSelect(query, QStringLiteral("rowid, ") + kCutDatColumns, true, &q, error)) return false;
  while (q.next()) {
    CuttingDataRecord r;
    r.RowId = q.value(0).toLongLong();
    r.GrpIndex = IntOf(q.value(1));
    r.Operation = q.value(2).toString();
    r.DepthofCut = q.value(3).toString();
    r.ToolGrade = q.value(4).toString();
    r.FromSFM = RangeOf(q.value(5));
    r.ToSFM = RangeOf(q.value(6));
    r.FromIPR = RangeOf(q.value(7));
    r.ToIPR = RangeOf(q.value(8));
    r.FromDiam = RangeOf(q.value(9));
    r.ToDiam = RangeOf(q.value(10));
    rows->push_back(std::move(r));
  }
  return true;
}

bool CuttingDatabase::Insert(CuttingDataRecord* record, QString* error) {
  if (!IsOpen()) return Fail(error, kNotOpen);
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.prepare(kInsertRow);
  BindRecord(q, *record);
  if (!q.exec()) {
    SetError(error, QStringLiteral("Cannot add the cutting data row"), q.lastError());
    return false;
  }
  record->RowId = q.lastInsertId().toLongLong();
  return true;
}

bool CuttingDatabase::InsertAll(std::vector<CuttingDataRecord>* records, QString* error) {
  if (!IsOpen()) return Fail(error, kNotOpen);
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  if (!db.transaction()) {
    SetError(error, QStringLiteral("Cannot add the cutting data rows"), db.lastError());
    return false;
  }
  bool ok = true;
  {
    QSqlQuery q(db);
    ok = q.prepare(kInsertRow);
    if (!ok) SetError(error, QStringLiteral("Cannot add the cutting data rows"), q.lastError());
    for (size_t i = 0; ok && i < records->size(); ++i) {
      BindRecord(q, (*records)[i]);
      if (!q.exec()) {
        SetError(error, QStringLiteral("Cannot add cutting data row %1").arg(i + 1), q.lastError());
        ok = false;
        break;
      }
      (*records)[i].RowId = q.lastInsertId().toLongLong();
    }
  }
  if (ok && !db.commit()) {
    SetError(error, QStringLiteral("Cannot add the cutting data rows"), db.lastError());
    ok = false;
  }
  if (!ok) {
    db.rollback();
    for (CuttingDataRecord& r : *records) r.RowId = 0;
  }
  return ok;
}

bool CuttingDatabase::Update(const CuttingDataRecord& record, QString* error) {
  if (!IsOpen()) return Fail(error, kNotOpen);
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.prepare(QStringLiteral("update cutdat set GrpIndex = ?, Operation = ?, DepthofCut = ?, ToolGrade = ?, "
                           "FromSFM = ?, ToSFM = ?, FromIPR = ?, ToIPR = ?, FromDiam = ?, ToDiam = ? "
                           "where rowid = ?"));
  BindRecord(q, record);
  q.addBindValue(record.RowId);
  if (!q.exec()) {
    SetError(error, QStringLiteral("Cannot update the cutting data row"), q.lastError());
    return false;
  }
  if (q.numRowsAffected() < 1) {
    SetError(error, QStringLiteral("Cannot update the cutting data row: it no longer exists in the database."));
    return false;
  }
  return true;
}

bool CuttingDatabase::Delete(qint64 rowId, QString* error, bool* deleted) {
  if (deleted) *deleted = false;
  if (!IsOpen()) return Fail(error, kNotOpen);
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.prepare(QStringLiteral("delete from cutdat where rowid = ?"));
  q.addBindValue(rowId);
  if (!q.exec()) {
    SetError(error, QStringLiteral("Cannot delete the cutting data row"), q.lastError());
    return false;
  }
  if (deleted) *deleted = q.numRowsAffected() > 0;
  return true;
}

}  // namespace arvex
