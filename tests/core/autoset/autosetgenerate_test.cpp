// "Add to CutData Exit": the generated operations, where they go, and every
// case in which nothing may be written.

#include "autosettestutil.h"

#include "platform/numtext.h"

using namespace arvex;
using namespace arvex::test;

namespace {

const QString kCheckMessage = QStringLiteral(
    "Please check the SFM/RPM for each item added. Also add the tool numbers and tool holders to your cutting "
    "data!");

class AutoSetGenerateTest : public AutoSetTest {
 protected:
  // Generates and expects success with the closing message.
  void Add(std::optional<int> place, int expectedPlace, int expectedCount) {
    prompter_.Clear();
    const AutoSetResult result = form_.Generate(place);
    ASSERT_EQ(result.Outcome, AutoSetOutcome::Added);
    EXPECT_EQ(result.Place, expectedPlace);
    EXPECT_EQ(result.Count, expectedCount);
    EXPECT_EQ(prompter_.Messages(), QStringList({kCheckMessage}));
    EXPECT_TRUE(form_.IsClosed());
    EXPECT_TRUE(ws_.Study.Dirty);
  }

  // Generates and expects a refusal that leaves the document as it was.
  void Refused(std::optional<int> place, AutoSetOutcome outcome, const QString& message) {
    const TimeStudy before = ws_.Study;
    prompter_.Clear();
    EXPECT_EQ(form_.Generate(place).Outcome, outcome);
    EXPECT_EQ(prompter_.Messages(), QStringList({message}));
    EXPECT_EQ(ws_.Study.Ops, before.Ops);
    EXPECT_EQ(ws_.Study.Syncs, before.Syncs);
    EXPECT_EQ(ws_.Study.Dirty, before.Dirty);
    EXPECT_FALSE(form_.IsClosed());
  }

  // The tap of the tap kind: 1/4-20 picked, .5 deep.
  void QuarterTwentyTap() {
    ws_.ChosenTapText = QStringLiteral("1/4-20 UNC");
    ws_.TapDrillResult = {0.25f, 0.05f, 0.2013f};
    form_.PickTap();
    Type(F::Tap(3), ".5");
  }

  void MillExample(const char* length) {
    Type(F::Mill(6), "1");
    Type(F::Mill(3), ".8");
    Type(F::Mill(0), ".5");
    Type(F::Mill(4), length);
    Type(F::Mill(5), "2");
  }
};

}  // namespace

// ---- hole sequences ----------------------------------------------------------------------

TEST_F(AutoSetGenerateTest, InchDrillOnCenter) {
  Start(0);
  InchDrillExample();
  ASSERT_EQ(form_.Text(F::DR(3)), "3");
  Add(1, 1, 2);

  const Operation& center = Op(1);
  EXPECT_EQ(center.ToolNo, "T01");
  EXPECT_EQ(center.OpName, "#4 Center Drill");
  EXPECT_EQ(center.SFM, 80);
  EXPECT_DOUBLE_EQ(center.Diameter, 0.27);
  EXPECT_DOUBLE_EQ(center.IPR, 0.002);
  EXPECT_EQ(center.RPM, 1132);
  EXPECT_DOUBLE_EQ(center.IPM, 2.264);
  EXPECT_DOUBLE_EQ(center.CutLength, 0.14);
  EXPECT_DOUBLE_EQ(center.CutTime, 0.14 / 2.264 * 60);
  EXPECT_EQ(center.ExtraRapids, 0);
  EXPECT_EQ(center.SpindleIndexes, 0);

  const Operation& drill = Op(2);
  EXPECT_EQ(drill.ToolNo, "T02");
  EXPECT_EQ(drill.OpName, "Drill");
  EXPECT_EQ(drill.SFM, 80);
  EXPECT_DOUBLE_EQ(drill.Diameter, 0.25);
  EXPECT_EQ(drill.RPM, 1222);
  EXPECT_DOUBLE_EQ(drill.IPM, 1222 * 0.003);
  EXPECT_EQ(drill.CutLength, 1.1);  // 1 + .02 x 3 + .04, rounded to 4 decimals
  EXPECT_EQ(drill.ExtraRapids, 6);
  EXPECT_EQ(drill.SpindleIndexes, 0);
  EXPECT_DOUBLE_EQ(drill.CutTime, 1.1 / (1222 * 0.003) * 60);
  // Fields the sequence does not name stay blank.
  EXPECT_EQ(drill.ToolHolder, "");
  EXPECT_EQ(drill.Dwells, 0);
  EXPECT_EQ(drill.IPT, 0);

  EXPECT_TRUE(Op(3).IsBlank());
  EXPECT_EQ(ws_.Study.MainOpCount, 2);
}

