#include "shop/tapdrillform.h"

#include "platform/numtext.h"
#include "platform/scriptedprompter.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace arvex;
using arvex::test::TempAppFolder;
using Box = TapDrillForm::Box;

namespace {

const QString kQuarterTwenty = QStringLiteral("Tap Drill Size = .2013in / 5.113mm");

// Pitch (or threads per inch), diameter and percentage typed, the last with a key.
void Enter(TapDrillForm& form, const QString& pitch, const QString& diameter, const QString& percent) {
  form.Text1 = pitch;
  form.Text2 = diameter;
  form.Text3 = percent;
  form.KeyUp(Box::Text3);
}

class TapDrillFormTest : public ::testing::Test {
 protected:
  TapDrillFormTest() {
    folder_.Write("TAPDRILL.TXT",
                  "[INCH]\r\n"
                  "1/4-20 UNC,.25,.05\r\n"
                  "\r\n"
                  "1/2-13 UNC,.5,13\r\n"
                  "[METRIC]\r\n"
                  "M6x1,6,1\r\n"
                  "M8x1.25,8,1.25\r\n"
                  "[END]\r\n");
    ws_.AppFolder = folder_.Path();
    form_.Load();
  }

  void SetMetric(bool metric) { ws_.Study.Header.Metric = metric ? -1 : 0; }

  TempAppFolder folder_;
  Workspace ws_;
  ScriptedPrompter prompter_;
  TapDrillForm form_{ws_, prompter_};
};

}  // namespace

TEST_F(TapDrillFormTest, QuarterTwentyCutTapAt75Percent) {
  form_.Text1 = "20";
  form_.LostFocus(Box::Text1);
  EXPECT_EQ(form_.Text1, ".05");  // threads per inch become a pitch
  EXPECT_EQ(form_.ResultLabel(), "");
  form_.Text2 = ".25";
  form_.KeyUp(Box::Text2);
  EXPECT_EQ(form_.ResultLabel(), "");
  form_.Text3 = "75";
  form_.KeyUp(Box::Text3);
  EXPECT_EQ(form_.ResultLabel(), kQuarterTwenty);
  EXPECT_EQ(ws_.TapDrillResult.Diameter, .25f);
  EXPECT_EQ(ws_.TapDrillResult.Pitch, .05f);
  EXPECT_FLOAT_EQ(ws_.TapDrillResult.DrillSize, .201286f);
  form_.Close();
  EXPECT_EQ(ws_.LastCalcText, kQuarterTwenty);
}

TEST_F(TapDrillFormTest, ThreadsPerInchAreTakenAsPitchInTheCalculationToo) {
  Enter(form_, "20", ".25", "75");
  EXPECT_EQ(form_.Text1, "20");
  EXPECT_EQ(form_.ResultLabel(), kQuarterTwenty);
}

TEST_F(TapDrillFormTest, RollTapAndBackToCut) {
  form_.Text1 = ".05";
  form_.Text2 = ".25";
  form_.Text3 = "75";
  form_.ClickRollTap();
  EXPECT_FALSE(form_.CutTap);
  // .25 - 75 x .0068 x .05
  EXPECT_EQ(form_.ResultLabel(), "Tap Drill Size = .2245in / 5.702mm");
  EXPECT_FLOAT_EQ(ws_.TapDrillResult.DrillSize, .2245f);
  form_.ClickCutTap();
  EXPECT_EQ(form_.ResultLabel(), kQuarterTwenty);
}

TEST_F(TapDrillFormTest, InputsThatGiveNoSizeLeaveTheLabelAndTheResult) {
  Enter(form_, ".05", ".25", "75");
  const TapDrillValues before = ws_.TapDrillResult;
  for (const auto& [diameter, percent] : {std::pair{".25", "0"}, std::pair{".5", ""}, std::pair{"1E300", "75"}}) {
    SCOPED_TRACE(diameter);
    Enter(form_, ".05", diameter, percent);
    EXPECT_EQ(form_.ResultLabel(), kQuarterTwenty);
    EXPECT_EQ(ws_.TapDrillResult.Diameter, before.Diameter);
    EXPECT_EQ(ws_.TapDrillResult.DrillSize, before.DrillSize);
    EXPECT_FALSE(form_.Calculate());
  }
}

TEST_F(TapDrillFormTest, MetricInput) {
  SetMetric(true);
  form_.Text1 = "1";
  form_.LostFocus(Box::Text1);
  EXPECT_EQ(form_.Text1, "1");  // no threads-per-inch turn in metric mode
  form_.Text2 = "6";
  form_.Text3 = "75";
  form_.KeyUp(Box::Text3);
  // 6 / 25.4 - .75 x 1.29904 x 1 / 25.4
  EXPECT_EQ(form_.ResultLabel(), "Tap Drill Size = .1979in / 5.026mm");
  EXPECT_FLOAT_EQ(ws_.TapDrillResult.Diameter, static_cast<float>(6 / 25.4));
  EXPECT_FLOAT_EQ(ws_.TapDrillResult.Pitch, static_cast<float>(1 / 25.4));
}

TEST_F(TapDrillFormTest, ListsFromTheTableInFileOrder) {
  EXPECT_EQ(form_.InchList(), (QStringList{"1/4-20 UNC", "1/2-13 UNC"}));
  EXPECT_EQ(form_.MetricList(), (QStringList{"M6x1", "M8x1.25"}));
  EXPECT_TRUE(prompter_.Entries().isEmpty());
}

