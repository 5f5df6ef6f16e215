#include "shop/triangleform.h"

#include "platform/numtext.h"

#include "qstringprint.h"

#include <gtest/gtest.h>

using namespace arvex;

namespace {

class TriangleFormTest : public ::testing::Test {
 protected:
  // Fills the boxes B, C, a, b, c and calculates.
  bool Solve(const QString& B, const QString& C, const QString& a, const QString& b, const QString& c) {
    form_.Text1 = {B, C, a, b, c};
    return form_.Calculate();
  }
  QStringList Boxes() const { return QStringList(form_.Text1.begin(), form_.Text1.end()); }

  Workspace ws_;
  TriangleForm form_{ws_};
};

}  // namespace

TEST_F(TriangleFormTest, OneAngleAndTheHypotenuse) {
  ASSERT_TRUE(Solve("30", "", "2", "", ""));
  EXPECT_EQ(Boxes(), (QStringList{"30", "60", "2.", "1.", "1.7321"}));
  form_.Close();
  EXPECT_EQ(ws_.LastCalcText, "Trig = B=30 C=60 a=2 b=1 c=1.7321");
}

TEST_F(TriangleFormTest, OneAngleAndOneLeg) {
  ASSERT_TRUE(Solve("", "60", "", "", "1.7321"));
  // Only C given: B = 30; b = tan(30) x c = 1.00003; a from both legs.
  EXPECT_EQ(Boxes(), (QStringList{"30", "60", "2.0001", "1.", "1.7321"}));
  ASSERT_TRUE(Solve("30", "", "", "1", ""));
  EXPECT_EQ(Boxes(), (QStringList{"30", "60", "2.", "1.", "1.7321"}));
}

TEST_F(TriangleFormTest, TwoSidesGiveTheAngles) {
  ASSERT_TRUE(Solve("", "", "", "3", "4"));
  EXPECT_EQ(Boxes(), (QStringList{"36.869897645844", "53.130102354156", "5.", "3.", "4."}));
  ASSERT_TRUE(Solve("", "", "5", "", "4"));
  EXPECT_EQ(Boxes(), (QStringList{"36.869897645844", "53.130102354156", "5.", "3.", "4."}));
  ASSERT_TRUE(Solve("", "", "5", "3", ""));
  EXPECT_EQ(Boxes(), (QStringList{"36.869897645844", "53.130102354156", "5.", "3.", "4."}));
}

TEST_F(TriangleFormTest, ArithmeticFaultLeavesTheBoxes) {
  // A leg longer than the hypotenuse: the square root of a negative number.
  EXPECT_FALSE(Solve("", "", "1", "", "2"));
  EXPECT_EQ(Boxes(), (QStringList{"", "", "1", "", "2"}));
  EXPECT_FALSE(Solve("", "", "1E200", "1", ""));
  EXPECT_EQ(Boxes(), (QStringList{"", "", "1E200", "1", ""}));
}

TEST_F(TriangleFormTest, NotEnoughInputBlanksBecomeZero) {
  ASSERT_TRUE(Solve("", "", "", "2", ""));
  EXPECT_EQ(Boxes(), (QStringList{"0", "0", "0", "2.", "0"}));
}

TEST_F(TriangleFormTest, MetricSideFormat) {
  ws_.Study.Header.Metric = -1;
  ASSERT_TRUE(Solve("30", "", "50", "", ""));
  EXPECT_EQ(Boxes(), (QStringList{"30", "60", "50.", "25.", "43.301"}));
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

TEST_F(TriangleFormTest, CommaLocaleReadsAndWritesTheBoxes) {
  ScopedNumberLocale comma({u',', u'.'});
  ASSERT_TRUE(Solve("30", "", "2,5", "", ""));
  EXPECT_EQ(Boxes(), (QStringList{"30", "60", "2,5", "1,25", "2,1651"}));
  form_.Close();
  EXPECT_EQ(ws_.LastCalcText, "Trig = B=30 C=60 a=2,5 b=1,25 c=2,1651");
}

TEST_F(TriangleFormTest, CloseWithoutCalculating) {
  form_.Close();
  EXPECT_EQ(ws_.LastCalcText, "Trig = B=0 C=0 a=0 b=0 c=0");
}
