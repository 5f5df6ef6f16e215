#include "cutting/cuttingconditions.h"

#include "machine/machinedefinition.h"
#include "platform/numtext.h"
#include "platform/scriptedprompter.h"
#include "platform/textinput.h"
#include "workspace.h"

#include <gtest/gtest.h>

using namespace arvex;

namespace {

using Kind = ScriptedPrompter::Entry::EntryKind;

// A Swiss-type machine: main spindle 6000 RPM, sub 5000, live drives 4000,
// 3500, 3000 and 2500 on main post 1, main post 2, sub post 1, sub post 2.
MachineDefinition TestMachine() {
  MachineDefinition m;
  m.LoadedName = QStringLiteral("Test");
  m.HasSubSpindle = 1;
  m.HasLiveTools = 1;
  m.MainSpindle.MaxSplSpeed = 6000;
  m.SubSpindle.MaxSplSpeed = 5000;
  m.LiveSpindle1.MaxSplSpeed = 4000;
  m.LiveSpindle2.MaxSplSpeed = 3500;
  m.LiveSpindle3.MaxSplSpeed = 3000;
  m.LiveSpindle4.MaxSplSpeed = 2500;
  m.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02,T03"));
  m.MainTools2List = SplitToolString(QStringLiteral("Cross,T11,T12"));
  m.SubTools1List = SplitToolString(QStringLiteral(",Eject Part,T21"));
  m.SubTools2List = SplitToolString(QStringLiteral("Back,T31"));
  return m;
}

class CuttingConditionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ws.Machine = TestMachine();
    Operation& op = ws.Study.Op(kMainSpindle, 1);
    op.ToolNo = QStringLiteral("T01");
    op.OpName = QStringLiteral("OD Turn");
    ws.Study.RecountOps();
  }

  Operation& Op(int spindle = kMainSpindle, int n = 1) { return ws.Study.Op(spindle, n); }

  void UseMetric() { ws.Study.Header.Metric = -1; }

  // Selects an operation on a fresh form and clears the prompter.
  CuttingConditionsForm& Open(int spindle = kMainSpindle, int n = 1) {
    form.emplace(ws, prompter, spindle);
    form->SelectOperation(n);
    prompter.Clear();
    return *form;
  }

  // The user replaces a field's text and releases the last key.
  void Type(int field, const QString& text, int keyCode = 0) {
    ASSERT_TRUE(form->SetFieldText(field, text));
    form->KeyUp(field, keyCode);
  }

  QString Text(int field) const { return form->FieldText(field); }

  QStringList Questions() const {
    QStringList out;
    for (const auto& e : prompter.Entries())
      if (e.Kind == Kind::Question) out << e.Text;
    return out;
  }

  Workspace ws;
  ScriptedPrompter prompter;
  std::optional<CuttingConditionsForm> form;
};

// ---- captions ------------------------------------------------------------------

TEST(CuttingFieldCaptionTest, InchAndMetricCaptions) {
  const QStringList inch = {"&Diameter: =", "&SFM: =", "&RPM: =", "&Feed IPR or TPI: =", "Feed IP&M: =",
                            "Cutting &Length: =", "&Extra Rapids: =", "Spindle &Indexes: =",
                            "# of 1 sec. d&wells: =", "Other: Description      seconds", "",
                            "Feed IP&T/#Teeth: =", ""};
  QStringList metric = inch;
  metric[1] = "&SMM(MM):=";
  metric[3] = "&Feed MMPR(MM):=";
  metric[4] = "Feed MMP&M(MM):=";
  metric[5] = "Cutting &Length(MM):=";
  metric[11] = "MMP&T/#Teeth(MM):=";
  for (int i = 0; i < kCuttingFieldCount; ++i) {
    EXPECT_EQ(CuttingFieldCaption(i, false), inch[i]) << i;
    EXPECT_EQ(CuttingFieldCaption(i, true), metric[i]) << i;
  }
  EXPECT_EQ(CuttingFieldCaption(13, false), "");
}

TEST_F(CuttingConditionsTest, FormCaptionsFollowTheDocumentUnits) {
  Open();
  EXPECT_EQ(form->FieldCaption(kSurfaceSpeedField), "&SFM: =");
  UseMetric();
  EXPECT_EQ(form->FieldCaption(kSurfaceSpeedField), "&SMM(MM):=");
  EXPECT_EQ(form->FieldCaption(kCutLengthField), "Cutting &Length(MM):=");
}