TEST_F(AutoSetGenerateTest, InchDrillAsFourLiveHoles) {
  Start(0);
  InchDrillExample();
  form_.SetLive(true);
  Type(F::Holes(), "4");
  Add(1, 1, 2);
  EXPECT_EQ(Op(1).OpName, "Live #4 Center Drill");
  EXPECT_DOUBLE_EQ(Op(1).CutLength, 0.56);
  EXPECT_EQ(Op(1).SpindleIndexes, 3);
  EXPECT_EQ(Op(1).ExtraRapids, 0);
  EXPECT_EQ(Op(1).RPM, 1132);
  EXPECT_DOUBLE_EQ(Op(1).CutTime, 0.56 / 2.264 * 60);
  EXPECT_EQ(Op(2).OpName, "Live Drill");
  EXPECT_DOUBLE_EQ(Op(2).CutLength, 4.4);
  EXPECT_EQ(Op(2).SpindleIndexes, 3);
  EXPECT_EQ(Op(2).ExtraRapids, 24);
  EXPECT_EQ(Op(2).RPM, 1222);
}

TEST_F(AutoSetGenerateTest, LiveFeatureCountOfZeroOrEmptyIsOne) {
  for (const char* holes : {"", "0", "abc", "0.4"}) {
    SCOPED_TRACE(holes);
    ws_.Study.ClearOperations();
    Start(0);
    InchDrillExample();
    form_.SetLive(true);
    Type(F::Holes(), holes);
    Add(1, 1, 2);
    EXPECT_EQ(Op(1).OpName, "Live #4 Center Drill");
    EXPECT_DOUBLE_EQ(Op(1).CutLength, 0.14);
    EXPECT_EQ(Op(1).SpindleIndexes, 0);
    EXPECT_EQ(Op(2).ExtraRapids, 6);
  }
}

TEST_F(AutoSetGenerateTest, TapKindOnCenterInsertsThree) {
  Start(1);
  QuarterTwentyTap();
  ASSERT_EQ(form_.Text(F::DR(5)), ".65");
  ASSERT_EQ(form_.Text(F::DR(3)), "3");
  Add(1, 1, 3);
  EXPECT_EQ(Op(1).OpName, "#4 Center Drill");
  EXPECT_DOUBLE_EQ(Op(1).Diameter, 0.29);  // tap .25 + 2 x .02
  EXPECT_EQ(Op(1).RPM, 1054);
  EXPECT_EQ(Op(2).ToolNo, "T02");
  EXPECT_DOUBLE_EQ(Op(2).Diameter, 0.2013);
  EXPECT_EQ(Op(2).CutLength, 0.75);  // .65 + .02 x 3 + .04

  const Operation& tap = Op(3);
  EXPECT_EQ(tap.ToolNo, "T03");
  EXPECT_EQ(tap.OpName, "Tap 1/4-20 UNC");
  EXPECT_EQ(tap.RPM, 750);
  EXPECT_DOUBLE_EQ(tap.Diameter, 0.25);
  EXPECT_DOUBLE_EQ(tap.IPR, 0.05);
  EXPECT_EQ(tap.SFM, 49);  // 3.14157 x .25 x 750 / 12
  EXPECT_DOUBLE_EQ(tap.IPM, 37.5);
  EXPECT_DOUBLE_EQ(tap.CutLength, 1.08);  // in and out: 2 x .5 + .08
  EXPECT_EQ(tap.SpindleIndexes, 0);
  EXPECT_EQ(tap.ExtraRapids, 0);
  EXPECT_DOUBLE_EQ(tap.CutTime, 1.08 / 37.5 * 60);
  EXPECT_TRUE(Op(4).IsBlank());
}

