#include "shop/shoptables.h"

#include "platform/units.h"
#include "platform/itemreader.h"
#include "platform/numtext.h"
#include "platform/textfile.h"

#include <QFileInfo>

#include <cmath>

namespace arvex {

namespace {

const QString kMissingSuffix = QStringLiteral(" is missing!");
const QString kErrorCaption = QStringLiteral("ERROR");
const QString kCantRead = QStringLiteral("Can't read the data file!");
const QString kDrillChartMissing = QStringLiteral("The drill data file is missing! ");

// Center drill depths turn degrees into radians with this shorter factor,
// not kRadiansPerDegree: the depths must match the ones always worked out
// from these tables.
constexpr double kDegree = 0.01745329252;

// Format for a table cell: the picture's digits with a decimal point, never
// the locale's comma, so that the cell reads back with Val as it was written.
QString CellText(double value, QStringView picture) {
  QString text = Format(value, picture);
  const QChar decimal = CurrentNumberLocale().Decimal;
  if (decimal != u'.') text.replace(decimal, u'.');
  return text;
}

void ConvertLengths(CenterDrillRow& row, double factor, QStringView picture) {
  for (int n : {2, 4, 5}) row.Cell(n) = CellText(Val(row.Cell(n)) * factor, picture);
}

// Reads a table file for a loader: the outcome, and the text when Ok.
TableReadStatus ReadTable(const QString& path, QString* text) {
  if (!QFileInfo::exists(path)) return TableReadStatus::Missing;
  FileError error;
  if (!ReadTextFile(path, text, &error)) return TableReadStatus::ReadError;
  return TableReadStatus::Ok;
}

// Reads and parses the center drill or the tap table. A missing file, an
// unreadable one or a parse fault is reported; after a parse fault the table
// keeps what was read before it.
template <typename Table, typename Parse>
Table LoadTable(const QString& path, Prompter& prompter, TableReadStatus* status, Parse parse) {
  QString text;
  TableReadStatus result = ReadTable(path, &text);
  Table table;
  if (result == TableReadStatus::Ok) {
    bool failed = false;
    table = parse(text, &failed);
    if (failed) result = TableReadStatus::ReadError;
  }
  if (result == TableReadStatus::Missing)
    prompter.ShowMessage(path + kMissingSuffix, kErrorCaption, MessageIcon::Question);
  else if (result == TableReadStatus::ReadError)
    prompter.ShowMessage(kCantRead);
  if (status) *status = result;
  return table;
}

// A number of the tap table as a single; false when it does not fit.
bool ToSingle(QStringView text, float* value) {
  const double v = Val(text);
  if (!FitsSingle(v)) return false;
  *value = static_cast<float>(v);
  return true;
}

}  // namespace

// ---- Center drills ------------------------------------------------------------

double CenterDrillRow::Body() const { return Val(Cells[1]); }
double CenterDrillRow::PilotAngle() const { return RoundHalfEven(Val(Cells[2])); }
double CenterDrillRow::PilotDiameter() const { return Val(Cells[3]); }
double CenterDrillRow::PilotLength() const { return Val(Cells[4]); }
double CenterDrillRow::ChamferAngle() const { return RoundHalfEven(Val(Cells[5])); }

bool CenterDrillRow::IsEmpty() const {
  for (const QString& cell : Cells)
    if (!cell.isEmpty()) return false;
  return true;
}

CenterDrillTable ParseCenterDrillTable(const QString& text, CenterDrillUnits units, bool* readError) {
  CenterDrillTable table;
  bool failed = false;
  ItemReader reader(text);
  QString item;

  bool found = false;
  while (reader.ReadItem(&item)) {
    if (item.contains(u"[INCH]")) {
      found = true;
      break;
    }
  }
  if (!found) failed = true;

  bool metric = false;
  while (found && table.StoredRows < CenterDrillTable::kRowCount) {
    if (!reader.ReadItem(&item)) break;  // the end of the file ends the table
    if (item.contains(u"[END]")) break;
    if (item.contains(u"[METRIC]")) {
      metric = true;
      continue;
    }
    if (item.isEmpty()) continue;

    CenterDrillRow row;
    row.Cell(1) = item;
    bool complete = true;
    for (int n = 2; n <= 6 && complete; ++n) complete = reader.ReadItem(&row.Cell(n));
    if (!complete) {
      failed = true;
      break;
    }
    if (metric && units == CenterDrillUnits::Inch)
      ConvertLengths(row, 1.0 / kMillimetresPerInch, u"#.####;-#.####;0");
    else if (!metric && units == CenterDrillUnits::Millimetre)
      ConvertLengths(row, kMillimetresPerInch, u"##.###;-##.###;0");
    table.Rows[static_cast<std::size_t>(table.StoredRows++)] = row;
  }
  if (readError) *readError = failed;
  return table;
}

CenterDrillTable LoadCenterDrillTable(const QString& appFolder, CenterDrillUnits units, Prompter& prompter,
                                      TableReadStatus* status) {
  return LoadTable<CenterDrillTable>(appFolder + kCenterDrillFileName, prompter, status,
                                     [units](const QString& text, bool* failed) {
                                       return ParseCenterDrillTable(text, units, failed);
                                     });
}

bool CenterDrillFits(const CenterDrillRow& row, double drillDiameter, double chamferDiameter) {
  return !row.IsEmpty() && row.Body() > chamferDiameter && row.PilotDiameter() <= drillDiameter;
}

std::optional<double> CenterDrillDepth(const CenterDrillRow& row, double chamferDiameter) {
  const double pilotDia = row.PilotDiameter();
  const double pointLength = std::tan((90 - row.PilotAngle() / 2) * kDegree) * pilotDia / 2;
  const double chamferDepth = std::tan((90 - row.ChamferAngle() / 2) * kDegree) * (chamferDiameter / 2 - pilotDia / 2);
  const double depth = pointLength + row.PilotLength() + chamferDepth;
  if (!std::isfinite(depth)) return std::nullopt;
  return depth;
}

// ---- Taps ---------------------------------------------------------------------

TapTable ParseTapTable(const QString& text, bool* readError) {
  TapTable table;
  bool failed = false;
  const QStringList lines = SplitLines(text);
  qsizetype i = 0;
  while (i < lines.size() && !lines[i].contains(u"[INCH]")) ++i;
  if (i == lines.size()) failed = true;

  QList<TapEntry>* section = &table.Inch;
  for (++i; !failed && i < lines.size(); ++i) {
    const QString& line = lines[i];
    if (line.contains(u"[END]")) break;
    if (line.contains(u"[METRIC]")) {
      if (section == &table.Metric) continue;
      section = &table.Metric;
      continue;
    }
    if (line.trimmed().isEmpty()) continue;
    if (section->size() >= TapTable::kMaxEntries) continue;  // the section is full

    const qsizetype first = line.indexOf(u',');
    if (first < 0) {
      failed = true;
      break;
    }
    const qsizetype second = line.indexOf(u',', first + 1);
    const QStringView rest = QStringView(line).mid(first + 1);
    const QStringView diameterText = second < 0 ? rest : QStringView(line).mid(first + 1, second - first - 1);
    const QStringView pitchText = second < 0 ? QStringView() : QStringView(line).mid(second + 1);
    TapEntry entry;
    entry.Name = line.left(first).trimmed();
    if (!ToSingle(diameterText, &entry.Diameter) || !ToSingle(pitchText, &entry.Pitch)) {
      failed = true;
      break;
    }
    section->append(entry);
  }
  if (readError) *readError = failed;
  return table;
}

TapTable LoadTapTable(const QString& appFolder, Prompter& prompter, TableReadStatus* status) {
  return LoadTable<TapTable>(appFolder + kTapDrillFileName, prompter, status, ParseTapTable);
}

// ---- Drill chart --------------------------------------------------------------

QString DrillChartEntry::ListLine() const {
  return u'|' + Name.leftJustified(5, u' ') + Str(Size);
}

QStringList DrillChart::ListLines() const {
  QStringList lines;
  lines.reserve(Entries.size());
  for (const DrillChartEntry& entry : Entries) lines.append(entry.ListLine());
  return lines;
}

DrillChart ParseDrillChart(const QString& text) {
  DrillChart chart;
  ItemReader reader(text);
  QString name;
  QString size;
  while (chart.Entries.size() < DrillChart::kMaxEntries) {
    if (!reader.ReadItem(&name)) break;
    if (name.isEmpty()) continue;
    if (!reader.ReadItem(&size)) break;
    chart.Entries.append({name, Val(size)});
  }
  return chart;
}

DrillChart LoadDrillChart(const QString& appFolder, Prompter& prompter, TableReadStatus* status) {
  const QString path = appFolder + kDrillChartFileName;
  QString text;
  const TableReadStatus result = ReadTable(path, &text);
  DrillChart chart;
  if (result == TableReadStatus::Ok) chart = ParseDrillChart(text);
  else if (result == TableReadStatus::Missing) prompter.ShowMessage(kDrillChartMissing + path);
  else prompter.ShowMessage(kCantRead);
  if (status) *status = result;
  return chart;
}

}  // namespace arvex