// ---- loading an operation ----------------------------------------------------------

TEST_F(CuttingConditionsTest, SelectingShowsPlainNumbersAndKeepsDirty) {
  Operation& op = Op();
  op.Diameter = 0.5;
  op.SFM = 300;
  op.RPM = 2291;
  op.IPR = 0.003;
  op.IPM = 6.873;
  op.CutLength = 1.5;
  op.ExtraRapids = 2;
  op.SpindleIndexes = 1;
  op.Dwells = 3;
  op.OtherDesc = QStringLiteral("Deburr");
  op.OtherSeconds = 4;
  op.IPT = 0.0025;
  op.Teeth = 4;
  op.UpdateCutTime();  // 13.0947...
  ws.Study.Dirty = false;
  Open();
  const QStringList expected = {".5", "300", "2291", ".003", "6.873", "1.5", "2", "1", "3", "Deburr", "4", ".0025", "4"};
  for (int i = 0; i < kCuttingFieldCount; ++i) EXPECT_EQ(Text(i), expected[i]) << i;
  EXPECT_EQ(form->CutTimeText(), "Cut Time= 13.09 seconds");
  EXPECT_EQ(form->OperationNameText(), "OD Turn");
  EXPECT_FALSE(ws.Study.Dirty);

  ws.Study.Dirty = true;
  form->SelectOperation(2);
  EXPECT_TRUE(ws.Study.Dirty);
}

TEST_F(CuttingConditionsTest, AnEmptySlotShowsZerosAndEmptyTexts) {
  Op().OtherDesc = QStringLiteral("x");
  Open();
  form->SelectOperation(7);
  for (int i = 0; i < kCuttingFieldCount; ++i) EXPECT_EQ(Text(i), i == kOtherDescField ? "" : "0") << i;
  EXPECT_EQ(form->CutTimeText(), "Cut Time= 0 seconds");
  EXPECT_EQ(form->OperationNameText(), "");
  EXPECT_EQ(form->OperationNumber(), 7);
}

TEST_F(CuttingConditionsTest, EditsSetDirtyAndKeysThatChangeNothingDoNot) {
  Operation& op = Op();
  op.Diameter = 1;
  op.SFM = 300;
  op.RPM = 1145;
  op.IPR = 0.003;
  op.IPM = 3.435;
  op.CutLength = 1.5;
  op.UpdateCutTime();
  ws.Study.Dirty = false;
  Open();
  // An arrow key in a consistent operation recomputes the same values.
  form->KeyUp(kDiameterField, 37);
  form->KeyUp(kSurfaceSpeedField, 37);
  form->LostFocus(kFeedPerRevField);
  EXPECT_FALSE(ws.Study.Dirty);
  EXPECT_EQ(Text(kSpindleSpeedField), "1145");
  EXPECT_EQ(Text(kFeedPerMinuteField), "3.435");

  Type(kExtraRapidsField, "2");
  EXPECT_TRUE(ws.Study.Dirty);
  EXPECT_EQ(op.ExtraRapids, 2);
}

TEST_F(CuttingConditionsTest, AnyTextChangeMarksTheDocumentChanged) {
  ws.Study.Dirty = false;
  Open();
  form->SetFieldText(kOtherDescField, "Chamfer");
  EXPECT_TRUE(ws.Study.Dirty);
}

// ---- surface speed and spindle speed ------------------------------------------------

TEST_F(CuttingConditionsTest, InchSurfaceSpeedGives1145Rpm) {
  Open();
  Type(kDiameterField, "1");
  Type(kSurfaceSpeedField, "300");
  EXPECT_EQ(Text(kSpindleSpeedField), "1145");
  EXPECT_EQ(Text(kSurfaceSpeedField), "300");
  EXPECT_EQ(Op().RPM, 1145);
  EXPECT_EQ(Op().SFM, 300);
  EXPECT_EQ(Op().Diameter, 1.0);
  EXPECT_TRUE(prompter.Entries().isEmpty());

  // The same from the diameter side.
  ASSERT_TRUE(form->SetFieldText(kSpindleSpeedField, "0"));
  Type(kDiameterField, "1.0");
  EXPECT_EQ(Text(kSpindleSpeedField), "1145");
  EXPECT_EQ(Text(kSurfaceSpeedField), "300");
}

