#include "shop/centerdrillform.h"

#include "platform/scriptedprompter.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace arvex;
using arvex::test::TempAppFolder;

namespace {

const char kHeader[] = "Cen#   Body  Pilot-An Pilot-Dia Pilot-Len Ch-An  Depth";

class CenterDrillFormTest : public ::testing::Test {
 protected:
  CenterDrillFormTest() { ws_.AppFolder = folder_.Path(); }

  void Type(int box, const QString& text) {
    form_.CenText[static_cast<std::size_t>(box)] = text;
    form_.KeyUp(box);
  }

  TempAppFolder folder_;
  Workspace ws_;
  ScriptedPrompter prompter_;
  CenterDrillForm form_{ws_, prompter_};
};

}  // namespace

TEST_F(CenterDrillFormTest, BoxesFollowEachOther) {
  constexpr int kHole = CenterDrillForm::kHoleDiameter, kAmount = CenterDrillForm::kChamferAmount,
                kChamfer = CenterDrillForm::kChamferDiameter;
  const struct {
    int Box;
    const char* Text;
    QStringList Boxes;  // hole, amount, chamfer
  } steps[] = {
      {kHole, ".25", {".25", "0", ".25"}},
      {kAmount, ".03", {".25", ".03", ".31"}},
      {kHole, ".5", {".5", ".03", ".56"}},  // the amount is rewritten in the box format
      {kChamfer, ".6", {".5", ".05", ".6"}},
      {kAmount, ".", {".5", ".", ".5"}},  // the box being typed in is never rewritten
      // Negative results show as zero.
      {kChamfer, ".3", {".5", "0", ".3"}},
      {kAmount, "-.5", {".5", "-.5", "0"}},
  };
  for (const auto& step : steps) {
    Type(step.Box, step.Text);
    EXPECT_EQ(QStringList(form_.CenText.begin(), form_.CenText.end()), step.Boxes) << step.Box << " " << step.Text;
  }
}

TEST_F(CenterDrillFormTest, BodyEqualToTheChamferDoesNotQualify) {
  folder_.Write("CEN-INFO.TXT",
                "[INCH]\r\n"
                "\"EQ\",.31,118,.2,.1,60\r\n"
                "\"GT\",.3125,118,.25,.1,60\r\n"
                "\"PL\",.5,118,.2501,.1,60\r\n"
                "[END]\r\n");
  form_.Activate();
  Type(CenterDrillForm::kHoleDiameter, ".25");
  Type(CenterDrillForm::kChamferAmount, ".03");
  ASSERT_EQ(form_.CenText[2], ".31");
  const QStringList& lines = form_.PaintedLines();
  ASSERT_EQ(lines.size(), 52);
  EXPECT_EQ(lines[0], kHeader);
  EXPECT_EQ(lines[1], " EQ    .31     118     .2        .1        60");
  // tan(31 deg) x .125 + .1 + tan(60 deg) x (.155 - .125) = .2271
  EXPECT_EQ(lines[2], " GT    .3125   118     .25       .1        60  =.2271");
  EXPECT_EQ(lines[3], " PL    .5      118     .2501     .1        60");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[51], "");
  EXPECT_EQ(ws_.LastCalcText, "Cen Drill = GT=.2271  ");
}

TEST_F(CenterDrillFormTest, AMissingTableStillPaintsTheHeaderAndEveryActivationReadsTheFileAgain) {
  form_.Activate();
  EXPECT_EQ(prompter_.Messages(), QStringList{folder_.Path() + "CEN-INFO.TXT is missing!"});
  ASSERT_EQ(form_.PaintedLines().size(), 52);
  EXPECT_EQ(form_.PaintedLines()[0], kHeader);
  Type(CenterDrillForm::kChamferDiameter, "-1");  // empty rows never qualify
  EXPECT_EQ(ws_.LastCalcText, "Cen Drill = ");
  EXPECT_EQ(form_.PaintedLines()[1], "");

  prompter_.Clear();
  folder_.Write("CEN-INFO.TXT", "[INCH]\r\n\"#1\",.125,118,.047,.047,60\r\n[END]\r\n");
  form_.Activate();
  EXPECT_EQ(form_.Table().StoredRows, 1);
  folder_.Write("CEN-INFO.TXT", "[INCH]\r\n\"#1\",.125,118,.047,.047,60\r\n\"#2\",.1875,118,.078,.078,60\r\n[END]\r\n");
  form_.Activate();
  EXPECT_EQ(form_.Table().StoredRows, 2);
  EXPECT_EQ(form_.PaintedLines()[2], " #2    .1875   118     .078      .078      60");
  EXPECT_TRUE(prompter_.Entries().isEmpty());
}

