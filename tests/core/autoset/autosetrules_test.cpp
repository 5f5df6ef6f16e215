#include "autoset/autosetrules.h"
#include "autoset/toolpositions.h"

#include "document/timestudy.h"
#include "machine/machinedefinition.h"
#include "platform/numtext.h"
#include "platform/scriptedprompter.h"
#include "support/testsupport.h"
#include "workspace.h"

#include "qstringprint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace arvex;
using arvex::test::TempAppFolder;

namespace {

CenterDrillTable TableOf(const char* text) {
  bool failed = true;
  CenterDrillTable table = ParseCenterDrillTable(QString::fromLatin1(text), CenterDrillUnits::Inch, &failed);
  EXPECT_FALSE(failed);
  return table;
}

}  // namespace

// ---- center drill ------------------------------------------------------------------

TEST(ChooseCenterDrillTest, FirstRowWiderThanTheSpotWithAPilotThatFitsTheDrill) {
  const CenterDrillTable table = TableOf(
      "[INCH]\n"
      "\"Small\",.27,118,.1,.1,60\n"     // body equal to the spot: too small
      "\"Pilot\",.5,118,.26,.1,60\n"     // pilot wider than the drill
      "\"Fits\",.3125,118,.125,.125,60\n"
      "\"Later\",.5,118,.125,.125,60\n"
      "[END]\n");
  const CenterDrillChoice choice = ChooseCenterDrill(table, 0.25, static_cast<double>(0.27f));
  EXPECT_TRUE(choice.Found);
  EXPECT_EQ(choice.Designation, "Fits");
  // tan(31 deg) x .0625 + .125 + tan(60 deg) x (.135 - .0625)
  EXPECT_NEAR(choice.FeedDepth, 0.2881275, 1e-6);
}

TEST(ChooseCenterDrillTest, PilotEqualToTheDrillFitsAndNoRowGivesNothing) {
  const CenterDrillTable table = TableOf("[INCH]\n\"A\",.5,118,.25,.1,60\n[END]\n");
  EXPECT_EQ(ChooseCenterDrill(table, 0.25, 0.27).Designation, "A");
  const CenterDrillChoice none = ChooseCenterDrill(table, 0.2, 0.27);
  EXPECT_FALSE(none.Found);
  EXPECT_EQ(none.Designation, "");
  EXPECT_EQ(none.FeedDepth, 0);
  EXPECT_FALSE(ChooseCenterDrill(CenterDrillTable{}, 1, 0.02).Found);
}

// ---- pecks ----------------------------------------------------------------------------

TEST(PeckCountTest, PatternsForAQuarterInchDrillOneInchDeep) {
  EXPECT_EQ(PeckCount(PeckPattern::ThreeTwoOne, 0.25, 1), 2);  // .75 + .5
  EXPECT_EQ(PeckCount(PeckPattern::TwoOne, 0.25, 1), 3);       // .5 + .25 + .25
  EXPECT_EQ(PeckCount(PeckPattern::One, 0.25, 1), 4);
  EXPECT_EQ(PeckCount(PeckPattern::One, 0.25, 0.1), 1);
  EXPECT_EQ(PeckCount(PeckPattern::ThreeTwoOne, 0.25, 0.75), 1);
  EXPECT_EQ(PeckCount(PeckPattern::ThreeTwoOne, 0.25, 0.76), 2);
}

TEST(PeckCountTest, NothingWithoutDiameterDepthOrPattern) {
  EXPECT_EQ(PeckCount(PeckPattern::None, 0.25, 1), std::nullopt);
  EXPECT_EQ(PeckCount(PeckPattern::One, 0, 1), std::nullopt);
  EXPECT_EQ(PeckCount(PeckPattern::One, 0.25, 0), std::nullopt);
  EXPECT_EQ(PeckCount(PeckPattern::One, -0.25, 1), std::nullopt);
  EXPECT_EQ(PeckCount(PeckPattern::One, 0.25, -1), std::nullopt);
}

