#include "report/reportsettings.h"

#include "platform/numtext.h"
#include "platform/settingsstore.h"

#include <cmath>

namespace arvex {

const std::vector<ReportSettingField>& ReportSettingFields() {
  static const std::vector<ReportSettingField> fields{
      {QStringLiteral("Hours worked in a shift:"), kHoursShiftKey, &ReportSettingsTexts::HoursShift, {}},
      {QStringLiteral("Hours worked in a day:"), kHoursDayKey, &ReportSettingsTexts::HoursDay, {}},
      {QStringLiteral("Days worked a week:"), kDaysWeekKey, &ReportSettingsTexts::DaysWeek, {}},
      {QStringLiteral("Disclaimer wording:"), kDisclaimerKey, &ReportSettingsTexts::Disclaimer, {}},
      {QStringLiteral("Logo file for printout:"), kLogoPicKey, &ReportSettingsTexts::LogoPic, {}},
      {QStringLiteral("Logo size adjustment (%):"), kLogoSizeKey, &ReportSettingsTexts::LogoSize, {}},
  };
  return fields;
}

ReportSettingsTexts ReadReportSettingsTexts(QSettings& store) {
  const ReportSettingsTexts d;
  ReportSettingsTexts t;
  for (const ReportSettingField& f : ReportSettingFields())
    t.*f.Member = ReadSetting(store, kSettingsSection, f.Key, d.*f.Member);
  return t;
}

void WriteReportSettingsTexts(QSettings& store, const ReportSettingsTexts& t) {
  for (const ReportSettingField& f : ReportSettingFields()) WriteSetting(store, kSettingsSection, f.Key, t.*f.Member);
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

ReportSwitches ReportSwitches::AllOff() {
  ReportSwitches s;
  for (const ReportSwitchField& f : ReportSwitchFields()) s.*f.Member = false;
  return s;
}

const std::vector<ReportSwitchField>& ReportSwitchFields() {
  static const std::vector<ReportSwitchField> fields{
      {QStringLiteral("Print Cutting Data"), kPrintCutDataKey, &ReportSwitches::PrintCutData},
      {QStringLiteral("Print Tool Holders"), kPrintToolHoldersKey, &ReportSwitches::PrintToolHolders},
      {QStringLiteral("Print Setup Data"), kPrintSetupDataKey, &ReportSwitches::PrintSetupData},
      {QStringLiteral("Print Tooling Layout Images"), kPrintToolImageKey, &ReportSwitches::PrintToolImage},
  };
  return fields;
}

ReportSwitches LoadReportSwitches(QSettings& store) {
  ReportSwitches s;
  for (const ReportSwitchField& f : ReportSwitchFields())
    s.*f.Member = Val(ReadSetting(store, kPrintPreviewSection, f.Key, QStringLiteral("1"))) != 0;
  return s;
}

void SaveReportSwitch(QSettings& store, const QString& key, bool on) {
  WriteSetting(store, kPrintPreviewSection, key, on ? QStringLiteral("1") : QStringLiteral("0"));
  store.sync();
}

void SaveReportSwitches(QSettings& store, const ReportSwitches& s) {
  for (const ReportSwitchField& f : ReportSwitchFields()) SaveReportSwitch(store, f.Key, s.*f.Member);
}

}  // namespace arvex
