#include "autosettestutil.h"

#include "platform/numtext.h"
#include "platform/textinput.h"

#include <vector>

using namespace arvex;
using namespace arvex::test;

namespace {

class AutoSetFormTest : public AutoSetTest {};

class AutoSetEmptyFolderTest : public AutoSetTest {
 protected:
  AutoSetEmptyFolderTest() : AutoSetTest(false) {}
};

}  // namespace

TEST_F(AutoSetFormTest, LoadingListsTheToolsAndTheCenterDrillsInTheStudysUnits) {
  Load();
  EXPECT_EQ(form_.ToolEntries(),
            QStringList({"(Gang)", "T01-", "T02-", "T03-", "T04-", "(Turret)", "T11-", "T12-"}));
  EXPECT_EQ(form_.Text(F::CD(2)), "80.");
  EXPECT_TRUE(prompter_.Entries().isEmpty());
  EXPECT_FALSE(ws_.Study.Dirty);
  // Metric: empty speeds and feeds, and the center drill table read in
  // millimetres (its first row is 1/8 inch across).
  Load(true);
  EXPECT_EQ(form_.Text(F::CD(2)), "");
  EXPECT_EQ(form_.Label(F::CD(2)), "Center SMM:");
  EXPECT_EQ(form_.CenterTable().Rows[0].Cell(2), "3.175");
}

TEST_F(AutoSetEmptyFolderTest, MissingCenterDrillFileLeavesTheToolListEmpty) {
  form_.Load();
  EXPECT_EQ(prompter_.Messages(), QStringList({folder_.Path() + "CEN-INFO.TXT is missing!"}));
  EXPECT_TRUE(form_.ToolEntries().isEmpty());
  // A file it cannot read: the message, the tools all the same.
  folder_.Write("CEN-INFO.TXT", "\"#1\",.125,118,.047,.047,60\r\n");  // no [INCH]
  prompter_.Clear();
  form_.Load();
  EXPECT_EQ(prompter_.Messages(), QStringList({"Can't read the data file!"}));
  EXPECT_EQ(form_.ToolEntries().size(), 8);
}

TEST_F(AutoSetFormTest, EachKindShowsItsFramesAndInstruction) {
  Load();
  const QString holes = QStringLiteral(
      "Input the Tap/Ream data first and the drill and center data will be set automatically! When finished "
      "press the 'Add to' button to insert the data into your Time Study.");
  struct Expected {
    int Index;
    AutoSetKind Kind;
    std::array<bool, 6> Frames;  // center, drill, tap, ream, mill, threads
    QString Instruction;
  };
  const Expected expected[] = {
      {0, AutoSetKind::Drill, {true, true, false, false, false, false}, holes},
      {1, AutoSetKind::Tap, {true, true, true, false, false, false}, holes},
      {2, AutoSetKind::Ream, {true, true, false, true, false, false}, holes},
      {3, AutoSetKind::MillFlats, {false, false, false, false, true, false},
       "Input the data and click on 'Add to' and it will added to the Time Study for you! The milled path is "
       "calculated across the diam. If you want to mill by using a 'Z' path exit and input the data without "
       "using Auto Set."},
      {4, AutoSetKind::Threads, {false, false, false, false, false, true},
       "Input the data and click on 'Add to' and it will added to the Time Study for you!"},
  };
  for (const Expected& e : expected) {
    form_.ChooseKind(e.Index);
    EXPECT_EQ(form_.Kind(), e.Kind);
    for (int f = 0; f < 6; ++f)
      EXPECT_EQ(form_.FrameVisible(static_cast<AutoSetFrame>(f)), e.Frames[static_cast<std::size_t>(f)])
          << "kind " << e.Index << " frame " << f;
    EXPECT_EQ(form_.Instruction(), e.Instruction);
  }
}

TEST_F(AutoSetFormTest, DrillDiameterChoosesTheCenterDrillAndPecksAndExitChangesNothing) {
  Start(0);
  Type(F::DR(0), ".25");
  EXPECT_EQ(Texts({F::CD(0), F::CD(1), F::DR(3)}), QStringList({"#4 Center Drill", ".2881", ""}));  // no depth yet
  Type(F::DR(5), "1");
  EXPECT_EQ(form_.Text(F::DR(3)), "3");  // 2d, 1d, 1d
  form_.ClickPeckPattern(PeckPattern::ThreeTwoOne);
  EXPECT_EQ(form_.Text(F::DR(3)), "2");
  // A zero or negative diameter leaves center data and pecks alone.
  Type(F::DR(0), "0");
  EXPECT_EQ(Texts({F::CD(0), F::DR(3)}), QStringList({"#4 Center Drill", "2"}));
  // The spot drill's data: AutoSetGenerateTest. Clicked back, the center drill is chosen again.
  Type(F::DR(0), ".25");
  form_.ClickCenterType(CenterType::Spot);
  form_.ClickCenterType(CenterType::CenterDrill);
  EXPECT_EQ(form_.Text(F::CD(0)), "#4 Center Drill");
  // Exit closes without changes.
  form_.Exit();
  EXPECT_TRUE(form_.IsClosed());
  EXPECT_TRUE(Op(1).IsBlank());
  EXPECT_FALSE(ws_.Study.Dirty);
}