TEST_F(CuttingConditionsTest, MetricSurfaceSpeedGives1273Rpm) {
  UseMetric();
  Open();
  Type(kSurfaceSpeedField, "100");
  Type(kDiameterField, "25");
  EXPECT_EQ(Text(kSpindleSpeedField), "1273");
  EXPECT_EQ(Op().RPM, 1273);
  Type(kSurfaceSpeedField, "100");
  EXPECT_EQ(Text(kSpindleSpeedField), "1273");
}

TEST_F(CuttingConditionsTest, TinyDiameterIsCappedAt20000AndTheLimitIsAsked) {
  ws.Machine.MainSpindle.MaxSplSpeed = 30000;
  Open();
  Type(kSurfaceSpeedField, "300");
  Type(kDiameterField, "0.001");
  EXPECT_EQ(Text(kSpindleSpeedField), "20000");
  EXPECT_EQ(Text(kSurfaceSpeedField), "5.236");
  EXPECT_EQ(Op().RPM, 20000);
  EXPECT_EQ(Op().SFM, 5);
  EXPECT_TRUE(Questions().isEmpty());
}

TEST_F(CuttingConditionsTest, CappedSpeedOverTheLimitAnsweredYesAndNo) {
  Open();
  Type(kSurfaceSpeedField, "300");
  prompter.QueueAnswer(Answer::Yes);
  Type(kDiameterField, "0.001");
  ASSERT_EQ(prompter.Entries().size(), 1);
  const auto& q = prompter.Entries()[0];
  EXPECT_EQ(q.Text, "The RPM is over the max of 6000. Do you want to go over the max?");
  EXPECT_EQ(q.ButtonSet, Buttons::YesNo);
  EXPECT_EQ(q.Default, Answer::No);
  EXPECT_EQ(Text(kSpindleSpeedField), "20000");
  EXPECT_EQ(Text(kSurfaceSpeedField), "5.236");

  ASSERT_TRUE(form->SetFieldText(kDiameterField, "0"));
  ASSERT_TRUE(form->SetFieldText(kSpindleSpeedField, "0"));
  ASSERT_TRUE(form->SetFieldText(kSurfaceSpeedField, "300"));
  prompter.QueueAnswer(Answer::No);
  Type(kDiameterField, "0.001");
  EXPECT_EQ(Questions().size(), 2);
  EXPECT_EQ(Text(kSpindleSpeedField), "6000");
  EXPECT_EQ(Text(kSurfaceSpeedField), "1.571");  // 3.14157 x .001 x 6000 / 12
  EXPECT_EQ(Op().RPM, 6000);
}

TEST_F(CuttingConditionsTest, NoCapOnTheSurfaceSpeedPath) {
  Op().RPM = 777;
  Open();
  Type(kDiameterField, "0.001");
  prompter.QueueAnswer(Answer::Yes);
  Type(kSurfaceSpeedField, "300");
  EXPECT_EQ(Text(kSpindleSpeedField), "1145923");
  EXPECT_EQ(Text(kSurfaceSpeedField), "300");
  // 1145923 does not fit the 16-bit RPM: the previous value stays.
  EXPECT_EQ(Op().RPM, 777);
  EXPECT_EQ(Op().SFM, 300);
}

TEST_F(CuttingConditionsTest, SurfaceSpeedAbove2000IsWorkedOutAs2000) {
  ws.Machine.MainSpindle.MaxSplSpeed = 10000;
  Open();
  Type(kDiameterField, "1");
  Type(kSurfaceSpeedField, "2500");
  EXPECT_EQ(Text(kSpindleSpeedField), "7639");  // 12 x 2000 / 3.14157
  EXPECT_EQ(Text(kSurfaceSpeedField), "2500");
  EXPECT_EQ(Op().SFM, 2500);
  EXPECT_EQ(Op().RPM, 7639);
}

