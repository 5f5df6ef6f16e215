#pragma once
// The three shop tables the user keeps in the application folder with any
// text editor: center drills (CEN-INFO.TXT), common taps (TAPDRILL.TXT) and
// the drill chart (DRILLDAT.TXT). A table is read afresh each time a window
// or Auto Set needs it and is never written back.
//
// Each table has a parser over the file's text (no messages; for tests and
// the fuzz target) and a loader that reads the file from the application
// folder and tells the user what went wrong through the Prompter:
//   center drill or tap table missing: full path + " is missing!", caption
//     "ERROR", question icon; the table stays empty;
//   any read fault in those two: "Can't read the data file!"; what was read
//     before the fault stays;
//   drill chart missing: "The drill data file is missing! " + full path.

#include "platform/prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace arvex {

inline const QString kCenterDrillFileName = QStringLiteral("CEN-INFO.TXT");
inline const QString kTapDrillFileName = QStringLiteral("TAPDRILL.TXT");
inline const QString kDrillChartFileName = QStringLiteral("DRILLDAT.TXT");

// How a loader ended. Missing and ReadError have already been reported.
enum class TableReadStatus { Ok, Missing, ReadError };

// ---- Center drills ------------------------------------------------------------

// The unit system a reader wants the whole center drill table in.
enum class CenterDrillUnits { Inch, Millimetre };

// One row of six text cells, numbered 1 to 6 as in the file:
// 1 designation, 2 body diameter, 3 pilot point angle (degrees),
// 4 pilot diameter, 5 pilot length, 6 chamfer (countersink) included angle.
// Cells are kept as text; an empty cell reads as 0.
struct CenterDrillRow {
  std::array<QString, 6> Cells;

  // Cell n, 1 to 6.
  const QString& Cell(int n) const { return Cells[static_cast<std::size_t>(n - 1)]; }
  QString& Cell(int n) { return Cells[static_cast<std::size_t>(n - 1)]; }

  const QString& Designation() const { return Cells[0]; }
  double Body() const;
  // The angles as whole degrees (halves to even).
  double PilotAngle() const;
  double PilotDiameter() const;
  double PilotLength() const;
  double ChamferAngle() const;
  // True when no cell holds text (a row the file did not fill).
  bool IsEmpty() const;
};

struct CenterDrillTable {
  static constexpr int kRowCount = 51;  // rows 0 to 50
  std::array<CenterDrillRow, kRowCount> Rows;
  // Rows filled from the file, from row 0 on; the others stay empty.
  int StoredRows = 0;
};

// Reads CEN-INFO.TXT text: items are comma or line-end separated, quoted or
// plain. Everything before the item holding "[INCH]" is skipped; inch rows
// follow until an item holds "[METRIC]" or "[END]", metric rows until
// "[END]" or the end of the text. Empty items between rows are skipped.
// Rows are stored in file order, at most 51 (later rows are ignored).
//
// `units` is the unit system wanted for the whole table:
//   Inch:       inch rows as read; cells 2, 4 and 5 of metric rows divided
//               by 25.4 and stored as "#.####;-#.####;0" text;
//   Millimetre: metric rows as read; cells 2, 4 and 5 of inch rows times
//               25.4 stored as "##.###;-##.###;0" text.
// The center drill window always wants Inch; Auto Set wants the time study's
// units (Millimetre in a metric study). Converted cells are written with a
// decimal point whatever the number locale, so they read back as written.
//
// A text without "[INCH]", or a row cut short by the end of the text, sets
// *readError (the incomplete row is not stored).
CenterDrillTable ParseCenterDrillTable(const QString& text, CenterDrillUnits units, bool* readError);

// Reads appFolder + "CEN-INFO.TXT" as ParseCenterDrillTable does and reports
// a missing or unreadable file through the prompter (see the top of this
// file). appFolder ends with the directory separator.
CenterDrillTable LoadCenterDrillTable(const QString& appFolder, CenterDrillUnits units, Prompter& prompter,
                                      TableReadStatus* status = nullptr);

// Whether a center drill suits a hole: its body is wider than the chamfer
// diameter wanted and its pilot is not wider than the drill (or hole). An
// empty row never fits.
bool CenterDrillFits(const CenterDrillRow& row, double drillDiameter, double chamferDiameter);

// The feed depth at which the drill's countersink reaches chamferDiameter:
// the pilot point's length, the pilot length and the depth of the chamfer
// cone from the pilot diameter out to chamferDiameter, with the angles as
// whole degrees. Works in the row's unit. nullopt when the arithmetic fails
// (a result that is not a finite number).
std::optional<double> CenterDrillDepth(const CenterDrillRow& row, double chamferDiameter);

// ---- Taps ---------------------------------------------------------------------

struct TapEntry {
  QString Name;        // shown in the list
  float Diameter = 0;  // major diameter
  float Pitch = 0;     // inch section: inches (above 1 means threads per inch); metric: mm
};

struct TapTable {
  static constexpr int kMaxEntries = 151;  // per section, entries 0 to 150
  QList<TapEntry> Inch;
  QList<TapEntry> Metric;
};

// Reads TAPDRILL.TXT text line by line: lines up to the one holding
// "[INCH]" are skipped; inch entries follow until a line holding "[METRIC]"
// or "[END]", metric entries until "[END]" or the end of the text. An entry
// line is `name,diameter,pitch` (name before the first comma, blanks around
// it dropped; the numbers by their leading numeric part); blank lines are
// skipped. Lines past the 151st entry of a section are ignored up to the
// section's end marker. A text without "[INCH]", a non-blank line without a
// comma, or a number too large for single precision sets *readError and ends
// the reading with what was read so far.
TapTable ParseTapTable(const QString& text, bool* readError);

// Reads appFolder + "TAPDRILL.TXT" and reports a missing or unreadable file.
TapTable LoadTapTable(const QString& appFolder, Prompter& prompter, TableReadStatus* status = nullptr);

// ---- Drill chart --------------------------------------------------------------

struct DrillChartEntry {
  QString Name;  // number (wire), letter, fraction or millimetre size
  double Size = 0;

  // "|" + the name padded with blanks to 5 characters (a longer name is not
  // cut) + Str(size), e.g. "|7     .201".
  QString ListLine() const;
};

struct DrillChart {
  static constexpr int kMaxEntries = 251;  // entries 0 to 250
  QList<DrillChartEntry> Entries;

  QStringList ListLines() const;
};

// Reads DRILLDAT.TXT text as `name, size` item pairs to the end of the text,
// at most 251 pairs. Empty items where a name is due (blank lines) are
// skipped; a name without a size at the very end is dropped.
DrillChart ParseDrillChart(const QString& text);

// Reads appFolder + "DRILLDAT.TXT"; a missing file is reported as
// "The drill data file is missing! " + the path and gives an empty chart; a
// file that exists but cannot be read gives "Can't read the data file!".
DrillChart LoadDrillChart(const QString& appFolder, Prompter& prompter, TableReadStatus* status = nullptr);

}  // namespace arvex
