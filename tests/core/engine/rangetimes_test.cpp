#include "engine/rangetimes.h"

#include "enginetestdata.h"

#include <gtest/gtest.h>

using namespace arvex;
using arvex::test::MainOnlyStudy;
using arvex::test::Op;
using arvex::test::SetLastIntoPlaceZero;
using arvex::test::TestMachine;

namespace {

// A machine without stock feed, so that the lines of other items stand alone.
MachineDefinition NoFeedMachine() {
  MachineDefinition m = TestMachine();
  m.MainSpindle.RapidZBeginEnd = QStringLiteral("N");
  return m;
}

RangeTimes Compute(const TimeStudy& st, const MachineDefinition& m, int first, int last, int spindle = 1) {
  ItemCounts counts{};
  return ComputeRangeTimes(st, m, counts, first, last, spindle);
}

RangeTimes ComputeAll(const TimeStudy& st, const MachineDefinition& m, int spindle = 1) {
  return Compute(st, m, 1, st.Count(spindle), spindle);
}

}  // namespace

// ---- tool changes and the cycle wrap -------------------------------------------

TEST(RangeTimesTest, OneOperationHasNoToolChange) {
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn", 1000, 4.5)});
  RangeTimes r = ComputeAll(st, NoFeedMachine());
  EXPECT_TRUE(r.Lines.empty());
  EXPECT_EQ(r.IdleTotal, 0.0f);
  EXPECT_EQ(r.CutTotal, 4.5f);
}

TEST(RangeTimesTest, TwoToolsOfOnePostChangeThereAndBack) {
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn"), Op("T02", "Drill")});
  RangeTimes r = ComputeAll(st, NoFeedMachine());
  EXPECT_EQ(r.Lines, (ItemLines{{"Tool Change Gang to Gang", " 2 x 0.60 = 1.20"}}));
  EXPECT_EQ(r.IdleTotal, 1.2f);
}

TEST(RangeTimesTest, ThreeChangesReadThreeTimesTheUnit) {
  TimeStudy st = MainOnlyStudy({Op("T01", "Face"), Op("T02", "Turn"), Op("T03", "Drill")});
  ItemCounts counts{};
  RangeTimes r = ComputeRangeTimes(st, NoFeedMachine(), counts, 1, 3, 1);
  EXPECT_EQ(r.Lines, (ItemLines{{"Tool Change Gang to Gang", " 3 x 0.60 = 1.80"}}));
  EXPECT_EQ(counts[0], 3);
}

TEST(RangeTimesTest, ChangesBetweenPostsAndWithinPostTwo) {
  // T01 -> T11 and back (between posts), T11 -> T12 (post 2 to post 2).
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn"), Op("T11", "Bore"), Op("T12", "Groove")});
  RangeTimes r = ComputeAll(st, NoFeedMachine());
  EXPECT_EQ(r.Lines, (ItemLines{{"Tool Change Turret to Turret", " 1 x 0.80 = 0.80"},
                                {"Tool Change Gang to Turret", " 2 x 1.50 = 3.00"}}));
}

TEST(RangeTimesTest, ARangeInsideTheListComparesWithTheOperationBeforeIt) {
  TimeStudy st = MainOnlyStudy({Op("T01", "Face"), Op("T02", "Turn"), Op("T02", "Finish")});
  // Operation 2 follows 1 (a change); 3 follows 2 (same tool). The wrap to
  // the last operation belongs to the range that holds operation 1.
  EXPECT_EQ(Compute(st, NoFeedMachine(), 2, 3).Lines, (ItemLines{{"Tool Change Gang to Gang", " 1 x 0.60 = 0.60"}}));
  EXPECT_EQ(Compute(st, NoFeedMachine(), 1, 1).Lines, (ItemLines{{"Tool Change Gang to Gang", " 1 x 0.60 = 0.60"}}));
}

TEST(RangeTimesTest, ToolInNoListCountsAsAChangeBetweenPosts) {
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn"), Op("X9", "Special")});
  RangeTimes r = ComputeAll(st, NoFeedMachine());
  EXPECT_EQ(r.Lines, (ItemLines{{"Tool Change Gang to Turret", " 2 x 1.50 = 3.00"}}));
}

