#pragma once
// Shop hours, disclaimer and logo of the printed report, and the four
// section switches of the report, with their storage in the settings store.

#include <QString>

#include <cstdint>
#include <vector>

class QSettings;

namespace arvex {

inline const QString kDefaultDisclaimer =
    QStringLiteral("*** This is a time estimate, the actual machining time will vary. ***");

struct ReportSettings {
  float HoursShift = 10;
  std::int16_t HoursDay = 20;
  std::int16_t DaysWeek = 6;
  QString Disclaimer = kDefaultDisclaimer;
  QString LogoPic;
  std::int16_t LogoSize = 100;
  bool operator==(const ReportSettings&) const = default;
};

// The six values as the settings store and the settings window hold them:
// texts, in the store's order.
struct ReportSettingsTexts {
  QString HoursShift = QStringLiteral("10");
  QString HoursDay = QStringLiteral("20");
  QString DaysWeek = QStringLiteral("6");
  QString Disclaimer = kDefaultDisclaimer;
  QString LogoPic;
  QString LogoSize = QStringLiteral("100");
  bool operator==(const ReportSettingsTexts&) const = default;
};

// The keys, in the order they are saved.
inline const QString kHoursShiftKey = QStringLiteral("HoursShift");
inline const QString kHoursDayKey = QStringLiteral("HoursDay");
inline const QString kDaysWeekKey = QStringLiteral("DaysWeek");
inline const QString kDisclaimerKey = QStringLiteral("Disclaimer");
inline const QString kLogoPicKey = QStringLiteral("LogoPic");
inline const QString kLogoSizeKey = QStringLiteral("LogoSize");

// One box of the report settings window: its label, its key and the text
// it edits. The table drives the window, the store and the save order; a
// new setting is a member above and a line in the table. Group names a box
// of its own in the window ("" for the shop hours).
struct ReportSettingField {
  QString Label;
  QString Key;
  QString ReportSettingsTexts::*Member;
  QString Group;
};
// In the store's (and the window's) order.
const std::vector<ReportSettingField>& ReportSettingFields();

// Each stored text of the section "Arvex", or its default when absent.
ReportSettingsTexts ReadReportSettingsTexts(QSettings& store);
// Writes the six texts in the order HoursShift, HoursDay, DaysWeek,
// Disclaimer, LogoPic, LogoSize.
void WriteReportSettingsTexts(QSettings& store, const ReportSettingsTexts& texts);
// The values the report uses: each number is the text's leading number; the
// integers are rounded to the nearest, halves to even ("7.5" hours a day is
// 8). A number too large for its field keeps the default.
ReportSettings ReportSettingsFromTexts(const ReportSettingsTexts& texts);
// The values as the store holds them.
inline ReportSettings LoadReportSettings(QSettings& store) {
  return ReportSettingsFromTexts(ReadReportSettingsTexts(store));
}

// The section switches of the report, stored as "1" (on) or "0" (off)
// under the section "PrintPreview"; every one is on by default.
struct ReportSwitches {
  bool PrintCutData = true;
  bool PrintToolHolders = true;
  bool PrintSetupData = true;
  bool PrintToolImage = true;
  bool operator==(const ReportSwitches&) const = default;
  static ReportSwitches AllOff();
};

inline const QString kPrintPreviewSection = QStringLiteral("PrintPreview");
inline const QString kPrintCutDataKey = QStringLiteral("PrintCutData");
inline const QString kPrintToolHoldersKey = QStringLiteral("PrintToolHolders");
inline const QString kPrintSetupDataKey = QStringLiteral("PrintSetupData");
inline const QString kPrintToolImageKey = QStringLiteral("PrintToolImage");

// One switch: the caption of its check box, its key and its member. The
// table drives the preview window's check boxes (Check1, Check2, ... in
// this order) and the store; a new switch is a member above and a line in
// the table.
struct ReportSwitchField {
  QString Caption;
  QString Key;
  bool ReportSwitches::*Member;
};
const std::vector<ReportSwitchField>& ReportSwitchFields();

// A switch is on when its stored text reads as a number other than 0.
ReportSwitches LoadReportSwitches(QSettings& store);
// Stores one switch ("1" or "0") under its key.
void SaveReportSwitch(QSettings& store, const QString& key, bool on);
void SaveReportSwitches(QSettings& store, const ReportSwitches& switches);

}  // namespace arvex
