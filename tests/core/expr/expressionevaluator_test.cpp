#include "expr/expressionevaluator.h"

#include "platform/numtext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <numbers>
#include <random>

using namespace arvex;

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

const QDate kToday(2024, 1, 1);  // day 45292

struct Outcome {
  double Value;
  QString Text;  // the caller's text after the evaluation
};

Outcome Evaluated(const QString& formula) {
  ExpressionEvaluator evaluator(kToday);
  QString text = formula;
  const double value = evaluator.Evaluate(text);
  return {value, text};
}

// The formula evaluates to exactly `expected` and its text stays as it was.
void ExpectValue(const QString& formula, double expected) {
  SCOPED_TRACE(formula.toStdString());
  const Outcome r = Evaluated(formula);
  EXPECT_EQ(r.Text, formula);
  EXPECT_EQ(r.Value, expected);
}

// The formula's last step spliced `valueText` in: the value is exactly the
// number that text reads as, with its 15 digits.
void ExpectSpliced(const QString& formula, const QString& valueText) {
  SCOPED_TRACE(formula.toStdString());
  const Outcome r = Evaluated(formula);
  EXPECT_EQ(r.Text, formula);
  EXPECT_EQ(NumberText(r.Value), valueText);
  EXPECT_EQ(r.Value, Val(valueText));
}

// The formula is in error: 0, and one "%" in front of the caller's text.
void ExpectError(const QString& formula) {
  SCOPED_TRACE(formula.toStdString());
  const Outcome r = Evaluated(formula);
  EXPECT_EQ(r.Value, 0.0);
  EXPECT_EQ(r.Text, u'%' + formula);
}

}  // namespace

// ---- the worked examples -------------------------------------------------------

TEST(EvaluatorExamplesTest, ArithmeticAndPrecedence) {
  ExpectSpliced("(1+.2+.5-(2*4))/2", "-3.15");
  ExpectValue("2+3*4", 14);
  ExpectValue("(2+3)*4", 20);
  ExpectValue("2^3^2", 64);
  ExpectValue("10-2-3", 5);
  ExpectValue("7MOD3", 1);
  ExpectValue("7\\2", 3);
  ExpectValue("5!", 120);
}

TEST(EvaluatorExamplesTest, SignsBelongToTheNumberAfterAnOperator) {
  ExpectValue("-2^2", 4);
  ExpectValue("3-2^2", -1);
  ExpectValue("2*-3", -6);
  ExpectValue("5--3", 8);
  ExpectValue("2*-3^2", 18);
}

TEST(EvaluatorExamplesTest, IntermediateResultsCarryFifteenDigits) {
  ExpectSpliced("1/3*3", ".999999999999999");
  ExpectSpliced("1/3", ".333333333333333");
  ExpectSpliced("2/3*3", "2");
  ExpectSpliced(".1+.2", ".3");
  ExpectSpliced("1E20*1", "1E+20");
  ExpectSpliced("1/3+1/3", ".666666666666666");
}

TEST(EvaluatorExamplesTest, ComparisonsAndLogic) {
  ExpectValue("2<3", -1);
  ExpectValue("2>3", 0);
  ExpectValue("6AND3", 2);
  ExpectValue("6OR3", 7);
  ExpectValue("NOT0", -1);
}

TEST(EvaluatorExamplesTest, TextsThatAreNoFormula) {
  ExpectValue("12ABC", 12);
  ExpectValue("", 0);
  ExpectValue("ABC", 0);
  ExpectSpliced("1.5E-3-1", "-.9985");
}

TEST(EvaluatorExamplesTest, Errors) {
  ExpectError("SIN(0)");
  ExpectError("1+SIN(0)");
  ExpectError("SQR(-4)");
  ExpectError("LOG(0)");
  ExpectError("1/0");
  ExpectError("ARCCOS(2)");
  ExpectError("(1+2");
  ExpectError("123456!");
  ExpectError("171!");
}

// ---- stage 1: blanks -------------------------------------------------------------

TEST(EvaluatorBlanksTest, BlanksAreRemovedEverywhereAndTheCallersTextKept) {
  ExpectValue(" 1 + 2 * 3 ", 7);
  ExpectValue("1 2", 12);
  ExpectValue("   ", 0);
}

// ---- stage 2: constants ----------------------------------------------------------