TEST(PeckCountTest, AbsurdDepthEndsInsteadOfLoopingForever) {
  // The single-precision sum stops growing long before the depth.
  EXPECT_EQ(PeckCount(PeckPattern::One, 1e-30, 1e30), std::nullopt);
  EXPECT_EQ(PeckCount(PeckPattern::One, 1, 32767), 32767);
  EXPECT_EQ(PeckCount(PeckPattern::One, 1, 32768), std::nullopt);
}

// ---- threads ------------------------------------------------------------------------------

TEST(ThreadPassesTest, EachRangeIncludesItsSinglePrecisionUpperLimit) {
  EXPECT_EQ(ThreadPasses(0.01f), 4);
  EXPECT_EQ(ThreadPasses(0.025f), 4);
  EXPECT_EQ(ThreadPasses(std::nextafter(0.025f, 1.0f)), 5);
  EXPECT_EQ(ThreadPasses(0.04f), 5);
  EXPECT_EQ(ThreadPasses(1 / 20.0f), 6);  // 20 TPI: above .05 in double, equal in single
  EXPECT_EQ(ThreadPasses(std::nextafter(0.05f, 1.0f)), 7);
  EXPECT_EQ(ThreadPasses(0.06f), 7);
  EXPECT_EQ(ThreadPasses(0.0625f), 8);
  EXPECT_EQ(ThreadPasses(0.07f), 8);
  EXPECT_EQ(ThreadPasses(0.08f), 9);
  EXPECT_EQ(ThreadPasses(std::nextafter(0.08f, 1.0f)), 10);
  EXPECT_EQ(ThreadPasses(1.0f), 10);
}

// ---- speeds and lengths ----------------------------------------------------------------

TEST(AutoSetSpeedTest, SpindleSpeedWithThePointOfThreeOneFourOneFiveSeven) {
  EXPECT_EQ(SpindleSpeedFromSurface(12, 80, 0.27), 1132);
  EXPECT_EQ(SpindleSpeedFromSurface(12, 80, 0.25), 1222);
  EXPECT_EQ(SpindleSpeedFromSurface(1000, 80, 10), 2546);
  EXPECT_EQ(SpindleSpeedFromSurface(12, 175, 0.5), 1337);
  // 12 x 3000 does not fit 16 bits but is formed in floating point.
  EXPECT_EQ(SpindleSpeedFromSurface(12, 3000, 10), 1146);
}

TEST(AutoSetSpeedTest, SpeedsThatDoNotFitSixteenBitsAreNone) {
  EXPECT_EQ(SpindleSpeedFromSurface(12, 80, 0), std::nullopt);
  EXPECT_EQ(SpindleSpeedFromSurface(12, 0, 0), std::nullopt);
  EXPECT_EQ(SpindleSpeedFromSurface(12, 80, 0.00001), std::nullopt);
  EXPECT_EQ(SurfaceSpeedFromSpindle(12, 0.25, 750), 49);
  EXPECT_EQ(SurfaceSpeedFromSpindle(12, 0.25, 2000), 131);
  EXPECT_EQ(SurfaceSpeedFromSpindle(12, 100, 30000), std::nullopt);
  EXPECT_EQ(SurfaceSpeedFromSpindle(12, std::numeric_limits<double>::infinity(), 1), std::nullopt);
}

TEST(AutoSetSpeedTest, CutLengthRoundsToFourDecimals) {
  EXPECT_EQ(RoundedCutLength(1.1f), 1.1);
  EXPECT_EQ(RoundedCutLength(2.2799999f), 2.28);
  EXPECT_EQ(RoundedCutLength(1.23456f), 1.2346);
  EXPECT_EQ(RoundedCutLength(0.00004f), 0);
  EXPECT_EQ(RoundedCutLength(-0.5f), -0.5);
  EXPECT_EQ(RoundedCutLength(std::numeric_limits<float>::infinity()), 0);
  EXPECT_EQ(RoundedCutLength(std::numeric_limits<float>::quiet_NaN()), 0);
}

// ---- tool positions -------------------------------------------------------------------

