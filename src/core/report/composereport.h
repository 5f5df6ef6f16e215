#pragma once
// The "Cycle Time Estimate" report: title and part data, the total cycle
// time, the production table, bar usage, setup time, notes, and (each by its
// switch) the comparison of the spindle groups with every operation's
// details, the tool holders and the tooling layout images; every page
// numbered "Page n of m".
//
// It only reads the workspace: the time study, the comparison left by the
// last recalculation, the machine and the report settings.

#include "engine/cyclecomparison.h"
#include "report/reportdocument.h"
#include "report/reportsettings.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace arvex {

struct Workspace;

inline constexpr std::array<int, 7> kEfficiencies = {70, 75, 80, 85, 90, 95, 100};
inline const QString kProductionLayout =
    QStringLiteral("^+1300|^+800|+^1500|+^1500|+^1500|+^2000|+^2000;");
inline const QString kProductionHeader = QStringLiteral("Efficiency|1 hr|Shift|Day|Week|Month|Year;");
inline const QString kDetailLayout = QStringLiteral(
    "^+900|<+2200|+^750|+^700|+^700|+^700|+^700|+^800|+^700|+^665|+^665|+^665|+^665;");
inline const QString kDetailHeader =
    QStringLiteral("Tool No|Description|RPM|DIA.|SFM|IPR|IPM|Length|Time|Rapid|Index|Dwell|Other;");

struct ProductionRow {
  int Efficiency = 0;
  // Parts per hour, shift, day, week, month and year; all 0 when the rate
  // is not defined (no cycle time and no bar load time, or bar load time
  // with no part fitting on a bar).
  float PerHour = 0, PerShift = 0, PerDay = 0, PerWeek = 0, PerMonth = 0, PerYear = 0;
  // The seven cells as printed.
  QStringList Cells;
};

// The figures the report computes for itself.
struct ReportFigures {
  std::int16_t PartsPerBar = 0;
  float Remnant = 0;
  QString UnitText;  // " MM" or " inch"
  double CycleTotal = 0;
  QString CycleFormula;  // "(A C1 B2 D)"
  float BarLoadPerPart = 0;
  std::array<ProductionRow, 7> Production;
};

ReportFigures ComputeReportFigures(const Workspace& ws);

// The line under the production table ("Table based on 10hours/shift, ...").
QString TableBasedOnText(const Workspace& ws);

struct ComposeOptions {
  ReportSwitches Switches;
  // The date of "Printed on: ".
  QDate Today = QDate::currentDate();
};

// Composes the whole report into doc (any previous document is discarded).
void ComposeReport(const Workspace& ws, ReportDocument& doc, const ComposeOptions& options = {});

// The item lines of one group: each description at X = 500 and its value
// right-aligned 400 from the page's right edge, one line each (a line with
// an empty description still shows its value).
void PrintItemLines(ReportDocument& doc, const ItemLines& lines);

}  // namespace arvex
