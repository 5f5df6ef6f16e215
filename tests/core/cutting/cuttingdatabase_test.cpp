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

using CuttingDatabaseGroupTest = SmallSeedTest;
using CuttingDatabaseRowsTest = SmallSeedTest;
using CuttingDatabaseBundledTest = BundledSeedTest;

}  // namespace

// ---- Creation and opening -----------------------------------------------------------

TEST(CuttingDatabaseOpenTest, CreatesTheFileFromTheSeedOfTheApplicationFolder) {
  TempAppFolder folder(true);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  EXPECT_TRUE(db.WasCreated());
  EXPECT_EQ(db.FilePath(), folder.FilePath("RVXCutData.db"));
  const QStringList groups = GroupNames(db);
  EXPECT_EQ(groups.size(), 12);
  EXPECT_EQ(groups.value(0), "Free-Machining Steel");
  EXPECT_EQ(RawQuery(db.FilePath(), "select count(*) from cutdat").toInt(), 168);
  // Only the database was added; no scratch file is left.
  EXPECT_EQ(FolderEntries(folder).filter(QStringLiteral("RVXCutData")),
            (QStringList{"RVXCutData-seed.sql", "RVXCutData.db"}));
}

TEST(CuttingDatabaseOpenTest, TheApplicationFoldersSeedComesBeforeTheBundledOne) {
  for (const bool seedInApp : {false, true}) {
    SCOPED_TRACE(seedInApp ? "seed in the application folder" : "seed in the bundled folder only");
    TempAppFolder app;
    TempAppFolder bundled(seedInApp);  // the full seed where the small one is not
    WriteSmallSeed(seedInApp ? app : bundled);
    CuttingDatabase db;
    QString error;
    ASSERT_TRUE(db.Open(app.Path(), bundled.Path(), &error)) << error.toStdString();
    EXPECT_TRUE(db.WasCreated());
    EXPECT_EQ(db.FilePath(), app.FilePath("RVXCutData.db"));
    EXPECT_EQ(RawQuery(db.FilePath(), "select count(*) from MaterialGrps").toInt(), 3);
  }
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
  EXPECT_EQ(GroupNames(db), (QStringList{"Steel", "Stainless", "Aluminum", "Titanium"}));
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
  { CuttingDatabase db; OpenOrFail(db, folder); }
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
  EXPECT_EQ(GroupNames(first).size(), 3);
  EXPECT_EQ(GroupNames(second).size(), 12);
  first.Close();
  EXPECT_FALSE(first.IsOpen());
  QStringList groups;
  QString error;
  EXPECT_FALSE(first.ReadGroupNames(&groups, &error));
  EXPECT_EQ(error, "The cutting-data database is not open.");
  EXPECT_EQ(GroupNames(second).size(), 12);
}

// ---- Groups and materials -------------------------------------------------------------

TEST_F(CuttingDatabaseGroupTest, AFourthGroupGetsNumberFourAndKeepsItsMaterials) {
  int number = 0;
  ASSERT_TRUE(db_.AddGroup(QStringLiteral("Titanium"), &number, &error_)) << error_.toStdString();
  EXPECT_EQ(number, 4);
  ASSERT_TRUE(db_.AddMaterial(QStringLiteral("Ti-6Al-4V"), 4, &error_)) << error_.toStdString();
  ASSERT_TRUE(db_.AddMaterial(QStringLiteral("CP Grade 2"), 4, &error_)) << error_.toStdString();
  QStringList names;
  ASSERT_TRUE(db_.ReadMaterialsOfGroup(4, &names, &error_));
  EXPECT_EQ(names, (QStringList{"Ti-6Al-4V", "CP Grade 2"}));
  EXPECT_EQ(Count("select GrpIndex from MaterialGrps where GrpName = 'Titanium'"), 4);
  EXPECT_EQ(Count("select GrpIndex from Material where MatName = 'Ti-6Al-4V'"), 4);
  std::vector<MaterialRow> materials;
  ASSERT_TRUE(db_.ReadMaterials(&materials, &error_));
  ASSERT_EQ(materials.size(), 5u);
  EXPECT_EQ(materials[0], (MaterialRow{"12L14", 1}));
  EXPECT_EQ(materials[4], (MaterialRow{"CP Grade 2", 4}));
}