TEST_F(CuttingConditionsTest, SurfaceSpeedOverTheLimitAnsweredNoRecomputesTheSurfaceSpeed) {
  Open();
  Type(kDiameterField, "1");
  prompter.QueueAnswer(Answer::No);
  Type(kSurfaceSpeedField, "1800");  // 6875 RPM
  EXPECT_EQ(Questions(), QStringList{"The RPM is over the max of 6000. Do you want to go over the max?"});
  EXPECT_EQ(Text(kSpindleSpeedField), "6000");
  EXPECT_EQ(Text(kSurfaceSpeedField), "1570.785");
  EXPECT_EQ(form->Selection(kSurfaceSpeedField), (TextSelection{0, 8}));
  EXPECT_EQ(Op().SFM, 1571);

  prompter.QueueAnswer(Answer::Yes);
  Type(kSurfaceSpeedField, "1800");
  EXPECT_EQ(Text(kSpindleSpeedField), "6875");
  EXPECT_EQ(Text(kSurfaceSpeedField), "1800");
}

TEST_F(CuttingConditionsTest, SpindleSpeedGivesTheSurfaceSpeed) {
  Open();
  Type(kDiameterField, "1");
  Type(kSpindleSpeedField, "1000");
  EXPECT_EQ(Text(kSurfaceSpeedField), "261.798");
  EXPECT_EQ(Op().SFM, 262);

  prompter.QueueAnswer(Answer::No);
  Type(kSpindleSpeedField, "7000");
  EXPECT_EQ(Text(kSpindleSpeedField), "6000");
  EXPECT_EQ(Text(kSurfaceSpeedField), "1570.785");
  EXPECT_EQ(Op().RPM, 6000);
}

TEST_F(CuttingConditionsTest, SpindleSpeedWithoutDiameterRewritesTheSurfaceSpeedInItsFormat) {
  Open();
  Type(kSurfaceSpeedField, "300");
  Type(kSpindleSpeedField, "1000");
  EXPECT_EQ(Text(kSurfaceSpeedField), "300.");
  EXPECT_TRUE(Questions().isEmpty());
}

TEST_F(CuttingConditionsTest, DiameterWithoutSurfaceSpeedTakesItFromTheSpindleSpeed) {
  Open();
  Type(kSpindleSpeedField, "1000");
  Type(kDiameterField, "2");
  EXPECT_EQ(Text(kSurfaceSpeedField), "523.595");
  EXPECT_EQ(Text(kSpindleSpeedField), "1000");
}

TEST_F(CuttingConditionsTest, SurfaceSpeedThatOverflowsEndsTheRecalculation) {
  Op().RPM = 12;
  Op().IPR = 0.5;
  Open();
  ASSERT_TRUE(form->SetFieldText(kDiameterField, "1e306"));
  ASSERT_TRUE(form->SetFieldText(kFeedPerRevField, ".002"));
  Type(kSpindleSpeedField, "5000");
  EXPECT_EQ(Text(kSurfaceSpeedField), "0");
  EXPECT_EQ(Text(kFeedPerMinuteField), "0");  // not recomputed
  EXPECT_EQ(Op().RPM, 12);                     // not committed
  EXPECT_EQ(Op().IPR, 0.5);
}

// ---- the spindle speed limit ---------------------------------------------------------

TEST_F(CuttingConditionsTest, LimitFollowsTheLiveDriveOfTheToolPost) {
  struct Case {
    int Spindle;
    const char* Tool;
    const char* Name;
    int Limit;
  };
  const Case cases[] = {
      {kMainSpindle, "T01", "OD Turn", 6000},         {kMainSpindle, "T01", "Live Cross Drill", 4000},
      {kMainSpindle, "T12", "live slot mill", 3500},  {kMainSpindle, "T12", "Drill", 6000},
      {kMainSpindle, "T99", "Live Drill", 6000},      {kSubSpindle, "T21", "Live Drill", 3000},
      {kSubSpindle, "T31", "LIVE TAP", 2500},         {kSubSpindle, "T31", "Tap", 5000},
      {kSubSpindle, "T01", "Live Drill", 5000},
  };
  for (const Case& c : cases) {
    Operation& op = Op(c.Spindle, 3);
    op.ToolNo = c.Tool;
    op.OpName = c.Name;
    Open(c.Spindle, 3);
    EXPECT_EQ(form->SpindleSpeedLimit(), c.Limit) << c.Tool << " " << c.Name;
  }
}

