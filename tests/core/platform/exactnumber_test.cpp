#include "platform/numtext.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

using namespace arvex;

TEST(ExactNumberTextTest, ShortestClassicForm) {
  for (const auto& [v, text] : std::initializer_list<std::pair<double, const char*>>{
           {0.5, ".5"}, {-0.25, "-.25"}, {0.1, ".1"}, {3.0, "3"}, {7.128, "7.128"}, {0.0, "0"}, {100000.0, "100000"},
           // More digits than Str's 15 where the value needs them.
           {0.1 + 0.2, ".30000000000000004"},
           // The exponent form outside the fixed range.
           {0.0001, ".0001"}, {0.00001, "1E-05"}, {-1.5e-7, "-1.5E-07"}, {1e15, "1E+15"},
           {999999999999999.0, "999999999999999"}, {1.2345678901234568e17, "1.2345678901234568E+17"},
           {5e-324, "5E-324"}, {std::numeric_limits<double>::max(), "1.7976931348623157E+308"},
           // Signed zero; non-finite values are written as 0.
           {-0.0, "-0"}, {std::numeric_limits<double>::quiet_NaN(), "0"}, {std::numeric_limits<double>::infinity(), "0"}})
    EXPECT_EQ(ExactNumberText(v), text) << v;
  EXPECT_TRUE(std::signbit(Val(ExactNumberText(-0.0))));
  // Floats use their own shortest digits.
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