TEST_F(AutoSetGenerateTest, TapKindWithFourLiveHolesInsertsSix) {
  Start(1);
  QuarterTwentyTap();
  form_.SetLive(true);
  Type(F::Holes(), "4");
  Add(1, 1, 6);
  EXPECT_EQ(Op(1).OpName, "Live #4 Center Drill");
  EXPECT_EQ(Op(1).SpindleIndexes, 3);
  EXPECT_EQ(Op(2).OpName, "Live Drill");
  EXPECT_DOUBLE_EQ(Op(2).CutLength, 3.0);
  EXPECT_EQ(Op(2).ExtraRapids, 24);
  for (int i = 3; i <= 6; ++i) {
    EXPECT_EQ(Op(i).ToolNo, "T03");
    EXPECT_EQ(Op(i).OpName, "Live Tap 1/4-20 UNC");
    EXPECT_EQ(Op(i).SpindleIndexes, 1);
    EXPECT_DOUBLE_EQ(Op(i).CutLength, 1.08);  // one hole each
  }
  EXPECT_TRUE(Op(7).IsBlank());
  EXPECT_EQ(ws_.Study.MainOpCount, 6);
}

TEST_F(AutoSetGenerateTest, ReamKindOnCenterAndLive) {
  Start(2);
  Type(F::Ream(0), ".25");
  Type(F::Ream(2), ".5");
  ASSERT_EQ(form_.Text(F::DR(3)), "2");
  Add(1, 1, 3);
  EXPECT_DOUBLE_EQ(Op(1).Diameter, 0.27);  // ream .25 + 2 x .01
  EXPECT_DOUBLE_EQ(Op(2).Diameter, 0.24);
  EXPECT_EQ(Op(2).CutLength, 0.73);  // .65 + .02 x 2 + .04
  EXPECT_EQ(Op(2).ExtraRapids, 4);
  const Operation& ream = Op(3);
  EXPECT_EQ(ream.ToolNo, "T03");
  EXPECT_EQ(ream.OpName, "Ream");
  EXPECT_EQ(ream.SFM, 80);
  EXPECT_DOUBLE_EQ(ream.IPR, 0.008);
  EXPECT_EQ(ream.RPM, 1222);
  EXPECT_DOUBLE_EQ(ream.IPM, 1222 * 0.008);
  EXPECT_EQ(ream.CutLength, 0.54);
  EXPECT_EQ(ream.ExtraRapids, 1);
  EXPECT_EQ(ream.SpindleIndexes, 0);

  ws_.Study.ClearOperations();
  form_.Load();
  form_.ChooseKind(2);
  form_.SetFirstToolIndex(kT01);
  Type(F::Ream(0), ".25");
  Type(F::Ream(2), ".5");
  form_.SetLive(true);
  Type(F::Holes(), "3");
  Add(1, 1, 3);
  EXPECT_EQ(Op(3).OpName, "Live Ream");
  EXPECT_DOUBLE_EQ(Op(3).CutLength, 1.62);
  EXPECT_EQ(Op(3).SpindleIndexes, 2);
  EXPECT_EQ(Op(3).ExtraRapids, 3);
}

TEST_F(AutoSetGenerateTest, MetricCenterSpeed) {
  Start(0, true);
  Type(F::DR(0), "9.98");
  Type(F::CD(2), "80");
  Type(F::CD(3), ".05");
  Add(1, 1, 2);
  EXPECT_DOUBLE_EQ(Op(1).Diameter, 10);
  EXPECT_EQ(Op(1).RPM, 2546);  // 1000 x 80 / (3.14157 x 10)
  EXPECT_DOUBLE_EQ(Op(1).IPM, 2546 * 0.05);
  // The metric defaults leave the drill's speed empty: no spindle speed.
  EXPECT_EQ(Op(2).SFM, 0);
  EXPECT_EQ(Op(2).RPM, 0);
  EXPECT_EQ(Op(2).CutTime, 0);
}

TEST_F(AutoSetGenerateTest, SpotDrillSequence) {
  Start(0);
  Type(F::DR(0), ".25");
  Type(F::DR(5), "1");
  form_.ClickCenterType(CenterType::Spot);
  Add(1, 1, 2);
  EXPECT_EQ(Op(1).OpName, "Spot Drill");
  EXPECT_DOUBLE_EQ(Op(1).CutLength, 0.135 + 0.04);
}

// ---- tool numbers -----------------------------------------------------------------------------

TEST_F(AutoSetGenerateTest, LastToolOfAPostMakesTheNextPostTheSecondTool) {
  Start(0, false, kT04);
  InchDrillExample();
  Add(1, 1, 2);
  EXPECT_EQ(Op(1).ToolNo, "T04");
  EXPECT_EQ(Op(2).ToolNo, "(Turret)");
}

