#include "shop/calculator.h"

#include "platform/numtext.h"
#include "platform/scriptedprompter.h"

#include "qstringprint.h"

#include <gtest/gtest.h>

using namespace arvex;

namespace {

class CalculatorTest : public ::testing::Test {
 protected:
  // Types the keys into the key trap; every key must have a button.
  void Type(const QString& keys) {
    for (QChar k : keys) ASSERT_TRUE(calc_.KeyPress(k)) << QString(k).toStdString();
  }

  Workspace ws_;
  ScriptedPrompter prompter_;
  CalculatorForm calc_{ws_, prompter_};
};

}  // namespace

TEST_F(CalculatorTest, StartsAtZeroWithNothingPending) {
  EXPECT_EQ(calc_.Readout(), "0");
  EXPECT_EQ(calc_.LastInput(), "NONE");
  EXPECT_EQ(calc_.PendingOperator(), "");
  EXPECT_EQ(calc_.OperationCount(), 0);
  EXPECT_EQ(calc_.DecimalCharacter(), u'.');
}

TEST_F(CalculatorTest, FourFunctionsChainLeftToRight) {
  Type("12+3=");
  EXPECT_EQ(calc_.Readout(), "15");
  EXPECT_EQ(calc_.FirstOperand(), 15);
  EXPECT_EQ(calc_.OperationCount(), 1);
  EXPECT_EQ(calc_.PendingOperator(), "=");
  EXPECT_EQ(calc_.OpLabel(), "=");

  Type("\x1b" "2+3*4=");
  EXPECT_EQ(calc_.Readout(), "20");
  Type("\x1b" "7-9=");
  EXPECT_EQ(calc_.Readout(), "-2");
  Type("\x1b" "1/8=");
  EXPECT_EQ(calc_.Readout(), ".125");
  Type("\x1b" "1.5*");
  EXPECT_EQ(calc_.Readout(), "1.5");  // the first operand is not shown again
  EXPECT_EQ(calc_.OpLabel(), "*");
  EXPECT_EQ(calc_.LastInput(), "OPS");
  Type("4\r");
  EXPECT_EQ(calc_.Readout(), "6");
}

TEST_F(CalculatorTest, RepeatedOperatorsDoNotCountTwice) {
  Type("5++2=");
  EXPECT_EQ(calc_.Readout(), "7");
  // "=" again takes the readout as the new first operand.
  Type("=");
  EXPECT_EQ(calc_.Readout(), "7");
  EXPECT_EQ(calc_.FirstOperand(), 7);
  // An operator right after a result goes on from it.
  Type("*3=");
  EXPECT_EQ(calc_.Readout(), "21");
}

TEST_F(CalculatorTest, DivisionByZeroKeepsTheReadoutAndOperands) {
  Type("7/0=");
  ASSERT_EQ(prompter_.Entries().size(), 1);
  EXPECT_EQ(prompter_.Entries()[0].Text, "Can't divide by zero");
  EXPECT_EQ(prompter_.Entries()[0].Caption, "Calculator");
  EXPECT_EQ(calc_.Readout(), "0");
  EXPECT_EQ(calc_.FirstOperand(), 7);
  EXPECT_EQ(calc_.OperationCount(), 1);
  // Calculating goes on normally afterwards.
  Type("\x1b" "8/2=");
  EXPECT_EQ(calc_.Readout(), "4");
  EXPECT_EQ(prompter_.Entries().size(), 1);
}

TEST_F(CalculatorTest, PercentOfTheFirstOperand) {
  Type("50*10%");
  EXPECT_EQ(calc_.Readout(), "5");
  Type("=");
  EXPECT_EQ(calc_.Readout(), "250");
}

TEST_F(CalculatorTest, DecimalPointOnceAndANewNumberAfterAnOperator) {
  Type("..5.2");
  EXPECT_EQ(calc_.Readout(), "0.52");
  EXPECT_TRUE(calc_.DecimalFlag());
  Type("+.");
  EXPECT_EQ(calc_.Readout(), "0.");
  Type("25=");
  EXPECT_EQ(calc_.Readout(), ".77");
  // A lone zero gives way to the digit typed after it.
  Type("\x1b" "007");
  EXPECT_EQ(calc_.Readout(), "7");
}

