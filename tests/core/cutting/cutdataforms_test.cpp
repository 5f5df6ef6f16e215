#include "cutting/cutdataforms.h"

#include "cutdatatestutil.h"
#include "platform/textinput.h"

#include <gtest/gtest.h>

using namespace arvex;
using namespace arvex::test;

namespace {

class FormTest : public testing::Test {
 protected:
  void SetUp() override {
    WriteSmallSeed(folder_);
    OpenOrFail(db_, folder_);
  }
  int Count(const char* sql) { return RawQuery(db_.FilePath(), QString::fromLatin1(sql)).toInt(); }
  void RefuseChanges(const QString& table) {
    for (const char* event : {"INSERT", "UPDATE", "DELETE"}) {
      RawQuery(db_.FilePath(), QStringLiteral("CREATE TRIGGER refuse_%1_%2 BEFORE %2 ON %1 BEGIN "
                                              "SELECT RAISE(ABORT, 'refused by the test'); END")
                                   .arg(table, QString::fromLatin1(event)));
    }
  }

  TempAppFolder folder_;
  CuttingDatabase db_;
};

using CutDataGridFormTest = FormTest;
using MaterialGroupsFormTest = FormTest;
using CuttingDataEditorFormTest = FormTest;

}  // namespace

// ---- The grid of the cutting data window --------------------------------------------------

