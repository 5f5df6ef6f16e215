#include "cutting/cuttingdatabase.h"

#include "cutdatatestutil.h"
#include "cutting/cutdataqueries.h"
#include "cutting/materiallists.h"
#include "cutting/operationnamelist.h"
#include "cutting/operationnamerules.h"
#include "cutting/sqlscript.h"
#include "platform/scriptedprompter.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace arvex;
using namespace arvex::test;

namespace {

QStringList FolderEntries(const TempAppFolder& folder) {
  return QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

using CuttingDatabaseRowsTest = SmallSeedTest;
using CuttingDatabaseBundledTest = BundledSeedTest;

}  // namespace

TEST(SqlScriptTest, SplitsAtSemicolonsOutsideQuotesCommentsAndTriggerBodies) {
  const QString script = QStringLiteral(
      "-- heading; with a semicolon\n"
      "CREATE TABLE t (a TEXT); /* block; comment */\n"
      "INSERT INTO t VALUES ('it''s; fine');;\n"
      "CREATE TRIGGER keep BEFORE DELETE ON g\n"
      "BEGIN\n"
      "  UPDATE g SET n = n;\n"
      "END;\n"
      "SELECT 1");
  EXPECT_EQ(SplitSqlStatements(script),
            (QStringList{"CREATE TABLE t (a TEXT)", "INSERT INTO t VALUES ('it''s; fine')",
                         "CREATE TRIGGER keep BEFORE DELETE ON g\nBEGIN\n  UPDATE g SET n = n;\nEND", "SELECT 1"}));
}

TEST(CuttingDatabaseOpenTest, CreatesTheFileFromTheSeedOfTheApplicationFolder) {
  TempAppFolder folder(true);
  CuttingDatabase db;
  OpenOrFail(db, folder);
  EXPECT_TRUE(db.WasCreated());
  EXPECT_EQ(db.FilePath(), folder.FilePath("RVXCutData.db"));
  EXPECT_EQ(GroupNames(db).size(), 12);
  EXPECT_EQ(RawQuery(db.FilePath(), "select count(*) from cutdat").toInt(), 168);

  // The application folder's seed comes before the bundled one; several
  // databases are open at once.
  for (const bool seedInApp : {true, false}) {
    SCOPED_TRACE(seedInApp ? "seed in the application folder" : "seed in the bundled folder only");
    TempAppFolder app;
    WriteSmallSeed(seedInApp ? app : folder);
    CuttingDatabase small;
    QString error;
    ASSERT_TRUE(small.Open(app.Path(), folder.Path(), &error)) << error.toStdString();
    EXPECT_EQ(small.FilePath(), app.FilePath("RVXCutData.db"));
    EXPECT_EQ(GroupNames(small).size(), 3);
  }
  EXPECT_EQ(GroupNames(db).size(), 12);
}

TEST(CuttingDatabaseOpenTest, ASeedThatFailsIsReportedAndLeavesNoBrokenFile) {
  const struct {
    QByteArray Seed;  // empty: no seed file
    const char* Error;
  } cases[] = {
      {"", "does not exist and cannot be created: the seed file RVXCutData-seed.sql was not found."},
      {"CREATE TABLE MaterialGrps (GrpIndex INTEGER PRIMARY KEY, GrpName TEXT);\nINSERT INTO NoSuchTable VALUES (1);\n",
       "Statement 2 of the seed fails (INSERT INTO NoSuchTable VALUES (1)): no such table"},
      {"CREATE TABLE MaterialGrps (GrpIndex INTEGER PRIMARY KEY, GrpName TEXT);\n"
       "CREATE TABLE Material (MatName TEXT, GrpIndex INTEGER);\n"
       "CREATE TABLE cutdat (GrpIndex INTEGER, Operation TEXT, DepthofCut TEXT);\n",
       "no such column: ToolGrade"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Error);
    TempAppFolder folder;
    if (!c.Seed.isEmpty()) folder.Write(kCutDataSeedName, c.Seed);
    CuttingDatabase db;
    QString error;
    EXPECT_FALSE(db.Open(folder.Path(), QString(), &error));
    EXPECT_FALSE(db.IsOpen());
    EXPECT_TRUE(error.contains(QString::fromLatin1(c.Error))) << error.toStdString();
    if (!QByteArray(c.Error).contains("ToolGrade")) {  // a valid schema leaves its database
      EXPECT_EQ(FolderEntries(folder), c.Seed.isEmpty() ? QStringList() : QStringList{kCutDataSeedName});
    }
  }
}

TEST(CuttingDatabaseOpenTest, AnExistingDatabaseIsNeverReplacedAndFoundInAnyCase) {
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
  ASSERT_TRUE(QFile::rename(folder.FilePath("RVXCutData.db"), folder.FilePath("rvxcutdata.DB")));
  const QByteArray before = folder.Read("rvxcutdata.DB");
  EXPECT_EQ(FindCutDataFile(folder.Path()), folder.FilePath("rvxcutdata.DB"));
  CuttingDatabase db;
  OpenOrFail(db, folder);
  EXPECT_FALSE(db.WasCreated());
  EXPECT_EQ(db.FilePath(), folder.FilePath("rvxcutdata.DB"));
  EXPECT_EQ(GroupNames(db), (QStringList{"Steel", "Stainless", "Aluminum", "Titanium"}));
  db.Close();
  EXPECT_EQ(folder.Read("rvxcutdata.DB"), before);
  EXPECT_FALSE(QFile::exists(folder.FilePath("RVXCutData.db")));
  QStringList groups;
  QString error;
  EXPECT_FALSE(db.ReadGroupNames(&groups, &error));
  EXPECT_EQ(error, "The cutting-data database is not open.");

  // A file that is no database is reported and kept.
  folder.Write("rvxcutdata.DB", "these are not the tables you are looking for");
  EXPECT_FALSE(db.Open(folder.Path(), QString(), &error));
  EXPECT_TRUE(error.startsWith("The file " + folder.FilePath("rvxcutdata.DB") +
                               " is not a usable cutting-data database: "))
      << error.toStdString();
  EXPECT_EQ(folder.Read("rvxcutdata.DB"), QByteArray("these are not the tables you are looking for"));
}

TEST_F(CuttingDatabaseBundledTest, TheSchemaProtectsNumbersAndRangesAndANewGroupComesLast) {
  int number = 0;
  ASSERT_TRUE(db_.AddGroup(QStringLiteral("Tool Steel"), &number, &error_)) << error_.toStdString();
  EXPECT_EQ(number, 13);
  // A deleted group would shift the number of every group after it.
  QString refused;
  RawQuery(db_.FilePath(), "delete from MaterialGrps where GrpIndex = 3", &refused);
  EXPECT_TRUE(refused.contains(QStringLiteral("never deleted"))) << refused.toStdString();
  RawQuery(db_.FilePath(), "update cutdat set FromSFM = 'fast' where ID = 1", &refused);
  EXPECT_FALSE(refused.isEmpty());
  Exec("update cutdat set FromSFM = '450' where ID = 1");
  EXPECT_EQ(Count("select count(*) from MaterialGrps"), 13);
  EXPECT_EQ(RawQuery(db_.FilePath(), "select typeof(FromSFM) from cutdat where ID = 1").toString(), "real");
}

TEST_F(CuttingDatabaseRowsTest, EachQuerySelectsItsRowsInTableOrder) {
  const std::vector<CuttingDataRecord> group = Selected(db_, GroupQuery(1));
  EXPECT_EQ(Operations(group), (QStringList{"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "Tap", "Drill"}));
  EXPECT_EQ(Selected(db_, OperationTypeQuery(1, QStringLiteral("Drill"))).size(), 2u);
  const std::vector<CuttingDataRecord> rough = Selected(db_, AboveDataQuery(0, QStringLiteral("OD Turn Rough")));
  ASSERT_EQ(rough.size(), 2u);
  EXPECT_EQ(rough[1].GrpIndex, 2);
  const std::vector<CuttingDataRecord> all = Selected(db_, ShowAllQuery());
  ASSERT_EQ(all.size(), 7u);
  CuttingDataRecord tap = all[5];
  EXPECT_GT(tap.RowId, 0);
  tap.RowId = 0;
  EXPECT_EQ(tap, (CuttingDataRecord{0, 1, "Tap", "Feed = pitch", "HSS-E", 40.0, 80.0, 0.0125, 0.0769, 0.06, 0.5}));

  // Group 0 and the empty grid select nothing, whatever is stored.
  Exec("insert into cutdat (GrpIndex, Operation) values (0, 'Drill')");
  Exec("insert into cutdat (GrpIndex, Operation) values (-1, 'Drill')");
  EXPECT_TRUE(Selected(db_, GroupQuery(0)).empty());
  EXPECT_TRUE(Selected(db_, NoRowsQuery()).empty());
}

TEST_F(CuttingDatabaseRowsTest, AQuoteInAnOperationTypeIsComparedAsItStands) {
  CuttingDataRecord row{.GrpIndex = 1, .Operation = "Tom's Drill"};
  ASSERT_TRUE(db_.Insert(&row, &error_)) << error_.toStdString();
  const std::vector<CuttingDataRecord> toms = Selected(db_, OperationTypeQuery(1, QStringLiteral("Tom's Drill")));
  ASSERT_EQ(toms.size(), 1u);
  EXPECT_EQ(toms[0].RowId, row.RowId);

  // Text that would rewrite a spliced query selects nothing and changes nothing.
  EXPECT_TRUE(Selected(db_, AboveDataQuery(0, QStringLiteral("x'); delete from cutdat; --"))).empty());
  EXPECT_EQ(Count("select count(*) from cutdat"), 8);
}

TEST_F(CuttingDatabaseBundledTest, RowsAreStoredUpdatedAndDeletedByKey) {
  CuttingDataRecord row{.GrpIndex = 4, .Operation = "Knurl, \"straight\"", .FromSFM = 150, .ToIPR = 0.004};
  ASSERT_TRUE(db_.Insert(&row, &error_)) << error_.toStdString();
  ASSERT_GT(row.RowId, 0);
  EXPECT_EQ(RawQuery(db_.FilePath(), QStringLiteral("select typeof(ToSFM) from cutdat where ID = %1").arg(row.RowId))
                .toString(),
            "null");
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

// Empty texts and numbers: CuttingDataEditorFormTest.
TEST(RangeTextTest, PaddedNumbersAndJunk) {
  std::optional<double> v;
  EXPECT_TRUE(ParseRangeText(QStringLiteral(" 850 "), &v));
  EXPECT_EQ(v, 850.0);
  for (const char* junk : {"fast", "12abc", "1,5"}) {
    std::optional<double> v;
    EXPECT_FALSE(ParseRangeText(QString::fromLatin1(junk), &v)) << junk;
  }
  EXPECT_EQ(RangeText(0.002), ".002");
  EXPECT_EQ(RangeText(std::nullopt), "");
}

// Every material of the seed belongs to a group; in every group each bundled
// operation name with a grid keyword finds rows, and every row has sensible
// ranges.
TEST_F(CuttingDatabaseBundledTest, EveryBundledNameFindsRowsInEveryGroupWithSensibleRanges) {
  MaterialLists lists;
  ASSERT_TRUE(LoadMaterialLists(db_, &lists, &error_)) << error_.toStdString();
  for (int i = 1; i <= MaterialCount(lists); ++i)
    EXPECT_EQ(GroupOfDisplayText(lists, MaterialDisplayText(lists, i)), lists.MaterialGroups[static_cast<size_t>(i)])
        << lists.MaterialNames[i].toStdString();
  ScriptedPrompter prompter;
  const QStringList names = LoadOperationNames(folder_.Path(), prompter);
  ASSERT_FALSE(names.isEmpty());
  for (int g = 1; g <= GroupCount(lists); ++g) {
    SCOPED_TRACE(lists.GroupNames[g].toStdString());
    const std::vector<CuttingDataRecord> rows = Selected(db_, GroupQuery(g));
    const QStringList types = CollectOperationTypes(rows);
    for (const QString& name : names) {
      const QString keyword = GridKeywordForName(name);
      EXPECT_TRUE(keyword.isEmpty() || !Selected(db_, KeywordQuery(g, types, keyword)).empty()) << name.toStdString();
    }
    for (const CuttingDataRecord& r : rows) {
      SCOPED_TRACE(r.Operation.toStdString());
      ASSERT_TRUE(r.FromSFM && r.ToSFM && r.FromIPR && r.ToIPR && r.FromDiam && r.ToDiam);
      EXPECT_FALSE(r.DepthofCut.isEmpty() || r.ToolGrade.isEmpty());
      EXPECT_TRUE(5 <= *r.FromSFM && *r.FromSFM < *r.ToSFM && *r.ToSFM <= 3000);
      EXPECT_TRUE(0 < *r.FromIPR && *r.FromIPR < *r.ToIPR && *r.ToIPR <= 0.1);
      EXPECT_TRUE(*r.FromDiam < *r.ToDiam && *r.ToDiam <= 1.26);
    }
  }
}
