#include "cutting/cuttingdatabase.h"

#include "cutdatatestutil.h"
#include "cutting/cutdataqueries.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace arvex;
using namespace arvex::test;

namespace {

QStringList FolderEntries(const TempAppFolder& folder) {
  return QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Makes every change of one table fail, as a database error would.
void RefuseChanges(const QString& path, const QString& table) {
  for (const char* event : {"INSERT", "UPDATE", "DELETE"}) {
    RawQuery(path, QStringLiteral("CREATE TRIGGER refuse_%1_%2 BEFORE %2 ON %1 BEGIN SELECT RAISE(ABORT, 'refused "
                                  "by the test'); END")
                       .arg(table, QString::fromLatin1(event)));
  }
}

}  // namespace

// ---- Creation and opening -----------------------------------------------------------

TEST(CuttingDatabaseOpenTest, CreatesTheFileFromTheSeedOfTheApplicationFolder) {
  TempAppFolder folder(true);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  EXPECT_TRUE(db.WasCreated());
  EXPECT_EQ(db.FilePath(), folder.FilePath("RVXCutData.db"));
  QStringList groups;
  QString error;
  ASSERT_TRUE(db.ReadGroupNames(&groups, &error));
  EXPECT_EQ(groups.size(), 12);
  EXPECT_EQ(groups.front(), "Free-Machining Steel");
  EXPECT_EQ(RawQuery(db.FilePath(), "select count(*) from cutdat").toInt(), 168);
  // Only the database was added; no scratch file is left.
  EXPECT_EQ(FolderEntries(folder).filter(QStringLiteral("RVXCutData")),
            (QStringList{"RVXCutData-seed.sql", "RVXCutData.db"}));
}

TEST(CuttingDatabaseOpenTest, FallsBackToTheSeedOfTheBundledFolder) {
  TempAppFolder app;
  TempAppFolder bundled;
  WriteSmallSeed(bundled);
  CuttingDatabase db;
  QString error;
  ASSERT_TRUE(db.Open(app.Path(), bundled.Path(), &error)) << error.toStdString();
  EXPECT_TRUE(db.WasCreated());
  EXPECT_EQ(db.FilePath(), app.FilePath("RVXCutData.db"));
  EXPECT_EQ(RawQuery(db.FilePath(), "select count(*) from MaterialGrps").toInt(), 3);
}

TEST(CuttingDatabaseOpenTest, TheApplicationFoldersSeedComesFirst) {
  TempAppFolder app;
  WriteSmallSeed(app);
  TempAppFolder bundled(true);
  CuttingDatabase db;
  QString error;
  ASSERT_TRUE(db.Open(app.Path(), bundled.Path(), &error)) << error.toStdString();
  EXPECT_EQ(RawQuery(db.FilePath(), "select count(*) from MaterialGrps").toInt(), 3);
}

TEST(CuttingDatabaseOpenTest, NoSeedNoFile) {
  TempAppFolder folder;
  CuttingDatabase db;
  QString error;
  EXPECT_FALSE(db.Open(folder.Path(), QString(), &error));
  EXPECT_FALSE(db.IsOpen());
  EXPECT_EQ(error, QStringLiteral("The cutting-data database ") + folder.FilePath("RVXCutData.db") +
                       QStringLiteral(" does not exist and cannot be created: the seed file RVXCutData-seed.sql was "
                                      "not found."));
  EXPECT_TRUE(FolderEntries(folder).isEmpty());
}

TEST(CuttingDatabaseOpenTest, AFailingSeedLeavesNoFileBehind) {
  TempAppFolder folder;
  folder.Write(kCutDataSeedName,
               "CREATE TABLE MaterialGrps (GrpIndex INTEGER PRIMARY KEY, GrpName TEXT);\n"
               "INSERT INTO NoSuchTable VALUES (1);\n");
  CuttingDatabase db;
  QString error;
  EXPECT_FALSE(db.Open(folder.Path(), QString(), &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("Statement 2 of the seed fails (INSERT INTO NoSuchTable VALUES (1)): ")))
      << error.toStdString();
  EXPECT_TRUE(error.contains(QStringLiteral("no such table"))) << error.toStdString();
  EXPECT_EQ(FolderEntries(folder), QStringList{"RVXCutData-seed.sql"});
}

TEST(CuttingDatabaseOpenTest, AnExistingDatabaseIsNeverReplaced) {
  TempAppFolder folder;
  WriteSmallSeed(folder);
  {
    CuttingDatabase db;
    OpenOrFail(db, folder);
    int number = 0;
    QString error;
    ASSERT_TRUE(db.AddGroup(QStringLiteral("Titanium"), &number, &error)) << error.toStdString();
  }
  // Another seed would give other groups: it must not be used.
  folder.Write(kCutDataSeedName, "CREATE TABLE x (a);\n");
  const QByteArray before = folder.Read("RVXCutData.db");
  CuttingDatabase db;
  OpenOrFail(db, folder);
  EXPECT_FALSE(db.WasCreated());
  QStringList groups;
  QString error;
  ASSERT_TRUE(db.ReadGroupNames(&groups, &error));
  EXPECT_EQ(groups, (QStringList{"Steel", "Stainless", "Aluminum", "Titanium"}));
  db.Close();
  EXPECT_EQ(folder.Read("RVXCutData.db"), before);
}

TEST(CuttingDatabaseOpenTest, AFileThatIsNoDatabaseIsReportedAndKept) {
  TempAppFolder folder(true);
  folder.Write("RVXCutData.db", "these are not the tables you are looking for");
  CuttingDatabase db;
  QString error;
  EXPECT_FALSE(db.Open(folder.Path(), QString(), &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("The file ") + folder.FilePath("RVXCutData.db") +
                               QStringLiteral(" is not a usable cutting-data database: ")))
      << error.toStdString();
  EXPECT_FALSE(db.IsOpen());
  EXPECT_EQ(folder.Read("RVXCutData.db"), QByteArray("these are not the tables you are looking for"));
}

TEST(CuttingDatabaseOpenTest, ADatabaseWithoutAFieldIsReported) {
  TempAppFolder folder;
  folder.Write(kCutDataSeedName,
               "CREATE TABLE MaterialGrps (GrpIndex INTEGER PRIMARY KEY, GrpName TEXT);\n"
               "CREATE TABLE Material (MatName TEXT, GrpIndex INTEGER);\n"
               "CREATE TABLE cutdat (GrpIndex INTEGER, Operation TEXT, DepthofCut TEXT);\n");
  CuttingDatabase db;
  QString error;
  EXPECT_FALSE(db.Open(folder.Path(), QString(), &error));
  EXPECT_TRUE(error.contains(QStringLiteral("no such column: ToolGrade"))) << error.toStdString();
}

TEST(CuttingDatabaseOpenTest, TheFileNameIsMatchedInAnyCase) {
  TempAppFolder folder;
  WriteSmallSeed(folder);
  {
    CuttingDatabase db;
    OpenOrFail(db, folder);
  }
  ASSERT_TRUE(QFile::rename(folder.FilePath("RVXCutData.db"), folder.FilePath("rvxcutdata.DB")));
  EXPECT_EQ(FindCutDataFile(folder.Path()), folder.FilePath("rvxcutdata.DB"));
  CuttingDatabase db;
  OpenOrFail(db, folder);
  EXPECT_FALSE(db.WasCreated());
  EXPECT_EQ(db.FilePath(), folder.FilePath("rvxcutdata.DB"));
  EXPECT_FALSE(QFile::exists(folder.FilePath("RVXCutData.db")));
}

TEST(CuttingDatabaseOpenTest, SeveralDatabasesAreOpenAtOnce) {
  TempAppFolder a;
  TempAppFolder b(true);
  WriteSmallSeed(a);
  CuttingDatabase first;
  CuttingDatabase second;
  OpenOrFail(first, a);
  OpenOrFail(second, b);
  QStringList groupsA;
  QStringList groupsB;
  QString error;
  ASSERT_TRUE(first.ReadGroupNames(&groupsA, &error));
  ASSERT_TRUE(second.ReadGroupNames(&groupsB, &error));
  EXPECT_EQ(groupsA.size(), 3);
  EXPECT_EQ(groupsB.size(), 12);
  first.Close();
  EXPECT_FALSE(first.IsOpen());
  EXPECT_FALSE(first.ReadGroupNames(&groupsA, &error));
  EXPECT_EQ(error, "The cutting-data database is not open.");
  ASSERT_TRUE(second.ReadGroupNames(&groupsB, &error));
  EXPECT_EQ(groupsB.size(), 12);
}

// ---- Groups and materials -------------------------------------------------------------

TEST(CuttingDatabaseGroupTest, AFourthGroupGetsNumberFourAndKeepsItsMaterials) {
  TempAppFolder folder;
  WriteSmallSeed(folder);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  int number = 0;
  QString error;
  ASSERT_TRUE(db.AddGroup(QStringLiteral("Titanium"), &number, &error)) << error.toStdString();
  EXPECT_EQ(number, 4);
  ASSERT_TRUE(db.AddMaterial(QStringLiteral("Ti-6Al-4V"), 4, &error)) << error.toStdString();
  ASSERT_TRUE(db.AddMaterial(QStringLiteral("CP Grade 2"), 4, &error)) << error.toStdString();
  QStringList names;
  ASSERT_TRUE(db.ReadMaterialsOfGroup(4, &names, &error));
  EXPECT_EQ(names, (QStringList{"Ti-6Al-4V", "CP Grade 2"}));
  EXPECT_EQ(RawQuery(db.FilePath(), "select GrpIndex from MaterialGrps where GrpName = 'Titanium'").toInt(), 4);
  EXPECT_EQ(RawQuery(db.FilePath(), "select GrpIndex from Material where MatName = 'Ti-6Al-4V'").toInt(), 4);
  std::vector<MaterialRow> materials;
  ASSERT_TRUE(db.ReadMaterials(&materials, &error));
  ASSERT_EQ(materials.size(), 5u);
  EXPECT_EQ(materials[0], (MaterialRow{"12L14", 1}));
  EXPECT_EQ(materials[4], (MaterialRow{"CP Grade 2", 4}));
}

TEST(CuttingDatabaseGroupTest, ANewGroupOfTheBundledSeedIsNumberedAfterTheLast) {
  TempAppFolder folder(true);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  int number = 0;
  QString error;
  ASSERT_TRUE(db.AddGroup(QStringLiteral("Tool Steel"), &number, &error)) << error.toStdString();
  EXPECT_EQ(number, 13);
  QStringList groups;
  ASSERT_TRUE(db.ReadGroupNames(&groups, &error));
  EXPECT_EQ(groups.indexOf(QStringLiteral("Tool Steel")), 12);
}

TEST(CuttingDatabaseGroupTest, TheBundledSchemaProtectsNumbersAndRanges) {
  TempAppFolder folder(true);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  const QString path = db.FilePath();
  db.Close();
  // A deleted group would shift the number of every group after it.
  const QString raw = QStringLiteral("cutdata-schema-check");
  {
    QSqlDatabase sql = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), raw);
    sql.setDatabaseName(path);
    ASSERT_TRUE(sql.open());
    QSqlQuery q(sql);
    EXPECT_FALSE(q.exec(QStringLiteral("delete from MaterialGrps where GrpIndex = 3")));
    EXPECT_TRUE(q.lastError().databaseText().contains(QStringLiteral("never deleted")));
    EXPECT_FALSE(q.exec(QStringLiteral("update cutdat set FromSFM = 'fast' where ID = 1")));
    EXPECT_TRUE(q.exec(QStringLiteral("update cutdat set FromSFM = '450' where ID = 1")));
    q.finish();
    sql.close();
  }
  QSqlDatabase::removeDatabase(raw);
  EXPECT_EQ(RawQuery(path, "select count(*) from MaterialGrps").toInt(), 12);
  EXPECT_EQ(RawQuery(path, "select typeof(FromSFM) from cutdat where ID = 1").toString(), "real");
}