TEST(EvaluatorConstantsTest, NamesAreCaseSensitive) {
  ExpectValue("PI", std::numbers::pi);
  ExpectValue("pi", 0);
  ExpectSpliced("PI*2", "6.28318530717959");
  ExpectSpliced("2*e", "5.43656365691809");
  ExpectValue("E", 0);
}

TEST(EvaluatorConstantsTest, LowerCaseEIsTheConstantWhereverItStands) {
  // "ABSe" is ABS of e; "exp" loses its e and is no function any more.
  ExpectSpliced("ABSe", "2.71828182845905");
  ExpectValue("exp(1)", std::numbers::e);
  ExpectValue("EXP(1)", Val(u"2.71828182845905"));
  // An exponent is written "E": "1e3" is 1 followed by the digits of e.
  ExpectValue("1E3", 1000);
  ExpectValue("1e3", Val(u"12.718281828459045235363"));
  ExpectValue("sec(0)", 0);
  ExpectValue("SEC(0)", 1);
  ExpectValue("sqr(4)", 2);
}

TEST(EvaluatorConstantsTest, NamesInsideQuotedTextsStay) {
  ExpectValue("\"e\"=\"E\"", -1);
  ExpectValue("\"PI\"=\"PI\"", -1);
  // The first occurrence inside quotes ends the search for that name: the
  // later e is not replaced either.
  ExpectValue("\"e\"+e", 0);
  ExpectSpliced("e+\"e\"", "2.71828182845905");
}

TEST(EvaluatorConstantsTest, NamesInAGroupAreReplacedAfterTheUpperCasing) {
  // The group is evaluated on its upper-cased text, where "pi" reads "PI".
  ExpectValue("(pi)", Val(u"3.14159265358979"));
  ExpectValue("(@today)", 45292);
  ExpectValue("@today", 0);
}

TEST(EvaluatorConstantsTest, TodayIsAWholeDayNumber) {
  ExpectValue("@TODAY", 45292);
  ExpectValue("@TODAY+1", 45293);
  ExpectValue("10+@TODAY", 45302);
  ExpectValue("2*@TODAY", 90584);
  ExpectValue("@TODAY-@TODAY", 0);
  ExpectValue("(@TODAY-45000)*2", 584);
}

TEST(EvaluatorConstantsTest, TodayIsFixedWhenTheTablesAreMade) {
  ExpressionEvaluator evaluator;
  QString first = QStringLiteral("@TODAY");
  const double day = evaluator.Evaluate(first);
  EXPECT_EQ(day, QDate(1899, 12, 30).daysTo(QDate::currentDate()));
  QString again = QStringLiteral("@TODAY");
  EXPECT_EQ(evaluator.Evaluate(again), day);
}

// ---- stage 4: balance and the error mark -------------------------------------------

TEST(EvaluatorBalanceTest, UnbalancedParenthesesAndALeadingMarkAreErrors) {
  ExpectError("1+2)");
  ExpectError("((1)");
  ExpectError("%5");
  ExpectError("%");
  // Only a leading "%" marks an error.
  ExpectValue("5%", 5);
}

TEST(EvaluatorBalanceTest, AMarkedTextIsMarkedAgain) {
  const Outcome once = Evaluated(" %1+2");
  EXPECT_EQ(once.Value, 0);
  EXPECT_EQ(once.Text, "% %1+2");
  ExpressionEvaluator evaluator(kToday);
  QString text = QStringLiteral("SQR(-1)");
  evaluator.Evaluate(text);
  evaluator.Evaluate(text);
  EXPECT_EQ(text, "%%SQR(-1)");
}

// ---- stage 5: parentheses ------------------------------------------------------------

TEST(EvaluatorParenthesesTest, GroupsAreEvaluatedFirst) {
  ExpectValue("((2))", 2);
  ExpectValue("(+5)", 5);
  ExpectValue("(-5)*2", -10);
  ExpectValue("2*(3+4)*(1+1)", 28);
  ExpectValue("((1+2)*(3+4))^2", 441);
  ExpectValue("()", 0);
  ExpectValue("(3)!", 6);
  ExpectValue("(2+1)!", 6);
}

TEST(EvaluatorParenthesesTest, AnErrorInAGroupIsTheFormulasError) {
  ExpectError("1+(2+(SQR(-1)))");
  ExpectError("(%5)");
  ExpectError("2*(1/0)");
}

