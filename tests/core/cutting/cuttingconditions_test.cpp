#include "cutting/cuttingconditions.h"

#include "cutdatatestutil.h"
#include "machine/machinedefinition.h"
#include "platform/numtext.h"
#include "platform/scriptedprompter.h"
#include "platform/textinput.h"
#include "workspace.h"

#include <gtest/gtest.h>

using namespace arvex;

namespace {

// A text typed into a field, then the key released, Enter or the field left.
enum class Then { KeyUp, Enter, Leave };
struct Step { int Field; const char* Text; Then After = Then::KeyUp; };
// Steps typed into a fresh operation; the texts shown (each also stored) and the cut time.
struct Session { std::vector<Step> Typed, Shown; const char* CutTime = nullptr; };
// The operation and machine of the sessions, and the one question asked.
struct Start {
  bool Metric = false;
  std::int16_t MaxSpeed = 6000;
  const char *OpName = "OD Turn", *Tool = "T01", *Asked = nullptr;
  Answer Reply = Answer::No;
};

constexpr int D = kDiameterField, S = kSurfaceSpeedField, N = kSpindleSpeedField, IPR = kFeedPerRevField,
              IPM = kFeedPerMinuteField, L = kCutLengthField, IPT = kFeedPerToothField, Z = kTeethField;

class CuttingConditionsTest : public ::testing::Test {
 protected:
  // A Swiss-type machine: main spindle 6000 RPM, sub 5000, live drives 4000,
  // 3500, 3000 and 2500 on main post 1, main post 2, sub post 1, sub post 2.
  void SetUp() override {
    MachineDefinition& m = ws.Machine;
    m.HasSubSpindle = m.HasLiveTools = 1;
    m.MainSpindle.MaxSplSpeed = 6000, m.SubSpindle.MaxSplSpeed = 5000;
    m.LiveSpindle1.MaxSplSpeed = 4000, m.LiveSpindle2.MaxSplSpeed = 3500;
    m.LiveSpindle3.MaxSplSpeed = 3000, m.LiveSpindle4.MaxSplSpeed = 2500;
    m.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02,T03"));
    m.MainTools2List = SplitToolString(QStringLiteral("Cross,T11,T12"));
    m.SubTools1List = SplitToolString(QStringLiteral(",Eject Part,T21"));
    m.SubTools2List = SplitToolString(QStringLiteral("Back,T31"));
    Op() = {.ToolNo = "T01", .OpName = "OD Turn"};
    ws.Study.RecountOps();
  }

  Operation& Op(int spindle = kMainSpindle, int n = 1) { return ws.Study.Op(spindle, n); }

  // Selects an operation on a fresh form and clears the prompter.
  CuttingConditionsForm& Open(int spindle = kMainSpindle, int n = 1) {
    form.emplace(ws, prompter, spindle);
    form->SelectOperation(n);
    prompter.Clear();
    return *form;
  }

  void Type(int field, const QString& text, int keyCode = 0) {
    ASSERT_TRUE(form->SetFieldText(field, text));
    form->KeyUp(field, keyCode);
  }

  QString Text(int field) const { return form->FieldText(field); }

  // A field's stored value is the number its text shows, rounded where the
  // field holds a whole number; the description is its text.
  void ExpectStoredAsShown(int field) {
    const Operation& op = Op();
    const double stored[kCuttingFieldCount] = {
        op.Diameter, double(op.SFM), double(op.RPM), op.IPR, op.IPM, op.CutLength, double(op.ExtraRapids),
        double(op.SpindleIndexes), double(op.Dwells), 0, double(op.OtherSeconds), op.IPT, double(op.Teeth)};
    const bool whole = field != D && field != IPR && field != IPM && field != L && field != IPT;
    const double shown = ParseNumber(Text(field));
    if (field == kOtherDescField) EXPECT_EQ(op.OtherDesc, Text(field));
    else EXPECT_EQ(stored[field], whole ? RoundHalfEven(shown) : shown) << "field " << field;
  }