TEST_F(AutoSetFormTest, HoleDataSetsTheCenterAndDrillData) {
  using Texts = std::vector<std::pair<AutoSetField, const char*>>;
  const struct { int Kind; bool Metric; Texts Typed, Expected; } cases[] = {
      // Wider than every body of the table: no designation.
      {0, false, {{F::DR(0), "2"}}, {{F::CD(0), " Center Drill"}, {F::CD(1), "0"}}},
      // The inch tap and ream depths are .15 short of the drill depth
      // (AutoSetGenerateTest); four millimetres in metric.
      {1, true, {{F::Tap(3), "12"}}, {{F::DR(5), "16."}}},
      // The metric ream stock is a quarter millimetre. Spot 10.02 wide: the
      // inch rows (in millimetres) come first; #5 has an 11.113 body and a
      // 4.763 pilot.
      {2, true, {{F::Ream(0), "10"}}, {{F::DR(0), "9.75"}, {F::CD(0), "#5 Center Drill"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.Kind << (c.Metric ? " metric " : " inch ") << c.Typed[0].second);
    Start(c.Kind, c.Metric);
    for (const auto& [field, text] : c.Typed) Type(field, text);
    for (const auto& [field, text] : c.Expected)
      EXPECT_EQ(form_.Text(field), text) << static_cast<int>(field.Array) << " " << field.Index;
  }
}

// The inch tap's texts reach the generated operations (AutoSetGenerateTest).
TEST_F(AutoSetFormTest, PickTapTakesTheChosenTapInTheStudysUnits) {
  Start(1, true);
  ws_.ChosenTapText = QStringLiteral("1/4-20 UNC");
  ws_.TapDrillResult = {0.25f, 0.05f, 0.2013f};
  form_.PickTap();
  EXPECT_EQ(Texts({F::Tap(0), F::Tap(1), F::Tap(2), F::DR(0), F::CD(0)}),
            QStringList({"1/4-20 UNC", "6.35", "1.27", "5.113", "#4 Center Drill"}));
  EXPECT_TRUE(prompter_.Entries().isEmpty());
  // Closed without a tap: the fields stay, and the earlier tap stays too.
  Start(1);
  Type(F::Tap(1), ".3125");
  Type(F::DR(0), ".257");
  form_.StartPickTap();
  form_.PickTap();
  EXPECT_EQ(Texts({F::Tap(0), F::Tap(1), F::DR(0)}), QStringList({"", ".3125", ".257"}));
  EXPECT_EQ(ws_.ChosenTapText, "1/4-20 UNC");
}

TEST_F(AutoSetFormTest, UnitKeysConvertLengthsAndSurfaceSpeeds) {
  Load();
  // Lengths, surface speeds, and the counts and tap speed that swallow the
  // key and keep their value; the keys and the arithmetic are those of the
  // cutting conditions (CuttingConditionsTest).
  const std::pair<std::vector<AutoSetField>, std::pair<const char*, const char*>> groups[] = {
      {{F::CD(1), F::Tap(3), F::Mill(7)}, {"2", "50.8"}},
      {{F::CD(2), F::Mill(1)}, {"100", "30.48"}},
      {{F::DR(3), F::Tap(4)}, {"3", "3"}},
  };
  for (const auto& [fields, texts] : groups)
    for (const AutoSetField& f : fields) {
      Type(f, texts.first);
      EXPECT_TRUE(form_.KeyPress(f, u'm'));
      EXPECT_EQ(form_.Text(f), texts.second) << static_cast<int>(f.Array) << " " << f.Index;
    }
  // Other keys are typed normally, and the thread fields and the name
  // fields take the letters as typed.
  EXPECT_FALSE(form_.KeyPress(F::DR(0), u'5'));
  EXPECT_FALSE(form_.KeyPress(F::Thd(1), u'm'));
  EXPECT_FALSE(form_.KeyPress(F::CD(0), u'i'));
}

TEST_F(AutoSetFormTest, UnitKeyConversionRunsTheCouplingUnderEitherDecimalCharacter) {
  Start(0, true);
  Type(F::DR(0), ".25");
  Type(F::DR(5), "1");
  EXPECT_EQ(form_.Text(F::DR(3)), "3");
  EXPECT_TRUE(form_.KeyPress(F::DR(5), u'm'));  // 25.4 deep, still with a .25 drill
  EXPECT_EQ(Texts({F::DR(5), F::DR(3)}), QStringList({"25.4", "101"}));
  EXPECT_TRUE(form_.KeyPress(F::DR(0), u'm'));
  // 12.7 + 6.35 + 6.35 reaches 25.4 exactly in single precision.
  EXPECT_EQ(Texts({F::DR(0), F::DR(3)}), QStringList({"6.35", "3"}));
  // A comma locale reads the texts it writes.
  ScopedNumberLocale comma({u',', u'.'});
  Start(1);
  Type(F::DR(0), "0,2013");
  EXPECT_TRUE(form_.KeyPress(F::DR(0), u'm'));
  EXPECT_EQ(form_.Text(F::DR(0)), "5,113");
}

TEST_F(AutoSetFormTest, DoubleQuoteIsRefusedInCenterAndTapFields) {
  Load();
  EXPECT_TRUE(form_.KeyPress(F::CD(0), u'"'));
  Type(F::Tap(0), "1/4-20");
  EXPECT_FALSE(form_.Change(F::Tap(0), "1/4\"-20"));
  EXPECT_EQ(form_.Text(F::Tap(0)), "1/4-20");
  // The drill fields are numbers only; a quote there never reaches a name.
  EXPECT_FALSE(form_.KeyPress(F::DR(0), u'"'));
  EXPECT_EQ(prompter_.Messages(), QStringList(2, kDoubleQuoteMessage));
}

TEST_F(AutoSetFormTest, FeedPerToothAndFeedPerRevolutionFollowEachOther) {
  Start(3);
  Type(F::Mill(8), "2");
  Leave(F::Mill(2), ".004");
  EXPECT_EQ(form_.Text(F::Mill(7)), ".002");
  Type(F::Mill(7), ".001");
  Leave(F::Mill(8), "4");
  EXPECT_EQ(form_.Text(F::Mill(2)), ".004");
  Leave(F::Mill(7), ".0015");
  EXPECT_EQ(form_.Text(F::Mill(2)), ".006");
  // Without teeth nothing follows.
  Type(F::Mill(8), "0");
  Leave(F::Mill(2), ".01");
  form_.LostFocus(F::Mill(7));
  EXPECT_EQ(Texts({F::Mill(7), F::Mill(2)}), QStringList({".0015", ".01"}));
}

TEST_F(AutoSetFormTest, ThreadsPerInchBecomeThePitchWithPassesAndApproach) {
  const struct { bool Metric; const char* Typed; QStringList PitchRpmPassesApproach; } cases[] = {
      {false, "20", {".05", "2000", "6", ".1"}},  // 100 IPM / .05
      {false, "1", {"1", "100", "10", "2."}},      // not above 1: a pitch of 1
      {true, "1.5", {"1.5", "1666", "10", "3."}},  // a metric pitch stays as typed; 2500 / 1.5 rounded down
  };
  for (const auto& c : cases) {
    Start(4, c.Metric);
    Leave(F::Thd(1), c.Typed);
    EXPECT_EQ(Texts({F::Thd(1), F::Thd(3), F::Thd(4), F::Thd(5)}), c.PitchRpmPassesApproach) << c.Typed;
  }
}

TEST_F(AutoSetFormTest, ThreadSpeedAndFeedFollowEachOtherOnceThereIsAPitch) {
  Start(4);
  Type(F::Thd(3), "2000");
  Leave(F::Thd(1), "");
  form_.LostFocus(F::Thd(3));
  EXPECT_EQ(Texts({F::Thd(1), F::Thd(2), F::Thd(4)}), QStringList({"", "100.", ""}));
  Type(F::Thd(1), ".05");
  Type(F::Thd(2), "");
  Leave(F::Thd(3), "2000");
  EXPECT_EQ(form_.Text(F::Thd(2)), "100.");
  Leave(F::Thd(2), "75");
  EXPECT_EQ(form_.Text(F::Thd(3)), "1500");
  EXPECT_EQ(form_.Text(F::Thd(4)), "");  // only leaving the pitch sets the passes
  // Leaving another field only turns threads per inch into a pitch.
  Type(F::Thd(1), "16");
  form_.LostFocus(F::Thd(0));
  EXPECT_EQ(Texts({F::Thd(1), F::Thd(3)}), QStringList({".0625", "1500"}));
}
