#include "expr/supportroutines.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace arvex;

TEST(SupportRoutinesTest, TextRoutines) {
  // Compact removes blanks only.
  for (const auto& [text, compact] : std::vector<std::pair<const char16_t*, const char*>>{
           {u" 1 + 2 * ( 3 ) ", "1+2*(3)"}, {u"\"A B\"", "\"AB\""}, {u"1\t2", "1\t2"}, {u"   ", ""}})
    EXPECT_EQ(Compact(text), compact);
  // InCount counts without overlap.
  for (const auto& [text, part, count] : std::vector<std::tuple<const char16_t*, const char16_t*, int>>{
           {u"\"A\"=\"B\"", u"\"", 4}, {u"aaaa", u"aa", 2}, {u"aaa", u"aa", 1}, {u"abc", u"x", 0}, {u"abc", u"", 0},
           {u"", u"a", 0}})
    EXPECT_EQ(InCount(text, part), count) << QString::fromUtf16(text).toStdString();
  // ASCII is the code of the first character.
  EXPECT_EQ(ASCII(u"A1"), 65);
  EXPECT_EQ(ASCII(u"\""), 34);
  EXPECT_EQ(ASCII(u"\u00e9"), 0xe9);
  EXPECT_EQ(ASCII(u""), -1);
  EXPECT_EQ(MaxInt(3, -4), 3);
  EXPECT_EQ(MinInt(3, -4), -4);
  EXPECT_EQ(MinInt(7, 7), 7);
}

TEST(SupportRoutinesTest, PMatchFindsTheClosingParenthesis) {
  for (const auto& [text, at] : std::vector<std::pair<const char16_t*, int>>{
           {u"(1)", 3}, {u"(1+(2*3))*4", 9}, {u"()()", 2}, {u"((1)", 0}, {u"(2", 0}, {u"1)", 0}, {u"", 0}})
    EXPECT_EQ(PMatch(text), at) << QString::fromUtf16(text).toStdString();
}

TEST(SupportRoutinesTest, QInstrBSearchesBackwardFromStart) {
  //                 123456789
  const QString t = QStringLiteral("\"AB\"=\"CD\"");
  EXPECT_EQ(QInstrB(3, t, u"\""), 1);
  EXPECT_EQ(QInstrB(4, t, u"\""), 4);
  EXPECT_EQ(QInstrB(9, t, u"\""), 9);
  EXPECT_EQ(QInstrB(100, t, u"\""), 9);
  EXPECT_EQ(QInstrB(0, t, u"\""), 0);
  EXPECT_EQ(QInstrB(3, t, u"="), 0);
  // The occurrence must begin at or before start.
  EXPECT_EQ(QInstrB(2, u"xABx", u"AB"), 2);
  EXPECT_EQ(QInstrB(1, u"xABx", u"AB"), 0);
  EXPECT_EQ(QInstrB(5, u"ab", u""), 0);
}

TEST(SupportRoutinesTest, FactorialIsTheNearestDoubleToTheExactProduct) {
  EXPECT_EQ(Factorial(0), 1);
  EXPECT_EQ(Factorial(1), 1);
  EXPECT_EQ(Factorial(5), 120);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0);
  // A plain product in doubles drifts to 7.257415615307994e306.
  EXPECT_EQ(Factorial(170), 7.257415615307999e306);
  EXPECT_EQ(Factorial(25), 1.5511210043330986e25);
  EXPECT_TRUE(std::isnan(Factorial(171)));
  EXPECT_TRUE(std::isnan(Factorial(-1)));
}

TEST(SupportRoutinesTest, Date2NumCountsDaysFromTheLastDayOf1899) {
  for (const auto& [date, day] : std::vector<std::pair<const char16_t*, int>>{
           {u"12-30-1899", 0}, {u"12-31-1899", 1}, {u"01-01-1900", 2}, {u"03-01-1900", 61}, {u"01-01-2024", 45292},
           {u"1/1/2024", 45292}, {u"02-29-2024", 45351}, {u"12-29-1899", -1}})
    EXPECT_EQ(Date2Num(date), day) << QString::fromUtf16(date).toStdString();
  // Texts that are no date.
  for (const char16_t* date : {u"", u"02-30-2024", u"13-01-2024", u"01-01-24", u"01-01/2024", u"01-01-2024x",
                               u"2024-01-01"})
    EXPECT_FALSE(Date2Num(date)) << QString::fromUtf16(date).toStdString();
}
