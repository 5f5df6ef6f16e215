#pragma once
// Databases for the cutting-data tests: a small seed with only the fields
// every cutting-data file has, raw access to a file through a connection of
// the test's own, and fixtures with a database open.

#include "cutting/cuttingdatabase.h"
#include "support/testsupport.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

namespace arvex::test {

// The tables of the small seed, without rows.
inline QByteArray SmallSeedTables() {
  return "CREATE TABLE MaterialGrps (GrpIndex INTEGER PRIMARY KEY, GrpName TEXT);\n"
         "CREATE TABLE Material (MatName TEXT, GrpIndex INTEGER);\n"
         "CREATE TABLE cutdat (GrpIndex INTEGER, Operation TEXT, DepthofCut TEXT, ToolGrade TEXT,\n"
         "  FromSFM REAL, ToSFM REAL, FromIPR REAL, ToIPR REAL, FromDiam REAL, ToDiam REAL);\n";
}

// Three groups (Steel 1, Stainless 2, Aluminum 3), three materials and a
// few rows, in tables without the key columns of the bundled seed.
inline QByteArray SmallSeed() {
  return SmallSeedTables() +
         "INSERT INTO MaterialGrps (GrpName) VALUES ('Steel');\n"
         "INSERT INTO MaterialGrps (GrpName) VALUES ('Stainless');\n"
         "INSERT INTO MaterialGrps (GrpName) VALUES ('Aluminum');\n"
         "INSERT INTO Material VALUES ('12L14', 1);\n"
         "INSERT INTO Material VALUES ('303', 2);\n"
         "INSERT INTO Material VALUES ('6061-T6', 3);\n"
         "INSERT INTO cutdat VALUES (1, 'OD Turn Rough', '.030-.100', 'P25', 500, 900, .004, .01, .125, 1.25);\n"
         "INSERT INTO cutdat VALUES (1, 'Drill', 'Peck 1 x D', 'Carbide', 200, 300, .001, .004, .02, .5);\n"
         "INSERT INTO cutdat VALUES (2, 'OD Turn Rough', '.020-.080', 'M25', 300, 550, .003, .008, .125, 1.25);\n"
         "INSERT INTO cutdat VALUES (1, 'Face (Turn)', '.010-.060', 'P25', 500, 900, .002, .006, .04, 1.25);\n"
         "INSERT INTO cutdat VALUES (1, 'Spot Drill', 'To chamfer', 'Carbide', 250, 400, .001, .003, .062, .5);\n"
         "INSERT INTO cutdat VALUES (1, 'Tap', 'Feed = pitch', 'HSS-E', 40, 80, .0125, .0769, .06, .5);\n"
         "INSERT INTO cutdat VALUES (1, 'Drill', 'To 3 x D', 'Carbide', 250, 400, .002, .006, .125, .5);\n";
}

// An application folder holding the small seed.
inline void WriteSmallSeed(const TempAppFolder& folder) { folder.Write(kCutDataSeedName, SmallSeed()); }

// Runs one statement on a database file through a connection of its own;
// returns the first column of the first row (an invalid value when none).
// Given `failure`, a refused statement fails no test: the database's text
// goes there (empty when the statement ran).
inline QVariant RawQuery(const QString& path, const QString& sql, QString* failure = nullptr) {
  static int counter = 0;
  const QString name = QStringLiteral("cutdata-test-raw-%1").arg(++counter);
  QVariant result;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    {
      QSqlQuery q(db);
      const bool ran = q.exec(sql);
      if (failure) *failure = ran ? QString() : q.lastError().databaseText();
      else EXPECT_TRUE(ran) << sql.toStdString() << ": " << q.lastError().text().toStdString();
      if (q.next()) result = q.value(0);
    }
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
  return result;
}

// Makes every change of one table fail, as a database error would.
inline void RefuseChanges(const QString& path, const QString& table) {
  for (const char* event : {"INSERT", "UPDATE", "DELETE"}) {
    RawQuery(path, QStringLiteral("CREATE TRIGGER refuse_%1_%2 BEFORE %2 ON %1 BEGIN "
                                  "SELECT RAISE(ABORT, 'refused by the test'); END")
                       .arg(table, QString::fromLatin1(event)));
  }
}

// Opens the database of folder (with no bundled seed to fall back on) or
// fails the test.
inline void OpenOrFail(CuttingDatabase& db, const TempAppFolder& folder) {
  QString error;
  ASSERT_TRUE(db.Open(folder.Path(), QString(), &error)) << error.toStdString();
}

inline QStringList Operations(const std::vector<CuttingDataRecord>& rows) {
  QStringList out;
  for (const CuttingDataRecord& r : rows) out << r.Operation;
  return out;
}

// The rows a query selects; a failing query fails the test.
inline std::vector<CuttingDataRecord> Selected(const CuttingDatabase& db, const CutDataQuery& query) {
  std::vector<CuttingDataRecord> rows;
  QString error;
  EXPECT_TRUE(db.Select(query, &rows, &error)) << query.Text.toStdString() << ": " << error.toStdString();
  return rows;
}

inline QStringList GroupNames(const CuttingDatabase& db) {
  QStringList names;
  QString error;
  EXPECT_TRUE(db.ReadGroupNames(&names, &error)) << error.toStdString();
  return names;
}

// A test with a database open: from the small seed, from its tables only,
// or from the bundled seed.
enum class Seed { Small, Tables, Bundled };
template <Seed kSeed>
class OpenDatabaseTest : public testing::Test {
 protected:
  void SetUp() override {
    if (kSeed != Seed::Bundled) folder_.Write(kCutDataSeedName, kSeed == Seed::Small ? SmallSeed() : SmallSeedTables());
    OpenOrFail(db_, folder_);
  }
  void Exec(const QString& sql) const { RawQuery(db_.FilePath(), sql); }
  // The first column of the first row of a select, as a number.
  int Count(const QString& sql) const { return RawQuery(db_.FilePath(), sql).toInt(); }
  void RefuseChanges(const QString& table) const { test::RefuseChanges(db_.FilePath(), table); }

  TempAppFolder folder_{kSeed == Seed::Bundled};
  CuttingDatabase db_;
  QString error_;
};
using SmallSeedTest = OpenDatabaseTest<Seed::Small>;
using BundledSeedTest = OpenDatabaseTest<Seed::Bundled>;

}  // namespace arvex::test