TEST(CuttingDatabaseGroupTest, DatabaseErrorsComeBackToTheCaller) {
  TempAppFolder folder;
  WriteSmallSeed(folder);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  RefuseChanges(db.FilePath(), QStringLiteral("MaterialGrps"));
  RefuseChanges(db.FilePath(), QStringLiteral("Material"));
  int number = -1;
  QString error;
  EXPECT_FALSE(db.AddGroup(QStringLiteral("Titanium"), &number, &error));
  EXPECT_EQ(error, "Cannot add the material group: refused by the test");
  EXPECT_EQ(number, -1);
  EXPECT_FALSE(db.AddMaterial(QStringLiteral("Ti-6Al-4V"), 1, &error));
  EXPECT_EQ(error, "Cannot add the material: refused by the test");
}

// ---- Cutting data rows ------------------------------------------------------------------

TEST(CuttingDatabaseRowsTest, EachQuerySelectsItsRowsInTableOrder) {
  TempAppFolder folder;
  WriteSmallSeed(folder);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  std::vector<CuttingDataRecord> rows;
  QString error;

  ASSERT_TRUE(db.Select(GroupQuery(1), &rows, &error)) << error.toStdString();
  EXPECT_EQ(Operations(rows), (QStringList{"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "Tap", "Drill"}));
  const QStringList types = CollectOperationTypes(rows);
  EXPECT_EQ(types, (QStringList{"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "Tap"}));

  ASSERT_TRUE(db.Select(OperationTypeQuery(1, QStringLiteral("Drill")), &rows, &error));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].DepthofCut, "Peck 1 x D");
  EXPECT_EQ(rows[1].DepthofCut, "To 3 x D");

  ASSERT_TRUE(db.Select(KeywordQuery(1, types, GridKeyword(QStringLiteral("Face OD"))), &rows, &error));
  EXPECT_EQ(Operations(rows), (QStringList{"OD Turn Rough", "Face (Turn)"}));
  ASSERT_TRUE(db.Select(KeywordQuery(1, types, GridKeyword(QStringLiteral("Drill"))), &rows, &error));
  EXPECT_EQ(Operations(rows), (QStringList{"Drill", "Spot Drill", "Drill"}));
  ASSERT_TRUE(db.Select(KeywordQuery(1, types, GridKeyword(QStringLiteral("Spot Drill"))), &rows, &error));
  EXPECT_EQ(Operations(rows), (QStringList{"Spot Drill"}));
  ASSERT_TRUE(db.Select(KeywordQuery(1, types, GridKeyword(QStringLiteral("Ream"))), &rows, &error));
  EXPECT_TRUE(rows.empty());

  ASSERT_TRUE(db.Select(AboveDataQuery(0, QStringLiteral("OD Turn Rough")), &rows, &error));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].GrpIndex, 2);
  ASSERT_TRUE(db.Select(AboveDataQuery(1, QStringLiteral("Drill")), &rows, &error));
  EXPECT_EQ(rows.size(), 2u);
  ASSERT_TRUE(db.Select(AboveDataQuery(2, QString()), &rows, &error));
  EXPECT_EQ(rows.size(), 1u);
  ASSERT_TRUE(db.Select(ShowAllQuery(), &rows, &error));
  EXPECT_EQ(rows.size(), 7u);

  const CuttingDataRecord& tap = rows[5];
  EXPECT_EQ(tap.GrpIndex, 1);
  EXPECT_EQ(tap.ToolGrade, "HSS-E");
  EXPECT_EQ(tap.FromSFM, 40.0);
  EXPECT_EQ(tap.ToSFM, 80.0);
  EXPECT_EQ(tap.FromIPR, 0.0125);
  EXPECT_EQ(tap.ToIPR, 0.0769);
  EXPECT_EQ(tap.FromDiam, 0.06);
  EXPECT_EQ(tap.ToDiam, 0.5);
}

TEST(CuttingDatabaseRowsTest, GroupZeroAndTheEmptyGridSelectNothingWhateverIsStored) {
  TempAppFolder folder;
  WriteSmallSeed(folder);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  RawQuery(db.FilePath(), "insert into cutdat (GrpIndex, Operation) values (0, 'Drill')");
  RawQuery(db.FilePath(), "insert into cutdat (GrpIndex, Operation) values (-1, 'Drill')");
  std::vector<CuttingDataRecord> rows;
  QString error;
  ASSERT_TRUE(db.Select(GroupQuery(0), &rows, &error));
  EXPECT_TRUE(rows.empty());
  ASSERT_TRUE(db.Select(OperationTypeQuery(0, QStringLiteral("Drill")), &rows, &error));
  EXPECT_TRUE(rows.empty());
  ASSERT_TRUE(db.Select(NoRowsQuery(), &rows, &error));
  EXPECT_TRUE(rows.empty());
}

TEST(CuttingDatabaseRowsTest, AQuoteInAnOperationTypeIsComparedAsItStands) {
  TempAppFolder folder;
  WriteSmallSeed(folder);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  CuttingDataRecord row;
  row.GrpIndex = 1;
  row.Operation = QStringLiteral("Tom's Drill");
  QString error;
  ASSERT_TRUE(db.Insert(&row, &error)) << error.toStdString();

  std::vector<CuttingDataRecord> rows;
  ASSERT_TRUE(db.Select(OperationTypeQuery(1, QStringLiteral("Tom's Drill")), &rows, &error)) << error.toStdString();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].RowId, row.RowId);
  ASSERT_TRUE(db.Select(AboveDataQuery(1, QStringLiteral("Tom's Drill")), &rows, &error));
  EXPECT_EQ(rows.size(), 1u);
  ASSERT_TRUE(db.Select(GroupQuery(1), &rows, &error));
  const QStringList types = CollectOperationTypes(rows);
  ASSERT_TRUE(db.Select(KeywordQuery(1, types, QStringLiteral("drill")), &rows, &error));
  EXPECT_EQ(Operations(rows), (QStringList{"Drill", "Spot Drill", "Drill", "Tom's Drill"}));

  // Text that would rewrite a spliced query selects nothing and changes nothing.
  for (const QString& hostile : {QStringLiteral("x' or '1'='1"), QStringLiteral("x'); delete from cutdat; --")}) {
    ASSERT_TRUE(db.Select(OperationTypeQuery(1, hostile), &rows, &error)) << error.toStdString();
    EXPECT_TRUE(rows.empty()) << hostile.toStdString();
    ASSERT_TRUE(db.Select(AboveDataQuery(0, hostile), &rows, &error));
    EXPECT_TRUE(rows.empty());
  }
  EXPECT_EQ(RawQuery(db.FilePath(), "select count(*) from cutdat").toInt(), 8);
}