TEST(RangeTimesTest, SubToolChangesUseTheSubPostsAndTimes) {
  TimeStudy st;
  st.Header.SubSpindleUsed = 1;
  st.Header.PartsCatcherUsed = 0;
  st.Op(2, 1) = Op("T21", "Face");
  st.Op(2, 2) = Op("T22", "Drill");
  st.Op(2, 3) = Op("T31", "Back bore");
  SetLastIntoPlaceZero(st);
  RangeTimes r = ComputeAll(st, NoFeedMachine(), 2);
  EXPECT_EQ(r.Lines, (ItemLines{{"Tool Change Back to Back", " 1 x 0.65 = 0.65"},
                                {"Tool Change Back to Rear", " 2 x 1.55 = 3.10"}}));
}

// ---- spindle speed, live tools, tapping -----------------------------------------

TEST(RangeTimesTest, SpeedStepOfExactly3000CountsAndOf2999DoesNot) {
  MachineDefinition m = NoFeedMachine();
  TimeStudy st = MainOnlyStudy({Op("T01", "Rough", 1000), Op("T01", "Finish", 4000)});
  EXPECT_EQ(Compute(st, m, 2, 2).Lines, (ItemLines{{"Main Spindle Change Speed", " 1 x 0.70 = 0.70"}}));
  st.Op(1, 2).RPM = 3999;
  EXPECT_TRUE(Compute(st, m, 2, 2).Lines.empty());
}

TEST(RangeTimesTest, TurningThenLiveDrillStopsAndOrientsTheSpindle) {
  MachineDefinition m = NoFeedMachine();
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn", 3000), Op("T02", "LIVE Drill", 500)});
  ItemCounts counts{};
  RangeTimes r = ComputeRangeTimes(st, m, counts, 1, 2, 1);
  EXPECT_EQ(r.Lines, (ItemLines{{"Tool Change Gang to Gang", " 2 x 0.60 = 1.20"},
                                {"Main Spindle Start/Stop", " 1 x 1.20 = 1.20"},
                                {"Main Spindle Index to Ref.", " 1 x 0.90 = 0.90"},
                                {"Live1 Start/Stop", " 1 x 0.50 = 0.50"}}));
  EXPECT_EQ(counts[4], 0);   // no main speed change
  EXPECT_EQ(counts[24], 0);  // no live speed change
  EXPECT_FLOAT_EQ(r.IdleTotal, 3.8f);

  // A third, live operation at 4000 RPM after the drill changes the live speed.
  st.Op(1, 3) = Op("T03", "Live mill", 4000);
  SetLastIntoPlaceZero(st);
  r = ComputeAll(st, m);
  EXPECT_EQ(r.Lines, (ItemLines{{"Tool Change Gang to Gang", " 3 x 0.60 = 1.80"},
                                {"Main Spindle Start/Stop", " 1 x 1.20 = 1.20"},
                                {"Main Spindle Index to Ref.", " 1 x 0.90 = 0.90"},
                                {"Live1 Start/Stop", " 1 x 0.50 = 0.50"},
                                {"Live1 Change Speed", " 1 x 0.35 = 0.35"}}));
}

TEST(RangeTimesTest, LiveToolOnPostTwoUsesLiveSpindleTwo) {
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn", 2000), Op("T11", "live cross drill", 1500)});
  RangeTimes r = ComputeAll(st, NoFeedMachine());
  ASSERT_EQ(r.Lines.size(), 4u);
  EXPECT_EQ(r.Lines[3], (ItemLine{"Live2 Start/Stop", " 1 x 0.51 = 0.51"}));
}

