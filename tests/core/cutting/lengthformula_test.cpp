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

  void Enter(const QString& text) {
    ASSERT_TRUE(form.SetFieldText(kCutLengthField, text));
    form.KeyUp(kCutLengthField, kEnterKeyCode);
  }
  void Leave(const QString& text) {
    ASSERT_TRUE(form.SetFieldText(kCutLengthField, text));
    form.LostFocus(kCutLengthField);
  }
  QString Length() const { return form.FieldText(kCutLengthField); }
  double Stored() { return ws.Study.Op(kMainSpindle, 1).CutLength; }

  Workspace ws;
  ScriptedPrompter prompter;
  CuttingConditionsForm form{ws, prompter, kMainSpindle};
};

TEST_F(LengthFormulaTest, EnterShowsTheResultInItsFormat) {
  Enter("(1+.2+.5-(2*4))/2");
  EXPECT_EQ(Length(), "-3.15");
  EXPECT_DOUBLE_EQ(Stored(), -3.15);
  EXPECT_EQ(form.Selection(kCutLengthField), (TextSelection{5, 0}));

  Enter("1.5*2");
  EXPECT_EQ(Length(), "3.");
  EXPECT_DOUBLE_EQ(Stored(), 3);
  EXPECT_EQ(form.CutTimeText(), "Cut Time= 30. seconds");

  Enter("2/3");
  EXPECT_EQ(Length(), ".6667");
}

TEST_F(LengthFormulaTest, LeavingWritesAPlainNumber) {
  Leave("(1+.2+.5-(2*4))/2");
  EXPECT_EQ(Length(), "-3.15");
  Leave("1.5*2");
  EXPECT_EQ(Length(), "3");
  EXPECT_DOUBLE_EQ(Stored(), 3);
  EXPECT_EQ(form.CutTimeText(), "Cut Time= 30. seconds");
  Leave("2/3");
  EXPECT_EQ(Length(), ".666666666666667");
}

TEST_F(LengthFormulaTest, DecimalCommasAreTakenAsPoints) {
  Enter("1,5*2");
  EXPECT_EQ(Length(), "3.");
  Leave("1,5*2");
  EXPECT_EQ(Length(), "3");
  EXPECT_DOUBLE_EQ(Stored(), 3);
}

TEST_F(LengthFormulaTest, AnErrorShowsZeroInTheHandlersFormat) {
  ws.Study.Op(kMainSpindle, 1).CutLength = 2;
  Enter("(1+2");
  EXPECT_EQ(Length(), ".");
  EXPECT_EQ(Stored(), 0);
  Leave("(1+2");
  EXPECT_EQ(Length(), "0");
  EXPECT_EQ(Stored(), 0);
  EXPECT_EQ(form.CutTimeText(), "Cut Time= 0 seconds");
  Enter("2/0");
  EXPECT_EQ(Length(), ".");
  Leave("2/0");
  EXPECT_EQ(Length(), "0");
  EXPECT_TRUE(prompter.Entries().isEmpty());
}

}  // namespace