TEST(CuttingDatabaseRowsTest, RowsAreStoredUpdatedAndDeletedByKey) {
  TempAppFolder folder(true);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  CuttingDataRecord row;
  row.GrpIndex = 4;
  row.Operation = QStringLiteral("Knurl, \"straight\"");
  row.FromSFM = 150;
  row.ToIPR = 0.004;
  QString error;
  ASSERT_TRUE(db.Insert(&row, &error)) << error.toStdString();
  ASSERT_GT(row.RowId, 0);
  EXPECT_EQ(RawQuery(db.FilePath(), QStringLiteral("select typeof(ToSFM) from cutdat where ID = %1").arg(row.RowId))
                .toString(),
            "null");
  EXPECT_EQ(RawQuery(db.FilePath(), QStringLiteral("select DepthofCut from cutdat where ID = %1").arg(row.RowId))
                .toString(),
            "");

  row.ToSFM = 300;
  row.FromSFM.reset();
  row.ToolGrade = QStringLiteral("HSS");
  ASSERT_TRUE(db.Update(row, &error)) << error.toStdString();
  std::vector<CuttingDataRecord> rows;
  ASSERT_TRUE(db.Select(OperationTypeQuery(4, row.Operation), &rows, &error));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], row);

  bool deleted = false;
  ASSERT_TRUE(db.Delete(row.RowId, &error, &deleted));
  EXPECT_TRUE(deleted);
  ASSERT_TRUE(db.Delete(row.RowId, &error, &deleted));
  EXPECT_FALSE(deleted);
  EXPECT_FALSE(db.Update(row, &error));
  EXPECT_EQ(error, "Cannot update the cutting data row: it no longer exists in the database.");
}

