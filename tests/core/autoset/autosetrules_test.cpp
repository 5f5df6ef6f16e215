#include "autoset/autosetrules.h"
#include "autoset/toolpositions.h"

#include "document/timestudy.h"
#include "machine/machinedefinition.h"
#include "platform/scriptedprompter.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(ChooseCenterDrillTest, FirstRowWiderThanTheSpotWithAPilotThatFitsTheDrillOrNone) {
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
  // No row that fits gives nothing.
  const CenterDrillChoice none = ChooseCenterDrill(table, 0.1, 0.27);
  EXPECT_FALSE(none.Found);
  EXPECT_EQ(none.FeedDepth, 0);
}

TEST(PeckCountTest, PatternsLimitsAndMissingInput) {
  using P = PeckPattern;
  const struct { P Pattern; double Diameter, Depth; std::optional<int> Pecks; } cases[] = {
      {P::ThreeTwoOne, .25, 1, 2},  // .75 + .5
      {P::TwoOne, .25, 1, 3},       // .5 + .25 + .25
      {P::One, .25, 1, 4},
      {P::ThreeTwoOne, .25, .75, 1},
      {P::One, 1, 32767, 32767},
      {P::One, 1, 32768, std::nullopt},
      {P::None, .25, 1, std::nullopt},
      {P::One, .25, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.Pattern) << " " << c.Diameter << " " << c.Depth);
    EXPECT_EQ(PeckCount(c.Pattern, c.Diameter, c.Depth), c.Pecks);
  }
}

TEST(ThreadPassesTest, EachRangeIncludesItsSinglePrecisionUpperLimit) {
  const std::pair<float, int> cases[] = {
      {.025f, 4}, {std::nextafter(.025f, 1.f), 5}, {1 / 20.f, 6},  // 20 TPI: above .05 in double, equal in single
      {std::nextafter(.05f, 1.f), 7}, {.0625f, 8}, {.08f, 9}, {std::nextafter(.08f, 1.f), 10}};
  for (const auto& [pitch, passes] : cases) EXPECT_EQ(ThreadPasses(pitch), passes) << pitch;
}

TEST(AutoSetSpeedTest, SpindleAndSurfaceSpeedsWithThePointOfThreeOneFourOneFiveSeven) {
  const struct {
    double Factor;
    int Sfm;
    double Diameter;
    std::optional<std::int16_t> Rpm;
  } spindle[] = {{12, 80, .27, 1132}, {1000, 80, 10, 2546},
                 {12, 3000, 10, 1146},  // 12 x 3000 does not fit 16 bits but is formed in floating point
                 {12, 80, 0, std::nullopt}, {12, 80, .00001, std::nullopt}};
  for (const auto& c : spindle)
    EXPECT_EQ(SpindleSpeedFromSurface(c.Factor, static_cast<std::int16_t>(c.Sfm), c.Diameter), c.Rpm)
        << c.Sfm << " " << c.Diameter;
  const struct {
    double Diameter;
    int Rpm;
    std::optional<std::int16_t> Sfm;
  } surface[] = {{.25, 750, 49}, {100, 30000, std::nullopt}};
  for (const auto& c : surface)
    EXPECT_EQ(SurfaceSpeedFromSpindle(12, c.Diameter, static_cast<std::int16_t>(c.Rpm)), c.Sfm) << c.Rpm;
}

TEST(AutoSetSpeedTest, CutLengthRoundsToFourDecimals) {
  const std::pair<float, double> cases[] = {{1.1f, 1.1}, {2.2799999f, 2.28}, {1.23456f, 1.2346}, {.00004f, 0}};
  for (const auto& [length, rounded] : cases) EXPECT_EQ(RoundedCutLength(length), rounded) << length;
}

TEST(ToolPositionsTest, PostNamesThenToolsWithTheLastOperationNameAndTheToolNumberOfAnEntry) {
  TimeStudy study;
  MachineDefinition machine;
  machine.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02,T03"));
  machine.MainTools2List = SplitToolString(QStringLiteral("Turret,T11"));
  study.Op(kMainSpindle, 1) = {.ToolNo = "T02", .OpName = "OD Turn"};
  study.Op(kMainSpindle, 2) = {.ToolNo = "T03", .OpName = "Drill"};
  study.Op(kMainSpindle, 4) = {.ToolNo = "T02", .OpName = "Face"};
  // The count is left stale on purpose: the contents decide.
  EXPECT_EQ(ToolPositionEntries(study, machine, kMainSpindle),
            QStringList({"(Gang)", "T01-", "T02-Face", "T03-Drill", "(Turret)", "T11-"}));
  // A machine that is not loaded has no posts.
  EXPECT_TRUE(ToolPositionEntries(study, MachineDefinition{}, kMainSpindle).isEmpty());
  // The tool number of an entry is the text before the first dash.
  const std::pair<const char*, const char*> cases[] = {{"T05-Cut-Off", "T05"}, {"(Gang)", "(Gang)"}};
  for (const auto& [entry, tool] : cases) EXPECT_EQ(ToolNumberOfEntry(entry), tool) << entry;
}

TEST(ToolImageTest, APlainNameIsInTheApplicationFolderAndAMissingImageIsReported) {
  MachineDefinition machine;
  machine.SubToolImage = QStringLiteral("/images/sub.jpg");
  EXPECT_EQ(ToolImagePath(machine, kSubSpindle, "/app/"), "/images/sub.jpg");
  EXPECT_EQ(ToolImagePath(machine, kMainSpindle, "/app/"), "");

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
}
