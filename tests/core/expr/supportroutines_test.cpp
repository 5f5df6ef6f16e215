#include "expr/supportroutines.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace arvex;

TEST(SupportRoutinesTest, FactorialIsTheNearestDoubleToTheExactProduct) {
  EXPECT_EQ(Factorial(0), 1);
  // A plain product in doubles drifts to 7.257415615307994e306.
  EXPECT_EQ(Factorial(170), 7.257415615307999e306);
  EXPECT_TRUE(std::isnan(Factorial(171)));
  EXPECT_TRUE(std::isnan(Factorial(-1)));
}

TEST(SupportRoutinesTest, Date2NumCountsDaysFromTheLastDayOf1899) {
  for (const auto& [date, day] : std::vector<std::pair<const char16_t*, int>>{
           {u"12-30-1899", 0}, {u"12-31-1899", 1}, {u"01-01-1900", 2}, {u"03-01-1900", 61}, {u"01-01-2024", 45292},
           {u"1/1/2024", 45292}, {u"02-29-2024", 45351}, {u"12-29-1899", -1}})
    EXPECT_EQ(Date2Num(date), day) << QString::fromUtf16(date).toStdString();
  for (const char16_t* date : {u"02-30-2024", u"01-01-24", u"2024-01-01"})  // no dates
    EXPECT_FALSE(Date2Num(date)) << QString::fromUtf16(date).toStdString();
}