TEST_F(CuttingConditionsTest, LiveOperationAsksWithItsDrivesLimit) {
  Op().ToolNo = QStringLiteral("T11");
  Op().OpName = QStringLiteral("Live Cross Drill");
  Open();
  Type(kDiameterField, ".25");
  prompter.QueueAnswer(Answer::No);
  Type(kSpindleSpeedField, "4000");
  EXPECT_EQ(Questions(), QStringList{"The RPM is over the max of 3500. Do you want to go over the max?"});
  EXPECT_EQ(Text(kSpindleSpeedField), "3500");
}

TEST_F(CuttingConditionsTest, CheckSpindleSpeedLimitLeavesSpeedsAtTheLimit) {
  Open();
  std::int32_t n = 6000;
  form->CheckSpindleSpeedLimit(n);
  EXPECT_EQ(n, 6000);
  EXPECT_TRUE(prompter.Entries().isEmpty());
  n = 6001;
  form->CheckSpindleSpeedLimit(n);  // no answer queued: the default No
  EXPECT_EQ(n, 6000);
}

// ---- feeds ---------------------------------------------------------------------------

TEST_F(CuttingConditionsTest, FeedPerMinuteGivesFeedPerRevolutionAndPerTooth) {
  Op().OpName = QStringLiteral("Live Cross Mill");
  Open();
  Type(kTeethField, "4");
  Type(kSpindleSpeedField, "1000");
  Type(kFeedPerMinuteField, "10");
  EXPECT_EQ(Text(kFeedPerRevField), ".01");
  EXPECT_EQ(Text(kFeedPerToothField), ".0025");
  EXPECT_EQ(Text(kFeedPerMinuteField), "10");
  EXPECT_DOUBLE_EQ(Op().IPR, 0.01);
  EXPECT_DOUBLE_EQ(Op().IPT, 0.0025);
  EXPECT_EQ(Op().Teeth, 4);
}

TEST_F(CuttingConditionsTest, FeedPerToothIsOnlyDerivedForLiveNames) {
  Open();  // "OD Turn"
  Type(kTeethField, "4");
  Type(kSpindleSpeedField, "1000");
  Type(kFeedPerMinuteField, "10");
  EXPECT_EQ(Text(kFeedPerRevField), ".01");
  EXPECT_EQ(Text(kFeedPerToothField), "0");
  // The operation name combo decides, not the stored name.
  ASSERT_TRUE(form->SetOperationNameText("Live Drill"));
  Type(kFeedPerRevField, ".02");
  EXPECT_EQ(Text(kFeedPerToothField), ".005");
  EXPECT_EQ(Text(kFeedPerMinuteField), "20.");
}

TEST_F(CuttingConditionsTest, FeedPerToothAndTeethGiveTheFeedPerRevolution) {
  Op().OpName = QStringLiteral("Live Slot Mill");
  Open();
  Type(kSpindleSpeedField, "1000");
  Type(kFeedPerToothField, ".002");
  Type(kTeethField, "3");
  EXPECT_EQ(Text(kFeedPerRevField), ".006");
  EXPECT_EQ(Text(kFeedPerMinuteField), "6.");
  EXPECT_DOUBLE_EQ(Op().IPM, 6);
}

TEST_F(CuttingConditionsTest, FeedPerRevolutionGivesFeedPerMinuteAndCutTime) {
  Open();
  Type(kSpindleSpeedField, "1145");
  Type(kCutLengthField, "1.5");
  Type(kFeedPerRevField, ".003");
  EXPECT_EQ(Text(kFeedPerMinuteField), "3.435");
  EXPECT_DOUBLE_EQ(Op().IPM, 3.435);
  EXPECT_EQ(form->CutTimeText(), "Cut Time= 26.201 seconds");
  EXPECT_NEAR(Op().CutTime, 1.5 / 3.435 * 60, 1e-12);
}

TEST_F(CuttingConditionsTest, FeedPerMinuteWithoutSpindleSpeedKeepsTheFeed) {
  Open();
  Type(kFeedPerRevField, ".004");
  Type(kFeedPerMinuteField, "10");
  EXPECT_EQ(Text(kFeedPerRevField), ".004");
}

TEST_F(CuttingConditionsTest, ZeroFeedGivesZeroCutTime) {
  Op().IPM = 5;
  Op().CutLength = 1.5;
  Op().UpdateCutTime();
  Open();
  Type(kFeedPerMinuteField, "0");
  EXPECT_EQ(Op().CutTime, 0);
  EXPECT_EQ(form->CutTimeText(), "Cut Time= 0 seconds");
  Type(kFeedPerMinuteField, "-2");
  EXPECT_EQ(form->CutTimeText(), "Cut Time= 0 seconds");
}

