#pragma once
// Shop hours, disclaimer and logo of the printed report. Loading and saving
// them in the settings store belongs to the report settings module.

#include <QString>

#include <cstdint>

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
};

}  // namespace arvex
