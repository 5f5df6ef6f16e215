#include "cutting/cutdataforms.h"

#include "cutdatatestutil.h"
#include "platform/textinput.h"

#include <gtest/gtest.h>

using namespace arvex;
using namespace arvex::test;

namespace {

// A cutting data form on the small seed, opened without error.
template <class Form>
class OpenFormTest : public SmallSeedTest {
 protected:
  void SetUp() override {
    SmallSeedTest::SetUp();
    ASSERT_TRUE(form_.Open(&error_)) << error_.toStdString();
  }
  Form form_{db_};
};

class CutDataGridFormTest : public SmallSeedTest {
 protected:
  CutDataGridForm grid_{db_};
};
using MaterialGroupsFormTest = OpenFormTest<MaterialGroupsForm>;
using CuttingDataEditorFormTest = OpenFormTest<CuttingDataEditorForm>;

}  // namespace

// ---- The grid of the cutting data window --------------------------------------------------

TEST_F(CutDataGridFormTest, OpeningShowsTheGroupAndCollectsItsTypes) {
  ASSERT_TRUE(grid_.Open(1, &error_)) << error_.toStdString();
  EXPECT_EQ(grid_.RecordSource().Text, "select * from cutdat where GrpIndex = 1");
  EXPECT_EQ(grid_.Rows().size(), 6u);
  EXPECT_EQ(grid_.OperationTypes(), (QStringList{"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "Tap"}));
}

TEST_F(CutDataGridFormTest, TheOperationNameChoosesTheRows) {
  struct Case {
    int Group;
    QString Name;
    QString Source;
    QStringList Rows;
  };
  const QString none = QStringLiteral("select * from cutdat where GrpIndex = -1");
  const Case cases[] = {
      {1, "Face OD",
       "select * from cutdat where GrpIndex = 1 and (Operation = 'OD Turn Rough' or Operation = 'Face (Turn)')",
       {"OD Turn Rough", "Face (Turn)"}},
      {1, "Live Cross Drill",
       "select * from cutdat where GrpIndex = 1 and (Operation = 'Drill' or Operation = 'Spot Drill')",
       {"Drill", "Spot Drill", "Drill"}},
      {1, "Spot Drill", "select * from cutdat where GrpIndex = 1 and (Operation = 'Spot Drill')", {"Spot Drill"}},
      {1, "Ream", none, {}},  // no type of the group holds the keyword
      // An empty slot has no name: no keyword, the empty grid.
      {1, "", none, {}},
      // A group without the keyword's types shows nothing.
      {2, "Spot Drill", none, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name.toStdString());
    ASSERT_TRUE(grid_.Open(c.Group, &error_)) << error_.toStdString();
    ASSERT_TRUE(grid_.ShowForOperationName(c.Name, &error_)) << error_.toStdString();
    EXPECT_EQ(grid_.RecordSource().Text, c.Source);
    EXPECT_EQ(Operations(grid_.Rows()), c.Rows);
  }
}

TEST_F(CutDataGridFormTest, AnOperationTypeOrGroupZero) {
  ASSERT_TRUE(grid_.Open(1, &error_));
  ASSERT_TRUE(grid_.ShowOperationType(QStringLiteral("Drill"), &error_));
  EXPECT_EQ(grid_.RecordSource().Text, "select * from cutdat where GrpIndex = 1 and Operation = 'Drill'");
  EXPECT_EQ(grid_.Rows().size(), 2u);

  ASSERT_TRUE(grid_.Open(0, &error_));
  EXPECT_EQ(grid_.RecordSource().Text, "select * from cutdat where GrpIndex = 0");
  EXPECT_TRUE(grid_.Rows().empty());
  EXPECT_TRUE(grid_.OperationTypes().isEmpty());
}

// ---- Material groups editor ----------------------------------------------------------------------

TEST_F(MaterialGroupsFormTest, AddingAFourthGroupAndAMaterialUnderIt) {
  EXPECT_EQ(form_.Groups(), (QStringList{"Steel", "Stainless", "Aluminum"}));
  EXPECT_EQ(form_.CurrentGroupNumber(), 0);

  form_.GroupText = QStringLiteral("Titanium");
  ASSERT_EQ(form_.AddGroup(&error_), EditResult::Done) << error_.toStdString();
  EXPECT_EQ(form_.Groups().back(), "Titanium");
  EXPECT_EQ(form_.SelectedGroup(), 3);
  EXPECT_EQ(form_.CurrentGroupNumber(), 4);
  EXPECT_TRUE(form_.Materials().isEmpty());
  EXPECT_EQ(form_.GroupText, "");

  form_.MaterialText = QStringLiteral("Ti-6Al-4V");
  ASSERT_EQ(form_.AddMaterial(&error_), EditResult::Done) << error_.toStdString();
  EXPECT_EQ(form_.Materials(), QStringList{"Ti-6Al-4V"});
  EXPECT_EQ(form_.SelectedMaterial(), 0);
  EXPECT_EQ(form_.MaterialText, "");
  EXPECT_EQ(Count("select GrpIndex from Material where MatName = 'Ti-6Al-4V'"), 4);

  ASSERT_TRUE(form_.ChooseGroup(0, &error_));
  EXPECT_EQ(form_.Materials(), QStringList{"12L14"});
  EXPECT_EQ(form_.SelectedMaterial(), -1);
}

TEST_F(MaterialGroupsFormTest, EmptyOrQuotedNamesAndMaterialsWithoutAGroupAddNothing) {
  form_.MaterialText = QStringLiteral("Orphan");
  EXPECT_EQ(form_.AddMaterial(&error_), EditResult::Failed);
  EXPECT_EQ(error_, kChooseGroupFirstMessage);
  EXPECT_EQ(form_.MaterialText, "Orphan");

  form_.GroupText = QStringLiteral("   ");
  EXPECT_EQ(form_.AddGroup(&error_), EditResult::Ignored);
  form_.GroupText = QStringLiteral("1/2\" Hex Stock");
  EXPECT_EQ(form_.AddGroup(&error_), EditResult::Failed);
  EXPECT_EQ(error_, kDoubleQuoteMessage);

  ASSERT_TRUE(form_.ChooseGroup(1, &error_));
  form_.MaterialText.clear();
  EXPECT_EQ(form_.AddMaterial(&error_), EditResult::Ignored);
  form_.MaterialText = QStringLiteral("12L14 1/2\"");
  EXPECT_EQ(form_.AddMaterial(&error_), EditResult::Failed);
  EXPECT_EQ(error_, kDoubleQuoteMessage);
  EXPECT_EQ(form_.Groups().size(), 3);
  EXPECT_EQ(Count("select count(*) from MaterialGrps"), 3);
  EXPECT_EQ(Count("select count(*) from Material"), 3);
}

TEST_F(MaterialGroupsFormTest, DatabaseErrorsAreReportedAndTheListsStay) {
  ASSERT_TRUE(form_.ChooseGroup(0, &error_));
  RefuseChanges(QStringLiteral("MaterialGrps"));
  RefuseChanges(QStringLiteral("Material"));
  form_.GroupText = QStringLiteral("Titanium");
  EXPECT_EQ(form_.AddGroup(&error_), EditResult::Failed);
  EXPECT_EQ(error_, "Cannot add the material group: refused by the test");
  EXPECT_EQ(form_.Groups().size(), 3);
  EXPECT_EQ(form_.GroupText, "Titanium");
  form_.MaterialText = QStringLiteral("1215");
  EXPECT_EQ(form_.AddMaterial(&error_), EditResult::Failed);
  EXPECT_EQ(error_, "Cannot add the material: refused by the test");
  EXPECT_EQ(form_.Materials(), QStringList{"12L14"});
}

// ---- Cutting database editor -----------------------------------------------------------------

TEST_F(CuttingDataEditorFormTest, OpeningFillsTheListsAndShowsTheWholeTable) {
  EXPECT_EQ(form_.MaterialTexts(), (QStringList{"12L14 - Steel", "303 - Stainless", "6061-T6 - Aluminum"}));
  EXPECT_EQ(form_.Groups(), (QStringList{"Steel", "Stainless", "Aluminum"}));
  EXPECT_EQ(form_.OperationTypes(), (QStringList{"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "Tap"}));
  EXPECT_EQ(form_.ToolGrades(), (QStringList{"P25", "Carbide", "M25", "HSS-E"}));
  EXPECT_EQ(form_.RecordSource().Text, "Cutdat");
  EXPECT_EQ(form_.Rows().size(), 7u);
  EXPECT_EQ(form_.CurrentRow(), 0);
  EXPECT_EQ(form_.Caption(), "0");
  EXPECT_EQ(form_.Record.Operation, "OD Turn Rough");
  EXPECT_EQ(form_.RecordGroup(), 0);
}

TEST_F(CuttingDataEditorFormTest, SelectionsFollowMaterialsAndGroups) {
  form_.ChooseAboveMaterial(1);
  EXPECT_EQ(form_.AboveMaterial(), 1);
  EXPECT_EQ(form_.AboveGroup(), 1);
  form_.ChooseAboveGroup(2);
  EXPECT_EQ(form_.AboveGroup(), 2);
  EXPECT_EQ(form_.AboveMaterial(), -1);

  form_.MoveTo(2);
  EXPECT_EQ(form_.Caption(), "2");
  EXPECT_EQ(form_.Record.Operation, "OD Turn Rough");
  EXPECT_EQ(form_.Record.GrpIndex, 2);
  EXPECT_EQ(form_.RecordGroup(), 1);
  form_.ChooseRecordMaterial(2);
  EXPECT_EQ(form_.RecordMaterial(), 2);
  EXPECT_EQ(form_.RecordGroup(), 2);
  EXPECT_EQ(form_.Record.GrpIndex, 3);
  form_.ChooseRecordGroup(0);
  EXPECT_EQ(form_.Record.GrpIndex, 1);
  EXPECT_EQ(form_.RecordMaterial(), -1);
  form_.ChooseRecordMaterial(0);
  form_.MoveTo(3);
  EXPECT_EQ(form_.RecordMaterial(), -1);
  EXPECT_EQ(form_.Record.GrpIndex, 1);  // the row's own group, not the edit of another row
}

TEST_F(CuttingDataEditorFormTest, AddStoresARowFromTheSelectionsAbove) {
  form_.ChooseAboveMaterial(1);
  form_.AboveOperation = QStringLiteral("Knurl");
  ASSERT_TRUE(form_.Add(&error_)) << error_.toStdString();
  ASSERT_EQ(form_.Rows().size(), 8u);
  EXPECT_EQ(form_.CurrentRow(), 7);
  EXPECT_EQ(form_.Record.GrpIndex, 2);
  EXPECT_EQ(form_.Record.Operation, "Knurl");
  EXPECT_EQ(form_.RecordMaterial(), 1);
  EXPECT_EQ(form_.RecordGroup(), 1);
  EXPECT_TRUE(form_.OperationTypes().contains(QStringLiteral("Knurl")));
  EXPECT_EQ(Count("select count(*) from cutdat where GrpIndex = 2 and Operation = 'Knurl'"), 1);

  // Then the record area is filled in and stored.
  form_.Record.DepthofCut = QStringLiteral(".010");
  form_.Record.ToolGrade = QStringLiteral("HSS straight knurl");
  form_.Record.FromSFM = 100;
  form_.Record.ToSFM = 200;
  ASSERT_TRUE(form_.Update(&error_)) << error_.toStdString();
  EXPECT_TRUE(form_.ToolGrades().contains(QStringLiteral("HSS straight knurl")));
  EXPECT_EQ(form_.Rows()[7].ToSFM, 200.0);
  EXPECT_EQ(Selected(db_, AboveDataQuery(2, QStringLiteral("Knurl"))), std::vector<CuttingDataRecord>{form_.Rows()[7]});
}

TEST_F(CuttingDataEditorFormTest, AddWithoutSelectionsStoresAnEmptyRow) {
  ASSERT_TRUE(form_.Add(&error_));
  EXPECT_EQ(form_.CurrentRow(), 7);
  EXPECT_EQ(form_.Record.GrpIndex, 0);
  EXPECT_EQ(form_.Record.Operation, "");
  EXPECT_EQ(form_.RecordGroup(), -1);
  EXPECT_EQ(form_.RecordMaterial(), -1);
  EXPECT_EQ(Count("select count(*) from cutdat"), 8);
}

TEST_F(CuttingDataEditorFormTest, ANewRowOutsideTheShownSelectionStaysInView) {
  form_.ChooseAboveGroup(0);
  form_.AboveOperation = QStringLiteral("Tap");
  ASSERT_TRUE(form_.ShowAboveDataOnly(&error_));
  ASSERT_EQ(form_.Rows().size(), 1u);
  form_.AboveOperation = QStringLiteral("Ream");
  ASSERT_TRUE(form_.Add(&error_));
  EXPECT_EQ(Operations(form_.Rows()), (QStringList{"Tap", "Ream"}));
  EXPECT_EQ(form_.CurrentRow(), 1);
  EXPECT_EQ(form_.Record.Operation, "Ream");

  // The view's query selects exactly the rows in view, also after a second
  // add and an update that takes a row out of the selection.
  EXPECT_EQ(Selected(db_, form_.ViewQuery()), form_.Rows());
  ASSERT_TRUE(form_.Add(&error_));
  form_.MoveTo(0);
  form_.Record.Operation = QStringLiteral("Tapping");
  ASSERT_TRUE(form_.Update(&error_));
  EXPECT_EQ(Operations(form_.Rows()), (QStringList{"Tapping", "Ream", "Ream"}));
  EXPECT_EQ(Selected(db_, form_.ViewQuery()), form_.Rows());
  // Shown again, the grid holds what the source selects, nothing kept.
  ASSERT_TRUE(form_.ShowAboveDataOnly(&error_));
  EXPECT_EQ(Operations(form_.Rows()), (QStringList{"Ream", "Ream"}));
  EXPECT_EQ(form_.ViewQuery().Condition, form_.RecordSource().Condition);
}

TEST_F(CuttingDataEditorFormTest, RangeTextsAreNumbersOrEmpty) {
  ASSERT_TRUE(form_.ReadRangeTexts({"100", " ", ".002", "1.5E-2", "", "2"}, &error_));
  EXPECT_EQ(form_.Record.FromSFM, 100.0);
  EXPECT_EQ(form_.Record.ToSFM, std::nullopt);
  EXPECT_EQ(form_.Record.ToIPR, 0.015);
  EXPECT_EQ(form_.Record.ToDiam, 2.0);
  const CuttingDataRecord before = form_.Record;
  EXPECT_FALSE(form_.ReadRangeTexts({"100", "fast", "", "", "", ""}, &error_));
  EXPECT_EQ(error_, "ToSFM: \"fast\" is not a number.");
  EXPECT_EQ(form_.Record, before);
}

TEST_F(CuttingDataEditorFormTest, ShowAboveDataOnlyAndShowAll) {
  form_.ChooseAboveGroup(0);
  form_.AboveOperation = QStringLiteral("Drill");
  ASSERT_TRUE(form_.ShowAboveDataOnly(&error_));
  EXPECT_EQ(form_.RecordSource().Text, "select * from CutDat where GrpIndex = 1 and Operation = 'Drill'");
  EXPECT_EQ(Operations(form_.Rows()), (QStringList{"Drill", "Drill"}));
  EXPECT_EQ(form_.CurrentRow(), 0);

  form_.AboveOperation.clear();
  ASSERT_TRUE(form_.ShowAboveDataOnly(&error_));
  EXPECT_EQ(form_.RecordSource().Text, "select * from CutDat where GrpIndex = 1");
  EXPECT_EQ(form_.Rows().size(), 6u);

  form_.AboveOperation = QStringLiteral("Thread");
  ASSERT_TRUE(form_.ShowAboveDataOnly(&error_));
  EXPECT_TRUE(form_.Rows().empty());
  EXPECT_EQ(form_.CurrentRow(), -1);
  EXPECT_EQ(form_.Caption(), "");

  ASSERT_TRUE(form_.ShowAll(&error_));
  EXPECT_EQ(form_.RecordSource().Text, "select * from CutDat");
  EXPECT_EQ(form_.Rows().size(), 7u);
}

TEST_F(CuttingDataEditorFormTest, AfterADeleteTheNextRowThenTheLastIsCurrent) {
  // OD Turn Rough, Drill, OD Turn Rough (2), Face (Turn), Spot Drill, Tap, Drill
  form_.MoveTo(2);
  ASSERT_TRUE(form_.Delete(&error_)) << error_.toStdString();
  EXPECT_EQ(form_.CurrentRow(), 2);
  EXPECT_EQ(form_.Record.Operation, "Face (Turn)");
  EXPECT_EQ(form_.Caption(), "2");

  form_.MoveTo(5);  // the last row
  ASSERT_TRUE(form_.Delete(&error_));
  EXPECT_EQ(form_.CurrentRow(), 4);
  EXPECT_EQ(form_.Record.Operation, "Tap");

  while (form_.Rows().size() > 2) ASSERT_TRUE(form_.Delete(&error_));
  EXPECT_EQ(Operations(form_.Rows()), (QStringList{"OD Turn Rough", "Drill"}));
  EXPECT_EQ(form_.CurrentRow(), 1);
  form_.MoveTo(0);
  ASSERT_TRUE(form_.Delete(&error_));
  EXPECT_EQ(form_.CurrentRow(), 0);
  EXPECT_EQ(form_.Record.Operation, "Drill");
  EXPECT_EQ(Count("select count(*) from cutdat"), 1);
}

TEST_F(CuttingDataEditorFormTest, DeletingTheOnlyRowLeavesAnEmptyGridWithoutError) {
  form_.ChooseAboveGroup(0);
  form_.AboveOperation = QStringLiteral("Tap");
  ASSERT_TRUE(form_.ShowAboveDataOnly(&error_));
  ASSERT_EQ(form_.Rows().size(), 1u);
  error_.clear();
  ASSERT_TRUE(form_.Delete(&error_));
  EXPECT_EQ(error_, "");
  EXPECT_TRUE(form_.Rows().empty());
  EXPECT_EQ(form_.CurrentRow(), -1);
  EXPECT_EQ(form_.Caption(), "");
  EXPECT_EQ(form_.Record, CuttingDataRecord());
  EXPECT_EQ(form_.RecordGroup(), -1);
  EXPECT_EQ(Count("select count(*) from cutdat"), 6);
  EXPECT_EQ(Count("select count(*) from cutdat where Operation = 'Tap'"), 0);

  // Nothing is left to delete or update: said so, nothing changes.
  EXPECT_FALSE(form_.Delete(&error_));
  EXPECT_EQ(error_, "There is no cutting data row to delete.");
  EXPECT_FALSE(form_.Update(&error_));
  EXPECT_EQ(error_, "There is no cutting data row to update.");
  EXPECT_EQ(Count("select count(*) from cutdat"), 6);
}

TEST_F(CuttingDataEditorFormTest, DatabaseErrorsEndTheActionAndAreReported) {
  RefuseChanges(QStringLiteral("cutdat"));
  EXPECT_FALSE(form_.Add(&error_));
  EXPECT_EQ(error_, "Cannot add the cutting data row: refused by the test");
  EXPECT_EQ(form_.Rows().size(), 7u);

  form_.MoveTo(1);
  form_.Record.DepthofCut = QStringLiteral("changed");
  EXPECT_FALSE(form_.Update(&error_));
  EXPECT_EQ(error_, "Cannot update the cutting data row: refused by the test");
  EXPECT_EQ(form_.Rows()[1].DepthofCut, "Peck 1 x D");

  EXPECT_FALSE(form_.Delete(&error_));
  EXPECT_EQ(error_, "Cannot delete the cutting data row: refused by the test");
  EXPECT_EQ(form_.Rows().size(), 7u);
  EXPECT_EQ(form_.CurrentRow(), 1);
  EXPECT_EQ(Count("select count(*) from cutdat"), 7);
}