TEST(EvaluatorParenthesesTest, AnOpeningParenthesisWithoutItsClosingOneIsAnError) {
  ExpectError(")(");
  ExpectError("1)+(2");
  ExpectError("(1))+((2)");
}

// ---- stage 6 and 15: plain numbers and what is left -----------------------------------

TEST(EvaluatorPlainNumberTest, PlainNumbersAndLeftovers) {
  ExpectValue("+5", 5);
  ExpectValue("-.25", -0.25);
  ExpectValue("3.14159265358979323846", std::numbers::pi);
  ExpectValue("1.7976931348623157E308", DBL_MAX);
  ExpectValue("1D3", 1000);
  ExpectValue("2.5.3", 2.5);
}

TEST(EvaluatorPlainNumberTest, ANumberTooLargeForADoubleIsAnError) {
  ExpectError("1E999");
  ExpectError("2*1E400");
  ExpectError("1E999ABC");
}

// ---- stage 7: functions ---------------------------------------------------------------

TEST(EvaluatorFunctionsTest, LongerNamesAreTakenBeforeTheShorterNamesInThem) {
  ExpectSpliced("ARCSINH1", ".881373587019543");
  ExpectSpliced("ARCSIN.5", ".523598775598299");
  ExpectSpliced("SINH1", "1.1752011936438");
  ExpectSpliced("SIN1", ".841470984807897");
  ExpectSpliced("SECH1", ".648054273663885");
  ExpectSpliced("SEC1", "1.85081571768093");
  ExpectSpliced("CSCH1", ".850918128239322");
  ExpectSpliced("CSC1", "1.18839510577812");
  ExpectSpliced("COTH1", "1.31303528549933");
  ExpectSpliced("COT1", ".642092615934331");
  ExpectSpliced("ARCCOSH2", "1.31695789692482");
  ExpectSpliced("ARCCOS.5", "1.0471975511966");
  // There is no COSH: COS takes the "H" as no number, cos 0 is 1.
  ExpectValue("COSH1", 1);
}

TEST(EvaluatorFunctionsTest, EveryFunctionsFormula) {
  ExpectSpliced("ARCTANH.5", ".549306144334055");
  ExpectSpliced("ARCSECH.5", "1.31695789692482");
  ExpectSpliced("ARCCSCH2", ".481211825059603");
  ExpectSpliced("ARCCSCH-2", "-.481211825059603");
  ExpectSpliced("ARCCOTH2", ".549306144334055");
  // ARCSEC and ARCCSC as written, not the textbook inverses.
  ExpectSpliced("ARCSEC2", ".857071947850131");
  ExpectSpliced("ARCSEC-2", "-2.42786827464503");
  ExpectSpliced("ARCCSC2", ".857071947850131");
  ExpectSpliced("ARCCSC-2", "-3.99866460143992");
  ExpectSpliced("ARCCOT1", "2.35619449019234");
  ExpectSpliced("TANH1", ".761594155955765");
  ExpectSpliced("COS1", ".54030230586814");
  ExpectSpliced("TAN1", "1.5574077246549");
  ExpectSpliced("ATN1", ".785398163397448");
  ExpectValue("LOG1", 0);
  ExpectSpliced("EXP1", "2.71828182845905");
  ExpectSpliced("SQR2", "1.4142135623731");
  ExpectValue("CLG100", 2);
  // ln 1000 / ln 10 is 2.9999999999999996; its 15 digits are 3.
  ExpectValue("CLG1000", 3);
  ExpectValue("ABS-3", 3);
  ExpectValue("ABS+3", 3);
}

TEST(EvaluatorFunctionsTest, NotRoundsHalvesToEven) {
  ExpectValue("NOT5", -6);
  ExpectValue("NOT-1", 0);
  ExpectValue("NOT2.5", -3);
  ExpectValue("NOT3.5", -5);
  ExpectError("NOT3E9");
}

TEST(EvaluatorFunctionsTest, TheArgumentIsTheNumberDirectlyAfterTheName) {
  ExpectSpliced("SIN2^2", ".826821810431807");
  ExpectValue("SQR4*3", 6);
  ExpectValue("SQR(4)+SQR(9)", 5);
  ExpectValue("ABSABS-2", 2);
  ExpectSpliced("SQR1E2", "10");
  ExpectValue("1+COS0", 2);
}

