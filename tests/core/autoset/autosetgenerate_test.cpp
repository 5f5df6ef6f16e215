#include "autosettestutil.h"

#include "platform/numtext.h"

#include <optional>
#include <vector>

using namespace arvex;
using namespace arvex::test;

namespace {

QString NoRoomMessage(int count) {
  return QStringLiteral("There is no room for %1 more operations in this list (100 at most). Nothing was added.")
      .arg(count);
}

class AutoSetGenerateTest : public AutoSetTest {
 protected:
  // Generates and expects success with the closing message, as one change
  // of the study through the change path.
  void Add(std::optional<int> place, int expectedPlace, int expectedCount) {
    prompter_.Clear();
    QStringList heard;
    const int id = ws_.Changes.Listen([&](const StudyNotice& n) { heard << n.Change.Label; });
    const AutoSetResult result = form_.Generate(place);
    ws_.Changes.Forget(id);
    EXPECT_EQ(heard, QStringList({"Auto Set"}));
    ASSERT_EQ(result.Outcome, AutoSetOutcome::Added);
    EXPECT_EQ(result.Place, expectedPlace);
    EXPECT_EQ(result.Count, expectedCount);
    EXPECT_EQ(prompter_.Messages(), QStringList({"Please check the SFM/RPM for each item added. Also add the tool "
                                                 "numbers and tool holders to your cutting data!"}));
    EXPECT_TRUE(form_.IsClosed());
    EXPECT_TRUE(ws_.Study.Dirty);
  }

  // Generates and expects a refusal that leaves the document as it was.
  void Refused(std::optional<int> place, AutoSetOutcome outcome, const QString& message) {
    const TimeStudy before = ws_.Study;
    prompter_.Clear();
    bool heard = false;
    const int id = ws_.Changes.Listen([&](const StudyNotice&) { heard = true; });
    EXPECT_EQ(form_.Generate(place).Outcome, outcome);
    ws_.Changes.Forget(id);
    EXPECT_FALSE(heard);
    EXPECT_EQ(prompter_.Messages(), QStringList({message}));
    EXPECT_EQ(ws_.Study.Ops, before.Ops);
    EXPECT_EQ(ws_.Study.Syncs, before.Syncs);
    EXPECT_EQ(ws_.Study.Dirty, before.Dirty);
    EXPECT_FALSE(form_.IsClosed());
  }

  // A new, clean list (with `fill` operations) and the form started again.
  void Restart(int kind, int fill = 0, int firstTool = kT01) {
    ws_.Study.ClearOperations();
    ws_.Study.Dirty = false;
    FillList(fill);
    Start(kind, false, firstTool);
  }

  // The tap of the tap kind: 1/4-20 picked, .5 deep.
  void QuarterTwentyTap(const char* name = "1/4-20 UNC") {
    ws_.ChosenTapText = QString::fromUtf8(name);
    ws_.TapDrillResult = {0.25f, 0.05f, 0.2013f};
    form_.PickTap();
    Type(F::Tap(3), ".5");
  }
};

}  // namespace

TEST_F(AutoSetGenerateTest, InchDrillOnCenterAndAsLiveHoles) {
  const struct {
    bool Live;
    const char* Holes;
    const char* Prefix;
    double CenterLength, DrillLength;
    std::int16_t Indexes, Rapids;
  } cases[] = {
      {false, "4", "", .14, 1.1, 0, 6},  // on center the hole count does not count
      {true, "4", "Live ", .56, 4.4, 3, 24},
      // An empty count of live features is one.
      {true, "", "Live ", .14, 1.1, 0, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "live " << c.Live << " holes " << c.Holes);
    Restart(0);
    InchDrillExample();
    ASSERT_EQ(form_.Text(F::DR(3)), "3");
    form_.SetLive(c.Live);
    Type(F::Holes(), c.Holes);
    Add(1, 1, 2);
    ExpectOp(1, {.ToolNo = "T01", .OpName = c.Prefix + QString("#4 Center Drill"), .Diameter = .27, .SFM = 80,
                 .RPM = 1132, .IPR = .002, .IPM = 2.264, .CutLength = c.CenterLength, .SpindleIndexes = c.Indexes});
    // 1 + .02 x 3 + .04 per hole, rounded to 4 decimals; the fields the
    // sequence does not name stay blank.
    ExpectOp(2, {.ToolNo = "T02", .OpName = c.Prefix + QString("Drill"), .Diameter = .25, .SFM = 80, .RPM = 1222,
                 .IPR = .003, .IPM = 1222 * .003, .CutLength = c.DrillLength, .ExtraRapids = c.Rapids,
                 .SpindleIndexes = c.Indexes});
    EXPECT_TRUE(Op(3).IsBlank());
    EXPECT_EQ(ws_.Study.MainOpCount, 2);
  }
  // A spot drill goes to half its spot diameter and .04 more.
  Restart(0);
  InchDrillExample();
  form_.ClickCenterType(CenterType::Spot);
  Add(1, 1, 2);
  EXPECT_EQ(Op(1).OpName, "Spot Drill");
  EXPECT_DOUBLE_EQ(Op(1).CutLength, 0.135 + 0.04);
}