  void Run(const Start& setup, const std::vector<Session>& sessions) {
    ws.Study.Header.Metric = setup.Metric ? -1 : 0;
    ws.Machine.MainSpindle.MaxSplSpeed = setup.MaxSpeed;
    for (const Session& s : sessions) {
      std::string typed;
      for (const Step& step : s.Typed) typed += std::to_string(step.Field) + "=" + step.Text + " ";
      SCOPED_TRACE(typed);
      Op() = {.ToolNo = setup.Tool, .OpName = setup.OpName};
      Open();
      if (setup.Asked) prompter.QueueAnswer(setup.Reply);
      for (const Step& step : s.Typed) {
        ASSERT_TRUE(form->SetFieldText(step.Field, step.Text));
        if (step.After == Then::Leave) form->LostFocus(step.Field);
        else form->KeyUp(step.Field, step.After == Then::Enter ? kEnterKeyCode : 0);
      }
      for (const Step& shown : s.Shown) {
        EXPECT_EQ(Text(shown.Field), shown.Text) << "field " << shown.Field;
        ExpectStoredAsShown(shown.Field);
      }
      EXPECT_EQ(prompter.Texts(), setup.Asked ? QStringList{setup.Asked} : QStringList());
      if (s.CutTime) {
        EXPECT_EQ(form->CutTimeText(), s.CutTime);
      }
    }
  }