TEST(EvaluatorFunctionsTest, ArgumentsOutsideTheTablesRange) {
  for (const char* f : {"SIN0", "SIN(0)", "SIN-0", "CSC0", "COT0", "COTH0", "LOG0", "LOG-1", "CLG0", "CLG-5",
                        "SQR-1", "ARCCOSH.5", "ARCTANH1", "ARCTANH-1", "ARCSECH2", "ARCCSCH0", "ARCCOTH1",
                        "ARCCOTH-1", "ARCSIN1.5", "ARCCOS-2", "ARCSEC1", "ARCSEC.5", "ARCCSC-1", "ARCCSC0"})
    ExpectError(QString::fromLatin1(f));
}

TEST(EvaluatorFunctionsTest, HalfPiIsRefusedOnlyWhenItIsExact) {
  ExpectError("TAN1.5707963267948966");
  ExpectError("SEC-1.5707963267948966");
  ExpectError("COT1.5707963267948966");
  // PI/2 is carried as 1.5707963267949, which is not pi/2.
  ExpectSpliced("TAN(PI/2)", "-286411383293069");
}

TEST(EvaluatorFunctionsTest, NumericFaultsInsideAFormulaAreErrors) {
  // Zero divisors the table does not name.
  ExpectError("ARCSIN1");
  ExpectError("ARCCOS-1");
  ExpectError("CSCH0");
  ExpectError("ARCSECH0");
  // Logarithms of a negative number or zero.
  ExpectError("ARCCOSH-2");
  ExpectError("ARCTANH2");
  ExpectError("ARCCOTH.5");
  ExpectError("ARCSECH-.5");
  ExpectError("ARCSINH-1E9");
  // Overflow.
  ExpectError("EXP710");
  ExpectError("SINH800");
  ExpectError("SECH-800");
  ExpectError("ARCSINH1E200");
  ExpectValue("EXP-800", 0);
}

// ---- stage 8: factorial -----------------------------------------------------------------

TEST(EvaluatorFactorialTest, TheDigitsDirectlyBeforeTheMark) {
  ExpectValue("0!", 1);
  ExpectValue("!", 1);
  ExpectValue("3!!", 720);
  ExpectValue("3!+1", 7);
  ExpectValue("2*3!", 12);
  ExpectSpliced("170!", "7.257415615308E+306");
  ExpectValue("0170!", Val(u"7.257415615308E+306"));
  // Only the digits count: "1.5!" is "1." and 5!.
  ExpectValue("1.5!", 1.12);
}

TEST(EvaluatorFactorialTest, FiveDigitsOrAbove170AreErrors) {
  ExpectError("00170!");
  ExpectError("10000!");
  ExpectError("170!*100");
  ExpectSpliced("170!*10", "7.257415615308E+307");
}

// ---- stage 9: signs ----------------------------------------------------------------------

TEST(EvaluatorSignsTest, RunsOfSignsFold) {
  ExpectValue("5++3", 8);
  ExpectValue("5-+3", 2);
  ExpectValue("5+-3", 2);
  ExpectValue("5---3", 2);
  ExpectValue("5----3", 8);
  ExpectValue("2*--3", 6);
  ExpectValue("--5", 5);
  ExpectValue("1E--2", 100);
}

namespace {

// The sign clean-up exactly as it reads: repeatedly the first "++" becomes
// "+", else the first "-+" "-", else the first "--" "+".
QString CleanSignsStepByStep(QString t) {
  while (true) {
    if (const auto i = t.indexOf(u"++"); i >= 0) t.replace(i, 2, QStringLiteral("+"));
    else if (const auto j = t.indexOf(u"-+"); j >= 0) t.replace(j, 2, QStringLiteral("-"));
    else if (const auto k = t.indexOf(u"--"); k >= 0) t.replace(k, 2, QStringLiteral("+"));
    else return t;
  }
}

}  // namespace

TEST(EvaluatorSignsTest, FoldingWholeRunsEqualsFoldingPairByPair) {
  // Texts of digits, signs and "*" leave stages 1 to 8 alone; evaluating the
  // text cleaned step by step must give what the evaluator gives.
  std::mt19937 random(7);
  const QString alphabet = QStringLiteral("++--+-12*");
  for (int n = 0; n < 3000; ++n) {
    QString text = QStringLiteral("7");
    const int length = 1 + static_cast<int>(random() % 14);
    for (int i = 0; i < length; ++i) text += alphabet[static_cast<qsizetype>(random() % alphabet.size())];
    text += u'3';
    const QString cleaned = CleanSignsStepByStep(text);
    const Outcome direct = Evaluated(text);
    const Outcome stepped = Evaluated(cleaned);
    SCOPED_TRACE((text + QStringLiteral(" -> ") + cleaned).toStdString());
    EXPECT_EQ(direct.Value, stepped.Value);
    EXPECT_EQ(direct.Text.startsWith(u'%'), stepped.Text.startsWith(u'%'));
  }
}