TEST_F(AutoSetGenerateTest, TapKindOnCenterUnderADecimalPointAndAsFourLiveHolesUnderADecimalComma) {
  for (const auto& [comma, n] : {std::pair{false, 1}, {true, 4}}) {
    SCOPED_TRACE(comma ? "decimal comma" : "decimal point");
    std::optional<ScopedNumberLocale> locale;
    if (comma) locale.emplace(NumberLocale{u',', u'.'});
    Restart(1);
    QuarterTwentyTap();
    ASSERT_EQ(form_.Text(F::DR(5)), comma ? ",65" : ".65");
    form_.SetLive(n > 1);
    Type(F::Holes(), "4");
    Add(1, 1, 2 + n);
    // The center is the tap .25 + 2 x .02 wide and goes .2881 deep (the
    // center data take the spot .25 + .02); the drill goes .65 + .02 x 3
    // + .04 per hole; the tap at 3.14157 x .25 x 750 / 12 SFM, in and
    // out: 2 x .5 + .08, one hole each.
    const QString live = n > 1 ? "Live " : "";
    const auto indexes = static_cast<std::int16_t>(n - 1);
    ExpectOp(1, {.ToolNo = "T01", .OpName = live + "#4 Center Drill", .Diameter = .29, .SFM = 80, .RPM = 1054,
                 .IPR = .002, .IPM = 1054 * .002, .CutLength = .3281 * n, .SpindleIndexes = indexes});
    ExpectOp(2, {.ToolNo = "T02", .OpName = live + "Drill", .Diameter = .2013, .SFM = 80, .RPM = 1518,
                 .IPR = .003, .IPM = 1518 * .003, .CutLength = .75 * n,
                 .ExtraRapids = static_cast<std::int16_t>(6 * n), .SpindleIndexes = indexes});
    for (int i = 3; i <= 2 + n; ++i)
      ExpectOp(i, {.ToolNo = "T03", .OpName = live + "Tap 1/4-20 UNC", .Diameter = .25, .SFM = 49, .RPM = 750,
                   .IPR = .05, .IPM = 37.5, .CutLength = 1.08, .SpindleIndexes = std::int16_t(n > 1)});
    EXPECT_TRUE(Op(3 + n).IsBlank());
  }
}

TEST_F(AutoSetGenerateTest, ReamKindOnCenterAndLive) {
  for (const int n : {1, 3}) {
    SCOPED_TRACE(n);
    Restart(2);
    Type(F::Ream(0), ".25");
    Type(F::Ream(2), ".5");
    ASSERT_EQ(form_.Text(F::DR(3)), "2");
    form_.SetLive(n > 1);
    Type(F::Holes(), "3");
    Add(1, 1, 3);
    const QString live = n > 1 ? "Live " : "";
    const auto count = static_cast<std::int16_t>(n), indexes = static_cast<std::int16_t>(n - 1);
    // The center is the ream .25 + 2 x .01 wide; the drill goes
    // .65 + .02 x 2 + .04 per hole, the ream .5 + .04.
    ExpectOp(1, {.ToolNo = "T01", .OpName = live + "#4 Center Drill", .Diameter = .27, .SFM = 80, .RPM = 1132,
                 .IPR = .002, .IPM = 2.264, .CutLength = .3281 * n, .SpindleIndexes = indexes});
    ExpectOp(2, {.ToolNo = "T02", .OpName = live + "Drill", .Diameter = .24, .SFM = 80, .RPM = 1273, .IPR = .003,
                 .IPM = 1273 * .003, .CutLength = .73 * n, .ExtraRapids = static_cast<std::int16_t>(4 * n),
                 .SpindleIndexes = indexes});
    ExpectOp(3, {.ToolNo = "T03", .OpName = live + "Ream", .Diameter = .25, .SFM = 80, .RPM = 1222, .IPR = .008,
                 .IPM = 1222 * .008, .CutLength = .54 * n, .ExtraRapids = count, .SpindleIndexes = indexes});
  }
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
}