TEST(RangeTimesTest, TappingReversesTheLiveSpindleOrTheWorkSpindle) {
  MachineDefinition m = NoFeedMachine();
  // A live tap on post 1 reverses live spindle 1, not the main spindle.
  TimeStudy live = MainOnlyStudy({Op("T01", "LIVE TAP M5")});
  EXPECT_EQ(ComputeAll(live, m).Lines, (ItemLines{{"Live1 For./Rev", " 1 x 0.45 = 0.45"}}));
  // A fixed tap (any case) or a die reverses the main spindle.
  TimeStudy fixed = MainOnlyStudy({Op("T01", "tap M6"), Op("T01", "Die 1/4-20")});
  EXPECT_EQ(ComputeAll(fixed, m).Lines, (ItemLines{{"Main Spindle For./Rev", " 2 x 0.40 = 0.80"}}));
  // On the sub spindle: the back spindle.
  TimeStudy sub;
  sub.Header.SubSpindleUsed = 1;
  sub.Header.PartsCatcherUsed = 0;
  sub.Op(2, 1) = Op("T21", "Tap");
  SetLastIntoPlaceZero(sub);
  EXPECT_EQ(ComputeAll(sub, m, 2).Lines, (ItemLines{{"Back Spindle For./Rev", " 1 x 0.45 = 0.45"}}));
}

TEST(RangeTimesTest, SubSpindleItemsAndAnUnknownToolSpeedCountOnTheMainSide) {
  MachineDefinition m = NoFeedMachine();
  TimeStudy st;
  st.Header.SubSpindleUsed = 1;
  st.Header.PartsCatcherUsed = 0;
  st.Op(2, 1) = Op("T21", "Face", 500);
  st.Op(2, 2) = Op("T21", "Finish", 3500);  // +3000 on a sub post: back spindle
  st.Op(2, 3) = Op("X1", "Special", 500);   // -3000, tool in no list: code 0, main side
  st.Op(2, 4) = Op("X1", "Live slot", 500);
  SetLastIntoPlaceZero(st);
  ItemCounts counts{};
  RangeTimes r = ComputeRangeTimes(st, m, counts, 2, 4, 2);
  EXPECT_EQ(counts[17], 1);
  EXPECT_EQ(counts[4], 1);
  EXPECT_EQ(r.Lines, (ItemLines{{"Main Spindle Change Speed", " 1 x 0.70 = 0.70"},
                                {"Tool Change Back to Rear", " 1 x 1.55 = 1.55"},
                                {"Back Spindle Start/Stop", " 1 x 1.25 = 1.25"},
                                {"Back Spindle Change Speed", " 1 x 0.75 = 0.75"},
                                {"Back Spindle Index to Ref.", " 1 x 0.95 = 0.95"}}));
}

// ---- stock feed -------------------------------------------------------------------

TEST(RangeTimesTest, StockFeedCountsOneFeedPerStrokeStarted) {
  MachineDefinition m = TestMachine();  // stroke 1.0, feed 600 per minute
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn")}, QStringLiteral("2.5"));
  ItemCounts counts{};
  RangeTimes r = ComputeRangeTimes(st, m, counts, 1, 1, 1);
  EXPECT_EQ(r.Lines, (ItemLines{{"Collet Open/Close", " 3 x 0.50 = 1.50"}, {"Feed Stock", " 2.5 x 0.100 = 0.25"}}));
  EXPECT_EQ(counts[10], 3);
  EXPECT_EQ(r.IdleTotal, 1.75f);

  st.Header.PartLength = QStringLiteral("1");
  EXPECT_EQ(Compute(st, m, 1, 1).Lines,
            (ItemLines{{"Collet Open/Close", " 1 x 0.50 = 0.50"}, {"Feed Stock", " 1 x 0.100 = 0.10"}}));
  st.Header.PartLength = QStringLiteral(".75");
  EXPECT_EQ(Compute(st, m, 1, 1).Lines,
            (ItemLines{{"Collet Open/Close", " 1 x 0.50 = 0.50"}, {"Feed Stock", " .75 x 0.100 = 0.08"}}));
}

TEST(RangeTimesTest, StockFeedAtTheEndOrNotAtAll) {
  MachineDefinition m = TestMachine();
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn"), Op("T01", "Part off")}, QStringLiteral("2.5"));
  m.MainSpindle.RapidZBeginEnd = QStringLiteral("E");
  EXPECT_TRUE(Compute(st, m, 1, 1).Lines.empty());
  EXPECT_EQ(Compute(st, m, 2, 2).Lines,
            (ItemLines{{"Collet Open/Close", " 3 x 0.50 = 1.50"}, {"Feed Stock", " 2.5 x 0.100 = 0.25"}}));
  m.MainSpindle.RapidZBeginEnd = QStringLiteral("N");
  EXPECT_TRUE(ComputeAll(st, m).Lines.empty());
  EXPECT_EQ(ComputeAll(st, m).IdleTotal, 0.0f);
}

