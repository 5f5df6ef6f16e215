#pragma once
// The cutdat table as a CSV file for spreadsheets: a header line, then one
// line per row with the group by name. Texts are quoted when they hold a
// comma, a quote, a line end or outer blanks (quotes doubled); an empty
// range cell is an empty value. Written as UTF-8 with a byte-order mark and
// CR LF; read as UTF-8, or as Windows-1252 when the bytes are no UTF-8.
//
// Import is all or nothing: every line is checked first, and the rows are
// added in one transaction only when no line was rejected, so a corrected
// file can simply be imported again without doubling the good rows.

#include "cutting/cuttingdatabase.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace arvex {

// GrpName,Operation,DepthofCut,ToolGrade,FromSFM,ToSFM,FromIPR,ToIPR,FromDiam,ToDiam
const QStringList& CutDataCsvHeader();

// One record of a CSV text: its cells and the line it starts on (1-based).
struct CsvRecord {
  int Line = 0;
  QStringList Cells;
  bool Unterminated = false;  // a quoted cell runs to the end of the text
};
// Splits CSV text into records; a quoted cell may hold commas, quotes
// (doubled) and line ends. Lines that are empty are skipped.
std::vector<CsvRecord> ParseCsv(const QString& text);
// One CSV line (without line end) of the cells.
QString CsvLine(const QStringList& cells);
// The bytes of a CSV file as text: a UTF-8 byte-order mark is dropped;
// bytes that are not UTF-8 are read as Windows-1252.
QString DecodeCsvBytes(const QByteArray& bytes);

// A line the import refuses, with every reason found on it.
struct CsvRejection {
  int Line = 0;
  QString Reason;  // "unknown material group \"Steel\""
  bool operator==(const CsvRejection&) const = default;
};

// The rows of a CSV text checked against the group names (0-based list:
// entry i is group i + 1, first exact match). A first line whose first cell
// is "GrpName" (in any case) is the header and is skipped, as are lines
// with only empty cells.
struct CutDataCsvRead {
  std::vector<CuttingDataRecord> Rows;
  std::vector<CsvRejection> Rejected;
};
CutDataCsvRead ReadCutDataCsv(const QString& text, const QStringList& groupNames);

// The CSV text of rows (header included). A row whose group number is no
// group is written with an empty group name and named in *warnings.
QString WriteCutDataCsv(const std::vector<CuttingDataRecord>& rows, const QStringList& groupNames,
                        QStringList* warnings = nullptr);

// Writes every cutdat row of db to path (through a temporary file renamed
// over it). *rowCount receives the number of rows written.
bool ExportCutDataCsv(const CuttingDatabase& db, const QString& path, int* rowCount, QStringList* warnings,
                      QString* error);

// Reads path and adds its rows to db when no line is rejected. An unreadable
// file or a database failure changes nothing and sets *error; rejected lines
// are listed in *rejected (nothing is added then). *added receives the
// number of rows added.
bool ImportCutDataCsv(CuttingDatabase& db, const QString& path, int* added, std::vector<CsvRejection>* rejected,
                      QString* error);

}  // namespace arvex
