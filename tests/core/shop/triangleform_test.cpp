#include "shop/triangleform.h"

#include "support/qstringprint.h"

#include <gtest/gtest.h>

using namespace arvex;

namespace {

class TriangleFormTest : public ::testing::Test {
 protected:
  QStringList Boxes() const { return QStringList(form_.Text1.begin(), form_.Text1.end()); }

  // Boxes B, C, a, b and c typed, calculated, and the boxes afterwards.
  struct Case { QStringList Typed; bool Solved; QStringList Result; };
  void Check(const Case& c) {
    SCOPED_TRACE(c.Typed.join('|').toStdString());
    for (int i = 0; i < 5; ++i) form_.Text1[static_cast<std::size_t>(i)] = c.Typed[i];
    EXPECT_EQ(form_.Calculate(), c.Solved);
    EXPECT_EQ(Boxes(), c.Result);
  }

  Workspace ws_;
  TriangleForm form_{ws_};
};

}  // namespace

TEST_F(TriangleFormTest, SolvesFromAnAngleAndASideOrFromTwoSides) {
  form_.Close();  // without calculating
  EXPECT_EQ(ws_.LastCalcText, "Trig = B=0 C=0 a=0 b=0 c=0");
  const QStringList thirty = {"30", "60", "2.", "1.", "1.7321"};
  const QStringList threeFourFive = {"36.869897645844", "53.130102354156", "5.", "3.", "4."};
  const Case cases[] = {
      {{"30", "", "2", "", ""}, true, thirty},
      {{"30", "", "", "1", ""}, true, thirty},
      // Only C given: B = 30; b = tan(30) x c = 1.00003; a from both legs.
      {{"", "60", "", "", "1.7321"}, true, {"30", "60", "2.0001", "1.", "1.7321"}},
      {{"", "", "", "3", "4"}, true, threeFourFive},
      {{"", "", "5", "", "4"}, true, threeFourFive},
      {{"", "", "5", "3", ""}, true, threeFourFive},
      // Not enough input: the blanks become zero.
      {{"", "", "", "2", ""}, true, {"0", "0", "0", "2.", "0"}},
      // Arithmetic faults leave the boxes: a leg longer than the hypotenuse
      // (the square root of a negative number), an overflow.
      {{"", "", "1", "", "2"}, false, {"", "", "1", "", "2"}},
      {{"", "", "1E200", "1", ""}, false, {"", "", "1E200", "1", ""}},
  };
  for (const Case& c : cases) Check(c);
  Check(cases[0]);  // closing hands on the boxes
  form_.Close();
  EXPECT_EQ(ws_.LastCalcText, "Trig = B=30 C=60 a=2 b=1 c=1.7321");
  ws_.Study.Header.Metric = -1;  // metric sides: three decimals
  Check({{"30", "", "50", "", ""}, true, {"30", "60", "50.", "25.", "43.301"}});
}

TEST_F(TriangleFormTest, LeavingAnAngleBoxSetsTheOtherAndBlanksTheSides) {
  form_.Text1 = {"35.5", "", "2", "1", "3"};
  form_.LostFocus(TriangleForm::kAngleB);
  EXPECT_EQ(Boxes(), (QStringList{"35.5", "54.5", "", "", ""}));
  form_.Text1 = {"10", "72", "2", "", ""};
  form_.LostFocus(TriangleForm::kAngleC);
  EXPECT_EQ(Boxes(), (QStringList{"18", "72", "", "", ""}));
  // A side box, or an angle of 0, changes nothing.
  form_.Text1 = {"0", "", "2", "1", ""};
  form_.LostFocus(TriangleForm::kAngleB);
  form_.LostFocus(TriangleForm::kSideA);
  EXPECT_EQ(Boxes(), (QStringList{"0", "", "2", "1", ""}));
}

