#include "expr/expressionevaluator.h"

#include "platform/numtext.h"
#include "support/qstringprint.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <numbers>

using namespace arvex;

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

// The formula is in error: 0, and one "%" in front of the caller's text.
void ExpectError(const QString& formula) {
  SCOPED_TRACE(formula.toStdString());
  const Outcome r = Evaluated(formula);
  EXPECT_EQ(r.Value, 0.0);
  EXPECT_EQ(r.Text, u'%' + formula);
}

void ExpectValues(std::initializer_list<std::pair<const char*, double>> cases) {
  for (const auto& [formula, value] : cases) ExpectValue(QString::fromLatin1(formula), value);
}

// Each formula's last step spliced the value text in: the value is exactly
// the number that text reads as, with its 15 digits.
void ExpectSpliced(std::initializer_list<std::pair<const char*, const char*>> cases) {
  for (const auto& [formula, valueText] : cases) {
    SCOPED_TRACE(formula);
    const Outcome r = Evaluated(QString::fromLatin1(formula));
    EXPECT_EQ(r.Text, QString::fromLatin1(formula));
    EXPECT_EQ(NumberText(r.Value), valueText);
    EXPECT_EQ(r.Value, Val(QString::fromLatin1(valueText)));
  }
}

void ExpectErrors(std::initializer_list<const char*> formulas) {
  for (const char* formula : formulas) ExpectError(QString::fromLatin1(formula));
}

}  // namespace

TEST(EvaluatorExamplesTest, ArithmeticPrecedenceSignsLogicFifteenDigitsAndErrors) {
  ExpectSpliced({{"(1+.2+.5-(2*4))/2", "-3.15"}, {"1.5E-3-1", "-.9985"}});
  ExpectValues({{"2+3*4", 14}, {"(2+3)*4", 20}, {"2^3^2", 64}, {"10-2-3", 5}, {"7MOD3", 1}, {"7\\2", 3}, {"5!", 120}});
  // A sign belongs to the number after an operator.
  ExpectValues({{"-2^2", 4}, {"3-2^2", -1}, {"2*-3", -6}, {"5--3", 8}, {"2*-3^2", 18}});
  ExpectValues({{"2<3", -1}, {"2>3", 0}, {"6AND3", 2}, {"6OR3", 7}, {"NOT0", -1}});
  // Texts that are no formula.
  ExpectValues({{"12ABC", 12}, {"", 0}, {"ABC", 0}});
  ExpectSpliced({{"1/3*3", ".999999999999999"}, {"1/3", ".333333333333333"}, {"2/3*3", "2"}, {".1+.2", ".3"},
                 {"1E20*1", "1E+20"}, {"1/3+1/3", ".666666666666666"}});
  ExpectErrors({"SIN(0)", "1+SIN(0)", "SQR(-4)", "LOG(0)", "1/0", "ARCCOS(2)", "(1+2", "123456!", "171!"});
}

TEST(EvaluatorConstantsTest, BlanksGoEverywhereNamesAreCaseSensitiveAndQuotedNamesStay) {
  // Blanks are removed everywhere; the caller's text is kept.
  ExpectValues({{" 1 + 2 * 3 ", 7}, {"1 2", 12}, {"   ", 0}});
  ExpectValues({{"PI", std::numbers::pi}, {"pi", 0}, {"E", 0}});
  ExpectSpliced({{"PI*2", "6.28318530717959"}, {"2*e", "5.43656365691809"}});
  // "ABSe" is ABS of e; "exp" loses its e and is no function any more.
  ExpectSpliced({{"ABSe", "2.71828182845905"}});
  ExpectValues({{"exp(1)", std::numbers::e}, {"EXP(1)", Val(u"2.71828182845905")}});
  // An exponent is written "E": "1e3" is 1 followed by the digits of e.
  ExpectValues({{"1E3", 1000}, {"1e3", Val(u"12.718281828459045235363")}});
  ExpectValues({{"\"e\"=\"E\"", -1}, {"\"PI\"=\"PI\"", -1}});
  // The first occurrence inside quotes ends the search for that name: the
  // later e is not replaced either.
  ExpectValues({{"\"e\"+e", 0}});
  ExpectSpliced({{"e+\"e\"", "2.71828182845905"}});
}

