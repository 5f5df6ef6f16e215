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

using MaterialGroupsFormTest = OpenFormTest<MaterialGroupsForm>;
using CuttingDataEditorFormTest = OpenFormTest<CuttingDataEditorForm>;

}  // namespace

TEST_F(MaterialGroupsFormTest, AddingAFourthGroupAndAMaterialUnderIt) {
  EXPECT_EQ(form_.Groups(), (QStringList{"Steel", "Stainless", "Aluminum"}));
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
  EXPECT_EQ(form_.MaterialText, "");
  EXPECT_EQ(Count("select GrpIndex from Material where MatName = 'Ti-6Al-4V'"), 4);

  ASSERT_TRUE(form_.ChooseGroup(0, &error_));
  EXPECT_EQ(form_.Materials(), QStringList{"12L14"});
}

TEST_F(MaterialGroupsFormTest, RefusedNamesAndDatabaseErrorsAddNothing) {
  form_.MaterialText = QStringLiteral("Orphan");
  EXPECT_EQ(form_.AddMaterial(&error_), EditResult::Failed);
  EXPECT_EQ(error_, kChooseGroupFirstMessage);
  EXPECT_EQ(form_.MaterialText, "Orphan");
  form_.GroupText = QStringLiteral("   ");
  EXPECT_EQ(form_.AddGroup(&error_), EditResult::Ignored);
  form_.GroupText = QStringLiteral("1/2\" Hex Stock");
  EXPECT_EQ(form_.AddGroup(&error_), EditResult::Failed);
  EXPECT_EQ(error_, kDoubleQuoteMessage);
  ASSERT_TRUE(form_.ChooseGroup(0, &error_));
  form_.MaterialText = QStringLiteral("12L14 1/2\"");
  EXPECT_EQ(form_.AddMaterial(&error_), EditResult::Failed);
  EXPECT_EQ(Count("select count(*) from MaterialGrps"), 3);
  EXPECT_EQ(Count("select count(*) from Material"), 3);

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

TEST_F(CuttingDataEditorFormTest, OpeningFillsTheListsAndSelectionsFollowMaterialsAndGroups) {
  EXPECT_EQ(form_.MaterialTexts(), (QStringList{"12L14 - Steel", "303 - Stainless", "6061-T6 - Aluminum"}));
  EXPECT_EQ(form_.OperationTypes(), (QStringList{"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "Tap"}));
  EXPECT_EQ(form_.RecordSource().Text, "Cutdat");
  EXPECT_EQ(form_.Rows().size(), 7u);
  EXPECT_EQ(form_.Caption(), "0");
  EXPECT_EQ(form_.RecordGroup(), 0);

  form_.ChooseAboveMaterial(1);
  EXPECT_EQ(form_.AboveGroup(), 1);
  form_.ChooseAboveGroup(2);
  EXPECT_EQ(form_.AboveMaterial(), -1);

  form_.MoveTo(2);
  EXPECT_EQ(form_.Caption(), "2");
  EXPECT_EQ(form_.Record.GrpIndex, 2);
  EXPECT_EQ(form_.RecordGroup(), 1);
  form_.ChooseRecordMaterial(2);
  EXPECT_EQ(form_.RecordGroup(), 2);
  EXPECT_EQ(form_.Record.GrpIndex, 3);
  form_.ChooseRecordGroup(0);
  EXPECT_EQ(form_.Record.GrpIndex, 1);
  form_.ChooseRecordMaterial(0);
  form_.MoveTo(3);
  EXPECT_EQ(form_.RecordMaterial(), -1);
  EXPECT_EQ(form_.Record.GrpIndex, 1);  // the row's own group, not the edit of another row
}

TEST_F(CuttingDataEditorFormTest, AddStoresARowFromTheSelectionsAbove) {
  // Without selections: an empty row.
  ASSERT_TRUE(form_.Add(&error_)) << error_.toStdString();
  EXPECT_EQ(form_.CurrentRow(), 7);
  EXPECT_EQ(form_.Record.GrpIndex, 0);

  form_.ChooseAboveMaterial(1);
  form_.AboveOperation = QStringLiteral("Knurl");
  ASSERT_TRUE(form_.Add(&error_)) << error_.toStdString();
  ASSERT_EQ(form_.Rows().size(), 9u);
  EXPECT_EQ(form_.CurrentRow(), 8);
  EXPECT_EQ(form_.Record.GrpIndex, 2);
  EXPECT_EQ(form_.Record.Operation, "Knurl");
  EXPECT_TRUE(form_.OperationTypes().contains(QStringLiteral("Knurl")));
  // Then the record area is filled in and stored.
  form_.Record.ToolGrade = QStringLiteral("HSS straight knurl");
  form_.Record.ToSFM = 200;
  ASSERT_TRUE(form_.Update(&error_)) << error_.toStdString();
  EXPECT_TRUE(form_.ToolGrades().contains(QStringLiteral("HSS straight knurl")));
  EXPECT_EQ(form_.Rows()[8].ToSFM, 200.0);
  EXPECT_EQ(Selected(db_, AboveDataQuery(2, QStringLiteral("Knurl"))), std::vector<CuttingDataRecord>{form_.Rows()[8]});
  EXPECT_EQ(Count("select count(*) from cutdat"), 9);
}

TEST_F(CuttingDataEditorFormTest, TheShownSelectionKeepsANewRowInViewAndShowAllShowsEverything) {
  form_.ChooseAboveGroup(0);
  form_.AboveOperation = QStringLiteral("Drill");
  ASSERT_TRUE(form_.ShowAboveDataOnly(&error_));
  EXPECT_EQ(form_.RecordSource().Text, "select * from CutDat where GrpIndex = 1 and Operation = 'Drill'");
  EXPECT_EQ(Operations(form_.Rows()), (QStringList{"Drill", "Drill"}));

  form_.AboveOperation = QStringLiteral("Tap");
  ASSERT_TRUE(form_.ShowAboveDataOnly(&error_));
  ASSERT_EQ(form_.Rows().size(), 1u);
  form_.AboveOperation = QStringLiteral("Ream");
  ASSERT_TRUE(form_.Add(&error_));
  EXPECT_EQ(Operations(form_.Rows()), (QStringList{"Tap", "Ream"}));
  EXPECT_EQ(form_.CurrentRow(), 1);
  // The view's query selects exactly the rows in view after a second add
  // and an update that takes a row out of the selection.
  ASSERT_TRUE(form_.Add(&error_));
  form_.MoveTo(0);
  form_.Record.Operation = QStringLiteral("Tapping");
  ASSERT_TRUE(form_.Update(&error_));
  EXPECT_EQ(Operations(form_.Rows()), (QStringList{"Tapping", "Ream", "Ream"}));
  EXPECT_EQ(Selected(db_, form_.ViewQuery()), form_.Rows());
  // Shown again, the grid holds what the source selects, nothing kept.
  ASSERT_TRUE(form_.ShowAboveDataOnly(&error_));
  EXPECT_EQ(Operations(form_.Rows()), (QStringList{"Ream", "Ream"}));

  ASSERT_TRUE(form_.ShowAll(&error_));
  EXPECT_EQ(form_.RecordSource().Text, "select * from CutDat");
  EXPECT_EQ(form_.Rows().size(), 9u);
}

TEST_F(CuttingDataEditorFormTest, RangeTextsAreNumbersOrEmpty) {
  ASSERT_TRUE(form_.ReadRangeTexts({"100", " ", ".002", "1.5E-2", "", "2"}, &error_));
  EXPECT_EQ(form_.Record.FromSFM, 100.0);
  EXPECT_EQ(form_.Record.ToSFM, std::nullopt);
  EXPECT_EQ(form_.Record.ToIPR, 0.015);
  const CuttingDataRecord before = form_.Record;
  EXPECT_FALSE(form_.ReadRangeTexts({"100", "fast", "", "", "", ""}, &error_));
  EXPECT_EQ(error_, "ToSFM: \"fast\" is not a number.");
  EXPECT_EQ(form_.Record, before);
}

TEST_F(CuttingDataEditorFormTest, AfterADeleteTheNextRowThenTheLastIsCurrentUntilNoneIsLeft) {
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
  while (form_.Rows().size() > 1) ASSERT_TRUE(form_.Delete(&error_));
  EXPECT_EQ(Operations(form_.Rows()), (QStringList{"OD Turn Rough"}));

  // The only row: an empty grid without error.
  error_.clear();
  ASSERT_TRUE(form_.Delete(&error_));
  EXPECT_EQ(error_, "");
  EXPECT_EQ(form_.CurrentRow(), -1);
  EXPECT_EQ(form_.Caption(), "");
  EXPECT_EQ(Count("select count(*) from cutdat"), 0);
  // Nothing is left to delete or update: said so.
  EXPECT_FALSE(form_.Delete(&error_));
  EXPECT_EQ(error_, "There is no cutting data row to delete.");
  EXPECT_FALSE(form_.Update(&error_));
  EXPECT_EQ(error_, "There is no cutting data row to update.");
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
  EXPECT_EQ(Count("select count(*) from cutdat"), 7);
}