TEST_F(CuttingDatabaseBundledTest, ANewGroupIsNumberedAfterTheLast) {
  int number = 0;
  ASSERT_TRUE(db_.AddGroup(QStringLiteral("Tool Steel"), &number, &error_)) << error_.toStdString();
  EXPECT_EQ(number, 13);
  EXPECT_EQ(GroupNames(db_).indexOf(QStringLiteral("Tool Steel")), 12);
}

TEST_F(CuttingDatabaseBundledTest, TheSchemaProtectsNumbersAndRanges) {
  const QString path = db_.FilePath();
  db_.Close();
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

TEST_F(CuttingDatabaseGroupTest, DatabaseErrorsComeBackToTheCaller) {
  RefuseChanges(QStringLiteral("MaterialGrps"));
  RefuseChanges(QStringLiteral("Material"));
  int number = -1;
  EXPECT_FALSE(db_.AddGroup(QStringLiteral("Titanium"), &number, &error_));
  EXPECT_EQ(error_, "Cannot add the material group: refused by the test");
  EXPECT_EQ(number, -1);
  EXPECT_FALSE(db_.AddMaterial(QStringLiteral("Ti-6Al-4V"), 1, &error_));
  EXPECT_EQ(error_, "Cannot add the material: refused by the test");
}

// ---- Cutting data rows ------------------------------------------------------------------

TEST_F(CuttingDatabaseRowsTest, EachQuerySelectsItsRowsInTableOrder) {
  const std::vector<CuttingDataRecord> group = Selected(db_, GroupQuery(1));
  EXPECT_EQ(Operations(group), (QStringList{"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "Tap", "Drill"}));
  EXPECT_EQ(CollectOperationTypes(group), (QStringList{"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "Tap"}));

  const std::vector<CuttingDataRecord> drills = Selected(db_, OperationTypeQuery(1, QStringLiteral("Drill")));
  ASSERT_EQ(drills.size(), 2u);
  EXPECT_EQ(drills[0].DepthofCut, "Peck 1 x D");
  EXPECT_EQ(drills[1].DepthofCut, "To 3 x D");

  const std::vector<CuttingDataRecord> rough = Selected(db_, AboveDataQuery(0, QStringLiteral("OD Turn Rough")));
  ASSERT_EQ(rough.size(), 2u);
  EXPECT_EQ(rough[1].GrpIndex, 2);
  EXPECT_EQ(Selected(db_, AboveDataQuery(1, QStringLiteral("Drill"))).size(), 2u);
  EXPECT_EQ(Selected(db_, AboveDataQuery(2, QString())).size(), 1u);
  const std::vector<CuttingDataRecord> all = Selected(db_, ShowAllQuery());
  ASSERT_EQ(all.size(), 7u);

  CuttingDataRecord tap = all[5];
  EXPECT_GT(tap.RowId, 0);
  tap.RowId = 0;
  EXPECT_EQ(tap, (CuttingDataRecord{0, 1, "Tap", "Feed = pitch", "HSS-E", 40.0, 80.0, 0.0125, 0.0769, 0.06, 0.5}));
}

TEST_F(CuttingDatabaseRowsTest, GroupZeroAndTheEmptyGridSelectNothingWhateverIsStored) {
  Exec("insert into cutdat (GrpIndex, Operation) values (0, 'Drill')");
  Exec("insert into cutdat (GrpIndex, Operation) values (-1, 'Drill')");
  EXPECT_TRUE(Selected(db_, GroupQuery(0)).empty());
  EXPECT_TRUE(Selected(db_, OperationTypeQuery(0, QStringLiteral("Drill"))).empty());
  EXPECT_TRUE(Selected(db_, NoRowsQuery()).empty());
}

TEST_F(CuttingDatabaseRowsTest, AQuoteInAnOperationTypeIsComparedAsItStands) {
  CuttingDataRecord row;
  row.GrpIndex = 1;
  row.Operation = QStringLiteral("Tom's Drill");
  ASSERT_TRUE(db_.Insert(&row, &error_)) << error_.toStdString();

  const std::vector<CuttingDataRecord> toms = Selected(db_, OperationTypeQuery(1, QStringLiteral("Tom's Drill")));
  ASSERT_EQ(toms.size(), 1u);
  EXPECT_EQ(toms[0].RowId, row.RowId);
  EXPECT_EQ(Selected(db_, AboveDataQuery(1, QStringLiteral("Tom's Drill"))).size(), 1u);
  const QStringList types = CollectOperationTypes(Selected(db_, GroupQuery(1)));
  EXPECT_EQ(Operations(Selected(db_, KeywordQuery(1, types, QStringLiteral("drill")))),
            (QStringList{"Drill", "Spot Drill", "Drill", "Tom's Drill"}));

  // Text that would rewrite a spliced query selects nothing and changes nothing.
  for (const QString& hostile : {QStringLiteral("x' or '1'='1"), QStringLiteral("x'); delete from cutdat; --")}) {
    SCOPED_TRACE(hostile.toStdString());
    EXPECT_TRUE(Selected(db_, OperationTypeQuery(1, hostile)).empty());
    EXPECT_TRUE(Selected(db_, AboveDataQuery(0, hostile)).empty());
  }
  EXPECT_EQ(Count("select count(*) from cutdat"), 8);
}

TEST_F(CuttingDatabaseBundledTest, RowsAreStoredUpdatedAndDeletedByKey) {
  CuttingDataRecord row;
  row.GrpIndex = 4;
  row.Operation = QStringLiteral("Knurl, \"straight\"");
  row.FromSFM = 150;
  row.ToIPR = 0.004;
  ASSERT_TRUE(db_.Insert(&row, &error_)) << error_.toStdString();
  ASSERT_GT(row.RowId, 0);
  const auto field = [&](const char* expression) {
    return RawQuery(db_.FilePath(), QStringLiteral("select %1 from cutdat where ID = %2")
                                       .arg(QString::fromLatin1(expression)).arg(row.RowId))
        .toString();
  };
  EXPECT_EQ(field("typeof(ToSFM)"), "null");
  EXPECT_EQ(field("DepthofCut"), "");

  row.ToSFM = 300;
  row.FromSFM.reset();
  row.ToolGrade = QStringLiteral("HSS");
  ASSERT_TRUE(db_.Update(row, &error_)) << error_.toStdString();
  EXPECT_EQ(Selected(db_, OperationTypeQuery(4, row.Operation)), std::vector<CuttingDataRecord>{row});

  bool deleted = false;
  ASSERT_TRUE(db_.Delete(row.RowId, &error_, &deleted));
  EXPECT_TRUE(deleted);
  ASSERT_TRUE(db_.Delete(row.RowId, &error_, &deleted));
  EXPECT_FALSE(deleted);
  EXPECT_FALSE(db_.Update(row, &error_));
  EXPECT_EQ(error_, "Cannot update the cutting data row: it no longer exists in the database.");
}

TEST_F(CuttingDatabaseRowsTest, InsertAllAddsEveryRowOrNone) {
  std::vector<CuttingDataRecord> rows(3);
  for (int i = 0; i < 3; ++i) rows[static_cast<size_t>(i)].Operation = QStringLiteral("Op %1").arg(i);
  ASSERT_TRUE(db_.InsertAll(&rows, &error_)) << error_.toStdString();
  EXPECT_GT(rows[2].RowId, rows[0].RowId);
  EXPECT_EQ(Count("select count(*) from cutdat"), 10);

  // The third row is refused: the first two must not stay.
  Exec("CREATE TRIGGER refuse_third BEFORE INSERT ON cutdat WHEN NEW.Operation = 'Bad' "
        "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
  std::vector<CuttingDataRecord> more(3);
  more[2].Operation = QStringLiteral("Bad");
  EXPECT_FALSE(db_.InsertAll(&more, &error_));
  EXPECT_EQ(error_, "Cannot add cutting data row 3: refused by the test");
  EXPECT_EQ(more[0].RowId, 0);
  EXPECT_EQ(Count("select count(*) from cutdat"), 10);
}

// ---- Range texts ----------------------------------------------------------------------------

TEST(RangeTextTest, NumbersEmptyValuesAndJunk) {
  const std::pair<const char*, std::optional<double>> good[] = {
      {"  ", std::nullopt}, {".002", 0.002}, {" 850 ", 850.0}, {"1.5E-3", 0.0015}, {"-.5", -0.5}};
  for (const auto& [text, expected] : good) {
    std::optional<double> v = 1;
    EXPECT_TRUE(ParseRangeText(QString::fromLatin1(text), &v)) << text;
    EXPECT_EQ(v, expected) << text;
  }
  for (const char* junk : {"fast", "12abc", "1 2", "1,5", ".", "1e999", "--1", "0x10"}) {
    std::optional<double> v;
    EXPECT_FALSE(ParseRangeText(QString::fromLatin1(junk), &v)) << junk;
  }
  EXPECT_EQ(RangeText(0.002), ".002");
  EXPECT_EQ(RangeText(850.0), "850");
  EXPECT_EQ(RangeText(std::nullopt), "");
}
