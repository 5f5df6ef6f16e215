#include "support/testsupport.h"

#include <gtest/gtest.h>

using arvex::test::RunArvex;
using arvex::test::RunArvexProcess;

TEST(EvalCommandTest, PrintsTheValueTextWithoutItsLeadingBlank) {
  const auto r = RunArvex({"eval", "(1+.2+.5-(2*4))/2"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, "-3.15\n");
  EXPECT_EQ(r.Err, "");
  EXPECT_EQ(RunArvex({"eval", "1/2"}).Out, ".5\n");
  EXPECT_EQ(RunArvex({"eval", "1E20"}).Out, "1E+20\n");
  EXPECT_EQ(RunArvex({"eval", "1/3*3"}).Out, ".999999999999999\n");
  EXPECT_EQ(RunArvex({"eval", ""}).Out, "0\n");
}

TEST(EvalCommandTest, JsonObject) {
  const auto r = RunArvex({"eval", "--json", "(1+.2+.5-(2*4))/2"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, "{\"value\": -3.15, \"text\": \"-3.15\", \"error\": false}\n");
  // JSON numbers need the zero before the point that the number text leaves out.
  EXPECT_EQ(RunArvex({"eval", "--json", "1/2"}).Out, "{\"value\": 0.5, \"text\": \".5\", \"error\": false}\n");
  EXPECT_EQ(RunArvex({"eval", "--json", "-1/4"}).Out, "{\"value\": -0.25, \"text\": \"-.25\", \"error\": false}\n");
  EXPECT_EQ(RunArvex({"eval", "--json", "1.5E-7"}).Out,
            "{\"value\": 1.5E-07, \"text\": \"1.5E-07\", \"error\": false}\n");
  // The option may follow the formula.
  EXPECT_EQ(RunArvex({"eval", "2^3^2", "--json"}).Out, "{\"value\": 64, \"text\": \"64\", \"error\": false}\n");
}

TEST(EvalCommandTest, AnEvaluationErrorIsValueZeroAndStillSuccess) {
  const auto json = RunArvex({"eval", "--json", "SQR(-4)"});
  EXPECT_EQ(json.Status, 0);
  EXPECT_EQ(json.Out, "{\"value\": 0, \"text\": \"0\", \"error\": true}\n");
  const auto plain = RunArvex({"eval", "1+SIN(0)"});
  EXPECT_EQ(plain.Status, 0);
  EXPECT_EQ(plain.Out, "0\n");
  EXPECT_EQ(plain.Err, "arvex: the formula is in error; its value is 0\n");
  // A text that was marked already is an error too.
  EXPECT_EQ(RunArvex({"eval", "--json", "%5"}).Out, "{\"value\": 0, \"text\": \"0\", \"error\": true}\n");
}

TEST(EvalCommandTest, FormulasMayBeginWithAMinus) {
  EXPECT_EQ(RunArvex({"eval", "-3+2"}).Out, "-1\n");
  EXPECT_EQ(RunArvex({"eval", "--", "-3"}).Out, "-3\n");
  EXPECT_EQ(RunArvex({"eval", "--3"}).Out, "3\n");
  EXPECT_EQ(RunArvex({"eval", "--json", "--", "--json"}).Out, "{\"value\": 0, \"text\": \"0\", \"error\": false}\n");
}

TEST(EvalCommandTest, ACommaIsADecimalPointAsInTheField) {
  EXPECT_EQ(RunArvex({"eval", "1,5*2"}).Out, "3\n");
  EXPECT_EQ(RunArvex({"eval", "(1,25+,75)/2"}).Out, "1\n");
  EXPECT_NE(RunArvex({"eval", "--help"}).Out.indexOf("\",\" reads as \".\""), -1);
}

TEST(EvalCommandTest, AFormulaSplitByTheShellIsTakenWhole) {
  EXPECT_EQ(RunArvex({"eval", "1", "+", "2", "*", "3"}).Out, "7\n");
}

TEST(EvalCommandTest, UsageErrors) {
  const auto none = RunArvex({"eval"});
  EXPECT_NE(none.Status, 0);
  EXPECT_EQ(none.Out, "");
  EXPECT_EQ(none.Err, "arvex: eval needs a formula (try arvex eval --help)\n");
  EXPECT_NE(RunArvex({"eval", "--json"}).Status, 0);
  const auto unknown = RunArvex({"eval", "--bogus", "1"});
  EXPECT_NE(unknown.Status, 0);
  EXPECT_EQ(unknown.Out, "");
  EXPECT_EQ(unknown.Err, "arvex: unknown option --bogus (try arvex eval --help)\n");
}

TEST(EvalCommandTest, TheExecutableTakesALeadingMinus) {
  const auto r = RunArvexProcess({"eval", "-3+2"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, "-1\n");
  const auto json = RunArvexProcess({"eval", "--json", "--", "-2^2"});
  EXPECT_EQ(json.Out, "{\"value\": 4, \"text\": \"4\", \"error\": false}\n");
}