// ---- stage 10: powers ----------------------------------------------------------------------

TEST(EvaluatorPowerTest, FromLeftToRight) {
  ExpectValue("2^-1", 0.5);
  ExpectSpliced("2^.5", "1.4142135623731");
  ExpectValue("0^0", 1);
  ExpectValue("1.5E2^2", 22500);
  ExpectValue("2^1E1", 1024);
  ExpectValue("-2^3", -8);
  ExpectValue("2^2^-1", 0.25);
}

TEST(EvaluatorPowerTest, ErrorsAndFaults) {
  ExpectError("^2");
  ExpectError("10^400");
  ExpectError("0^-1");
  ExpectError("(-8)^(1/3)");
  ExpectError("-2^.5");
}

// ---- stage 11: multiplicative operators -------------------------------------------------------

TEST(EvaluatorMultiplicativeTest, LeftmostFirst) {
  ExpectValue("6/2*3", 9);
  ExpectValue("2*3/4", 1.5);
  ExpectValue("8\\3*3", 6);
  ExpectValue("2*7MOD4", 2);
  ExpectValue("7MOD4*2", 6);
  ExpectValue("-7\\2", -3);
  ExpectValue("2147483647\\1", 2147483647);
}

TEST(EvaluatorMultiplicativeTest, IntegerDivisionAndModRoundHalvesToEven) {
  ExpectValue("2.5\\1", 2);
  ExpectValue("3.5\\1", 4);
  ExpectValue("-2.5\\1", -2);
  ExpectValue("7\\2.5", 3);
  ExpectValue("7\\3.5", 1);
  ExpectValue("2.5MOD3", 2);
  ExpectValue("3.5MOD3", 1);
  ExpectValue("7MOD2.5", 1);
  ExpectValue("7MOD3.5", 3);
}

TEST(EvaluatorMultiplicativeTest, ModKeepsTheSignOfTheDividend) {
  ExpectValue("-7MOD3", -1);
  ExpectValue("7MOD-3", 1);
  ExpectValue("-7MOD-3", -1);
  ExpectValue("6MOD3", 0);
  ExpectValue("-2147483648MOD-1", 0);
}

TEST(EvaluatorMultiplicativeTest, ErrorsAndFaults) {
  ExpectError("*5");
  ExpectError("/5");
  ExpectError("\\5");
  ExpectError("MOD5");
  ExpectError("5/0");
  ExpectError("5\\0");
  ExpectError("5MOD0");
  // A divisor that is not 0 but rounds to 0.
  ExpectError("5\\.4");
  ExpectError("5MOD.5");
  // Operands and quotients beyond 32 bits.
  ExpectError("3E9\\1");
  ExpectError("1\\3E9");
  ExpectError("3E9MOD2");
  ExpectError("-2147483648\\-1");
  ExpectError("1E200*1E200");
  // Underflow is no fault: it is 0.
  ExpectValue("1E-200/1E200*1E300", 0);
}

TEST(EvaluatorMultiplicativeTest, AnOperatorStandingLastIsNoOperator) {
  ExpectValue("5*", 5);
  ExpectValue("5*3*", 15);
  ExpectValue("*", 0);
}

// ---- stage 12: additive operators ---------------------------------------------------------------

TEST(EvaluatorAdditiveTest, ExponentSignsAreNoOperators) {
  ExpectValue("1E+2+1", 101);
  ExpectValue("1D+2-1", 99);
  ExpectValue("1D2+1", 101);
  ExpectValue("1E-2+1", 1.01);
  ExpectValue("2*1D-2", 0.02);
  ExpectValue("1E2-1E1", 90);
}

TEST(EvaluatorAdditiveTest, SignsAndOperators) {
  ExpectValue("-5+3", -2);
  ExpectValue("+5+3", 8);
  ExpectValue("5+", 5);
  ExpectValue("1.-5", 1);
  ExpectValue("-1E4+2", -9998);
  ExpectValue("-1E5+23", -99977);
  ExpectError("1E308+1E308");
}

