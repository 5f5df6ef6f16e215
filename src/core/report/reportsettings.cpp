#include "report/reportsettings.h"

#include "platform/numtext.h"
#include "platform/settingsstore.h"

#include <cmath>

namespace arvex {

ReportSettingsTexts ReadReportSettingsTexts(QSettings& store) {
  const ReportSettingsTexts d;
  ReportSettingsTexts t;
  t.HoursShift = ReadSetting(store, kSettingsSection, kHoursShiftKey, d.HoursShift);
  t.HoursDay = ReadSetting(store, kSettingsSection, kHoursDayKey, d.HoursDay);
  t.DaysWeek = ReadSetting(store, kSettingsSection, kDaysWeekKey, d.DaysWeek);
  t.Disclaimer = ReadSetting(store, kSettingsSection, kDisclaimerKey, d.Disclaimer);
  t.LogoPic = ReadSetting(store, kSettingsSection, kLogoPicKey, d.LogoPic);
  t.LogoSize = ReadSetting(store, kSettingsSection, kLogoSizeKey, d.LogoSize);
  return t;
}

void WriteReportSettingsTexts(QSettings& store, const ReportSettingsTexts& t) {
  WriteSetting(store, kSettingsSection, kHoursShiftKey, t.HoursShift);
  WriteSetting(store, kSettingsSection, kHoursDayKey, t.HoursDay);
  WriteSetting(store, kSettingsSection, kDaysWeekKey, t.DaysWeek);
  WriteSetting(store, kSettingsSection, kDisclaimerKey, t.Disclaimer);
  WriteSetting(store, kSettingsSection, kLogoPicKey, t.LogoPic);
  WriteSetting(store, kSettingsSection, kLogoSizeKey, t.LogoSize);
  store.sync();
}

ReportSettings ReportSettingsFromTexts(const ReportSettingsTexts& t) {
  ReportSettings s;
  double value = 0;
  if (ValChecked(t.HoursShift, &value)) {
    const float single = static_cast<float>(value);
    if (std::isfinite(single)) s.HoursShift = single;
  }
  if (ValChecked(t.HoursDay, &value)) s.HoursDay = ToInt16Or(value, s.HoursDay);
  if (ValChecked(t.DaysWeek, &value)) s.DaysWeek = ToInt16Or(value, s.DaysWeek);
  s.Disclaimer = t.Disclaimer;
  s.LogoPic = t.LogoPic;
  if (ValChecked(t.LogoSize, &value)) s.LogoSize = ToInt16Or(value, s.LogoSize);
  return s;
}

namespace {
bool SwitchOn(QSettings& store, const QString& key) {
  return Val(ReadSetting(store, kPrintPreviewSection, key, QStringLiteral("1"))) != 0;
}
}  // namespace

ReportSwitches LoadReportSwitches(QSettings& store) {
  ReportSwitches s;
  s.PrintCutData = SwitchOn(store, kPrintCutDataKey);
  s.PrintToolHolders = SwitchOn(store, kPrintToolHoldersKey);
  s.PrintSetupData = SwitchOn(store, kPrintSetupDataKey);
  s.PrintToolImage = SwitchOn(store, kPrintToolImageKey);
  return s;
}

void SaveReportSwitch(QSettings& store, const QString& key, bool on) {
  WriteSetting(store, kPrintPreviewSection, key, on ? QStringLiteral("1") : QStringLiteral("0"));
  store.sync();
}

void SaveReportSwitches(QSettings& store, const ReportSwitches& s) {
  SaveReportSwitch(store, kPrintCutDataKey, s.PrintCutData);
  SaveReportSwitch(store, kPrintToolHoldersKey, s.PrintToolHolders);
  SaveReportSwitch(store, kPrintSetupDataKey, s.PrintSetupData);
  SaveReportSwitch(store, kPrintToolImageKey, s.PrintToolImage);
}

}  // namespace arvex
