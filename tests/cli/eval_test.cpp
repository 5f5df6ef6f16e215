#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <tuple>

using arvex::test::RunArvex;
using arvex::test::RunArvexProcess;

TEST(EvalCommandTest, PrintsTheValueTextOrJsonAndSaysWhatIsWrong) {
  const std::tuple<QStringList, int, QString, QString> cases[] = {
      {{"(1+.2+.5-(2*4))/2"}, 0, "-3.15\n", ""},
      // Formulas may begin with a minus, even two.
      {{"--3"}, 0, "3\n", ""},
      // A comma is a decimal point, as in the field.
      {{"(1,25+,75)/2"}, 0, "1\n", ""},
      // A formula split by the shell is taken whole.
      {{"1", "+", "2", "*", "3"}, 0, "7\n", ""},
      // JSON numbers need the zero before the point that the number text
      // leaves out; the option may follow the formula.
      {{"--json", "-1/4"}, 0, "{\"value\": -0.25, \"text\": \"-.25\", \"error\": false}\n", ""},
      {{"2^3^2", "--json"}, 0, "{\"value\": 64, \"text\": \"64\", \"error\": false}\n", ""},
      // An evaluation error is value 0 and still success: said in the JSON
      // object, or else on standard error.
      {{"--json", "SQR(-4)"}, 0, "{\"value\": 0, \"text\": \"0\", \"error\": true}\n", ""},
      {{"1+SIN(0)"}, 0, "0\n", "arvex: the formula is in error; its value is 0\n"},
      {{}, 2, "", "arvex: eval needs a formula (try arvex eval --help)\n"},
      {{"--bogus", "1"}, 2, "", "arvex: unknown option --bogus (try arvex eval --help)\n"},
  };
  for (const auto& [args, status, out, err] : cases) {
    SCOPED_TRACE(args.join(u' ').toStdString());
    const auto r = RunArvex(QStringList{"eval"} + args);
    EXPECT_EQ(r.Status, status);
    EXPECT_EQ(r.Out, out);
    EXPECT_EQ(r.Err, err);
  }
}

TEST(EvalCommandTest, TheExecutableTakesALeadingMinus) {
  const auto r = RunArvexProcess({"eval", "-3+2"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, "-1\n");
  const auto json = RunArvexProcess({"eval", "--json", "--", "-2^2"});
  EXPECT_EQ(json.Out, "{\"value\": 4, \"text\": \"4\", \"error\": false}\n");
}