TEST(CuttingDatabaseRowsTest, InsertAllAddsEveryRowOrNone) {
  TempAppFolder folder;
  WriteSmallSeed(folder);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  std::vector<CuttingDataRecord> rows(3);
  for (int i = 0; i < 3; ++i) rows[static_cast<size_t>(i)].Operation = QStringLiteral("Op %1").arg(i);
  QString error;
  ASSERT_TRUE(db.InsertAll(&rows, &error)) << error.toStdString();
  EXPECT_GT(rows[2].RowId, rows[0].RowId);
  EXPECT_EQ(RawQuery(db.FilePath(), "select count(*) from cutdat").toInt(), 10);

  // The third row is refused: the first two must not stay.
  RawQuery(db.FilePath(),
           "CREATE TRIGGER refuse_third BEFORE INSERT ON cutdat WHEN NEW.Operation = 'Bad' "
           "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
  std::vector<CuttingDataRecord> more(3);
  more[2].Operation = QStringLiteral("Bad");
  EXPECT_FALSE(db.InsertAll(&more, &error));
  EXPECT_EQ(error, "Cannot add cutting data row 3: refused by the test");
  EXPECT_EQ(more[0].RowId, 0);
  EXPECT_EQ(RawQuery(db.FilePath(), "select count(*) from cutdat").toInt(), 10);
}

TEST(CuttingDatabaseRowsTest, RowErrorsComeBackToTheCaller) {
  TempAppFolder folder;
  WriteSmallSeed(folder);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  std::vector<CuttingDataRecord> rows;
  QString error;
  ASSERT_TRUE(db.Select(ShowAllQuery(), &rows, &error));
  RefuseChanges(db.FilePath(), QStringLiteral("cutdat"));
  CuttingDataRecord fresh;
  EXPECT_FALSE(db.Insert(&fresh, &error));
  EXPECT_EQ(error, "Cannot add the cutting data row: refused by the test");
  EXPECT_FALSE(db.Update(rows[0], &error));
  EXPECT_EQ(error, "Cannot update the cutting data row: refused by the test");
  EXPECT_FALSE(db.Delete(rows[0].RowId, &error));
  EXPECT_EQ(error, "Cannot delete the cutting data row: refused by the test");
}

// ---- Range texts ----------------------------------------------------------------------------

TEST(RangeTextTest, NumbersEmptyValuesAndJunk) {
  std::optional<double> v = 1;
  EXPECT_TRUE(ParseRangeText(QStringLiteral("  "), &v));
  EXPECT_FALSE(v.has_value());
  EXPECT_TRUE(ParseRangeText(QStringLiteral(".002"), &v));
  EXPECT_EQ(v, 0.002);
  EXPECT_TRUE(ParseRangeText(QStringLiteral(" 850 "), &v));
  EXPECT_EQ(v, 850.0);
  EXPECT_TRUE(ParseRangeText(QStringLiteral("1.5E-3"), &v));
  EXPECT_EQ(v, 0.0015);
  EXPECT_TRUE(ParseRangeText(QStringLiteral("-.5"), &v));
  EXPECT_EQ(v, -0.5);
  for (const char* junk : {"fast", "12abc", "1 2", "1,5", ".", "1e999", "--1", "0x10"}) {
    EXPECT_FALSE(ParseRangeText(QString::fromLatin1(junk), &v)) << junk;
  }
  EXPECT_EQ(RangeText(0.002), ".002");
  EXPECT_EQ(RangeText(850.0), "850");
  EXPECT_EQ(RangeText(std::nullopt), "");
}