TEST_F(AutoSetGenerateTest, ToolsPastTheEndOfTheListAreEmpty) {
  Start(1, false, kT12);
  QuarterTwentyTap();
  Add(1, 1, 3);
  EXPECT_EQ(Op(1).ToolNo, "T12");
  EXPECT_EQ(Op(2).ToolNo, "");
  EXPECT_EQ(Op(3).ToolNo, "");
  // A blank tool number with a name is still an operation.
  EXPECT_EQ(ws_.Study.MainOpCount, 3);
}

TEST_F(AutoSetGenerateTest, NoToolOrAPostNameRefuses) {
  Start(0, false, -1);
  InchDrillExample();
  Refused(1, AutoSetOutcome::NoFirstTool, "Please choose the first tool location used!");
  form_.SetFirstToolIndex(0);  // "(Gang)"
  Refused(1, AutoSetOutcome::NoFirstTool, "Please choose the first tool location used!");
  form_.SetFirstToolIndex(8);  // past the end
  Refused(1, AutoSetOutcome::NoFirstTool, "Please choose the first tool location used!");
}

// ---- mill flats and threads ------------------------------------------------------------------

TEST_F(AutoSetGenerateTest, MillFlatsAcrossTheTurnedDiameter) {
  Start(3);
  MillExample(".3");
  Add(1, 1, 1);
  const Operation& op = Op(1);
  EXPECT_EQ(op.ToolNo, "T01");
  EXPECT_EQ(op.OpName, "Live Mill Flats");
  EXPECT_EQ(op.SFM, 175);
  EXPECT_DOUBLE_EQ(op.Diameter, 0.5);
  EXPECT_DOUBLE_EQ(op.IPR, 0.004);
  EXPECT_EQ(op.RPM, 1337);
  EXPECT_DOUBLE_EQ(op.IPM, 5.348);
  EXPECT_EQ(op.CutLength, 2.28);  // (.6 + .02 + .02 + .5) x 1 pass x 2 flats
  EXPECT_EQ(op.SpindleIndexes, 2);
  EXPECT_EQ(op.ExtraRapids, 0);
  EXPECT_DOUBLE_EQ(op.CutTime, 2.28 / 5.348 * 60);
  EXPECT_TRUE(Op(2).IsBlank());
}

TEST_F(AutoSetGenerateTest, MillFlatsLongerThanTheCutterTakeSeveralPasses) {
  Start(3);
  MillExample("1.2");  // 1.2 / .375 = 3.2: 4 passes
  Add(1, 1, 1);
  EXPECT_EQ(Op(1).CutLength, 9.12);
}

TEST_F(AutoSetGenerateTest, MillFlatAsLongAsTheCutterIsOnePass) {
  Start(3);
  MillExample(".5");
  Add(1, 1, 1);
  EXPECT_EQ(Op(1).CutLength, 2.28);
}

TEST_F(AutoSetGenerateTest, FlatsOutsideTheTurnedDiameterHaveNoWidth) {
  Start(3);
  MillExample(".3");
  Type(F::Mill(3), "1.2");
  Add(1, 1, 1);
  EXPECT_EQ(Op(1).CutLength, 1.08);  // (.02 + .02 + .5) x 2
}

TEST_F(AutoSetGenerateTest, MillWithoutCutterDiameterHasNoSpeed) {
  Start(3);
  MillExample(".3");
  Type(F::Mill(0), "");
  Add(1, 1, 1);
  EXPECT_EQ(Op(1).RPM, 0);
  EXPECT_EQ(Op(1).IPM, 0);
  EXPECT_EQ(Op(1).CutTime, 0);
  EXPECT_EQ(Op(1).CutLength, 1.28);  // (.6 + .04) x one pass x 2
}

TEST_F(AutoSetGenerateTest, SinglePointThread) {
  Start(4);
  Type(F::Thd(0), ".25");
  Type(F::Thd(1), "20");
  form_.LostFocus(F::Thd(1));
  Type(F::Thd(6), ".5");
  Add(1, 1, 1);
  const Operation& op = Op(1);
  EXPECT_EQ(op.ToolNo, "T01");
  EXPECT_EQ(op.OpName, "Single Point Thread");
  EXPECT_DOUBLE_EQ(op.Diameter, 0.25);
  EXPECT_DOUBLE_EQ(op.IPR, 0.05);
  EXPECT_EQ(op.RPM, 2000);
  EXPECT_DOUBLE_EQ(op.IPM, 100);
  EXPECT_EQ(op.SFM, 131);
  EXPECT_EQ(op.CutLength, 3.6);  // (.5 + .1) x 6 passes
  EXPECT_EQ(op.ExtraRapids, 6);
  EXPECT_EQ(op.Dwells, 1);
  EXPECT_EQ(op.SpindleIndexes, 0);
  EXPECT_DOUBLE_EQ(op.CutTime, 3.6 / 100 * 60);
}