TEST_F(CutDataGridFormTest, OpeningShowsTheGroupAndCollectsItsTypes) {
  CutDataGridForm grid(db_);
  QString error;
  ASSERT_TRUE(grid.Open(1, &error)) << error.toStdString();
  EXPECT_EQ(grid.RecordSource().Text, "select * from cutdat where GrpIndex = 1");
  EXPECT_EQ(grid.Rows().size(), 6u);
  EXPECT_EQ(grid.OperationTypes(), (QStringList{"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "Tap"}));
}

TEST_F(CutDataGridFormTest, TheOperationNameChoosesTheRows) {
  CutDataGridForm grid(db_);
  QString error;
  ASSERT_TRUE(grid.Open(1, &error));
  ASSERT_TRUE(grid.ShowForOperationName(QStringLiteral("Face OD"), &error));
  EXPECT_EQ(grid.RecordSource().Text,
            "select * from cutdat where GrpIndex = 1 and (Operation = 'OD Turn Rough' or Operation = 'Face (Turn)')");
  EXPECT_EQ(Operations(grid.Rows()), (QStringList{"OD Turn Rough", "Face (Turn)"}));

  ASSERT_TRUE(grid.ShowForOperationName(QStringLiteral("Live Cross Drill"), &error));
  EXPECT_EQ(Operations(grid.Rows()), (QStringList{"Drill", "Spot Drill", "Drill"}));

  // An empty slot has no name: no keyword, the empty grid.
  ASSERT_TRUE(grid.ShowForOperationName(QString(), &error));
  EXPECT_EQ(grid.RecordSource().Text, "select * from cutdat where GrpIndex = -1");
  EXPECT_TRUE(grid.Rows().empty());

  ASSERT_TRUE(grid.ShowOperationType(QStringLiteral("Drill"), &error));
  EXPECT_EQ(grid.RecordSource().Text, "select * from cutdat where GrpIndex = 1 and Operation = 'Drill'");
  EXPECT_EQ(grid.Rows().size(), 2u);
}

TEST_F(CutDataGridFormTest, AGroupWithoutTheKeywordsTypesShowsNothing) {
  CutDataGridForm grid(db_);
  QString error;
  ASSERT_TRUE(grid.Open(2, &error));
  ASSERT_TRUE(grid.ShowForOperationName(QStringLiteral("Spot Drill"), &error));
  EXPECT_EQ(grid.RecordSource().Text, "select * from cutdat where GrpIndex = -1");
  EXPECT_TRUE(grid.Rows().empty());

  ASSERT_TRUE(grid.Open(0, &error));
  EXPECT_EQ(grid.RecordSource().Text, "select * from cutdat where GrpIndex = 0");
  EXPECT_TRUE(grid.Rows().empty());
  EXPECT_TRUE(grid.OperationTypes().isEmpty());
}

// ---- Material groups editor ----------------------------------------------------------------------

TEST_F(MaterialGroupsFormTest, AddingAFourthGroupAndAMaterialUnderIt) {
  MaterialGroupsForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  EXPECT_EQ(form.Groups(), (QStringList{"Steel", "Stainless", "Aluminum"}));
  EXPECT_EQ(form.CurrentGroupNumber(), 0);

  form.GroupText = QStringLiteral("Titanium");
  ASSERT_EQ(form.AddGroup(&error), EditResult::Done) << error.toStdString();
  EXPECT_EQ(form.Groups().back(), "Titanium");
  EXPECT_EQ(form.SelectedGroup(), 3);
  EXPECT_EQ(form.CurrentGroupNumber(), 4);
  EXPECT_TRUE(form.Materials().isEmpty());
  EXPECT_EQ(form.GroupText, "");

  form.MaterialText = QStringLiteral("Ti-6Al-4V");
  ASSERT_EQ(form.AddMaterial(&error), EditResult::Done) << error.toStdString();
  EXPECT_EQ(form.Materials(), QStringList{"Ti-6Al-4V"});
  EXPECT_EQ(form.SelectedMaterial(), 0);
  EXPECT_EQ(form.MaterialText, "");
  EXPECT_EQ(RawQuery(db_.FilePath(), "select GrpIndex from Material where MatName = 'Ti-6Al-4V'").toInt(), 4);

  ASSERT_TRUE(form.ChooseGroup(0, &error));
  EXPECT_EQ(form.Materials(), QStringList{"12L14"});
  EXPECT_EQ(form.SelectedMaterial(), -1);
}

TEST_F(MaterialGroupsFormTest, EmptyTextsAreIgnored) {
  MaterialGroupsForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  form.GroupText = QStringLiteral("   ");
  EXPECT_EQ(form.AddGroup(&error), EditResult::Ignored);
  ASSERT_TRUE(form.ChooseGroup(1, &error));
  EXPECT_EQ(form.AddMaterial(&error), EditResult::Ignored);
  EXPECT_EQ(Count("select count(*) from MaterialGrps"), 3);
  EXPECT_EQ(Count("select count(*) from Material"), 3);
}

TEST_F(MaterialGroupsFormTest, AMaterialNeedsAGroup) {
  MaterialGroupsForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  form.MaterialText = QStringLiteral("Orphan");
  EXPECT_EQ(form.AddMaterial(&error), EditResult::Failed);
  EXPECT_EQ(error, kChooseGroupFirstMessage);
  EXPECT_EQ(form.MaterialText, "Orphan");
  EXPECT_EQ(Count("select count(*) from Material"), 3);
}

TEST_F(MaterialGroupsFormTest, NamesWithADoubleQuoteAreRefused) {
  MaterialGroupsForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  form.GroupText = QStringLiteral("1/2\" Hex Stock");
  EXPECT_EQ(form.AddGroup(&error), EditResult::Failed);
  EXPECT_EQ(error, kDoubleQuoteMessage);
  ASSERT_TRUE(form.ChooseGroup(0, &error));
  form.MaterialText = QStringLiteral("12L14 1/2\"");
  EXPECT_EQ(form.AddMaterial(&error), EditResult::Failed);
  EXPECT_EQ(error, kDoubleQuoteMessage);
  EXPECT_EQ(form.Groups().size(), 3);
  EXPECT_EQ(Count("select count(*) from MaterialGrps"), 3);
  EXPECT_EQ(Count("select count(*) from Material"), 3);
}

TEST_F(MaterialGroupsFormTest, DatabaseErrorsAreReportedAndTheListsStay) {
  MaterialGroupsForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  ASSERT_TRUE(form.ChooseGroup(0, &error));
  RefuseChanges(QStringLiteral("MaterialGrps"));
  RefuseChanges(QStringLiteral("Material"));
  form.GroupText = QStringLiteral("Titanium");
  EXPECT_EQ(form.AddGroup(&error), EditResult::Failed);
  EXPECT_EQ(error, "Cannot add the material group: refused by the test");
  EXPECT_EQ(form.Groups().size(), 3);
  EXPECT_EQ(form.GroupText, "Titanium");
  form.MaterialText = QStringLiteral("1215");
  EXPECT_EQ(form.AddMaterial(&error), EditResult::Failed);
  EXPECT_EQ(error, "Cannot add the material: refused by the test");
  EXPECT_EQ(form.Materials(), QStringList{"12L14"});
}

// ---- Cutting database editor -----------------------------------------------------------------

TEST_F(CuttingDataEditorFormTest, OpeningFillsTheListsAndShowsTheWholeTable) {
  CuttingDataEditorForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error)) << error.toStdString();
  EXPECT_EQ(form.MaterialTexts(), (QStringList{"12L14 - Steel", "303 - Stainless", "6061-T6 - Aluminum"}));
  EXPECT_EQ(form.Groups(), (QStringList{"Steel", "Stainless", "Aluminum"}));
  EXPECT_EQ(form.OperationTypes(), (QStringList{"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "Tap"}));
  EXPECT_EQ(form.ToolGrades(), (QStringList{"P25", "Carbide", "M25", "HSS-E"}));
  EXPECT_EQ(form.RecordSource().Text, "Cutdat");
  EXPECT_EQ(form.Rows().size(), 7u);
  EXPECT_EQ(form.CurrentRow(), 0);
  EXPECT_EQ(form.Caption(), "0");
  EXPECT_EQ(form.Record.Operation, "OD Turn Rough");
  EXPECT_EQ(form.RecordGroup(), 0);
}

TEST_F(CuttingDataEditorFormTest, SelectionsFollowMaterialsAndGroups) {
  CuttingDataEditorForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  form.ChooseAboveMaterial(1);
  EXPECT_EQ(form.AboveMaterial(), 1);
  EXPECT_EQ(form.AboveGroup(), 1);
  form.ChooseAboveGroup(2);
  EXPECT_EQ(form.AboveGroup(), 2);
  EXPECT_EQ(form.AboveMaterial(), -1);

  form.MoveTo(2);
  EXPECT_EQ(form.Caption(), "2");
  EXPECT_EQ(form.Record.Operation, "OD Turn Rough");
  EXPECT_EQ(form.Record.GrpIndex, 2);
  EXPECT_EQ(form.RecordGroup(), 1);
  form.ChooseRecordMaterial(2);
  EXPECT_EQ(form.RecordMaterial(), 2);
  EXPECT_EQ(form.RecordGroup(), 2);
  EXPECT_EQ(form.Record.GrpIndex, 3);
  form.ChooseRecordGroup(0);
  EXPECT_EQ(form.Record.GrpIndex, 1);
  EXPECT_EQ(form.RecordMaterial(), -1);
  form.ChooseRecordMaterial(0);
  form.MoveTo(3);
  EXPECT_EQ(form.RecordMaterial(), -1);
  EXPECT_EQ(form.Record.GrpIndex, 1);  // the row's own group, not the edit of another row
}

TEST_F(CuttingDataEditorFormTest, AddStoresARowFromTheSelectionsAbove) {
  CuttingDataEditorForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  form.ChooseAboveMaterial(1);
  form.AboveOperation = QStringLiteral("Knurl");
  ASSERT_TRUE(form.Add(&error)) << error.toStdString();
  ASSERT_EQ(form.Rows().size(), 8u);
  EXPECT_EQ(form.CurrentRow(), 7);
  EXPECT_EQ(form.Record.GrpIndex, 2);
  EXPECT_EQ(form.Record.Operation, "Knurl");
  EXPECT_EQ(form.RecordMaterial(), 1);
  EXPECT_EQ(form.RecordGroup(), 1);
  EXPECT_TRUE(form.OperationTypes().contains(QStringLiteral("Knurl")));
  EXPECT_EQ(Count("select count(*) from cutdat where GrpIndex = 2 and Operation = 'Knurl'"), 1);

  // Then the record area is filled in and stored.
  form.Record.DepthofCut = QStringLiteral(".010");
  form.Record.ToolGrade = QStringLiteral("HSS straight knurl");
  form.Record.FromSFM = 100;
  form.Record.ToSFM = 200;
  ASSERT_TRUE(form.Update(&error)) << error.toStdString();
  EXPECT_TRUE(form.ToolGrades().contains(QStringLiteral("HSS straight knurl")));
  EXPECT_EQ(form.Rows()[7].ToSFM, 200.0);
  std::vector<CuttingDataRecord> rows;
  ASSERT_TRUE(db_.Select(AboveDataQuery(2, QStringLiteral("Knurl")), &rows, &error));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], form.Rows()[7]);
}

TEST_F(CuttingDataEditorFormTest, AddWithoutSelectionsStoresAnEmptyRow) {
  CuttingDataEditorForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  ASSERT_TRUE(form.Add(&error));
  EXPECT_EQ(form.CurrentRow(), 7);
  EXPECT_EQ(form.Record.GrpIndex, 0);
  EXPECT_EQ(form.Record.Operation, "");
  EXPECT_EQ(form.RecordGroup(), -1);
  EXPECT_EQ(form.RecordMaterial(), -1);
  EXPECT_EQ(Count("select count(*) from cutdat"), 8);
}

TEST_F(CuttingDataEditorFormTest, ANewRowOutsideTheShownSelectionStaysInView) {
  CuttingDataEditorForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  form.ChooseAboveGroup(0);
  form.AboveOperation = QStringLiteral("Tap");
  ASSERT_TRUE(form.ShowAboveDataOnly(&error));
  ASSERT_EQ(form.Rows().size(), 1u);
  form.AboveOperation = QStringLiteral("Ream");
  ASSERT_TRUE(form.Add(&error));
  EXPECT_EQ(Operations(form.Rows()), (QStringList{"Tap", "Ream"}));
  EXPECT_EQ(form.CurrentRow(), 1);
  EXPECT_EQ(form.Record.Operation, "Ream");
}

TEST_F(CuttingDataEditorFormTest, ShowAboveDataOnlyAndShowAll) {
  CuttingDataEditorForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  form.ChooseAboveGroup(0);
  form.AboveOperation = QStringLiteral("Drill");
  ASSERT_TRUE(form.ShowAboveDataOnly(&error));
  EXPECT_EQ(form.RecordSource().Text, "select * from CutDat where GrpIndex = 1 and Operation = 'Drill'");
  EXPECT_EQ(Operations(form.Rows()), (QStringList{"Drill", "Drill"}));
  EXPECT_EQ(form.CurrentRow(), 0);

  form.AboveOperation.clear();
  ASSERT_TRUE(form.ShowAboveDataOnly(&error));
  EXPECT_EQ(form.RecordSource().Text, "select * from CutDat where GrpIndex = 1");
  EXPECT_EQ(form.Rows().size(), 6u);

  form.AboveOperation = QStringLiteral("Thread");
  ASSERT_TRUE(form.ShowAboveDataOnly(&error));
  EXPECT_TRUE(form.Rows().empty());
  EXPECT_EQ(form.CurrentRow(), -1);
  EXPECT_EQ(form.Caption(), "");

  ASSERT_TRUE(form.ShowAll(&error));
  EXPECT_EQ(form.RecordSource().Text, "select * from CutDat");
  EXPECT_EQ(form.Rows().size(), 7u);
}

TEST_F(CuttingDataEditorFormTest, AfterADeleteTheNextRowThenTheLastIsCurrent) {
  CuttingDataEditorForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  // OD Turn Rough, Drill, OD Turn Rough (2), Face (Turn), Spot Drill, Tap, Drill
  form.MoveTo(2);
  ASSERT_TRUE(form.Delete(&error)) << error.toStdString();
  EXPECT_EQ(form.CurrentRow(), 2);
  EXPECT_EQ(form.Record.Operation, "Face (Turn)");
  EXPECT_EQ(form.Caption(), "2");

  form.MoveTo(5);  // the last row
  ASSERT_TRUE(form.Delete(&error));
  EXPECT_EQ(form.CurrentRow(), 4);
  EXPECT_EQ(form.Record.Operation, "Tap");

  while (form.Rows().size() > 2) ASSERT_TRUE(form.Delete(&error));
  EXPECT_EQ(Operations(form.Rows()), (QStringList{"OD Turn Rough", "Drill"}));
  EXPECT_EQ(form.CurrentRow(), 1);
  form.MoveTo(0);
  ASSERT_TRUE(form.Delete(&error));
  EXPECT_EQ(form.CurrentRow(), 0);
  EXPECT_EQ(form.Record.Operation, "Drill");
  EXPECT_EQ(Count("select count(*) from cutdat"), 1);
}

TEST_F(CuttingDataEditorFormTest, DeletingTheOnlyRowLeavesAnEmptyGridWithoutError) {
  CuttingDataEditorForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  form.ChooseAboveGroup(0);
  form.AboveOperation = QStringLiteral("Tap");
  ASSERT_TRUE(form.ShowAboveDataOnly(&error));
  ASSERT_EQ(form.Rows().size(), 1u);
  error.clear();
  ASSERT_TRUE(form.Delete(&error));
  EXPECT_EQ(error, "");
  EXPECT_TRUE(form.Rows().empty());
  EXPECT_EQ(form.CurrentRow(), -1);
  EXPECT_EQ(form.Caption(), "");
  EXPECT_EQ(form.Record, CuttingDataRecord());
  EXPECT_EQ(form.RecordGroup(), -1);
  EXPECT_EQ(Count("select count(*) from cutdat"), 6);
  EXPECT_EQ(Count("select count(*) from cutdat where Operation = 'Tap'"), 0);

  // Nothing is left to delete or update: said so, nothing changes.
  EXPECT_FALSE(form.Delete(&error));
  EXPECT_EQ(error, "There is no cutting data row to delete.");
  EXPECT_FALSE(form.Update(&error));
  EXPECT_EQ(error, "There is no cutting data row to update.");
  EXPECT_EQ(Count("select count(*) from cutdat"), 6);
}

TEST_F(CuttingDataEditorFormTest, DatabaseErrorsEndTheActionAndAreReported) {
  CuttingDataEditorForm form(db_);
  QString error;
  ASSERT_TRUE(form.Open(&error));
  RefuseChanges(QStringLiteral("cutdat"));
  EXPECT_FALSE(form.Add(&error));
  EXPECT_EQ(error, "Cannot add the cutting data row: refused by the test");
  EXPECT_EQ(form.Rows().size(), 7u);

  form.MoveTo(1);
  form.Record.DepthofCut = QStringLiteral("changed");
  EXPECT_FALSE(form.Update(&error));
  EXPECT_EQ(error, "Cannot update the cutting data row: refused by the test");
  EXPECT_EQ(form.Rows()[1].DepthofCut, "Peck 1 x D");

  EXPECT_FALSE(form.Delete(&error));
  EXPECT_EQ(error, "Cannot delete the cutting data row: refused by the test");
  EXPECT_EQ(form.Rows().size(), 7u);
  EXPECT_EQ(form.CurrentRow(), 1);
  EXPECT_EQ(Count("select count(*) from cutdat"), 7);
}