TEST(EvaluatorConstantsTest, TodayIsAWholeDayNumber) {
  ExpectValues({{"@TODAY", 45292}, {"@TODAY+1", 45293}, {"10+@TODAY", 45302}, {"2*@TODAY", 90584},
                 {"@TODAY-@TODAY", 0}, {"(@TODAY-45000)*2", 584}});
  // A group is evaluated on its upper-cased text, where "pi" reads "PI".
  ExpectValues({{"(pi)", Val(u"3.14159265358979")}, {"(@today)", 45292}, {"@today", 0}});
}

TEST(EvaluatorParenthesesTest, UnbalancedParenthesesAndALeadingMarkAreErrorsAndMarkedAgain) {
  ExpectErrors({"1+2)", "((1)", "%5", "%", ")(", "1)+(2", "(1))+((2)"});
  // Only a leading "%" marks an error.
  ExpectValues({{"5%", 5}});
  const Outcome once = Evaluated(" %1+2");
  EXPECT_EQ(once.Value, 0);
  EXPECT_EQ(once.Text, "% %1+2");
  ExpressionEvaluator evaluator(kToday);
  QString text = QStringLiteral("SQR(-1)");
  evaluator.Evaluate(text);
  evaluator.Evaluate(text);
  EXPECT_EQ(text, "%%SQR(-1)");
}

TEST(EvaluatorParenthesesTest, GroupsAreEvaluatedFirstAndTheirErrorsAreTheFormulas) {
  ExpectValues({{"((2))", 2}, {"(+5)", 5}, {"(-5)*2", -10}, {"2*(3+4)*(1+1)", 28}, {"((1+2)*(3+4))^2", 441},
                {"()", 0}, {"(3)!", 6}, {"(2+1)!", 6}});
  ExpectErrors({"1+(2+(SQR(-1)))", "(%5)", "2*(1/0)"});
}

TEST(EvaluatorPlainNumberTest, PlainNumbersAndLeftovers) {
  ExpectValues({{"+5", 5}, {"-.25", -0.25}, {"3.14159265358979323846", std::numbers::pi},
                {"1.7976931348623157E308", DBL_MAX}, {"1D3", 1000}, {"2.5.3", 2.5}});
  // A number too large for a double is an error.
  ExpectErrors({"1E999", "2*1E400", "1E999ABC"});
}

TEST(EvaluatorFunctionsTest, EveryFunctionsFormulaLongerNamesFirst) {
  ExpectSpliced({{"ARCSINH1", ".881373587019543"}, {"ARCSIN.5", ".523598775598299"}, {"SINH1", "1.1752011936438"},
                 {"SIN1", ".841470984807897"},      {"SECH1", ".648054273663885"},    {"SEC1", "1.85081571768093"},
                 {"CSCH1", ".850918128239322"},     {"CSC1", "1.18839510577812"},     {"COTH1", "1.31303528549933"},
                 {"COT1", ".642092615934331"},      {"ARCCOSH2", "1.31695789692482"}, {"ARCCOS.5", "1.0471975511966"}});
  // There is no COSH: COS takes the "H" as no number, cos 0 is 1.
  ExpectValues({{"COSH1", 1}});
  ExpectSpliced({{"ARCTANH.5", ".549306144334055"}, {"ARCCSCH-2", "-.481211825059603"},
                 {"ARCCOT1", "2.35619449019234"},   {"TAN1", "1.5574077246549"}});
  // ARCSEC and ARCCSC as written, not the textbook inverses.
  ExpectSpliced({{"ARCSEC2", ".857071947850131"}, {"ARCSEC-2", "-2.42786827464503"},
                 {"ARCCSC2", ".857071947850131"}, {"ARCCSC-2", "-3.99866460143992"}});
  // ln 1000 / ln 10 is 2.9999999999999996; its 15 digits are 3.
  ExpectValues({{"LOG1", 0}, {"CLG100", 2}, {"CLG1000", 3}, {"ABS-3", 3}, {"ABS+3", 3}});
  // NOT rounds halves to even.
  ExpectValues({{"NOT5", -6}, {"NOT-1", 0}, {"NOT2.5", -3}, {"NOT3.5", -5}});
  ExpectErrors({"NOT3E9"});
}