TEST_F(AutoSetGenerateTest, ThreadsAndMillsIgnoreTheLiveChoice) {
  Start(4);
  form_.SetLive(true);
  Type(F::Holes(), "-3");
  Type(F::Thd(4), "6");
  Add(1, 1, 1);
  EXPECT_EQ(Op(1).OpName, "Single Point Thread");
  EXPECT_EQ(Op(1).SpindleIndexes, 0);
}

// ---- placing -------------------------------------------------------------------------------

TEST_F(AutoSetGenerateTest, OperationsGoBeforeTheSelectedOneAndSyncsMoveWithThem) {
  FillList(3);
  TimeStudy& study = ws_.Study;
  study.Sync(kMainSpindle, 1) = 1;  // before the first operation: stays
  study.Sync(kSubSpindle, 1) = 1;
  study.Sync(kMainSpindle, 2) = 2;
  study.Sync(kSubSpindle, 2) = 2;
  study.Sync(kMainSpindle, 3) = 4;  // after the last operation
  study.Sync(kSubSpindle, 3) = 3;
  study.SyncCount = 3;
  Start(0);
  InchDrillExample();
  Add(2, 2, 2);
  EXPECT_EQ(Op(1).OpName, "Op 1");
  EXPECT_EQ(Op(2).OpName, "#4 Center Drill");
  EXPECT_EQ(Op(3).OpName, "Drill");
  EXPECT_EQ(Op(4).OpName, "Op 2");
  EXPECT_EQ(Op(5).OpName, "Op 3");
  EXPECT_EQ(study.MainOpCount, 5);
  EXPECT_EQ(study.Sync(kMainSpindle, 1), 1);
  EXPECT_EQ(study.Sync(kMainSpindle, 2), 4);  // still before "Op 2"
  EXPECT_EQ(study.Sync(kMainSpindle, 3), 6);  // still after the last
  EXPECT_EQ(study.Sync(kSubSpindle, 1), 1);
  EXPECT_EQ(study.Sync(kSubSpindle, 2), 2);
  EXPECT_EQ(study.Sync(kSubSpindle, 3), 3);
}

TEST_F(AutoSetGenerateTest, NoSelectionAddsAfterTheLastOperation) {
  FillList(3);
  Start(0);
  InchDrillExample();
  Add(std::nullopt, 4, 2);
  EXPECT_EQ(Op(3).OpName, "Op 3");
  EXPECT_EQ(Op(4).OpName, "#4 Center Drill");
  EXPECT_EQ(Op(5).OpName, "Drill");
  EXPECT_EQ(ws_.Study.MainOpCount, 5);
}

TEST_F(AutoSetGenerateTest, PlacesOutsideTheListCountAsNoSelection) {
  for (int place : {0, -5, 101, 32767}) {
    SCOPED_TRACE(place);
    ws_.Study.ClearOperations();
    FillList(3);
    Start(3);
    MillExample(".3");
    Add(place, 4, 1);
    EXPECT_EQ(Op(4).OpName, "Live Mill Flats");
    EXPECT_TRUE(Op(5).IsBlank());
  }
}

TEST_F(AutoSetGenerateTest, SelectedEmptyPlaceBelowTheListIsUsed) {
  FillList(3);
  Start(3);
  MillExample(".3");
  Add(10, 10, 1);
  EXPECT_EQ(Op(10).OpName, "Live Mill Flats");
  EXPECT_TRUE(Op(4).IsBlank());
  EXPECT_EQ(ws_.Study.MainOpCount, 10);
}

TEST_F(AutoSetGenerateTest, SubSpindleListReceivesTheOperations) {
  FillList(2, kMainSpindle);
  ws_.Study.CurrentSpindle = kSubSpindle;
  Start(0);
  ASSERT_EQ(form_.ToolEntries()[1], "T21-");
  InchDrillExample();
  Add(1, 1, 2);
  EXPECT_EQ(Op(1, kSubSpindle).ToolNo, "T21");
  EXPECT_EQ(Op(2, kSubSpindle).ToolNo, "T22");
  EXPECT_EQ(Op(1, kMainSpindle).OpName, "Op 1");
  EXPECT_EQ(ws_.Study.SubOpCount, 2);
  EXPECT_EQ(ws_.Study.MainOpCount, 2);
}