TEST_F(CalculatorTest, CancelAndCancelEntry) {
  Type("9+4\b");
  EXPECT_EQ(calc_.Readout(), "0");
  EXPECT_EQ(calc_.LastInput(), "CE");
  EXPECT_EQ(calc_.PendingOperator(), "+");
  Type("1=");
  EXPECT_EQ(calc_.Readout(), "10");
  Type("3.5c");
  EXPECT_EQ(calc_.Readout(), "0");
  EXPECT_EQ(calc_.OperationCount(), 0);
  EXPECT_EQ(calc_.LastInput(), "NONE");
  EXPECT_EQ(calc_.PendingOperator(), "");
  EXPECT_EQ(calc_.OpLabel(), "");
  EXPECT_FALSE(calc_.DecimalFlag());
  Type("2E");
  EXPECT_EQ(calc_.Readout(), "0");
  EXPECT_EQ(calc_.LastInput(), "CE");
}

TEST_F(CalculatorTest, NegateTogglesTheSign) {
  Type("5");
  calc_.Negate();
  EXPECT_EQ(calc_.Readout(), "-5");
  Type("+3=");
  EXPECT_EQ(calc_.Readout(), "-2");
  calc_.Negate();
  EXPECT_EQ(calc_.Readout(), "2");
}

TEST_F(CalculatorTest, FunctionsWithTheirFactors) {
  const auto apply = [this](const QString& value, QChar key) {
    Type("\x1b" + value);
    EXPECT_TRUE(calc_.KeyPress(key));
    return calc_.Readout();
  };
  EXPECT_EQ(apply("30", u'S'), ".5");
  EXPECT_EQ(apply("60", u'o'), ".5");
  EXPECT_EQ(apply("45", u't'), "1.");
  EXPECT_EQ(apply("1", u'A'), "45.");
  EXPECT_EQ(apply("1.5", u'q'), "2.25");
  EXPECT_EQ(apply("2", u'R'), "1.41421356");
  EXPECT_EQ(apply("1", u'n'), "1.4142");
  EXPECT_EQ(apply("1", u'H'), "1.1548");
  EXPECT_EQ(apply("2", u'm'), "50.8");
  EXPECT_EQ(apply("12.7", u'i'), ".5");
}

TEST_F(CalculatorTest, FunctionsLeaveZeroAndNegativeReadoutsAlone) {
  Type("0s");
  EXPECT_EQ(calc_.Readout(), "0");
  Type("\x1b" "5");
  calc_.Negate();
  for (QChar k : QStringLiteral("SOTAQRHNIM")) calc_.KeyPress(k);
  EXPECT_EQ(calc_.Readout(), "-5");
}

TEST_F(CalculatorTest, AFunctionResultFeedsTheNextOperation) {
  Type("2+9r=");
  EXPECT_EQ(calc_.Readout(), "5");
}

TEST_F(CalculatorTest, OverflowLeavesThePreviousValue) {
  const QString big = u'1' + QString(299, u'0');
  Type(big);
  Type("Q");  // 1E+598 does not fit a double
  EXPECT_EQ(calc_.Readout(), big);
  Type("*" + big + "=");
  EXPECT_EQ(calc_.Readout(), big);
  EXPECT_DOUBLE_EQ(calc_.FirstOperand(), 1e299);
  Type("+1=");
  EXPECT_EQ(calc_.Readout(), "1E+299");
}

TEST_F(CalculatorTest, KeysWithoutAButton) {
  EXPECT_FALSE(calc_.KeyPress(u'x'));
  EXPECT_FALSE(calc_.KeyPress(u' '));
  EXPECT_FALSE(calc_.KeyPress(u'B'));
  EXPECT_EQ(calc_.Readout(), "0");
}

TEST_F(CalculatorTest, CloseLeavesTheReadout) {
  Type("12.5*2=");
  calc_.Close();
  EXPECT_EQ(ws_.LastCalcText, "Calc = 25");
}

TEST(CalculatorLocaleTest, DecimalCommaLocale) {
  ScopedNumberLocale comma({u',', u'.'});
  Workspace ws;
  ScriptedPrompter prompter;
  CalculatorForm calc(ws, prompter);
  EXPECT_EQ(calc.DecimalCharacter(), u',');
  const auto type = [&calc](const QString& keys) {
    for (QChar k : keys) ASSERT_TRUE(calc.KeyPress(k));
  };
  type("1,5+1,5=");
  EXPECT_EQ(calc.Readout(), "3");
  type("\x1b" "0,5*2=");
  EXPECT_EQ(calc.Readout(), "1");
  // The point key types the locale's character too.
  type("\x1b" "1.5+1=");
  EXPECT_EQ(calc.Readout(), "2,5");
  type("\x1b" "30s");
  EXPECT_EQ(calc.Readout(), ",5");
  type("*3=");
  EXPECT_EQ(calc.Readout(), "1,5");
  calc.Close();
  EXPECT_EQ(ws.LastCalcText, "Calc = 1,5");
}
