#include "platform/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

using namespace arvex;

namespace {

const NumberLocale kComma{u',', u'.'};
const double kInfinity = std::numeric_limits<double>::infinity();

template <class T>
using Texts = std::initializer_list<std::pair<T, const char*>>;

struct Picture {
  double Value;
  const char16_t* Format;
  const char* Text;
};

void ExpectFormats(std::initializer_list<Picture> cases) {
  for (const Picture& c : cases)
    EXPECT_EQ(Format(c.Value, c.Format), c.Text) << c.Value << " as " << QString::fromUtf16(c.Format).toStdString();
}

}  // namespace

TEST(StrTest, DoublesFifteenDigitsSinglesSevenIntegersAndNumberTextWithoutTheBlank) {
  for (const auto& [v, text] : Texts<double>{
           {0.5, " .5"}, {-0.25, "-.25"}, {0.0, " 0"}, {-0.0, " 0"}, {3.0, " 3"}, {-3.15, "-3.15"}, {0.099, " .099"},
           {144.0, " 144"}, {12345.678, " 12345.678"},
           // Fifteen significant digits.
           {1.0 / 3.0, " .333333333333333"}, {2.0 / 3.0, " .666666666666667"}, {0.1 + 0.2, " .3"},
           {123456789012345.0, " 123456789012345"}, {3.14159265358979323846, " 3.14159265358979"},
           {2 * 2.71828182845904523536, " 5.43656365691809"},
           // The exponent form outside the plain range.
           {1e20, " 1E+20"}, {1e15, " 1E+15"}, {999999999999999.0, " 999999999999999"}, {1.5e-7, " 1.5E-07"},
           {0.0001, " .0001"}, {0.00001, " 1E-05"}, {-2.5e100, "-2.5E+100"}, {1e-300, " 1E-300"},
           {std::nan(""), " 0"}})
    EXPECT_EQ(Str(v), text) << v;
  for (const auto& [v, text] : Texts<float>{{2.264f, " 2.264"}, {0.1f, " .1"}, {2.5146f, " 2.5146"},
                                            {3657.6f, " 3657.6"}, {1.0f / 3.0f, " .3333333"},
                                            {12345678.0f, " 1.234568E+07"}, {7.5f, " 7.5"}})
    EXPECT_EQ(Str(v), text) << v;
  EXPECT_EQ(Str(3), " 3");
  EXPECT_EQ(Str(-1), "-1");
  EXPECT_EQ(Str(static_cast<std::int16_t>(-32768)), "-32768");
  EXPECT_EQ(Str(2147483647LL * 4), " 8589934588");
  for (const auto& [v, text] : Texts<double>{{0.5, ".5"}, {-3.15, "-3.15"}, {1e20, "1E+20"}, {0.0, "0"}})
    EXPECT_EQ(NumberText(v), text) << v;
  EXPECT_EQ(NumberText(2.5f), "2.5");
}