TEST_F(CuttingConditionsTest, ThreadsPerInchBecomeThePitchOnLeaving) {
  Open();
  Type(kSpindleSpeedField, "1000");
  Type(kFeedPerRevField, "20");
  EXPECT_EQ(Text(kFeedPerMinuteField), "20000.");  // as typed until the field is left
  form->LostFocus(kFeedPerRevField);
  EXPECT_EQ(Text(kFeedPerRevField), ".05");
  EXPECT_EQ(Text(kFeedPerMinuteField), "50.");
  EXPECT_DOUBLE_EQ(Op().IPR, 0.05);
  EXPECT_DOUBLE_EQ(Op().IPM, 50);

  Type(kFeedPerRevField, ".003");
  form->LostFocus(kFeedPerRevField);
  EXPECT_EQ(Text(kFeedPerRevField), ".003");
}

TEST_F(CuttingConditionsTest, ThreadsPerInchRuleHoldsInMetricToo) {
  UseMetric();
  Open();
  Type(kFeedPerRevField, "2");
  form->LostFocus(kFeedPerRevField);
  EXPECT_EQ(Text(kFeedPerRevField), ".5");
  EXPECT_DOUBLE_EQ(Op().IPR, 0.5);
}

// ---- committing on leaving a field ----------------------------------------------------

TEST_F(CuttingConditionsTest, LeavingAFieldStoresIt) {
  Op().IPM = 3;
  Open();
  ASSERT_TRUE(form->SetFieldText(kCutLengthField, "1.5"));
  form->LostFocus(kCutLengthField);
  EXPECT_DOUBLE_EQ(Op().CutLength, 1.5);
  EXPECT_EQ(form->CutTimeText(), "Cut Time= 30. seconds");
  ASSERT_TRUE(form->SetFieldText(kOtherDescField, "Wait for bar"));
  form->LostFocus(kOtherDescField);
  EXPECT_EQ(Op().OtherDesc, "Wait for bar");
}

TEST_F(CuttingConditionsTest, SixteenBitOverflowKeepsThePreviousValue) {
  Op().SFM = 300;
  Op().RPM = 1000;
  Op().Teeth = 4;
  Op().ExtraRapids = 2;
  Op().OtherSeconds = 7;
  Open();
  Type(kSurfaceSpeedField, "40000");
  Type(kSpindleSpeedField, "70000");
  Type(kTeethField, "99999");
  Type(kExtraRapidsField, "-40000");
  ASSERT_TRUE(form->SetFieldText(kOtherSecondsField, "32768"));
  form->LostFocus(kOtherSecondsField);
  EXPECT_EQ(Op().SFM, 300);
  EXPECT_EQ(Op().RPM, 1000);
  EXPECT_EQ(Op().Teeth, 4);
  EXPECT_EQ(Op().ExtraRapids, 2);
  EXPECT_EQ(Op().OtherSeconds, 7);
  Type(kOtherSecondsField, "32767");
  EXPECT_EQ(Op().OtherSeconds, 32767);
  Type(kTeethField, "2.5");  // halves to even
  EXPECT_EQ(Op().Teeth, 2);
}

TEST_F(CuttingConditionsTest, NonNumericTextCountsAsZero) {
  Op().Diameter = 2;
  Open();
  Type(kDiameterField, "abc");
  EXPECT_EQ(Op().Diameter, 0);
  Type(kDiameterField, "1.25in");
  EXPECT_EQ(Op().Diameter, 1.25);
}

TEST_F(CuttingConditionsTest, DecimalCommaLocaleReadsCommas) {
  ScopedNumberLocale comma({u',', u'.'});
  Open();
  Type(kDiameterField, "1,5");
  EXPECT_EQ(Op().Diameter, 1.5);
}

// ---- unit conversion keys ---------------------------------------------------------------