TEST(EvaluatorFunctionsTest, TheArgumentIsTheNumberDirectlyAfterTheName) {
  ExpectSpliced({{"SIN2^2", ".826821810431807"}, {"SQR1E2", "10"}});
  ExpectValues({{"SQR4*3", 6}, {"SQR(4)+SQR(9)", 5}, {"ABSABS-2", 2}, {"1+COS0", 2}});
}

TEST(EvaluatorFunctionsTest, ArgumentsOutsideTheTablesRangeAndNumericFaults) {
  ExpectErrors({"SIN0", "SIN-0", "CSC0", "COTH0", "LOG-1", "CLG0", "SQR-1", "ARCCOSH.5", "ARCTANH-1", "ARCCSCH0",
                "ARCSIN1.5", "ARCSEC.5", "ARCCSC0"});
  // Zero divisors the table does not name; logarithms of a negative number.
  ExpectErrors({"ARCSIN1", "CSCH0", "ARCCOSH-2", "ARCSECH-.5"});
  // Overflow; underflow is 0.
  ExpectErrors({"EXP710", "SECH-800"});
  ExpectValues({{"EXP-800", 0}});
  // Half pi is refused only when it is exact: PI/2 is carried as
  // 1.5707963267949, which is not pi/2.
  ExpectErrors({"TAN1.5707963267948966", "SEC-1.5707963267948966", "COT1.5707963267948966"});
  ExpectSpliced({{"TAN(PI/2)", "-286411383293069"}});
}

TEST(EvaluatorFactorialTest, TheDigitsDirectlyBeforeTheMarkAndRunsOfSignsFold) {
  ExpectValues({{"0!", 1}, {"!", 1}, {"3!!", 720}, {"3!+1", 7}, {"2*3!", 12}, {"0170!", Val(u"7.257415615308E+306")}});
  ExpectSpliced({{"170!", "7.257415615308E+306"}, {"170!*10", "7.257415615308E+307"}});
  // Only the digits count: "1.5!" is "1." and 5!.
  ExpectValues({{"1.5!", 1.12}});
  // Five digits or above 170.
  ExpectErrors({"00170!", "10000!", "170!*100"});
  ExpectValues({{"5++3", 8}, {"5-+3", 2}, {"5+-3", 2}, {"5---3", 2}, {"5----3", 8}, {"2*--3", 6}, {"--5", 5},
                {"1E--2", 100}});
}

TEST(EvaluatorOperatorTest, PowersFromLeftToRight) {
  ExpectValues({{"2^-1", 0.5}, {"0^0", 1}, {"1.5E2^2", 22500}, {"2^1E1", 1024}, {"-2^3", -8}, {"2^2^-1", 0.25}});
  ExpectSpliced({{"2^.5", "1.4142135623731"}});
  ExpectErrors({"^2", "10^400", "0^-1", "(-8)^(1/3)", "-2^.5"});
}