TEST_F(AutoSetGenerateTest, ToolNumbersFollowTheListFromTheFirstTool) {
  const struct { int Kind, FirstTool; QStringList Tools; } cases[] = {
      {0, kT04, {"T04", "(Turret)"}},  // the last tool of a post: the next post is the second tool
      {1, kT12, {"T12", "", ""}},      // past the end of the list: empty
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.FirstTool);
    Restart(c.Kind, 0, c.FirstTool);
    if (c.Kind == 0) InchDrillExample();
    else QuarterTwentyTap();
    Add(1, 1, static_cast<int>(c.Tools.size()));
    QStringList tools;
    for (int i = 1; i <= 3; ++i) tools << Op(i).ToolNo;
    EXPECT_EQ(tools, c.Tools + QStringList(3 - c.Tools.size(), ""));
    // A blank tool number with a name is still an operation.
    EXPECT_EQ(ws_.Study.MainOpCount, c.Tools.size());
  }
}

TEST_F(AutoSetGenerateTest, MillFlatsAcrossTheTurnedDiameter) {
  const struct { const char *Length, *Turned, *Cutter; double CutLength; } cases[] = {
      {".3", ".8", ".5", 2.28},   // (.6 + .02 + .02 + .5) x 1 pass x 2 flats
      {"1.2", ".8", ".5", 9.12},  // 1.2 / .375 = 3.2: 4 passes
      {".3", "1.2", ".5", 1.08},  // outside the turned diameter: no width, (.02 + .02 + .5) x 2
      {".3", ".8", "", 1.28},     // no cutter: (.6 + .04) x one pass x 2, and no speed
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Length << " " << c.Turned << " " << c.Cutter);
    Restart(3);
    form_.SetLive(true);  // mills ignore the live choice
    Type(F::Mill(6), "1");
    Type(F::Mill(3), c.Turned);
    Type(F::Mill(0), c.Cutter);
    Type(F::Mill(4), c.Length);
    Type(F::Mill(5), "2");
    Add(1, 1, 1);
    const bool cutter = *c.Cutter != 0;
    ExpectOp(1, {.ToolNo = "T01", .OpName = "Live Mill Flats", .Diameter = cutter ? .5 : 0, .SFM = 175,
                 .RPM = static_cast<std::int16_t>(cutter ? 1337 : 0), .IPR = .004, .IPM = cutter ? 5.348 : 0,
                 .CutLength = c.CutLength, .SpindleIndexes = 2});
    EXPECT_TRUE(Op(2).IsBlank());
  }
}

TEST_F(AutoSetGenerateTest, SinglePointThread) {
  Start(4);
  form_.SetLive(true);  // threads ignore the live choice
  Type(F::Holes(), "-3");
  Type(F::Thd(0), ".25");
  Type(F::Thd(1), "20");
  form_.LostFocus(F::Thd(1));
  Type(F::Thd(6), ".5");
  Add(1, 1, 1);
  // (.5 + .1) x 6 passes
  ExpectOp(1, {.ToolNo = "T01", .OpName = "Single Point Thread", .Diameter = .25, .SFM = 131, .RPM = 2000,
               .IPR = .05, .IPM = 100, .CutLength = 3.6, .ExtraRapids = 6, .Dwells = 1});
}

TEST_F(AutoSetGenerateTest, OperationsGoBeforeTheSelectedOneAndSyncsMoveWithThem) {
  FillList(3);
  TimeStudy& study = ws_.Study;
  // Main syncs: before the first operation (stays), before "Op 2", after
  // the last operation.
  const std::int16_t mainSyncs[] = {1, 2, 4}, subSyncs[] = {1, 2, 3};
  for (int k = 1; k <= 3; ++k) {
    study.Sync(kMainSpindle, k) = mainSyncs[k - 1];
    study.Sync(kSubSpindle, k) = subSyncs[k - 1];
  }
  study.SyncCount = 3;
  Start(0);
  InchDrillExample();
  Add(2, 2, 2);
  QStringList names;
  for (int i = 1; i <= 6; ++i) names << Op(i).OpName;
  EXPECT_EQ(names, QStringList({"Op 1", "#4 Center Drill", "Drill", "Op 2", "Op 3", ""}));
  EXPECT_EQ(study.MainOpCount, 5);
  const std::int16_t movedMain[] = {1, 4, 6};
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(study.Sync(kMainSpindle, k), movedMain[k - 1]) << k;
    EXPECT_EQ(study.Sync(kSubSpindle, k), subSyncs[k - 1]) << k;
  }
}