TEST_F(CuttingConditionsTest, ConversionKeysInTheFirstSixFields) {
  Open();
  ASSERT_TRUE(form->SetFieldText(kDiameterField, ".5"));
  EXPECT_TRUE(form->KeyPress(kDiameterField, u'm'));
  EXPECT_EQ(Text(kDiameterField), "12.7");
  EXPECT_TRUE(form->KeyPress(kDiameterField, u'I'));
  EXPECT_EQ(Text(kDiameterField), ".5");

  ASSERT_TRUE(form->SetFieldText(kCutLengthField, "12.7"));
  EXPECT_TRUE(form->KeyPress(kCutLengthField, u'i'));
  EXPECT_EQ(Text(kCutLengthField), ".5");

  ASSERT_TRUE(form->SetFieldText(kSurfaceSpeedField, "300"));
  EXPECT_TRUE(form->KeyPress(kSurfaceSpeedField, u'M'));
  EXPECT_EQ(Text(kSurfaceSpeedField), "91.44");
  EXPECT_TRUE(form->KeyPress(kSurfaceSpeedField, u'i'));
  EXPECT_EQ(Text(kSurfaceSpeedField), "300.");

  // The spindle speed swallows the key and keeps its value.
  ASSERT_TRUE(form->SetFieldText(kSpindleSpeedField, "1000"));
  EXPECT_TRUE(form->KeyPress(kSpindleSpeedField, u'm'));
  EXPECT_EQ(Text(kSpindleSpeedField), "1000");

  // Elsewhere the letters are ordinary keys.
  EXPECT_FALSE(form->KeyPress(kExtraRapidsField, u'm'));
  EXPECT_FALSE(form->KeyPress(kOtherDescField, u'i'));
  EXPECT_FALSE(form->KeyPress(kDiameterField, u'x'));
  EXPECT_TRUE(prompter.Entries().isEmpty());
}

TEST_F(CuttingConditionsTest, ConversionThenKeyUpRecalculates) {
  UseMetric();
  Open();
  Type(kSurfaceSpeedField, "100");
  ASSERT_TRUE(form->SetFieldText(kDiameterField, "1"));
  ASSERT_TRUE(form->KeyPress(kDiameterField, u'm'));
  form->KeyUp(kDiameterField, 'M');
  EXPECT_EQ(Text(kDiameterField), "25.4");
  EXPECT_EQ(Text(kSpindleSpeedField), "1253");  // 1000 x 100 / (3.14157 x 25.4)
  EXPECT_DOUBLE_EQ(Op().Diameter, 25.4);
}

// ---- the double quote -----------------------------------------------------------------

TEST_F(CuttingConditionsTest, DoubleQuoteIsRefusedInEveryField) {
  Open();
  ASSERT_TRUE(form->SetFieldText(kOtherDescField, "Deburr"));
  for (int i = 0; i < kCuttingFieldCount; ++i) EXPECT_TRUE(form->KeyPress(i, u'"')) << i;
  EXPECT_FALSE(form->SetFieldText(kOtherDescField, "6\" bar"));
  EXPECT_EQ(Text(kOtherDescField), "Deburr");
  EXPECT_FALSE(form->SetOperationNameText("1/2\" Drill"));
  EXPECT_EQ(form->OperationNameText(), "OD Turn");
  const QStringList messages = prompter.Messages();
  ASSERT_EQ(messages.size(), kCuttingFieldCount + 2);
  for (const QString& m : messages)
    EXPECT_EQ(m, "You can not use \" in your description because of the way I save the data file.");
}

// ---- surface finish feed ----------------------------------------------------------------

TEST_F(CuttingConditionsTest, SurfaceFinishFeed) {
  Open();
  Type(kSpindleSpeedField, "1000");
  prompter.Clear();
  prompter.QueueText(QStringLiteral("32"));
  prompter.QueueText(QStringLiteral(".0312"));
  form->SurfaceFinishFeed();
  ASSERT_EQ(prompter.Entries().size(), 2);
  EXPECT_EQ(prompter.Entries()[0].Kind, Kind::Text);
  EXPECT_EQ(prompter.Entries()[0].Text, "What is the desired RMS? Example 16 or 32 or 63");
  EXPECT_EQ(prompter.Entries()[1].Text, "What is the tool nose radius you are using? Example .008 .0156 .0312");
  EXPECT_EQ(Text(kFeedPerRevField), ".0045");
  EXPECT_EQ(ws.LastCalcText, "Feed= .0045");
  EXPECT_EQ(form->NoteText(), "Feed= .0045");
  // The feed is the operation's: stored and carried into the feed per minute.
  EXPECT_DOUBLE_EQ(Op().IPR, 0.0045);
  EXPECT_EQ(Text(kFeedPerMinuteField), "4.5");
}

