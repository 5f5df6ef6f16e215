#include "cutting/unitconversion.h"

#include "platform/numtext.h"

#include <gtest/gtest.h>

using namespace arvex;

namespace {

TEST(UnitConversionTest, KeysAndDirections) {
  EXPECT_EQ(UnitConversionKey(u'm'), UnitDirection::ToMetric);
  EXPECT_EQ(UnitConversionKey(u'M'), UnitDirection::ToMetric);
  EXPECT_EQ(UnitConversionKey(u'i'), UnitDirection::ToInch);
  EXPECT_EQ(UnitConversionKey(u'I'), UnitDirection::ToInch);
  for (QChar c : QStringLiteral("nNjJ5.\" "))
    EXPECT_FALSE(UnitConversionKey(c).has_value()) << int(c.unicode());
}

TEST(UnitConversionTest, LengthsAndSurfaceSpeeds) {
  EXPECT_DOUBLE_EQ(ConvertUnitValue(1, UnitKind::Length, UnitDirection::ToMetric), 25.4);
  EXPECT_DOUBLE_EQ(ConvertUnitValue(25.4, UnitKind::Length, UnitDirection::ToInch), 1);
  EXPECT_DOUBLE_EQ(ConvertUnitValue(1000, UnitKind::SurfaceSpeed, UnitDirection::ToMetric), 304.8);
  EXPECT_DOUBLE_EQ(ConvertUnitValue(304.8, UnitKind::SurfaceSpeed, UnitDirection::ToInch), 1000);
  EXPECT_EQ(ConvertUnitValue(1200, UnitKind::None, UnitDirection::ToMetric), 1200);
}

TEST(UnitConversionTest, TextsAreFormattedToFourDecimals) {
  EXPECT_EQ(ConvertUnitsText(".5", UnitKind::Length, UnitDirection::ToMetric), "12.7");
  EXPECT_EQ(ConvertUnitsText("12.7", UnitKind::Length, UnitDirection::ToInch), ".5");
  EXPECT_EQ(ConvertUnitsText("1", UnitKind::Length, UnitDirection::ToInch), ".0394");
  EXPECT_EQ(ConvertUnitsText("4", UnitKind::Length, UnitDirection::ToMetric), "101.6");
  EXPECT_EQ(ConvertUnitsText("", UnitKind::Length, UnitDirection::ToMetric), ".");
  EXPECT_EQ(ConvertUnitsText("80", UnitKind::SurfaceSpeed, UnitDirection::ToMetric), "24.384");
  EXPECT_EQ(ConvertUnitsText("-2", UnitKind::Length, UnitDirection::ToMetric), "-50.8");
  // A count or a spindle speed keeps its text.
  EXPECT_EQ(ConvertUnitsText("1000", UnitKind::None, UnitDirection::ToMetric), "1000");
  // A value beyond a Single is left as typed.
  EXPECT_EQ(ConvertUnitsText("1e39", UnitKind::Length, UnitDirection::ToMetric), "1e39");
}

TEST(UnitConversionTest, DecimalCommaIsReadAndWritten) {
  ScopedNumberLocale comma({u',', u'.'});
  EXPECT_EQ(ConvertUnitsText("0,5", UnitKind::Length, UnitDirection::ToMetric), "12,7");
}

}  // namespace
