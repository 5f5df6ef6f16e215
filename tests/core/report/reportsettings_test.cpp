#include "report/reportsettings.h"

#include "platform/settingsstore.h"
#include "support/testsupport.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace arvex {
namespace {

class ReportSettingsTest : public ::testing::Test {
 protected:
  std::unique_ptr<QSettings> Store() {
    return std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
  }
  QTemporaryDir dir;
};

TEST_F(ReportSettingsTest, AnEmptyStoreGivesTheDefaultsAndReadingWritesNothing) {
  auto store = Store();
  EXPECT_EQ(ReadReportSettingsTexts(*store), ReportSettingsTexts());
  EXPECT_EQ(ReportSettingsTexts().Disclaimer,
            "*** This is a time estimate, the actual machining time will vary. ***");
  EXPECT_EQ(ReportSettingsTexts().LogoSize, "100");
  EXPECT_EQ(LoadReportSettings(*store), ReportSettings());
  EXPECT_EQ(LoadReportSwitches(*store), ReportSwitches());
  EXPECT_TRUE(store->allKeys().isEmpty());
}

TEST_F(ReportSettingsTest, TextsAreReadByTheirLeadingNumber) {
  struct Case {
    const char *Shift, *Day, *Week, *Logo;
    float HoursShift;
    int HoursDay, DaysWeek, LogoSize;
  };
  const Case cases[] = {
      // Half hours a shift stay; the integers round halves to even.
      {"7.5", "7.5", "4.5", "62.5", 7.5f, 8, 4, 62},
      {"10", "8.5", "6", "100", 10, 8, 6, 100},
      {"8 hours", "abc", "99999", "", 8, 0, 6, 0},  // 99999 is too large: the default stays
      {"1E+300", "20", "6", "100", 10, 20, 6, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Shift + std::string("|") + c.Day + '|' + c.Week + '|' + c.Logo);
    ReportSettingsTexts texts;
    texts.HoursShift = c.Shift, texts.HoursDay = c.Day, texts.DaysWeek = c.Week, texts.LogoSize = c.Logo;
    const ReportSettings s = ReportSettingsFromTexts(texts);
    EXPECT_EQ(s.HoursShift, c.HoursShift);
    EXPECT_EQ(s.HoursDay, c.HoursDay);
    EXPECT_EQ(s.DaysWeek, c.DaysWeek);
    EXPECT_EQ(s.LogoSize, c.LogoSize);
  }
}

TEST_F(ReportSettingsTest, TextsAreStoredUnderTheProgramSectionAndComeBackAsTyped) {
  ReportSettingsTexts texts;
  texts.HoursShift = "7.5", texts.DaysWeek = "4.5", texts.LogoPic = "/home/me/logo.jpg";
  texts.Disclaimer = "Estimate, not a promise; \"quoted\"";
  texts.MachineRate = "85 per hour", texts.SetupRate = "-60", texts.BatchQuantity = "2.5";
  texts.QuotedEfficiency = "87.5";
  WriteReportSettingsTexts(*Store(), texts);
  const QString ini = QString::fromUtf8(test::ReadBytes(dir.filePath("settings.ini")));
  EXPECT_TRUE(ini.startsWith("[Arvex]"));
  for (const char* key : {"HoursShift=", "HoursDay=", "DaysWeek=", "Disclaimer=", "LogoPic=", "LogoSize=", "MachineRate="})
    EXPECT_TRUE(ini.contains(key)) << key;
  auto again = Store();  // a new store on the same file
  EXPECT_EQ(ReadReportSettingsTexts(*again), texts);
  EXPECT_EQ(ReadSetting(*again, "Arvex", "MachineRate", QString()), "85 per hour");
  EXPECT_EQ(LoadReportSettings(*again).DaysWeek, 4);
  // A negative rate is no rate; the quantity rounds halves to even.
  EXPECT_EQ(LoadReportSettings(*again).Costs, (CostSettings{85, 0, 0, 2, 87.5}));
  texts.MachineRate = "";
  texts.BatchQuantity = "99999999999";
  texts.QuotedEfficiency = "x";
  EXPECT_EQ(CostSettingsFromTexts(texts), (CostSettings{0, 0, 0, 1000, 0}));

  // A value with commas written by hand is one text.
  test::WriteBytes(dir.filePath("settings.ini"), "[Arvex]\nDisclaimer=An estimate, not a quote\n");
  EXPECT_EQ(ReadReportSettingsTexts(*Store()).Disclaimer, "An estimate, not a quote");
}

}  // namespace
}  // namespace arvex
