#include "platform/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace arvex;

namespace {
const NumberLocale kComma{u',', u'.'};
}

TEST(StrTest, LeadingBlankForNonNegativeAndNoZeroBeforeThePoint) {
  EXPECT_EQ(Str(0.5), " .5");
  EXPECT_EQ(Str(-0.25), "-.25");
  EXPECT_EQ(Str(0.0), " 0");
  EXPECT_EQ(Str(-0.0), " 0");
  EXPECT_EQ(Str(3.0), " 3");
  EXPECT_EQ(Str(-3.15), "-3.15");
  EXPECT_EQ(Str(0.099), " .099");
  EXPECT_EQ(Str(144.0), " 144");
  EXPECT_EQ(Str(12345.678), " 12345.678");
}

TEST(StrTest, DoubleKeepsFifteenSignificantDigits) {
  EXPECT_EQ(Str(1.0 / 3.0), " .333333333333333");
  EXPECT_EQ(Str(2.0 / 3.0), " .666666666666667");
  EXPECT_EQ(Str(0.1 + 0.2), " .3");
  EXPECT_EQ(Str(123456789012345.0), " 123456789012345");
  EXPECT_EQ(Str(3.14159265358979323846), " 3.14159265358979");
  EXPECT_EQ(Str(2 * 2.71828182845904523536), " 5.43656365691809");
}

TEST(StrTest, ExponentFormOutsideThePlainRange) {
  EXPECT_EQ(Str(1e20), " 1E+20");
  EXPECT_EQ(Str(1e15), " 1E+15");
  EXPECT_EQ(Str(999999999999999.0), " 999999999999999");
  EXPECT_EQ(Str(1.5e-7), " 1.5E-07");
  EXPECT_EQ(Str(0.0001), " .0001");
  EXPECT_EQ(Str(0.00001), " 1E-05");
  EXPECT_EQ(Str(-2.5e100), "-2.5E+100");
  EXPECT_EQ(Str(1e-300), " 1E-300");
}

TEST(StrTest, SingleKeepsSevenSignificantDigits) {
  EXPECT_EQ(Str(2.264f), " 2.264");
  EXPECT_EQ(Str(0.1f), " .1");
  EXPECT_EQ(Str(2.5146f), " 2.5146");
  EXPECT_EQ(Str(3657.6f), " 3657.6");
  EXPECT_EQ(Str(1.0f / 3.0f), " .3333333");
  EXPECT_EQ(Str(12345678.0f), " 1.234568E+07");
  EXPECT_EQ(Str(7.5f), " 7.5");
}

TEST(StrTest, Integers) {
  EXPECT_EQ(Str(3), " 3");
  EXPECT_EQ(Str(-1), "-1");
  EXPECT_EQ(Str(static_cast<std::int16_t>(-32768)), "-32768");
  EXPECT_EQ(Str(static_cast<std::int16_t>(50)), " 50");
  EXPECT_EQ(Str(2147483647LL * 4), " 8589934588");
}

TEST(StrTest, NumberTextDropsTheBlank) {
  EXPECT_EQ(NumberText(0.5), ".5");
  EXPECT_EQ(NumberText(-3.15), "-3.15");
  EXPECT_EQ(NumberText(1e20), "1E+20");
  EXPECT_EQ(NumberText(0.0), "0");
  EXPECT_EQ(NumberText(2.5f), "2.5");
}

TEST(ValTest, LeadingNumberPart) {
  EXPECT_EQ(Val(u"12abc"), 12);
  EXPECT_EQ(Val(u""), 0);
  EXPECT_EQ(Val(u"abc"), 0);
  EXPECT_EQ(Val(u"  42"), 42);
  EXPECT_EQ(Val(u"-.5"), -0.5);
  EXPECT_EQ(Val(u"+.5"), 0.5);
  EXPECT_EQ(Val(u"1.5.6"), 1.5);
  EXPECT_EQ(Val(u"."), 0);
  EXPECT_EQ(Val(u"-"), 0);
  EXPECT_EQ(Val(u"--5"), 0);
  EXPECT_EQ(Val(u"2.5in"), 2.5);
  EXPECT_EQ(Val(u"1,5"), 1);
}

TEST(ValTest, BlanksInsideTheNumberAreIgnored) {
  EXPECT_EQ(Val(u" 1 2 3"), 123);
  EXPECT_EQ(Val(u"- 5"), -5);
  EXPECT_EQ(Val(u"\t7\n"), 7);
}

TEST(ValTest, ExponentWithEOrD) {
  EXPECT_EQ(Val(u"1E3"), 1000);
  EXPECT_EQ(Val(u"1e3"), 1000);
  EXPECT_EQ(Val(u"1D3"), 1000);
  EXPECT_EQ(Val(u"1.5E-3"), 0.0015);
  EXPECT_EQ(Val(u"2d+2"), 200);
  EXPECT_EQ(Val(u"1E"), 1);
  EXPECT_EQ(Val(u"1E+"), 1);
  EXPECT_EQ(Val(u"1Ex"), 1);
  EXPECT_EQ(Val(u"3E2E1"), 300);
  EXPECT_EQ(Val(u"1E-400"), 0);
}

