#include "cutting/cuttingconditions.h"

#include "platform/numtext.h"
#include "platform/scriptedprompter.h"
#include "workspace.h"

#include <gtest/gtest.h>

using namespace arvex;

namespace {

// The cutting length field takes formulas, evaluated on Enter and on leaving.
class LengthFormulaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Operation& op = ws.Study.Op(kMainSpindle, 1);
    op.ToolNo = QStringLiteral("T01");
    op.OpName = QStringLiteral("OD Turn");
    op.IPM = 6;
    form.SelectOperation(1);
  }

  QString Length() const { return form.FieldText(kCutLengthField); }
  double Stored() { return ws.Study.Op(kMainSpindle, 1).CutLength; }

  Workspace ws;
  ScriptedPrompter prompter;
  CuttingConditionsForm form{ws, prompter, kMainSpindle};
};

TEST_F(LengthFormulaTest, EnterShowsTheResultInItsFormatAndLeavingAPlainNumber) {
  struct Case {
    const char* Formula;
    const char* OnEnter;  // "####.####", the caret after it
    const char* OnLeave;  // a plain number
    const char* CutTime = nullptr;
  };
  // The cases follow each other: an error after a length must store 0.
  const Case cases[] = {
      {"(1+.2+.5-(2*4))/2", "-3.15", "-3.15"},
      {"1.5*2", "3.", "3", "Cut Time= 30. seconds"},
      {"2/3", ".6667", ".666666666666667"},
      {"2.50", "2.5", "2.5"},
      {"1,5*2", "3.", "3"},  // decimal commas are taken as points
      {"(1+2", ".", "0", "Cut Time= 0 seconds"},
      {"1.25", "1.25", "1.25"},
      {"2/0", ".", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Formula);
    ASSERT_TRUE(form.SetFieldText(kCutLengthField, c.Formula));
    form.KeyUp(kCutLengthField, kEnterKeyCode);
    EXPECT_EQ(Length(), c.OnEnter);
    EXPECT_EQ(form.Selection(kCutLengthField), (TextSelection{static_cast<int>(Length().size()), 0}));
    EXPECT_EQ(Stored(), ParseNumber(Length()));
    if (c.CutTime) {
      EXPECT_EQ(form.CutTimeText(), c.CutTime);
    }

    ASSERT_TRUE(form.SetFieldText(kCutLengthField, c.Formula));
    form.LostFocus(kCutLengthField);
    EXPECT_EQ(Length(), c.OnLeave);
    EXPECT_EQ(Stored(), ParseNumber(Length()));
    if (c.CutTime) {
      EXPECT_EQ(form.CutTimeText(), c.CutTime);
    }
  }
  EXPECT_TRUE(prompter.Entries().isEmpty());
}

TEST_F(LengthFormulaTest, OtherFieldsDoNotEvaluateOnEnter) {
  ASSERT_TRUE(form.SetFieldText(kDiameterField, "1.50"));
  form.KeyUp(kDiameterField, kEnterKeyCode);
  EXPECT_EQ(form.FieldText(kDiameterField), "1.50");
  ASSERT_TRUE(form.SetFieldText(kDiameterField, "1+1"));
  form.KeyUp(kDiameterField, kEnterKeyCode);
  EXPECT_EQ(form.FieldText(kDiameterField), "1+1");
}

}  // namespace