TEST(RangeTimesTest, NoStrokeOrNoFeedSpeedAddsNothingAndSaysSo) {
  MachineDefinition m = TestMachine();
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn")}, QStringLiteral("2.5"));
  m.MainSpindle.HeadstockStroke = 0;
  RangeTimes r = Compute(st, m, 1, 1);
  EXPECT_EQ(r.Lines[0], (ItemLine{"Collet Open/Close", " 0 x 0.50 = 0.00"}));
  EXPECT_EQ(r.IdleTotal, 0.25f);  // the feed move alone

  m.MainSpindle.HeadstockStroke = 1.0;
  m.MainSpindle.RapidMultZ = 0;
  r = Compute(st, m, 1, 1);
  EXPECT_EQ(r.Lines, (ItemLines{{"Collet Open/Close", " 3 x 0.50 = 1.50"}, {"Feed Stock", "no Z feed speed = 0.00"}}));
  EXPECT_EQ(r.IdleTotal, 1.5f);
}

// ---- cycle items: extra times, transfer, parts catchers ---------------------------

TEST(RangeTimesTest, MachineExtraItemsAtTheBeginningOrTheEnd) {
  MachineDefinition m = NoFeedMachine();
  m.MainSpindle.OtherTime1 = 2.5;
  m.MainSpindle.OtherTime2 = 1;
  m.MainSpindle.Other2BeginEnd = QStringLiteral("E");
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn"), Op("T01", "Finish")});
  EXPECT_EQ(Compute(st, m, 1, 1).Lines, (ItemLines{{"Chip conveyor", "2.50"}}));
  EXPECT_EQ(Compute(st, m, 2, 2).Lines, (ItemLines{{"Probe", "1.00"}}));

  // The sub spindle's two items come with its first operation.
  m.SubSpindle.OtherTime1 = 0.5;
  m.SubSpindle.OtherTime2 = 0;
  st.Op(2, 1) = Op("T21", "Face");
  st.Op(2, 2) = Op("T21", "Drill");
  SetLastIntoPlaceZero(st);
  EXPECT_EQ(Compute(st, m, 1, 1, 2).Lines, (ItemLines{{"Sub wash", "0.50"}}));
  EXPECT_TRUE(Compute(st, m, 2, 2, 2).Lines.empty());
}

TEST(RangeTimesTest, OperationItemsDwellsRapidsAndIndexes) {
  MachineDefinition m = NoFeedMachine();
  Operation a = Op("T01", "Turn");
  a.Dwells = 3;
  a.ExtraRapids = 4;
  a.SpindleIndexes = 2;
  a.OtherDesc = QStringLiteral("Deburr by hand");
  a.OtherSeconds = 12;
  Operation b = Op("T01", "Finish");
  b.Dwells = 2;
  TimeStudy st = MainOnlyStudy({a, b});
  RangeTimes r = ComputeAll(st, m);
  EXPECT_EQ(r.Lines, (ItemLines{{"Deburr by hand", "12.00"},
                                {"Dwells while cutting", " 5 x 1.00 = 5.00"},
                                {"Main Spindle Index", " 2 x 0.30 = 0.60"},
                                {"Extra Rapids", " 4 x 0.25 = 1.00"}}));
  EXPECT_EQ(r.IdleTotal, 18.6f);
}

TEST(RangeTimesTest, TransferAtTheLastMainOperationWhenTheSubSpindleIsUsed) {
  MachineDefinition m = NoFeedMachine();
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn"), Op("T01", "Cut-off")});
  st.Header.SubSpindleUsed = 1;
  EXPECT_TRUE(Compute(st, m, 1, 1).Lines.empty());
  EXPECT_EQ(Compute(st, m, 2, 2).Lines, (ItemLines{{"Part transfer to back spindle", "1.50"}}));
}