TEST(ValTest, OverflowReadsAsZeroAndIsReported) {
  EXPECT_EQ(Val(u"1E400"), 0);
  double v = 5;
  EXPECT_FALSE(ValChecked(u"1E400", &v));
  EXPECT_EQ(v, 0);
  EXPECT_FALSE(ValChecked(u"9E99999999999999999", &v));
  EXPECT_TRUE(ValChecked(u"12abc", &v));
  EXPECT_EQ(v, 12);
}

TEST(ValTest, HexadecimalAndOctal) {
  EXPECT_EQ(Val(u"&H1F"), 31);
  EXPECT_EQ(Val(u"&hff"), 255);
  EXPECT_EQ(Val(u"&HFFFF"), -1);
  EXPECT_EQ(Val(u"&O17"), 15);
  EXPECT_EQ(Val(u"&H10000"), 65536);
  EXPECT_EQ(Val(u"&"), 0);
}

TEST(ValTest, RoundTripsEveryStrText) {
  for (double v : {0.5, -3.15, 1e20, 1.5e-7, 1.0 / 3.0, 123456.789, 2.71828182845904}) {
    EXPECT_EQ(Val(Str(v)), std::stod(Str(v).trimmed().toStdString())) << v;
  }
}

TEST(ParseNumberTest, DecimalCommaOnlyUnderACommaLocale) {
  EXPECT_EQ(ParseNumber(u"1,5"), 1);
  EXPECT_EQ(ParseNumber(u"1.5"), 1.5);
  ScopedNumberLocale comma(kComma);
  EXPECT_EQ(ParseNumber(u"1,5"), 1.5);
  EXPECT_EQ(ParseNumber(u"1.5"), 1.5);
  EXPECT_EQ(ParseNumber(u"1,5,5"), 1.5);
  EXPECT_EQ(ParseNumber(u""), 0);
}

TEST(FormatTest, OptionalDigitsDropLeadingAndTrailingZeros) {
  EXPECT_EQ(Format(0.5, u"#.####"), ".5");
  EXPECT_EQ(Format(0.0025, u".####"), ".0025");
  EXPECT_EQ(Format(0.01, u".####"), ".01");
  EXPECT_EQ(Format(12.7, u"#.####"), "12.7");
  EXPECT_EQ(Format(12.5, u".####"), "12.5");
  EXPECT_EQ(Format(5.0, u"#.####"), "5.");
  EXPECT_EQ(Format(0.0, u"#.####"), ".");
  EXPECT_EQ(Format(0.00004, u"#.####"), ".");
  EXPECT_EQ(Format(0.00005, u"#.####"), ".0001");
}

TEST(FormatTest, RequiredDigits) {
  EXPECT_EQ(Format(4.2, u"00.00"), "04.20");
  EXPECT_EQ(Format(11.75, u"00.00"), "11.75");
  EXPECT_EQ(Format(123.456, u"00.00"), "123.46");
  EXPECT_EQ(Format(1.8, u"##0.00;;0.00"), "1.80");
  EXPECT_EQ(Format(0.6, u"##0.00;;0.00"), "0.60");
  EXPECT_EQ(Format(1234.5, u"##0.00;;0.00"), "1234.50");
  EXPECT_EQ(Format(2.0, u"#00.00;;0"), "02.00");
}

TEST(FormatTest, ThreeSections) {
  EXPECT_EQ(Format(0.0, u"##0.00;;0.00"), "0.00");
  EXPECT_EQ(Format(-1.5, u"##0.00;;0.00"), "-1.50");
  EXPECT_EQ(Format(0.0, u"###.###;;0"), "0");
  EXPECT_EQ(Format(3.5, u"###.###;;0"), "3.5");
  EXPECT_EQ(Format(0.0, u"#.####;;0"), "0");
  // An explicit negative section is written without an automatic minus.
  EXPECT_EQ(Format(-5.6, u"##.###;0;0"), "6");
  EXPECT_EQ(Format(0.0, u"##.###;0;0"), "0");
  EXPECT_EQ(Format(5.236, u"##.###;0;0"), "5.236");
  EXPECT_EQ(Format(-0.25, u"#.####;-#.####;0"), "-.25");
  EXPECT_EQ(Format(0.0, u"#.####;-#.####;0"), "0");
  EXPECT_EQ(Format(-2.0, u"0;(0)"), "(2)");
}

TEST(FormatTest, NegativeThatRoundsToZeroHasNoMinus) {
  EXPECT_EQ(Format(-0.001, u"0.00"), "0.00");
  EXPECT_EQ(Format(-0.001, u"##0.00;;0.00"), "0.00");
}

