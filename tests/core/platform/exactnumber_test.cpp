#include "platform/numtext.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

using namespace arvex;

TEST(ExactNumberTextTest, ShortestClassicForm) {
  EXPECT_EQ(ExactNumberText(0.5), ".5");
  EXPECT_EQ(ExactNumberText(-0.25), "-.25");
  EXPECT_EQ(ExactNumberText(0.1), ".1");
  EXPECT_EQ(ExactNumberText(3.0), "3");
  EXPECT_EQ(ExactNumberText(7.128), "7.128");
  EXPECT_EQ(ExactNumberText(0.0), "0");
  EXPECT_EQ(ExactNumberText(100000.0), "100000");
  // More digits than Str's 15 where the value needs them.
  EXPECT_EQ(ExactNumberText(0.1 + 0.2), ".30000000000000004");
  EXPECT_EQ(Str(0.1 + 0.2), " .3");
}

TEST(ExactNumberTextTest, ExponentFormOutsideTheFixedRange) {
  EXPECT_EQ(ExactNumberText(0.0001), ".0001");
  EXPECT_EQ(ExactNumberText(0.00001), "1E-05");
  EXPECT_EQ(ExactNumberText(-1.5e-7), "-1.5E-07");
  EXPECT_EQ(ExactNumberText(1e15), "1E+15");
  EXPECT_EQ(ExactNumberText(999999999999999.0), "999999999999999");
  EXPECT_EQ(ExactNumberText(1.2345678901234568e17), "1.2345678901234568E+17");
  EXPECT_EQ(ExactNumberText(5e-324), "5E-324");
  EXPECT_EQ(ExactNumberText(std::numeric_limits<double>::max()), "1.7976931348623157E+308");
}

TEST(ExactNumberTextTest, SignedZeroAndNonFiniteValues) {
  EXPECT_EQ(ExactNumberText(-0.0), "-0");
  EXPECT_TRUE(std::signbit(Val(ExactNumberText(-0.0))));
  EXPECT_EQ(ExactNumberText(std::numeric_limits<double>::quiet_NaN()), "0");
  EXPECT_EQ(ExactNumberText(std::numeric_limits<double>::infinity()), "0");
}

TEST(ExactNumberTextTest, FloatsUseTheirOwnShortestDigits) {
  EXPECT_EQ(ExactNumberText(2.5146f), "2.5146");
  EXPECT_EQ(ExactNumberText(3657.6f), "3657.6");
  EXPECT_EQ(ExactNumberText(0.099f), ".099");
}

TEST(ExactNumberTextTest, EveryDoubleReadsBackBitForBit) {
  std::mt19937_64 random(20240611);
  int checked = 0;
  for (int i = 0; i < 200000; ++i) {
    const double x = std::bit_cast<double>(random());
    if (!std::isfinite(x)) continue;
    const double back = Val(ExactNumberText(x));
    ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(x))
        << ExactNumberText(x).toStdString();
    ++checked;
  }
  // Shop values typed with few decimals.
  for (int i = 0; i < 100000; ++i) {
    const double x = static_cast<double>(random() % 10000000) / 10000.0;
    ASSERT_EQ(Val(ExactNumberText(x)), x);
    ++checked;
  }
  EXPECT_GT(checked, 250000);
}
