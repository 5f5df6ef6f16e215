#include "shop/calculator.h"

#include "platform/numtext.h"
#include "platform/scriptedprompter.h"
#include "support/qstringprint.h"

#include <gtest/gtest.h>

using namespace arvex;

namespace {

class CalculatorTest : public ::testing::Test {
 protected:
  // Types the keys into the key trap; every key must have a button.
  void Type(const QString& keys) {
    for (QChar k : keys) ASSERT_TRUE(calc_.KeyPress(k)) << QString(k).toStdString();
  }

  // The readout after the keys are typed into a new calculator.
  QString Fresh(const QString& keys) {
    Workspace ws;
    ScriptedPrompter prompter;
    CalculatorForm calc(ws, prompter);
    for (QChar k : keys) EXPECT_TRUE(calc.KeyPress(k)) << QString(k).toStdString();
    return calc.Readout();
  }

  Workspace ws_;
  ScriptedPrompter prompter_;
  CalculatorForm calc_{ws_, prompter_};
};

}  // namespace

TEST_F(CalculatorTest, KeySequences) {
  const std::pair<const char*, const char*> cases[] = {
      // Four functions, left to right; Enter is "=".
      {"12+3=", "15"}, {"2+3*4=", "20"}, {"7-9=", "-2"}, {"1/8=", ".125"},
      {"1.5*", "1.5"},  // the first operand is not shown again
      {"1.5*4\r", "6"},
      // A repeated operator does not count twice; "=" again takes the
      // readout as the new first operand; an operator right after a result
      // goes on from it.
      {"5++2=", "7"}, {"5++2==", "7"}, {"5++2==*3=", "21"},
      // Percent of the first operand.
      {"50*10%", "5"}, {"50*10%=", "250"},
      // One decimal point; a new number after an operator; a lone zero gives
      // way to the digit typed after it.
      {"..5.2", "0.52"}, {"..5.2+.", "0."}, {"..5.2+.25=", ".77"}, {"007", "7"},
      // Cancel entry (Backspace, E) and cancel (c, Escape).
      {"9+4\b", "0"}, {"9+4\b1=", "10"}, {"3.5c", "0"}, {"2E", "0"}, {"2+3\x1b", "0"},
      // A function result feeds the next operation; zero is left alone.
      {"2+9r=", "5"}, {"0s", "0"},
      // Functions with their factors.
      {"30S", ".5"}, {"60o", ".5"}, {"45t", "1."}, {"1A", "45."}, {"1.5q", "2.25"}, {"2R", "1.41421356"},
      {"1n", "1.4142"}, {"1H", "1.1548"}, {"2m", "50.8"}, {"12.7i", ".5"},
  };
  for (const auto& [keys, readout] : cases) EXPECT_EQ(Fresh(keys), readout) << keys;
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

TEST_F(CalculatorTest, NegateTogglesTheSignFunctionsLeaveNegativesAloneAndClose) {
  Type("5");
  calc_.Negate();
  EXPECT_EQ(calc_.Readout(), "-5");
  for (QChar k : QStringLiteral("SOTAQRHNIM")) calc_.KeyPress(k);
  EXPECT_EQ(calc_.Readout(), "-5");
  Type("+3=");
  EXPECT_EQ(calc_.Readout(), "-2");
  calc_.Negate();
  EXPECT_EQ(calc_.Readout(), "2");
  // Keys without a button; closing hands on the readout.
  Type("\x1b");
  for (QChar k : {u'x', u' ', u'B'}) EXPECT_FALSE(calc_.KeyPress(k)) << QString(k).toStdString();
  EXPECT_EQ(calc_.Readout(), "0");
  Type("12.5*2=");
  calc_.Close();
  EXPECT_EQ(ws_.LastCalcText, "Calc = 25");
}

TEST_F(CalculatorTest, DecimalCommaLocale) {
  ScopedNumberLocale comma({u',', u'.'});
  const std::pair<const char*, const char*> cases[] = {
      {"1,5+1,5=", "3"}, {"0,5*2=", "1"},
      {"1.5+1=", "2,5"},  // the point key types the locale's character too
      {"30s", ",5"}, {"30s*3=", "1,5"}};
  for (const auto& [keys, readout] : cases) EXPECT_EQ(Fresh(keys), readout) << keys;
  EXPECT_EQ(CalculatorForm(ws_, prompter_).DecimalCharacter(), u',');
}