  Workspace ws;
  ScriptedPrompter prompter;
  std::optional<CuttingConditionsForm> form;
};

TEST_F(CuttingConditionsTest, SelectingShowsPlainNumbersAndKeepsDirty) {
  Op() = {.ToolNo = "T01", .OpName = "OD Turn", .Diameter = .5, .SFM = 300, .RPM = 2291, .IPR = .003, .IPM = 6.873,
          .CutLength = 1.5, .ExtraRapids = 2, .SpindleIndexes = 1, .Dwells = 3, .OtherDesc = "Deburr",
          .OtherSeconds = 4, .IPT = .0025, .Teeth = 4};
  Op().UpdateCutTime();  // 13.0947...
  ws.Study.Dirty = false;
  Open();
  QStringList texts;
  for (int i = 0; i < kCuttingFieldCount; ++i) texts << Text(i);
  EXPECT_EQ(texts,
            (QStringList{".5", "300", "2291", ".003", "6.873", "1.5", "2", "1", "3", "Deburr", "4", ".0025", "4"}));
  EXPECT_EQ(form->CutTimeText(), "Cut Time= 13.09 seconds");
  EXPECT_EQ(form->OperationNameText(), "OD Turn");
  EXPECT_FALSE(ws.Study.Dirty);
  EXPECT_EQ(form->FieldCaption(kSurfaceSpeedField), "&SFM: =");
  ws.Study.Header.Metric = -1;
  EXPECT_EQ(form->FieldCaption(kSurfaceSpeedField), "&SMM(MM):=");

  // An empty slot: zeros and empty texts.
  ws.Study.Dirty = true;
  form->SelectOperation(7);
  EXPECT_TRUE(ws.Study.Dirty);
  for (int i = 0; i < kCuttingFieldCount; ++i) EXPECT_EQ(Text(i), i == kOtherDescField ? "" : "0") << i;
  EXPECT_EQ(form->OperationNumber(), 7);
}

TEST_F(CuttingConditionsTest, EditsGoThroughTheChangePathAndKeysThatChangeNothingDoNot) {
  Operation& op = Op() = {.ToolNo = "T01", .OpName = "OD Turn", .Diameter = 1, .SFM = 300, .RPM = 1145,
                          .IPR = .003, .IPM = 3.435, .CutLength = 1.5};
  op.UpdateCutTime();
  ws.Study.Dirty = false;
  test::ChangeLog log;
  ws.Changes.SetRecorder(&log);
  Open();
  // An arrow key in a consistent operation recomputes the same values.
  form->KeyUp(kDiameterField, 37);
  form->KeyUp(kSurfaceSpeedField, 37);
  form->LostFocus(kFeedPerRevField);
  EXPECT_FALSE(ws.Study.Dirty);
  EXPECT_TRUE(log.Steps.isEmpty());
  EXPECT_EQ(Text(kSpindleSpeedField), "1145");

  // A text is stored when its key is released (or the field is left): one
  // change of the study per key, named after the operation and the field.
  form->SetFieldText(kOtherDescField, "Chamfer");
  EXPECT_FALSE(ws.Study.Dirty);
  form->KeyUp(kOtherDescField, 'R');
  EXPECT_TRUE(ws.Study.Dirty);
  EXPECT_EQ(op.OtherDesc, "Chamfer");
  Type(kExtraRapidsField, "2");
  form->SetFieldText(kCutLengthField, "2");
  form->LostFocus(kCutLengthField);
  prompter.QueueText(QStringLiteral("32"));
  prompter.QueueText(QStringLiteral(".0312"));
  form->SurfaceFinishFeed();
  EXPECT_EQ(op.ExtraRapids, 2);
  EXPECT_EQ(log.Steps, (QStringList{"Edit Operation 1|cut:1:1:9", "Edit Operation 1|cut:1:1:6",
                                    "Edit Operation 1|cut:1:1:5", "Edit Operation 1"}));
  ws.Changes.SetRecorder(nullptr);
}

TEST_F(CuttingConditionsTest, SpindleAndSurfaceSpeedsFollowEachOther) {
  // 12 x 300 / (3.14157 x 1) and 1000 x 100 / (3.14157 x 25), from either side.
  Run({}, {{{{D, "1"}, {S, "300"}}, {{N, "1145"}, {S, "300"}, {D, "1"}}},
           {{{S, "300"}, {D, "1.0"}}, {{N, "1145"}, {S, "300"}}},
           {{{D, "1"}, {N, "1000"}}, {{S, "261.798"}}},
           {{{S, "300"}, {N, "1000"}}, {{S, "300."}}}});  // no diameter: the text in its format
  Run({.Metric = true}, {{{{S, "100"}, {D, "25"}}, {{N, "1273"}}}});
  // A tiny diameter caps the speed at 20000 and recomputes the surface speed.
  Run({.MaxSpeed = 30000}, {{{{S, "300"}, {D, "0.001"}}, {{N, "20000"}, {S, "5.236"}}}});
  // Above 2000 the speed is worked out from 2000 (12 x 2000 / 3.14157); the text stays.
  Run({.MaxSpeed = 10000}, {{{{D, "1"}, {S, "2500"}}, {{N, "7639"}, {S, "2500"}}}});
}

TEST_F(CuttingConditionsTest, SpeedsOverTheLimitAreAskedAbout) {
  // Yes keeps the speed; No puts the limit in and recomputes the surface
  // speed (3.14157 x .001 x 6000 / 12).
  const char* asked = "The RPM is over the max of 6000. Do you want to go over the max?";
  Run({.Asked = asked, .Reply = Answer::Yes}, {{{{D, "1"}, {S, "1800"}}, {{N, "6875"}, {S, "1800"}}}});
  Run({.Asked = asked}, {{{{D, "1"}, {S, "1800"}}, {{N, "6000"}, {S, "1570.785"}}},
                         {{{D, "1"}, {N, "7000"}}, {{N, "6000"}, {S, "1570.785"}}}});

  // The question is Yes/No with No the default.
  ASSERT_EQ(prompter.Entries().size(), 1);
  EXPECT_EQ(prompter.Entries()[0].ButtonSet, Buttons::YesNo);
  EXPECT_EQ(prompter.Entries()[0].Default, Answer::No);
}

TEST_F(CuttingConditionsTest, FeedsFollowEachOther) {
  // Feed per minute 10 at 1000 RPM is .01 per revolution, .0025 per tooth of 4.
  Run({.OpName = "Live Cross Mill"},
      {{{{Z, "4"}, {N, "1000"}, {IPM, "10"}}, {{IPR, ".01"}, {IPT, ".0025"}, {IPM, "10"}, {Z, "4"}}},
       {{{N, "1000"}, {IPT, ".002"}, {Z, "3"}}, {{IPR, ".006"}, {IPM, "6."}}}});
  Run({}, {{{{Z, "4"}, {N, "1000"}, {IPM, "10"}}, {{IPR, ".01"}, {IPT, "0"}}},  // not live: no feed per tooth
           {{{N, "1145"}, {L, "1.5"}, {IPR, ".003"}}, {{IPM, "3.435"}}, "Cut Time= 26.201 seconds"},
           {{{IPR, ".004"}, {IPM, "10"}}, {{IPR, ".004"}}},  // no spindle speed: the feed stays
           {{{L, "1.5"}, {IPM, "5"}, {IPM, "0"}}, {}, "Cut Time= 0 seconds"},
           // A feed of 1 or more is threads per inch: the pitch once the field is left.
           {{{N, "1000"}, {IPR, "20", Then::Leave}}, {{IPR, ".05"}, {IPM, "50."}}},
           // Leaving a field stores it.
           {{{IPM, "3"}, {L, "1.5", Then::Leave}}, {{L, "1.5"}}, "Cut Time= 30. seconds"}});
}

TEST_F(CuttingConditionsTest, ValuesThatDoNotFitKeepThePreviousOnes) {
  Op() = {.ToolNo = "T01", .SFM = 300, .RPM = 1000, .ExtraRapids = 2, .OtherSeconds = 7, .Teeth = 4};
  Open();
  for (const auto& [field, text] : {std::pair{S, "40000"}, {N, "70000"}, {Z, "99999"}, {kExtraRapidsField, "-40000"}})
    Type(field, text);
  ASSERT_TRUE(form->SetFieldText(kOtherSecondsField, "32768"));
  form->LostFocus(kOtherSecondsField);
  const auto stored = [this] {
    return std::vector<int>{Op().SFM, Op().RPM, Op().Teeth, Op().ExtraRapids, Op().OtherSeconds};
  };
  EXPECT_EQ(stored(), (std::vector<int>{300, 1000, 4, 2, 7}));
  Type(kOtherSecondsField, "32767");
  Type(kTeethField, "2.5");  // halves to even
  EXPECT_EQ(stored(), (std::vector<int>{300, 1000, 2, 2, 32767}));

  // No cap on the surface speed path: 1145923 does not fit the 16-bit RPM.
  Op() = {.ToolNo = "T01", .RPM = 777};
  Open();
  Type(kDiameterField, "0.001");
  prompter.QueueAnswer(Answer::Yes);
  Type(kSurfaceSpeedField, "300");
  EXPECT_EQ(Text(kSpindleSpeedField), "1145923");
  EXPECT_EQ(Op().RPM, 777);
  EXPECT_EQ(Op().SFM, 300);
}

TEST_F(CuttingConditionsTest, LimitFollowsTheLiveDriveOfTheToolPost) {
  const struct { int Spindle; const char *Tool, *Name; int Limit; } cases[] = {
      {kMainSpindle, "T01", "OD Turn", 6000},         {kMainSpindle, "T01", "Live Cross Drill", 4000},
      {kMainSpindle, "T12", "live slot mill", 3500},  {kMainSpindle, "T99", "Live Drill", 6000},
      {kSubSpindle, "T21", "Live Drill", 3000},       {kSubSpindle, "T31", "LIVE TAP", 2500},
      {kSubSpindle, "T31", "Tap", 5000},
  };
  for (const auto& c : cases) {
    Op(c.Spindle, 3) = {.ToolNo = c.Tool, .OpName = c.Name};
    Open(c.Spindle, 3);
    EXPECT_EQ(form->SpindleSpeedLimit(), c.Limit) << c.Tool << " " << c.Name;
  }
}

TEST_F(CuttingConditionsTest, ConversionKeysInTheFirstSixFields) {
  const struct { int Field; const char* Before; char16_t Key; const char* After; } cases[] = {
      {D, ".5", u'm', "12.7"}, {L, "12.7", u'I', ".5"}, {IPR, "1", u'i', ".0394"}, {S, "300", u'M', "91.44"},
      {N, "1000", u'm', "1000"},  // the spindle speed swallows the key and keeps its value
  };
  Open();
  for (const auto& c : cases) {
    ASSERT_TRUE(form->SetFieldText(c.Field, c.Before));
    EXPECT_TRUE(form->KeyPress(c.Field, c.Key));
    EXPECT_EQ(Text(c.Field), c.After) << c.Before << " " << char(c.Key);
  }
  // Elsewhere the letters are ordinary keys.
  EXPECT_FALSE(form->KeyPress(kOtherDescField, u'i'));
  EXPECT_TRUE(prompter.Entries().isEmpty());

  // The key release after a conversion recalculates, with decimal commas
  // read under a comma locale.
  ws.Study.Header.Metric = -1;
  ScopedNumberLocale comma({u',', u'.'});
  Open();
  Type(kSurfaceSpeedField, "100");
  ASSERT_TRUE(form->SetFieldText(kDiameterField, "1"));
  ASSERT_TRUE(form->KeyPress(kDiameterField, u'm'));
  form->KeyUp(kDiameterField, 'M');
  EXPECT_EQ(Text(kDiameterField), "25,4");
  EXPECT_EQ(Text(kSpindleSpeedField), "1253");  // 1000 x 100 / (3.14157 x 25.4)
  EXPECT_DOUBLE_EQ(Op().Diameter, 25.4);
}

TEST_F(CuttingConditionsTest, DoubleQuoteIsRefusedInEveryField) {
  Open();
  ASSERT_TRUE(form->SetFieldText(kOtherDescField, "Deburr"));
  for (int i = 0; i < kCuttingFieldCount; ++i) EXPECT_TRUE(form->KeyPress(i, u'"')) << i;
  EXPECT_FALSE(form->SetFieldText(kOtherDescField, "6\" bar"));
  EXPECT_EQ(Text(kOtherDescField), "Deburr");
  EXPECT_FALSE(form->SetOperationNameText("1/2\" Drill"));
  EXPECT_EQ(form->OperationNameText(), "OD Turn");
  EXPECT_EQ(prompter.Messages(), QStringList(kCuttingFieldCount + 2, kDoubleQuoteMessage));
}

// The cutting length takes formulas: Enter shows the result in "####.####"
// with the caret after it, leaving shows a plain number. The cases follow
// each other: an error after a length must store 0.
TEST_F(CuttingConditionsTest, TheLengthFieldEvaluatesItsFormulaOnEnterAndOnLeaving) {
  Op().IPM = 6;
  Open();
  const struct { const char *Formula, *OnEnter, *OnLeave, *CutTime = nullptr; } cases[] = {
      {"1.5*2", "3.", "3", "Cut Time= 30. seconds"},
      {"2/3", ".6667", ".666666666666667"},
      {"1,5*2", "3.", "3"},  // decimal commas are taken as points
      {"(1+2", ".", "0", "Cut Time= 0 seconds"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Formula);
    for (const bool enter : {true, false}) {
      ASSERT_TRUE(form->SetFieldText(kCutLengthField, c.Formula));
      if (enter) form->KeyUp(kCutLengthField, kEnterKeyCode);
      else form->LostFocus(kCutLengthField);
      EXPECT_EQ(Text(kCutLengthField), enter ? c.OnEnter : c.OnLeave);
      EXPECT_EQ(Op().CutLength, ParseNumber(Text(kCutLengthField)));
      if (enter) {
        EXPECT_EQ(form->Selection(L), (TextSelection{static_cast<int>(Text(L).size()), 0}));
      }
      if (c.CutTime) {
        EXPECT_EQ(form->CutTimeText(), c.CutTime);
      }
    }
  }
  // Other fields do not evaluate on Enter.
  Type(kDiameterField, "1+1", kEnterKeyCode);
  EXPECT_EQ(Text(kDiameterField), "1+1");
  EXPECT_TRUE(prompter.Entries().isEmpty());
}

TEST_F(CuttingConditionsTest, SurfaceFinishFeedNeedsBothValues) {
  Open();
  Type(kSpindleSpeedField, "1000");
  prompter.Clear();
  prompter.QueueText(QStringLiteral("32"));
  prompter.QueueText(QStringLiteral(".0312"));
  form->SurfaceFinishFeed();
  ASSERT_EQ(prompter.Entries().size(), 2);
  EXPECT_EQ(prompter.Entries()[0].Text, "What is the desired RMS? Example 16 or 32 or 63");
  EXPECT_EQ(prompter.Entries()[1].Text, "What is the tool nose radius you are using? Example .008 .0156 .0312");
  EXPECT_EQ(Text(kFeedPerRevField), ".0045");
  EXPECT_EQ(ws.LastCalcText, "Feed= .0045");
  EXPECT_EQ(form->NoteText(), "Feed= .0045");
  // The feed is the operation's: stored and carried into the feed per minute.
  EXPECT_DOUBLE_EQ(Op().IPR, 0.0045);
  EXPECT_EQ(Text(kFeedPerMinuteField), "4.5");
  Open();
  // An RMS of 0, no radius.
  for (const auto& [rms, radius] : std::vector<std::pair<QString, QString>>{{"0", ".0312"}, {"32", ""}}) {
    prompter.Clear();
    prompter.QueueText(rms);
    prompter.QueueText(radius);
    form->SurfaceFinishFeed();
    EXPECT_EQ(prompter.Messages(), QStringList{"You must have a value set for RMS and Tool nose radius!"})
        << rms.toStdString() << " " << radius.toStdString();
  }
  // Cancelling the second question changes nothing and says nothing.
  prompter.Clear();
  prompter.QueueText(QStringLiteral("32"));
  prompter.QueueText(std::nullopt);
  form->SurfaceFinishFeed();
  EXPECT_TRUE(prompter.Messages().isEmpty());
  EXPECT_EQ(Text(kFeedPerRevField), ".0045");
}

// The name box, not the stored name "OD Turn", decides what is live.
TEST_F(CuttingConditionsTest, TheNameBoxDecidesWhatIsLive) {
  Open();
  Type(kTeethField, "4");
  Type(kSpindleSpeedField, "1000");
  EXPECT_FALSE(form->IsTabStop(kFeedPerToothField));
  ASSERT_TRUE(form->SetOperationNameText("Live Drill"));
  EXPECT_TRUE(form->IsTabStop(kFeedPerToothField));
  Type(kFeedPerRevField, ".02");
  EXPECT_EQ(Text(kFeedPerToothField), ".005");
  EXPECT_EQ(Text(kFeedPerMinuteField), "20.");
}

}  // namespace