TEST(ValTest, TheLeadingNumberPartOverflowAndStrRoundTrip) {
  for (const auto& [text, v] : std::initializer_list<std::pair<const char16_t*, double>>{
           {u"12abc", 12}, {u"", 0}, {u"abc", 0}, {u"  42", 42}, {u"-.5", -0.5}, {u"+.5", 0.5}, {u"1.5.6", 1.5},
           {u".", 0}, {u"-", 0}, {u"--5", 0}, {u"2.5in", 2.5}, {u"1,5", 1},
           // Blanks inside the number are ignored.
           {u" 1 2 3", 123}, {u"- 5", -5}, {u"\t7\n", 7},
           // Exponents with E or D.
           {u"1E3", 1000}, {u"1e3", 1000}, {u"1D3", 1000}, {u"1.5E-3", 0.0015}, {u"2d+2", 200}, {u"1E", 1},
           {u"1E+", 1}, {u"1Ex", 1}, {u"3E2E1", 300}, {u"1E-400", 0}, {u"1E400", 0},
           // Hexadecimal and octal.
           {u"&H1F", 31}, {u"&hff", 255}, {u"&HFFFF", -1}, {u"&O17", 15}, {u"&H10000", 65536}, {u"&", 0}})
    EXPECT_EQ(Val(text), v) << QString::fromUtf16(text).toStdString();
  double v = 5;
  EXPECT_FALSE(ValChecked(u"1E400", &v));
  EXPECT_EQ(v, 0);
  EXPECT_FALSE(ValChecked(u"9E99999999999999999", &v));
  EXPECT_TRUE(ValChecked(u"12abc", &v));
  EXPECT_EQ(v, 12);
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

TEST(FormatTest, DigitPicturesAndThreeSections) {
  ExpectFormats({
      // Optional digits drop leading and trailing zeros.
      {0.5, u"#.####", ".5"}, {0.0025, u".####", ".0025"}, {0.01, u".####", ".01"}, {12.7, u"#.####", "12.7"},
      {12.5, u".####", "12.5"}, {5.0, u"#.####", "5."}, {0.0, u"#.####", "."}, {0.00004, u"#.####", "."},
      {0.00005, u"#.####", ".0001"}, {49.5, u"###.##", "49.5"}, {12.5, u"##.##", "12.5"}, {0.0, u"##.##", "."},
      {1250.0, u"#####", "1250"},
      // Required digits.
      {4.2, u"00.00", "04.20"}, {11.75, u"00.00", "11.75"}, {123.456, u"00.00", "123.46"},
      {1.8, u"##0.00;;0.00", "1.80"}, {0.6, u"##0.00;;0.00", "0.60"}, {1234.5, u"##0.00;;0.00", "1234.50"},
      {2.0, u"#00.00;;0", "02.00"},
      // The empty picture is the general number.
      {0.5, u"", ".5"}, {-2.25, u"", "-2.25"},
      // Non-finite values never leak.
      {kInfinity, u"####.0", ".0"}, {std::nan(""), u"##0.00;;0.00", "0.00"},
  });
  ExpectFormats({
      {0.0, u"##0.00;;0.00", "0.00"}, {-1.5, u"##0.00;;0.00", "-1.50"}, {0.0, u"###.###;;0", "0"},
      {3.5, u"###.###;;0", "3.5"}, {0.0, u"#.####;;0", "0"},
      // An explicit negative section is written without an automatic minus.
      {-5.6, u"##.###;0;0", "6"}, {0.0, u"##.###;0;0", "0"}, {5.236, u"##.###;0;0", "5.236"},
      {-0.25, u"#.####;-#.####;0", "-.25"}, {0.0, u"#.####;-#.####;0", "0"}, {-2.0, u"0;(0)", "(2)"},
      // A negative that rounds to zero has no minus.
      {-0.001, u"0.00", "0.00"}, {-0.001, u"##0.00;;0.00", "0.00"},
  });
}

TEST(FormatTest, RoundsTheDecimalTextHalfAwayFromZero) {
  // The binary values lie just below the halves; the decimal text decides.
  ExpectFormats({{0.0375, u"0.000", "0.038"}, {1.0005, u"0.000", "1.001"}, {2.675, u"0.00", "2.68"},
                 {0.125, u"0.00", "0.13"}, {-0.125, u"0.00", "-0.13"}, {9.995, u"0.00", "10.00"},
                 {99.5, u"##", "100"}, {0.5, u"#", "1"}, {0.4, u"#", ""}});
  // 2.2645f is 2.26449990...; its 7-digit text 2.2645 rounds up.
  EXPECT_EQ(Format(2.2645f, u"0.000"), "2.265");
  EXPECT_EQ(Format(static_cast<double>(2.2645f), u"0.000"), "2.264");
  EXPECT_EQ(Format(0.0375f, u"0.000"), "0.038");
  EXPECT_EQ(Format(49.5f, u"###.##"), "49.5");
}

TEST(FormatTest, GroupingLiteralsPercentIntegersAndTheLocale) {
  ExpectFormats({{1234.5, u"##,###.0", "1,234.5"}, {12.0, u"##,###.0", "12.0"}, {0.0, u"##,###.0", ".0"},
                 {1234567.25, u"###,###.0", "1,234,567.3"}, {123456789.0, u"###,###,###.0", "123,456,789.0"},
                 {9876543210.0, u"###,###,###.0", "9,876,543,210.0"}, {-1234.5, u"##,###.0", "-1,234.5"},
                 {5.0, u"0\\s", "5s"}, {5.0, u"\"T=\"0", "T=5"}, {0.25, u"0%", "25%"},
                 {0.0, u"0.00;;\"none\"", "none"}});
  EXPECT_EQ(Format(42, u"####"), "42");
  EXPECT_EQ(Format(0, u"####"), "");
  EXPECT_EQ(Format(7, u"##"), "7");
  EXPECT_EQ(Format(12345, u"##"), "12345");
  ScopedNumberLocale comma(kComma);
  EXPECT_EQ(Format(1.5, u"#.#"), "1,5");
  EXPECT_EQ(Format(1234.5, u"##,###.0"), "1.234,5");
  // Str and NumberText never follow the locale.
  EXPECT_EQ(Str(1.5), " 1.5");
  EXPECT_EQ(NumberText(1.5), "1.5");
}

TEST(RoundingTest, HalvesToEvenWithinSixteenAndThirtyTwoBits) {
  for (const auto& [v, rounded] : std::initializer_list<std::pair<double, double>>{
           {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {0.5, 0}, {1.5, 2}})
    EXPECT_EQ(RoundHalfEven(v), rounded) << v;
  EXPECT_EQ(ToInt16(4999.5), 5000);
  EXPECT_EQ(ToInt16(4998.5), 4998);
  EXPECT_EQ(ToInt16(2.5), 2);
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_EQ(ToInt16(-32768.5), -32768);
  for (double v : {32767.5, -32768.6, kInfinity, std::nan("")}) EXPECT_FALSE(ToInt16(v).has_value()) << v;
  EXPECT_EQ(ToInt16Or(1e9, 7), 7);
  EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
  EXPECT_FALSE(ToInt32(2147483648.0).has_value());
  // A Single holds up to its largest value; beyond it, the overflow.
  const double largest = std::numeric_limits<float>::max();
  for (double v : {largest, -largest, 0.0, 1e-50}) EXPECT_TRUE(FitsSingle(v)) << v;
  for (double v : {1e39, std::nextafter(largest, kInfinity), -1e39, kInfinity, std::nan("")})
    EXPECT_FALSE(FitsSingle(v)) << v;
}

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
  EXPECT_EQ(ExactNumberText(2.5146f), "2.5146");  // a float's own shortest digits
}

TEST(ExactNumberTextTest, ShopValuesReadBackExactly) {
  // Any double is checked by the fuzz target; here values typed with few decimals.
  for (int i = 0; i < 10000000; i += 97) ASSERT_EQ(Val(ExactNumberText(i / 10000.0)), i / 10000.0) << i;
}