TEST_F(AutoSetGenerateTest, NoSelectionOrAPlaceOutsideTheListAddsAfterTheLastOperation) {
  // An empty place below the list is used as it is.
  const std::pair<std::optional<int>, int> cases[] = {{std::nullopt, 4}, {101, 4}, {10, 10}};
  for (const auto& [place, expected] : cases) {
    SCOPED_TRACE(place.value_or(-1));
    Restart(0, 3);
    InchDrillExample();
    Add(place, expected, 2);
    for (int i = 3; i <= 12; ++i) {
      const char* name = i == 3 ? "Op 3" : i == expected ? "#4 Center Drill" : i == expected + 1 ? "Drill" : "";
      EXPECT_EQ(Op(i).OpName, name) << i;
    }
    EXPECT_EQ(ws_.Study.MainOpCount, expected + 1);
  }
}

TEST_F(AutoSetGenerateTest, SubSpindleListReceivesTheOperations) {
  FillList(2, kMainSpindle);
  ws_.Study.CurrentSpindle = kSubSpindle;
  Start(0);
  ASSERT_EQ(form_.ToolEntries()[1], "T21-");
  InchDrillExample();
  Add(1, 1, 2);
  EXPECT_EQ(Op(1, kSubSpindle).ToolNo, "T21");
  EXPECT_EQ(Op(1, kMainSpindle).OpName, "Op 1");
  EXPECT_EQ(ws_.Study.SubOpCount, 2);
}

TEST_F(AutoSetGenerateTest, NoKindOrNoFirstToolWritesNothing) {
  FillList(3);
  Load();
  form_.SetFirstToolIndex(kT01);
  InchDrillExample();
  Refused(1, AutoSetOutcome::NoKind,
          "Please choose the kind of operations to add (Drill, Tap, Ream, Mill Flats or Threads)!");
  form_.ChooseKind(0);
  for (int index : {-1, 0, 8}) {  // none, "(Gang)", past the end
    form_.SetFirstToolIndex(index);
    Refused(1, AutoSetOutcome::NoFirstTool, "Please choose the first tool location used!");
  }
}

TEST_F(AutoSetGenerateTest, AFullListLosesNoOperation) {
  Restart(0, 99);
  InchDrillExample();
  for (const std::optional<int>& place : std::vector<std::optional<int>>{1, std::nullopt, 100})
    Refused(place, AutoSetOutcome::NoRoom, NoRoomMessage(2));
  // Room for exactly the sequence.
  Restart(0, 98);
  InchDrillExample();
  Add(5, 5, 2);
  EXPECT_EQ(Op(100).OpName, "Op 98");
  EXPECT_EQ(Op(7).OpName, "Op 5");
  // A sequence that would run past place 100.
  Restart(1, 3);
  QuarterTwentyTap();
  Refused(99, AutoSetOutcome::NoRoom,
          "There is no room for 3 operations from place 99 on (the list ends at 100). Nothing was added.");
  Add(98, 98, 3);
  EXPECT_EQ(Op(100).OpName, "Tap 1/4-20 UNC");
}

TEST_F(AutoSetGenerateTest, BadOrTooManyLiveFeaturesAndQuotedNamesAreRefused) {
  FillList(5);
  Start(1);
  QuarterTwentyTap();
  form_.SetLive(true);
  for (const char* holes : {"-1", "32768"}) {
    SCOPED_TRACE(holes);
    Type(F::Holes(), holes);
    Refused(2, AutoSetOutcome::BadFeatureCount,
            "The number of live features must be a whole number from 1 to 32767 (empty or 0 counts as 1). "
            "Nothing was added.");
  }
  Restart(1);
  QuarterTwentyTap("1/4\"-20");  // a tap table may hold one
  ASSERT_EQ(form_.Text(F::Tap(0)), "1/4\"-20");
  Refused(1, AutoSetOutcome::QuoteInName,
          "You can not use \" in your description because of the way I save the data file.");
}

TEST_F(AutoSetGenerateTest, ValuesThatDoNotFitStayUnsetAndGenerationGoesOn) {
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
  EXPECT_DOUBLE_EQ(Op(3).CutTime, 2.08 / 3000 * 60);

  // Empty fields: zero speeds and times, no center name.
  Restart(0);
  Add(1, 1, 2);
  EXPECT_EQ(Op(1).OpName, "");
  EXPECT_EQ(Op(1).ToolNo, "T01");
  EXPECT_EQ(Op(2).CutTime, 0);
  EXPECT_DOUBLE_EQ(Op(2).CutLength, 0.04);
}