// ---- refusals: nothing is written -------------------------------------------------------------

TEST_F(AutoSetGenerateTest, NoKindChosenWritesNothing) {
  FillList(3);
  Load();
  form_.SetFirstToolIndex(kT01);
  InchDrillExample();
  Refused(1, AutoSetOutcome::NoKind,
          "Please choose the kind of operations to add (Drill, Tap, Ream, Mill Flats or Threads)!");
  form_.ChooseKind(7);
  Refused(1, AutoSetOutcome::NoKind,
          "Please choose the kind of operations to add (Drill, Tap, Ream, Mill Flats or Threads)!");
}

TEST_F(AutoSetGenerateTest, FullListLosesNoOperation) {
  const QString twoMore =
      QStringLiteral("There is no room for 2 more operations in this list (100 at most). Nothing was added.");
  FillList(99);
  Start(0);
  InchDrillExample();
  Refused(5, AutoSetOutcome::NoRoom, twoMore);
  Refused(std::nullopt, AutoSetOutcome::NoRoom, twoMore);
  Refused(100, AutoSetOutcome::NoRoom, twoMore);
  EXPECT_EQ(Op(99).OpName, "Op 99");

  FillList(100);
  Refused(std::nullopt, AutoSetOutcome::NoRoom, twoMore);
  Refused(1, AutoSetOutcome::NoRoom, twoMore);
  EXPECT_EQ(Op(100).OpName, "Op 100");
  EXPECT_TRUE(Op(101).IsBlank());
}

TEST_F(AutoSetGenerateTest, ListWithRoomForExactlyTheSequence) {
  FillList(98);
  Start(0);
  InchDrillExample();
  Add(5, 5, 2);
  EXPECT_EQ(Op(100).OpName, "Op 98");
  EXPECT_EQ(Op(7).OpName, "Op 5");
  EXPECT_TRUE(Op(101).IsBlank());
  EXPECT_EQ(ws_.Study.MainOpCount, 100);
}

TEST_F(AutoSetGenerateTest, SequenceThatWouldRunPastPlaceHundredIsRefused) {
  FillList(3);
  Start(1);
  QuarterTwentyTap();
  Refused(99, AutoSetOutcome::NoRoom,
          "There is no room for 3 operations from place 99 on (the list ends at 100). Nothing was added.");
  Add(98, 98, 3);
  EXPECT_EQ(Op(100).OpName, "Tap 1/4-20 UNC");
}

TEST_F(AutoSetGenerateTest, NegativeOrHugeLiveFeatureCountIsRefused) {
  const QString message = QStringLiteral(
      "The number of live features must be a whole number from 1 to 32767 (empty or 0 counts as 1). Nothing was "
      "added.");
  FillList(5);
  Start(1);
  QuarterTwentyTap();
  form_.SetLive(true);
  for (const char* holes : {"-4", "-1", "-0.6", "32768", "1E9"}) {
    SCOPED_TRACE(holes);
    Type(F::Holes(), holes);
    Refused(2, AutoSetOutcome::BadFeatureCount, message);
  }
  // On center the field does not count.
  form_.SetLive(false);
  Add(2, 2, 3);
}

TEST_F(AutoSetGenerateTest, MoreLiveTapsThanTheListHoldsAreRefused) {
  Start(1);
  QuarterTwentyTap();
  form_.SetLive(true);
  Type(F::Holes(), "99");
  Refused(1, AutoSetOutcome::NoRoom,
          "There is no room for 101 more operations in this list (100 at most). Nothing was added.");
  Type(F::Holes(), "32767");
  Refused(1, AutoSetOutcome::NoRoom,
          "There is no room for 32769 more operations in this list (100 at most). Nothing was added.");
  Type(F::Holes(), "98");
  Add(1, 1, 100);
  EXPECT_EQ(Op(100).OpName, "Live Tap 1/4-20 UNC");
  EXPECT_EQ(Op(1).SpindleIndexes, 97);
}