TEST(FormatTest, RoundsTheDecimalTextHalfAwayFromZero) {
  // The binary values lie just below the halves; the decimal text decides.
  EXPECT_EQ(Format(0.0375, u"0.000"), "0.038");
  EXPECT_EQ(Format(1.0005, u"0.000"), "1.001");
  EXPECT_EQ(Format(2.675, u"0.00"), "2.68");
  EXPECT_EQ(Format(0.125, u"0.00"), "0.13");
  EXPECT_EQ(Format(-0.125, u"0.00"), "-0.13");
  EXPECT_EQ(Format(9.995, u"0.00"), "10.00");
  EXPECT_EQ(Format(99.5, u"##"), "100");
  EXPECT_EQ(Format(0.5, u"#"), "1");
  EXPECT_EQ(Format(0.4, u"#"), "");
}

TEST(FormatTest, SingleIsRoundedFromItsSevenDigitText) {
  // 2.2645f is 2.26449990...; its 7-digit text 2.2645 rounds up.
  EXPECT_EQ(Format(2.2645f, u"0.000"), "2.265");
  EXPECT_EQ(Format(static_cast<double>(2.2645f), u"0.000"), "2.264");
  EXPECT_EQ(Format(0.0375f, u"0.000"), "0.038");
  EXPECT_EQ(Format(49.5f, u"###.##"), "49.5");
}

TEST(FormatTest, Grouping) {
  EXPECT_EQ(Format(1234.5, u"##,###.0"), "1,234.5");
  EXPECT_EQ(Format(12.0, u"##,###.0"), "12.0");
  EXPECT_EQ(Format(0.0, u"##,###.0"), ".0");
  EXPECT_EQ(Format(1234567.25, u"###,###.0"), "1,234,567.3");
  EXPECT_EQ(Format(123456789.0, u"###,###,###.0"), "123,456,789.0");
  EXPECT_EQ(Format(9876543210.0, u"###,###,###.0"), "9,876,543,210.0");
  EXPECT_EQ(Format(-1234.5, u"##,###.0"), "-1,234.5");
}

TEST(FormatTest, IntegersAndWholeNumberPictures) {
  EXPECT_EQ(Format(42, u"####"), "42");
  EXPECT_EQ(Format(0, u"####"), "");
  EXPECT_EQ(Format(1250.0, u"#####"), "1250");
  EXPECT_EQ(Format(7, u"##"), "7");
  EXPECT_EQ(Format(12345, u"##"), "12345");
  EXPECT_EQ(Format(49.5, u"###.##"), "49.5");
  EXPECT_EQ(Format(12.5, u"##.##"), "12.5");
  EXPECT_EQ(Format(0.0, u"##.##"), ".");
}

TEST(FormatTest, LiteralsAndPercent) {
  EXPECT_EQ(Format(5.0, u"0\\s"), "5s");
  EXPECT_EQ(Format(5.0, u"\"T=\"0"), "T=5");
  EXPECT_EQ(Format(0.25, u"0%"), "25%");
  EXPECT_EQ(Format(0.0, u"0.00;;\"none\""), "none");
}

TEST(FormatTest, LocaleDecimalAndGroupCharacters) {
  ScopedNumberLocale comma(kComma);
  EXPECT_EQ(Format(1.5, u"#.#"), "1,5");
  EXPECT_EQ(Format(1234.5, u"##,###.0"), "1.234,5");
  // Str and NumberText never follow the locale.
  EXPECT_EQ(Str(1.5), " 1.5");
}

TEST(FormatTest, EmptyPictureIsTheGeneralNumber) {
  EXPECT_EQ(Format(0.5, u""), ".5");
  EXPECT_EQ(Format(-2.25, u""), "-2.25");
}

TEST(FormatTest, NonFiniteValuesNeverLeak) {
  EXPECT_EQ(Format(std::numeric_limits<double>::infinity(), u"####.0"), ".0");
  EXPECT_EQ(Format(std::nan(""), u"##0.00;;0.00"), "0.00");
  EXPECT_EQ(Str(std::nan("")), " 0");
}

TEST(RoundingTest, HalvesToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(*ToInt16(4999.5), 5000);
  EXPECT_EQ(*ToInt16(4998.5), 4998);
  EXPECT_EQ(*ToInt16(2.5), 2);
}

TEST(RoundingTest, SixteenBitRange) {
  EXPECT_EQ(*ToInt16(32767.4), 32767);
  EXPECT_FALSE(ToInt16(32767.5).has_value());
  EXPECT_EQ(*ToInt16(-32768.5), -32768);
  EXPECT_FALSE(ToInt16(-32768.6).has_value());
  EXPECT_FALSE(ToInt16(std::numeric_limits<double>::infinity()).has_value());
  EXPECT_FALSE(ToInt16(std::nan("")).has_value());
  EXPECT_EQ(ToInt16Or(1e9, 7), 7);
  EXPECT_EQ(*ToInt32(2147483647.0), 2147483647);
  EXPECT_FALSE(ToInt32(2147483648.0).has_value());
}