// ---- stage 13: comparisons -----------------------------------------------------------------------

TEST(EvaluatorComparisonTest, NumbersTrueIsMinusOne) {
  ExpectValue("2=2", -1);
  ExpectValue("1+1=2", -1);
  ExpectValue("2<3=-1", -1);
  ExpectValue("3>2>1", 0);
  ExpectValue("2=", 2);
  ExpectError("=2");
  ExpectError("<2");
}

TEST(EvaluatorComparisonTest, QuotedTextsComparedByCharacterCode) {
  ExpectValue("\"A\"=\"A\"", -1);
  ExpectValue("\"A\"<\"B\"", -1);
  ExpectValue("\"B\"<\"A\"", 0);
  ExpectValue("\"AB\">\"A\"", -1);
  ExpectValue("\"\"=\"\"", -1);
  // Texts are upper-cased and compacted like the rest of the formula.
  ExpectValue("\"abc\"=\"ABC\"", -1);
  ExpectValue("\"A B\"=\"AB\"", -1);
  ExpectValue("\"Z\"<\"a\"", 0);
  ExpectValue("1+(\"A\"=\"A\")", 0);
}

TEST(EvaluatorComparisonTest, AQuotedTextWithoutItsQuotesIsAnError) {
  ExpectError("\"A\"=B");
  ExpectError("\"=\"A\"");
}

// ---- stage 14: logical operators ------------------------------------------------------------------

TEST(EvaluatorLogicalTest, AndBeforeOrOn32BitIntegers) {
  ExpectValue("1OR2AND3", 3);
  ExpectValue("-1AND5", 5);
  ExpectValue("2<3AND5", 5);
  ExpectValue("2.5AND3", 2);
  ExpectValue("3.5AND7", 4);
  ExpectValue("NOT0AND6", 6);
  ExpectError("3E9AND1");
  ExpectError("1OR-3E9");
}

// ---- limits ---------------------------------------------------------------------------------------

TEST(EvaluatorLimitsTest, AFormulaHoldsAtMost32767Characters) {
  ExpectValue(QString(32766, u' ') + u'7', 7);
  ExpectError(QString(32767, u' ') + u'7');
  QString sum = QStringLiteral("1");
  while (sum.size() + 2 <= 32767) sum += QStringLiteral("+1");
  ExpectValue(sum, 16384);
}

TEST(EvaluatorLimitsTest, ATextThatGrowsPastTheLimitIsAnError) {
  // Each e becomes 22 characters.
  ExpectValue(QString(1489, u'e'), Val(QString(1489, u'e').replace(QStringLiteral("e"), QStringLiteral("2.71828182845904523536"))));
  ExpectError(QString(1490, u'e'));
  QString thirds;
  for (int i = 0; i < 2100; ++i) thirds += QStringLiteral("(1/3)");
  ExpectError(thirds);
}

TEST(EvaluatorLimitsTest, ParenthesesNestAtMost100Deep) {
  ExpectValue(QString(100, u'(') + QStringLiteral("1+1") + QString(100, u')'), 2);
  ExpectError(QString(101, u'(') + QStringLiteral("1+1") + QString(101, u')'));
  ExpectError(QString(101, u'(') + QStringLiteral("5") + QString(101, u')'));
  // Stray ")" do not hide the depth of what follows them.
  ExpectError(QString(150, u')') + QString(200, u'(') + u'1' + QString(200, u')') + QString(150, u'('));
  ExpectError(QString(16000, u'(') + u'1' + QString(16000, u')'));
}

TEST(EvaluatorLimitsTest, RandomTextsEndWithAValueOrTheMark) {
  std::mt19937 random(11);
  const QString alphabet = QStringLiteral("0123456789.+-*/\\^!()=<>\"EDeMODANRSINCOTPI@TODAY% ,");
  for (int n = 0; n < 5000; ++n) {
    QString text;
    const int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) text += alphabet[static_cast<qsizetype>(random() % alphabet.size())];
    const Outcome r = Evaluated(text);
    SCOPED_TRACE(text.toStdString());
    ASSERT_TRUE(std::isfinite(r.Value));
    if (r.Text != text) {
      EXPECT_EQ(r.Text, u'%' + text);
      EXPECT_EQ(r.Value, 0);
    }
  }
}