TEST(RangeTimesTest, PartsCatcherFromSubOnlyAtTheLastSubOperationWithBothSwitches) {
  MachineDefinition m = NoFeedMachine();
  TimeStudy st;
  st.Header.SubSpindleUsed = 1;
  st.Header.PartsCatcherUsed = 1;
  st.Op(2, 1) = Op("T21", "Face");
  st.Op(2, 2) = Op("T21", "Drill");
  SetLastIntoPlaceZero(st);
  EXPECT_TRUE(Compute(st, m, 1, 1, 2).Lines.empty());
  EXPECT_EQ(Compute(st, m, 2, 2, 2).Lines, (ItemLines{{"Parts Catcher from Sub", "03.00"}}));
  st.Header.PartsCatcherUsed = 0;
  EXPECT_TRUE(Compute(st, m, 2, 2, 2).Lines.empty());
  st.Header.PartsCatcherUsed = 1;
  st.Header.SubSpindleUsed = 0;
  EXPECT_TRUE(Compute(st, m, 2, 2, 2).Lines.empty());
}

TEST(RangeTimesTest, PartsCatcherFromMainOnlyWithoutSubSpindleAfterACutOff) {
  MachineDefinition m = NoFeedMachine();
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn"), Op("T01", "Cutoff")});
  st.Header.PartsCatcherUsed = 1;
  EXPECT_EQ(ComputeAll(st, m).Lines, (ItemLines{{"Parts Catcher from Main", "2.00"}}));
  st.Op(1, 2).OpName = QStringLiteral("cut off to length");
  EXPECT_EQ(ComputeAll(st, m).Lines.size(), 1u);
  st.Op(1, 2).OpName = QStringLiteral("Part off");
  EXPECT_TRUE(ComputeAll(st, m).Lines.empty());
  st.Op(1, 2).OpName = QStringLiteral("CUT-OFF");
  st.Header.SubSpindleUsed = 1;
  EXPECT_EQ(ComputeAll(st, m).Lines, (ItemLines{{"Part transfer to back spindle", "1.50"}}));
}

// ---- limits -------------------------------------------------------------------------

TEST(RangeTimesTest, LinesBeyondOneHundredAreDroppedButStillCount) {
  MachineDefinition m = NoFeedMachine();
  TimeStudy st;
  st.Header.SubSpindleUsed = 0;
  st.Header.PartsCatcherUsed = 0;
  for (int i = 1; i <= 100; ++i) {
    Operation op = Op(i % 2 ? "T01" : "T02", "Turn");
    op.OtherDesc = QStringLiteral("Item %1").arg(i);
    op.OtherSeconds = 1;
    st.Op(1, i) = op;
  }
  SetLastIntoPlaceZero(st);
  RangeTimes r = ComputeAll(st, m);
  ASSERT_EQ(r.Lines.size(), 100u);
  EXPECT_EQ(r.Lines.back(), (ItemLine{"Item 100", "1.00"}));
  EXPECT_EQ(r.IdleTotal, 160.0f);  // 100 x 1 s and 100 tool changes of 0.6 s
}

TEST(RangeTimesTest, BadRangesGiveNothing) {
  TimeStudy st = MainOnlyStudy({Op("T01", "Turn", 1000, 3)});
  EXPECT_EQ(Compute(st, TestMachine(), 0, 1).CutTotal, 0.0f);
  EXPECT_TRUE(Compute(st, TestMachine(), 2, 1).Lines.empty());
  EXPECT_TRUE(Compute(st, TestMachine(), 1, 101).Lines.empty());
  EXPECT_EQ(Compute(st, TestMachine(), 1, 1, 3).CutTotal, 0.0f);
}

TEST(RangeTimesTest, ItemNamesCarryPostAndLiveSpindleNames) {
  ItemNameTable names = ItemNames(TestMachine());
  EXPECT_EQ(names[1], "Tool Change Gang to Gang");
  EXPECT_EQ(names[2], "Tool Change Turret to Turret");
  EXPECT_EQ(names[3], "Tool Change Gang to Turret");
  EXPECT_EQ(names[17], "Tool Change Back to Rear");
  EXPECT_EQ(names[28], "Live1 For./Rev");
  EXPECT_EQ(names[38], "Live4 Change Speed");
  // A machine without tool lists still has names.
  EXPECT_EQ(ItemNames(MachineDefinition{})[1], "Tool Change  to ");
}