TEST(ToolPositionsTest, PostNamesThenToolsWithTheLastOperationName) {
  TimeStudy study;
  MachineDefinition machine;
  machine.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02,T03"));
  machine.MainTools2List = SplitToolString(QStringLiteral("Turret,T11"));
  machine.SubTools1List = SplitToolString(QStringLiteral("Back,T21"));
  study.Op(kMainSpindle, 1).ToolNo = QStringLiteral("T02");
  study.Op(kMainSpindle, 1).OpName = QStringLiteral("OD Turn");
  study.Op(kMainSpindle, 2).ToolNo = QStringLiteral("T03");
  study.Op(kMainSpindle, 2).OpName = QStringLiteral("Drill");
  study.Op(kMainSpindle, 4).ToolNo = QStringLiteral("T02");
  study.Op(kMainSpindle, 4).OpName = QStringLiteral("Face");
  study.Op(kSubSpindle, 1).ToolNo = QStringLiteral("T21");
  study.Op(kSubSpindle, 1).OpName = QStringLiteral("Cut-Off");
  // The count is left stale on purpose: the contents decide.
  EXPECT_EQ(ToolPositionEntries(study, machine, kMainSpindle),
            QStringList({"(Gang)", "T01-", "T02-Face", "T03-Drill", "(Turret)", "T11-"}));
  EXPECT_EQ(ToolPositionEntries(study, machine, kSubSpindle), QStringList({"(Back)", "T21-Cut-Off"}));
  // A machine that is not loaded has no posts.
  EXPECT_TRUE(ToolPositionEntries(study, MachineDefinition{}, kMainSpindle).isEmpty());
}

TEST(ToolPositionsTest, ToolNumberIsTheTextBeforeTheFirstDash) {
  EXPECT_EQ(ToolNumberOfEntry("T03-OD Turn"), "T03");
  EXPECT_EQ(ToolNumberOfEntry("T03-"), "T03");
  EXPECT_EQ(ToolNumberOfEntry("T05-Cut-Off"), "T05");
  EXPECT_EQ(ToolNumberOfEntry("(Gang)"), "(Gang)");
  EXPECT_EQ(ToolNumberOfEntry("-Drill"), "-Drill");
  EXPECT_EQ(ToolNumberOfEntry(""), "");
}

// ---- tooling image ------------------------------------------------------------------------

TEST(ToolImageTest, PlainNameIsInTheApplicationFolder) {
  MachineDefinition machine;
  machine.MainToolImage = QStringLiteral("tools.bmp");
  machine.SubToolImage = QStringLiteral("/images/sub.jpg");
  EXPECT_EQ(ToolImagePath(machine, kMainSpindle, "/app/"), "/app/tools.bmp");
  EXPECT_EQ(ToolImagePath(machine, kSubSpindle, "/app/"), "/images/sub.jpg");
  machine.MainToolImage = QStringLiteral("C:\\Arvex\\tools.bmp");
  EXPECT_EQ(ToolImagePath(machine, kMainSpindle, "/app/"), "C:\\Arvex\\tools.bmp");
  machine.MainToolImage.clear();
  EXPECT_EQ(ToolImagePath(machine, kMainSpindle, "/app/"), "");
}

TEST(ToolImageTest, MissingImageIsReportedAndAnExistingOneShown) {
  TempAppFolder folder;
  Workspace ws;
  ws.AppFolder = folder.Path();
  ws.Machine.MainToolImage = QStringLiteral("tools.bmp");
  ScriptedPrompter prompter;
  EXPECT_EQ(ToolImageToShow(ws, kMainSpindle, prompter), std::nullopt);
  EXPECT_EQ(prompter.Messages(),
            QStringList({"The image file " + folder.Path() +
                         "tools.bmp does not exist or is corrupt! Please use Machine Settings to choose another "
                         "image file."}));

  folder.Write("tools.bmp", "BM");
  prompter.Clear();
  EXPECT_EQ(ToolImageToShow(ws, kMainSpindle, prompter), folder.Path() + "tools.bmp");
  EXPECT_TRUE(prompter.Messages().isEmpty());

  // No image named for the sub spindle: the message with an empty path.
  EXPECT_EQ(ToolImageToShow(ws, kSubSpindle, prompter), std::nullopt);
  EXPECT_EQ(prompter.Messages(), QStringList({MissingToolImageMessage("")}));
  EXPECT_EQ(MissingToolImageMessage(""),
            "The image file  does not exist or is corrupt! Please use Machine Settings to choose another image "
            "file.");
}