TEST_F(CuttingConditionsTest, SurfaceFinishFeedNeedsBothValues) {
  Open();
  const QString before = Text(kFeedPerRevField);
  for (const auto& [rms, radius] : std::vector<std::pair<QString, QString>>{
           {"0", ".0312"}, {"32", ""}, {"-16", ".008"}, {"32", "-.008"}, {"40000", ".008"}, {".4", ".008"}}) {
    prompter.Clear();
    prompter.QueueText(rms);
    prompter.QueueText(radius);
    form->SurfaceFinishFeed();
    EXPECT_EQ(prompter.Messages(), QStringList{"You must have a value set for RMS and Tool nose radius!"})
        << rms.toStdString() << " " << radius.toStdString();
  }
  EXPECT_EQ(Text(kFeedPerRevField), before);
  EXPECT_EQ(ws.LastCalcText, "");
}

TEST_F(CuttingConditionsTest, SurfaceFinishFeedCancelledChangesNothing) {
  Open();
  prompter.QueueText(std::nullopt);
  form->SurfaceFinishFeed();
  EXPECT_EQ(prompter.Entries().size(), 1);
  prompter.Clear();
  prompter.QueueText(QStringLiteral("32"));
  prompter.QueueText(std::nullopt);
  form->SurfaceFinishFeed();
  EXPECT_EQ(prompter.Entries().size(), 2);
  EXPECT_TRUE(prompter.Messages().isEmpty());
  EXPECT_EQ(Text(kFeedPerRevField), "0");
}

// ---- focus, hints and tab stops ------------------------------------------------------------

TEST_F(CuttingConditionsTest, FocusSelectsTheTextAndShowsTheFormulaHint) {
  Op().CutLength = 1.25;
  Open();
  form->GotFocus(kCutLengthField);
  EXPECT_EQ(form->Selection(kCutLengthField), (TextSelection{0, 4}));
  EXPECT_TRUE(form->FormulaHintVisible());
  form->LostFocus(kCutLengthField);
  EXPECT_FALSE(form->FormulaHintVisible());
  form->GotFocus(kDiameterField);
  EXPECT_FALSE(form->FormulaHintVisible());
  EXPECT_EQ(kFormulaHint, "ie:   (1+.2+.5-(2*4))/2");
  EXPECT_EQ(kUnitConversionHint, "press i or m to convert data to In or MM  \".5m\" =12.7  \"12.7i\" =.5");
}

TEST_F(CuttingConditionsTest, LiveNamesMakeTheMillingFieldsTabStops) {
  Open();
  EXPECT_FALSE(form->IsTabStop(kFeedPerMinuteField));
  EXPECT_FALSE(form->IsTabStop(kFeedPerToothField));
  EXPECT_FALSE(form->IsTabStop(kTeethField));
  EXPECT_TRUE(form->IsTabStop(kFeedPerRevField));
  form->SetOperationNameText("LIVE Thread Mill");
  EXPECT_TRUE(form->IsTabStop(kFeedPerMinuteField));
  EXPECT_TRUE(form->IsTabStop(kTeethField));
}

// ---- the cutting length formula -------------------------------------------------------------

TEST_F(CuttingConditionsTest, EnterInTheLengthFieldPutsTheCaretAtTheEnd) {
  Open();
  Type(kCutLengthField, "1.25", kEnterKeyCode);
  EXPECT_EQ(Text(kCutLengthField), "1.25");
  EXPECT_EQ(form->Selection(kCutLengthField), (TextSelection{4, 0}));
  EXPECT_DOUBLE_EQ(Op().CutLength, 1.25);
  // Other fields do not evaluate on Enter.
  Type(kDiameterField, "1.50", kEnterKeyCode);
  EXPECT_EQ(Text(kDiameterField), "1.50");
}

TEST_F(CuttingConditionsTest, LeavingTheLengthFieldWritesAPlainNumber) {
  Open();
  ASSERT_TRUE(form->SetFieldText(kCutLengthField, "2.50"));
  form->LostFocus(kCutLengthField);
  EXPECT_EQ(Text(kCutLengthField), "2.5");
  EXPECT_DOUBLE_EQ(Op().CutLength, 2.5);
}

}  // namespace