TEST_F(AutoSetGenerateTest, DoubleQuoteInAGeneratedNameIsRefused) {
  Start(1);
  ws_.ChosenTapText = QStringLiteral("1/4\"-20");  // a tap table may hold one
  ws_.TapDrillResult = {0.25f, 0.05f, 0.2013f};
  form_.PickTap();
  ASSERT_EQ(form_.Text(F::Tap(0)), "1/4\"-20");
  Refused(1, AutoSetOutcome::QuoteInName,
          "You can not use \" in your description because of the way I save the data file.");
  Type(F::Tap(0), "1/4-20");
  Add(1, 1, 3);
  EXPECT_EQ(Op(3).OpName, "Tap 1/4-20");
}

// ---- speeds that do not fit ---------------------------------------------------------------------

TEST_F(AutoSetGenerateTest, SpindleSpeedThatDoesNotFitStaysUnsetAndGenerationGoesOn) {
  Start(0);
  Type(F::DR(0), ".00001");
  Type(F::DR(5), ".1");
  Add(1, 1, 2);
  EXPECT_EQ(Op(1).RPM, 15271);  // the center is .02 wider than the drill
  EXPECT_EQ(Op(2).OpName, "Drill");
  EXPECT_EQ(Op(2).SFM, 80);
  EXPECT_EQ(Op(2).RPM, 0);
  EXPECT_EQ(Op(2).IPM, 0);
  EXPECT_EQ(Op(2).CutTime, 0);
  EXPECT_GT(Op(2).CutLength, 0);
}

TEST_F(AutoSetGenerateTest, SurfaceSpeedThatDoesNotFitStaysUnset) {
  Start(1);
  Type(F::CD(2), "40000");
  Type(F::Tap(1), "100");
  Type(F::Tap(2), ".1");
  Type(F::Tap(4), "30000");
  Type(F::Tap(3), "1");
  Add(1, 1, 3);
  EXPECT_EQ(Op(1).SFM, 0);
  EXPECT_EQ(Op(1).RPM, 0);
  EXPECT_EQ(Op(3).RPM, 30000);
  EXPECT_EQ(Op(3).SFM, 0);  // 785,393 does not fit
  EXPECT_DOUBLE_EQ(Op(3).IPM, 3000);
  EXPECT_DOUBLE_EQ(Op(3).CutTime, 2.08 / 3000 * 60);
}

TEST_F(AutoSetGenerateTest, CountsThatDoNotFitStayUnset) {
  Start(0);
  InchDrillExample();
  form_.SetLive(true);
  Type(F::Holes(), "2");
  Type(F::DR(3), "20000");  // 80,000 extra rapids for the two holes
  Add(1, 1, 2);
  EXPECT_EQ(Op(2).ExtraRapids, 0);
  EXPECT_EQ(Op(2).SpindleIndexes, 1);
  EXPECT_DOUBLE_EQ(Op(2).CutLength, 2 * (1 + 0.02 * 20000 + 0.04));

  ws_.Study.ClearOperations();
  Start(0);
  InchDrillExample();
  Type(F::DR(3), "99999");  // no 16-bit number: no pecks
  Add(1, 1, 2);
  EXPECT_EQ(Op(2).ExtraRapids, 0);
  EXPECT_EQ(Op(2).CutLength, 1.04);
}

TEST_F(AutoSetGenerateTest, EmptyFieldsGiveZeroSpeedsAndTimes) {
  Start(0);
  Add(1, 1, 2);
  EXPECT_EQ(Op(1).OpName, "");  // the center data never ran
  EXPECT_EQ(Op(1).ToolNo, "T01");
  EXPECT_EQ(Op(2).RPM, 0);
  EXPECT_EQ(Op(2).CutTime, 0);
  EXPECT_DOUBLE_EQ(Op(2).CutLength, 0.04);
  EXPECT_EQ(ws_.Study.MainOpCount, 2);
}

TEST_F(AutoSetGenerateTest, CommaLocaleGivesTheSameSequence) {
  ScopedNumberLocale comma({u',', u'.'});
  Start(1);
  QuarterTwentyTap();
  ASSERT_EQ(form_.Text(F::DR(5)), ",65");
  Add(1, 1, 3);
  EXPECT_DOUBLE_EQ(Op(2).Diameter, 0.2013);
  EXPECT_EQ(Op(2).CutLength, 0.75);
  EXPECT_DOUBLE_EQ(Op(3).IPR, 0.05);
  EXPECT_DOUBLE_EQ(Op(3).CutLength, 1.08);
}
