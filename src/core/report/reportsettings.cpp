#include "report/reportsettings.h"

#include "platform/numtext.h"
#include "platform/settingsstore.h"

#include <algorithm>
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
  t.Costs.MachineRate = ReadSetting(store, kSettingsSection, kMachineRateKey, d.Costs.MachineRate);
  t.Costs.SetupRate = ReadSetting(store, kSettingsSection, kSetupRateKey, d.Costs.SetupRate);
  t.Costs.BarPrice = ReadSetting(store, kSettingsSection, kBarPriceKey, d.Costs.BarPrice);
  t.Costs.Quantity = ReadSetting(store, kSettingsSection, kBatchQuantityKey, d.Costs.Quantity);
  t.Costs.Efficiency = ReadSetting(store, kSettingsSection, kQuotedEfficiencyKey, d.Costs.Efficiency);
  return t;
}

void WriteReportSettingsTexts(QSettings& store, const ReportSettingsTexts& t) {
  WriteSetting(store, kSettingsSection, kHoursShiftKey, t.HoursShift);
  WriteSetting(store, kSettingsSection, kHoursDayKey, t.HoursDay);
  WriteSetting(store, kSettingsSection, kDaysWeekKey, t.DaysWeek);
  WriteSetting(store, kSettingsSection, kDisclaimerKey, t.Disclaimer);
  WriteSetting(store, kSettingsSection, kLogoPicKey, t.LogoPic);
  WriteSetting(store, kSettingsSection, kLogoSizeKey, t.LogoSize);
  WriteSetting(store, kSettingsSection, kMachineRateKey, t.Costs.MachineRate);
  WriteSetting(store, kSettingsSection, kSetupRateKey, t.Costs.SetupRate);
  WriteSetting(store, kSettingsSection, kBarPriceKey, t.Costs.BarPrice);
  WriteSetting(store, kSettingsSection, kBatchQuantityKey, t.Costs.Quantity);
  WriteSetting(store, kSettingsSection, kQuotedEfficiencyKey, t.Costs.Efficiency);
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
  s.Costs = CostSettingsFromTexts(t.Costs);
  return s;
}

CostSettings CostSettingsFromTexts(const CostSettingsTexts& t) {
  CostSettings c;
  double value = 0;
  auto amount = [&](const QString& text, double& field) {
    if (ValChecked(text, &value) && std::isfinite(value)) field = std::max(0.0, value);
  };
  amount(t.MachineRate, c.MachineRate);
  amount(t.SetupRate, c.SetupRate);
  amount(t.BarPrice, c.BarPrice);
  if (ValChecked(t.Quantity, &value)) c.Quantity = std::max(0, ToInt32(value).value_or(c.Quantity));
  if (ValChecked(t.Efficiency, &value) && std::isfinite(value)) c.Efficiency = value;
  return c;
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
  s.PrintTimeline = SwitchOn(store, kPrintTimelineKey);
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
  SaveReportSwitch(store, kPrintTimelineKey, s.PrintTimeline);
}

}  // namespace arvex
