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
                  "[INCH]\r\n1/4-20 UNC,.25,.05\r\n\r\n1/2-13 UNC,.5,13\r\n[METRIC]\r\nM6x1,6,1\r\nM8x1.25,8,1.25\r\n[END]\r\n");
    ws_.AppFolder = folder_.Path();
    form_.Load();
  }

  TempAppFolder folder_;
  Workspace ws_;
  ScriptedPrompter prompter_;
  TapDrillForm form_{ws_, prompter_};
};

}  // namespace

TEST_F(TapDrillFormTest, TheDrillSizeOfACutOrARollTap) {
  const struct { bool Metric, Roll; const char *Pitch, *Diameter, *Label; float DrillSize; } cases[] = {
      {false, false, ".05", ".25", "Tap Drill Size = .2013in / 5.113mm", .201286f},
      {false, false, "20", ".25", "Tap Drill Size = .2013in / 5.113mm", .201286f},  // threads per inch
      {false, true, ".05", ".25", "Tap Drill Size = .2245in / 5.702mm", .2245f},    // .25 - 75 x .0068 x .05
      // 6 / 25.4 - .75 x 1.29904 x 1 / 25.4
      {true, false, "1", "6", "Tap Drill Size = .1979in / 5.026mm", static_cast<float>((6 - .974280) / 25.4)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Label);
    ws_.Study.Header.Metric = c.Metric ? -1 : 0;
    c.Roll ? form_.ClickRollTap() : form_.ClickCutTap();
    Enter(form_, c.Pitch, c.Diameter, "75");
    EXPECT_EQ(form_.ResultLabel(), c.Label);
    EXPECT_NEAR(ws_.TapDrillResult.DrillSize, c.DrillSize, 1e-6);
  }
  EXPECT_FLOAT_EQ(ws_.TapDrillResult.Diameter, static_cast<float>(6 / 25.4));
  EXPECT_FLOAT_EQ(ws_.TapDrillResult.Pitch, static_cast<float>(1 / 25.4));

  // Threads per inch become a pitch on leaving the box, in inch mode only;
  // closing hands the result on.
  form_.Text1 = "1";
  form_.LostFocus(Box::Text1);
  EXPECT_EQ(form_.Text1, "1");
  ws_.Study.Header.Metric = 0;
  form_.Text1 = "20";
  form_.LostFocus(Box::Text1);
  EXPECT_EQ(form_.Text1, ".05");
  Enter(form_, ".05", ".25", "75");
  form_.Close();
  EXPECT_EQ(ws_.LastCalcText, kQuarterTwenty);

  // Inputs that give no size leave the label and the result.
  const TapDrillValues before = ws_.TapDrillResult;
  for (const auto& [diameter, percent] : {std::pair{".25", "0"}, std::pair{".5", ""}, std::pair{"1E300", "75"}}) {
    SCOPED_TRACE(diameter);
    Enter(form_, ".05", diameter, percent);
    EXPECT_EQ(form_.ResultLabel(), kQuarterTwenty);
    EXPECT_EQ(ws_.TapDrillResult.DrillSize, before.DrillSize);
    EXPECT_FALSE(form_.Calculate());
  }
}

TEST_F(TapDrillFormTest, ChoosingATapFromTheListsAndACommaLocale) {
  EXPECT_EQ(form_.InchList(), (QStringList{"1/4-20 UNC", "1/2-13 UNC"}));
  EXPECT_EQ(form_.MetricList(), (QStringList{"M6x1", "M8x1.25"}));
  form_.Text3 = "75";
  form_.ChooseInchTap(2);  // outside the list: nothing
  EXPECT_EQ(ws_.ChosenTapText, "");
  const struct { bool Metric, InchList; int Index; const char *Pitch, *Diameter, *Label; } cases[] = {
      {false, true, 0, ".05", ".25", "Tap Drill Size = .2013in / 5.113mm"},
      {false, true, 1, "13.", ".5", nullptr},  // stored with threads per inch
      // A metric tap in an inch study, worked out from the inch texts shown:
      // .2362 - .75 x 1.29904 x .03937
      {false, false, 0, ".03937", ".2362", "Tap Drill Size = .1978in / 5.025mm"},
      {true, true, 0, "1.27", "6.35", nullptr},
      {true, false, 1, "1.25", "8.", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Pitch);
    ws_.Study.Header.Metric = c.Metric ? -1 : 0;
    c.InchList ? form_.ChooseInchTap(c.Index) : form_.ChooseMetricTap(c.Index);
    EXPECT_EQ(form_.Text1, c.Pitch);
    EXPECT_EQ(form_.Text2, c.Diameter);
    EXPECT_EQ(ws_.ChosenTapText, (c.InchList ? form_.InchList() : form_.MetricList())[c.Index]);
    if (c.Label) {
      EXPECT_EQ(form_.ResultLabel(), c.Label);
    }
  }
  // Without a percentage: no label, and Auto Set never gets the drill of
  // the tap chosen before.
  form_.Text3 = "";
  form_.ChooseMetricTap(1);
  EXPECT_EQ(form_.ResultLabel(), "");
  EXPECT_FLOAT_EQ(ws_.TapDrillResult.Diameter, static_cast<float>(8 / 25.4));
  EXPECT_EQ(ws_.TapDrillResult.DrillSize, 0.f);
  form_.Close();
  EXPECT_EQ(ws_.LastCalcText, "");

  // Under a comma locale.
  ScopedNumberLocale comma({u',', u'.'});
  ws_.Study.Header.Metric = 0;
  form_.Text1 = "20";
  form_.LostFocus(Box::Text1);
  EXPECT_EQ(form_.Text1, ",05");
  Enter(form_, form_.Text1, "0,25", "75");
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