TEST_F(TapDrillFormTest, ChoosingATapInInchMode) {
  form_.Text3 = "75";
  form_.ChooseInchTap(0);
  EXPECT_EQ(form_.Text1, ".05");
  EXPECT_EQ(form_.Text2, ".25");
  EXPECT_EQ(ws_.ChosenTapText, "1/4-20 UNC");
  EXPECT_EQ(form_.ResultLabel(), kQuarterTwenty);
  // A tap stored with threads per inch.
  form_.ChooseInchTap(1);
  EXPECT_EQ(form_.Text1, "13.");
  EXPECT_EQ(form_.Text2, ".5");
  EXPECT_FLOAT_EQ(ws_.TapDrillResult.Pitch, 1.f / 13);
  // A metric tap in an inch study.
  form_.ChooseMetricTap(0);
  EXPECT_EQ(form_.Text1, ".03937");
  EXPECT_EQ(form_.Text2, ".2362");
  EXPECT_EQ(ws_.ChosenTapText, "M6x1");
  // Worked out from the inch texts shown: .2362 - .75 x 1.29904 x .03937
  EXPECT_EQ(form_.ResultLabel(), "Tap Drill Size = .1978in / 5.025mm");
}

TEST_F(TapDrillFormTest, ChoosingATapInMetricMode) {
  SetMetric(true);
  form_.ChooseInchTap(0);
  EXPECT_EQ(form_.Text1, "1.27");
  EXPECT_EQ(form_.Text2, "6.35");
  form_.ChooseMetricTap(1);
  EXPECT_EQ(form_.Text1, "1.25");
  EXPECT_EQ(form_.Text2, "8.");
  EXPECT_EQ(ws_.ChosenTapText, "M8x1.25");
}

TEST_F(TapDrillFormTest, ChoosingWithoutAPercentageClearsTheLabelAndHandsOnTheTap) {
  Enter(form_, ".05", ".25", "75");
  form_.Text3 = "";
  form_.ChooseMetricTap(1);
  EXPECT_EQ(form_.ResultLabel(), "");
  // Auto Set never gets the drill of the tap chosen before.
  EXPECT_FLOAT_EQ(ws_.TapDrillResult.Diameter, static_cast<float>(8 / 25.4));
  EXPECT_FLOAT_EQ(ws_.TapDrillResult.Pitch, static_cast<float>(1.25 / 25.4));
  EXPECT_EQ(ws_.TapDrillResult.DrillSize, 0.f);
  form_.Close();
  EXPECT_EQ(ws_.LastCalcText, "");
}

TEST_F(TapDrillFormTest, ChoosingOutsideTheListDoesNothing) {
  form_.ChooseInchTap(2);
  form_.ChooseMetricTap(-1);
  EXPECT_EQ(ws_.ChosenTapText, "");
  EXPECT_EQ(form_.Text1, "");
}

TEST_F(TapDrillFormTest, CommaLocale) {
  ScopedNumberLocale comma({u',', u'.'});
  form_.Text1 = "20";
  form_.LostFocus(Box::Text1);
  EXPECT_EQ(form_.Text1, ",05");
  form_.Text2 = "0,25";
  form_.Text3 = "75";
  form_.KeyUp(Box::Text3);
  EXPECT_EQ(form_.ResultLabel(), "Tap Drill Size = ,2013in / 5,113mm");
}

TEST(TapDrillFormMissingTest, MissingTableLeavesEmptyListsAndAUsableWindow) {
  TempAppFolder folder;
  Workspace ws;
  ws.AppFolder = folder.Path();
  ScriptedPrompter prompter;
  TapDrillForm form(ws, prompter);
  form.Load();
  EXPECT_EQ(prompter.Messages(), QStringList{folder.Path() + "TAPDRILL.TXT is missing!"});
  EXPECT_TRUE(form.InchList().isEmpty());
  Enter(form, "20", ".25", "75");
  EXPECT_EQ(form.ResultLabel(), kQuarterTwenty);
}

TEST(TapDrillFormBundledTest, EveryBundledTapGivesADrillSmallerThanTheTap) {
  TempAppFolder folder(true);
  Workspace ws;
  ws.AppFolder = folder.Path();
  ScriptedPrompter prompter;
  TapDrillForm form(ws, prompter);
  form.Load();
  form.Text3 = "75";
  for (int i = 0; i < form.InchList().size(); ++i) {
    form.ChooseInchTap(i);
    EXPECT_GT(ws.TapDrillResult.DrillSize, 0) << form.InchList()[i].toStdString();
    EXPECT_LT(ws.TapDrillResult.DrillSize, ws.TapDrillResult.Diameter) << form.InchList()[i].toStdString();
  }
  ws.Study.Header.Metric = -1;
  for (int i = 0; i < form.MetricList().size(); ++i) {
    form.ChooseMetricTap(i);
    // A metric cut tap at 75 %: the diameter less .75 x 1.29904 pitches.
    const TapEntry& tap = form.Taps().Metric[i];
    EXPECT_NEAR(ws.TapDrillResult.DrillSize * 25.4, tap.Diameter - 0.97428 * tap.Pitch, 1e-4)
        << tap.Name.toStdString();
  }
  ws.Study.Header.Metric = 0;
  // The bundled 1/4-20 UNC tap gives the classic #7 drill.
  const int quarter = static_cast<int>(form.InchList().indexOf("1/4-20 UNC"));
  ASSERT_GE(quarter, 0);
  form.ChooseInchTap(quarter);
  EXPECT_EQ(form.ResultLabel(), kQuarterTwenty);
  EXPECT_EQ(ws.ChosenTapText, "1/4-20 UNC");
}
