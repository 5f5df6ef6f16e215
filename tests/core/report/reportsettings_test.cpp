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
    return std::make_unique<QSettings>(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  }
  QTemporaryDir dir;
};

TEST_F(ReportSettingsTest, AnEmptyStoreGivesTheDefaults) {
  auto store = Store();
  const ReportSettingsTexts texts = ReadReportSettingsTexts(*store);
  EXPECT_EQ(texts.HoursShift, QStringLiteral("10"));
  EXPECT_EQ(texts.HoursDay, QStringLiteral("20"));
  EXPECT_EQ(texts.DaysWeek, QStringLiteral("6"));
  EXPECT_EQ(texts.Disclaimer,
            QStringLiteral("*** This is a time estimate, the actual machining time will vary. ***"));
  EXPECT_EQ(texts.LogoPic, QString());
  EXPECT_EQ(texts.LogoSize, QStringLiteral("100"));
  EXPECT_EQ(LoadReportSettings(*store), ReportSettings());
  EXPECT_EQ(LoadReportSettings(*store).HoursShift, 10.0f);
  EXPECT_EQ(LoadReportSettings(*store).HoursDay, 20);
  EXPECT_EQ(LoadReportSettings(*store).LogoSize, 100);
  EXPECT_TRUE(store->allKeys().isEmpty());  // reading writes nothing
}

TEST_F(ReportSettingsTest, HalfHoursAShiftStayAndHalfHoursADayRoundToEven) {
  auto store = Store();
  ReportSettingsTexts texts;
  texts.HoursShift = QStringLiteral("7.5");
  texts.HoursDay = QStringLiteral("7.5");
  texts.DaysWeek = QStringLiteral("4.5");
  texts.LogoSize = QStringLiteral("62.5");
  WriteReportSettingsTexts(*store, texts);
  // A new store on the same file: the texts come back as they were typed.
  auto again = Store();
  EXPECT_EQ(ReadReportSettingsTexts(*again), texts);
  const ReportSettings s = LoadReportSettings(*again);
  EXPECT_EQ(s.HoursShift, 7.5f);
  EXPECT_EQ(s.HoursDay, 8);
  EXPECT_EQ(s.DaysWeek, 4);
  EXPECT_EQ(s.LogoSize, 62);
  texts.HoursDay = QStringLiteral("8.5");
  EXPECT_EQ(ReportSettingsFromTexts(texts).HoursDay, 8);
}

TEST_F(ReportSettingsTest, TextsAreReadByTheirLeadingNumber) {
  ReportSettingsTexts texts;
  texts.HoursShift = QStringLiteral("8 hours");
  texts.HoursDay = QStringLiteral("abc");
  texts.DaysWeek = QStringLiteral("99999");  // too large for the field: the default stays
  texts.LogoSize = QString();
  const ReportSettings s = ReportSettingsFromTexts(texts);
  EXPECT_EQ(s.HoursShift, 8.0f);
  EXPECT_EQ(s.HoursDay, 0);
  EXPECT_EQ(s.DaysWeek, 6);
  EXPECT_EQ(s.LogoSize, 0);
  texts.HoursShift = QStringLiteral("1E+300");
  EXPECT_EQ(ReportSettingsFromTexts(texts).HoursShift, 10.0f);
}

TEST_F(ReportSettingsTest, StoredUnderTheProgramSectionInTheirOrder) {
  {
    auto store = Store();
    ReportSettingsTexts texts;
    texts.Disclaimer = QStringLiteral("Estimate, not a promise; \"quoted\"");
    texts.LogoPic = QStringLiteral("/home/me/logo.jpg");
    WriteReportSettingsTexts(*store, texts);
  }
  const QString ini = QString::fromUtf8(test::ReadBytes(dir.filePath(QStringLiteral("settings.ini"))));
  EXPECT_TRUE(ini.startsWith(QStringLiteral("[Arvex]")));
  const QStringList keys = {QStringLiteral("HoursShift="), QStringLiteral("HoursDay="), QStringLiteral("DaysWeek="),
                            QStringLiteral("Disclaimer="), QStringLiteral("LogoPic="), QStringLiteral("LogoSize=")};
  for (const QString& key : keys) EXPECT_TRUE(ini.contains(key)) << key.toStdString();
  auto store = Store();
  EXPECT_EQ(ReadSetting(*store, QStringLiteral("Arvex"), QStringLiteral("LogoPic"), QString()),
            QStringLiteral("/home/me/logo.jpg"));
  EXPECT_EQ(ReadReportSettingsTexts(*store).Disclaimer, QStringLiteral("Estimate, not a promise; \"quoted\""));
}

TEST_F(ReportSettingsTest, ValueWithCommasWrittenByHandIsOneText) {
  test::WriteBytes(dir.filePath(QStringLiteral("settings.ini")),
                   "[Arvex]\nDisclaimer=An estimate, not a quote\n");
  auto store = Store();
  EXPECT_EQ(ReadReportSettingsTexts(*store).Disclaimer, QStringLiteral("An estimate, not a quote"));
}

TEST_F(ReportSettingsTest, SectionSwitchesAreOnUntilStoredOff) {
  auto store = Store();
  EXPECT_EQ(LoadReportSwitches(*store), ReportSwitches());
  SaveReportSwitch(*store, kPrintCutDataKey, false);
  SaveReportSwitch(*store, kPrintToolImageKey, false);
  auto again = Store();
  const ReportSwitches s = LoadReportSwitches(*again);
  EXPECT_FALSE(s.PrintCutData);
  EXPECT_TRUE(s.PrintToolHolders);
  EXPECT_TRUE(s.PrintSetupData);
  EXPECT_FALSE(s.PrintToolImage);
  EXPECT_EQ(ReadSetting(*again, QStringLiteral("PrintPreview"), QStringLiteral("PrintCutData"), QString()),
            QStringLiteral("0"));
  SaveReportSwitches(*again, ReportSwitches());
  EXPECT_EQ(ReadSetting(*again, QStringLiteral("PrintPreview"), QStringLiteral("PrintToolImage"), QString()),
            QStringLiteral("1"));
  EXPECT_EQ(LoadReportSwitches(*again), ReportSwitches());
}

TEST_F(ReportSettingsTest, TheStoreOfARunCanBeAFileOfItsOwn) {
  const QString file = dir.filePath(QStringLiteral("run.ini"));
  qputenv("ARVEX_SETTINGS_FILE", file.toLocal8Bit());
  {
    auto store = OpenSettingsStore();
    EXPECT_EQ(store->fileName(), file);
    WriteSetting(*store, kSettingsSection, kHoursDayKey, QStringLiteral("16"));
  }
  qunsetenv("ARVEX_SETTINGS_FILE");
  QSettings check(file, QSettings::IniFormat);
  EXPECT_EQ(check.value(QStringLiteral("Arvex/HoursDay")).toString(), QStringLiteral("16"));
  // Without it, the program's own store of organisation and application "Arvex".
  auto user = OpenSettingsStore();
  EXPECT_EQ(user->organizationName(), QStringLiteral("Arvex"));
  EXPECT_EQ(user->applicationName(), QStringLiteral("Arvex"));
}

}  // namespace
}  // namespace arvex