TEST(EvaluatorOperatorTest, MultiplicativeLeftmostFirst) {
  ExpectValues({{"6/2*3", 9}, {"2*3/4", 1.5}, {"8\\3*3", 6}, {"2*7MOD4", 2}, {"7MOD4*2", 6}, {"-7\\2", -3},
                {"2147483647\\1", 2147483647}});
  // Integer division and MOD round halves to even; MOD keeps the dividend's sign.
  ExpectValues({{"2.5\\1", 2}, {"3.5\\1", 4}, {"-2.5\\1", -2}, {"7\\2.5", 3}, {"7\\3.5", 1}, {"2.5MOD3", 2},
                {"3.5MOD3", 1}, {"7MOD2.5", 1}, {"7MOD3.5", 3}});
  ExpectValues({{"-7MOD3", -1}, {"7MOD-3", 1}, {"-7MOD-3", -1}, {"6MOD3", 0}, {"-2147483648MOD-1", 0}});
  // An operator standing last is no operator.
  ExpectValues({{"5*", 5}, {"5*3*", 15}, {"*", 0}});
  ExpectErrors({"*5", "/5", "\\5", "MOD5", "5/0", "5\\0", "5MOD0"});
  // A divisor that is not 0 but rounds to 0.
  ExpectErrors({"5\\.4", "5MOD.5"});
  // Operands and quotients beyond 32 bits.
  ExpectErrors({"3E9\\1", "1\\3E9", "3E9MOD2", "-2147483648\\-1", "1E200*1E200"});
  // Underflow is no fault: it is 0.
  ExpectValues({{"1E-200/1E200*1E300", 0}});
}

TEST(EvaluatorOperatorTest, AdditiveAndExponentSigns) {
  // Exponent signs are no operators.
  ExpectValues({{"1E+2+1", 101}, {"1D+2-1", 99}, {"1D2+1", 101}, {"1E-2+1", 1.01}, {"2*1D-2", 0.02}, {"1E2-1E1", 90}});
  ExpectValues({{"-5+3", -2}, {"+5+3", 8}, {"5+", 5}, {"1.-5", 1}, {"-1E4+2", -9998}, {"-1E5+23", -99977}});
  ExpectErrors({"1E308+1E308"});
}

TEST(EvaluatorOperatorTest, ComparisonsTrueIsMinusOneAndBeforeOr) {
  ExpectValues({{"2=2", -1}, {"1+1=2", -1}, {"2<3=-1", -1}, {"3>2>1", 0}, {"2=", 2}});
  ExpectErrors({"=2", "<2"});
  // Quoted texts compare by character code, upper-cased and compacted like
  // the rest of the formula.
  ExpectValues({{"\"A\"=\"A\"", -1}, {"\"A\"<\"B\"", -1}, {"\"B\"<\"A\"", 0}, {"\"AB\">\"A\"", -1}, {"\"\"=\"\"", -1},
                {"\"abc\"=\"ABC\"", -1}, {"\"A B\"=\"AB\"", -1}, {"\"Z\"<\"a\"", 0}, {"1+(\"A\"=\"A\")", 0}});
  // A quoted text without its quotes.
  ExpectErrors({"\"A\"=B", "\"=\"A\""});
  ExpectValues({{"1OR2AND3", 3}, {"-1AND5", 5}, {"2<3AND5", 5}, {"2.5AND3", 2}, {"3.5AND7", 4}, {"NOT0AND6", 6}});
  ExpectErrors({"3E9AND1", "1OR-3E9"});
}

TEST(EvaluatorLimitsTest, AtMost32767CharactersAnd100Parentheses) {
  ExpectValue(QString(32766, u' ') + u'7', 7);
  ExpectError(QString(32767, u' ') + u'7');
  QString sum = QStringLiteral("1");
  while (sum.size() + 2 <= 32767) sum += QStringLiteral("+1");
  ExpectValue(sum, 16384);
  // A text that grows past the limit is an error: each e becomes 22 characters.
  ExpectValue(QString(1489, u'e'),
              Val(QString(1489, u'e').replace(QStringLiteral("e"), QStringLiteral("2.71828182845904523536"))));
  ExpectError(QString(1490, u'e'));
  ExpectValue(QString(100, u'(') + QStringLiteral("1+1") + QString(100, u')'), 2);
  ExpectError(QString(101, u'(') + QStringLiteral("1+1") + QString(101, u')'));
  // Stray ")" do not hide the depth of what follows them.
  ExpectError(QString(150, u')') + QString(200, u'(') + u'1' + QString(200, u')') + QString(150, u'('));
}
