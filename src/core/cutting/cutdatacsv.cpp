#include "cutting/cutdatacsv.h"

#include "cutting/cutdataqueries.h"
#include "platform/numtext.h"
#include "platform/textfile.h"

#include <QSaveFile>
#include <QStringDecoder>

#include <array>

namespace arvex {

namespace {

constexpr int kColumns = 10;
// The range columns, kRangeFields, come in file order from column 4 on.

QString Quoted(const QString& text) { return u'"' + text + u'"'; }

QString Count(qsizetype n) { return NumberText(static_cast<double>(n)); }

bool NeedsQuotes(const QString& cell) {
  if (cell.isEmpty()) return false;
  if (cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r')) return true;
  return cell.front().isSpace() || cell.back().isSpace();
}

}  // namespace

const QStringList& CutDataCsvHeader() {
  static const QStringList header = {
      QStringLiteral("GrpName"), QStringLiteral("Operation"), QStringLiteral("DepthofCut"), QStringLiteral("ToolGrade"),
      QStringLiteral("FromSFM"), QStringLiteral("ToSFM"),     QStringLiteral("FromIPR"),    QStringLiteral("ToIPR"),
      QStringLiteral("FromDiam"), QStringLiteral("ToDiam")};
  return header;
}

std::vector<CsvRecord> ParseCsv(const QString& s) {
  std::vector<CsvRecord> out;
  const qsizetype n = s.size();
  qsizetype i = 0;
  int line = 1;
  while (i < n) {
    CsvRecord record;
    record.Line = line;
    QString cell;
    bool inQuotes = false;
    bool cellStarted = false;  // something (a quote or a character) opened the cell
    bool anyQuoted = false;
    bool endOfRecord = false;
    while (i < n && !endOfRecord) {
      const QChar c = s[i];
      if (inQuotes) {
        if (c == u'"') {
          if (i + 1 < n && s[i + 1] == u'"') {
            cell += u'"';
            i += 2;
          } else {
            inQuotes = false;
            ++i;
          }
          continue;
        }
        if (c == u'\n' || (c == u'\r' && !(i + 1 < n && s[i + 1] == u'\n'))) ++line;
        cell += c;
        ++i;
        continue;
      }
      if (c == u',') {
        record.Cells << cell;
        cell.clear();
        cellStarted = false;
        ++i;
      } else if (c == u'\r' || c == u'\n') {
        i += (c == u'\r' && i + 1 < n && s[i + 1] == u'\n') ? 2 : 1;
        ++line;
        endOfRecord = true;
      } else if (c == u'"' && !cellStarted) {
        inQuotes = true;
        cellStarted = true;
        anyQuoted = true;
        ++i;
      } else {
        cell += c;
        cellStarted = true;
        ++i;
      }
    }
    record.Cells << cell;
    record.Unterminated = inQuotes;
    if (record.Cells.size() == 1 && record.Cells[0].isEmpty() && !anyQuoted) continue;
    out.push_back(std::move(record));
  }
  return out;
}

QString CsvLine(const QStringList& cells) {
  QStringList parts;
  parts.reserve(cells.size());
  for (const QString& c : cells) {
    if (NeedsQuotes(c)) {
      QString escaped = c;
      escaped.replace(u'"', QStringLiteral("\"\""));
      parts << Quoted(escaped);
    } else {
      parts << c;
    }
  }
  return parts.join(u',');
}

QString DecodeCsvBytes(const QByteArray& bytes) {
  QByteArray b = bytes;
  if (b.startsWith("\xEF\xBB\xBF")) b.remove(0, 3);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(b);
  if (utf8.hasError()) text = DecodeWindows1252(b);
  return text;
}

CutDataCsvRead ReadCutDataCsv(const QString& text, const QStringList& groupNames) {
  CutDataCsvRead result;
  const std::vector<CsvRecord> records = ParseCsv(text);
  bool first = true;
  for (const CsvRecord& record : records) {
    const bool isFirst = first;
    first = false;
    if (isFirst && record.Cells[0].trimmed().compare(CutDataCsvHeader()[0], Qt::CaseInsensitive) == 0) continue;
    bool allEmpty = true;
    for (const QString& c : record.Cells) allEmpty = allEmpty && c.trimmed().isEmpty();
    if (allEmpty && !record.Unterminated) continue;
    if (record.Unterminated) {
      result.Rejected.push_back({record.Line, QStringLiteral("a quoted text is not closed")});
      continue;
    }
    if (record.Cells.size() != kColumns) {
      result.Rejected.push_back({record.Line, QStringLiteral("wrong column count: ") + Count(record.Cells.size()) +
                                                  QStringLiteral(" columns, ") + Count(kColumns) +
                                                  QStringLiteral(" expected")});
      continue;
    }
    QStringList reasons;
    CuttingDataRecord row;
    const QString& group = record.Cells[0];
    if (group.isEmpty()) {
      reasons << QStringLiteral("no material group");
    } else {
      const qsizetype at = groupNames.indexOf(group);
      if (at < 0) reasons << QStringLiteral("unknown material group ") + Quoted(group);
      else row.GrpIndex = static_cast<int>(at) + 1;
    }
    row.Operation = record.Cells[1];
    row.DepthofCut = record.Cells[2];
    row.ToolGrade = record.Cells[3];
    for (size_t k = 0; k < kRangeFields.size(); ++k) {
      const QString& cell = record.Cells[static_cast<qsizetype>(4 + k)];
      if (!ParseRangeText(cell, &(row.*kRangeFields[k].Member))) {
        reasons << QStringLiteral("bad number in ") + CutDataCsvHeader()[static_cast<qsizetype>(4 + k)] +
                       QStringLiteral(": ") + Quoted(cell);
      }
    }
    if (!reasons.isEmpty()) {
      result.Rejected.push_back({record.Line, reasons.join(QStringLiteral("; "))});
      continue;
    }
    result.Rows.push_back(std::move(row));
  }
  return result;
}

QString WriteCutDataCsv(const std::vector<CuttingDataRecord>& rows, const QStringList& groupNames,
                        QStringList* warnings) {
  QString text = CsvLine(CutDataCsvHeader()) + QStringLiteral("\r\n");
  int line = 1;
  for (const CuttingDataRecord& r : rows) {
    ++line;
    QString group;
    if (r.GrpIndex >= 1 && r.GrpIndex <= groupNames.size()) {
      group = groupNames[r.GrpIndex - 1];
    } else if (warnings) {
      *warnings << QStringLiteral("line ") + Count(line) + QStringLiteral(": group number ") +
                       NumberText(static_cast<double>(r.GrpIndex)) +
                       QStringLiteral(" is no material group; written without a group name");
    }
    QStringList cells = {group, r.Operation, r.DepthofCut, r.ToolGrade};
    for (const RangeField& field : kRangeFields) cells << RangeText(r.*field.Member);
    text += CsvLine(cells) + QStringLiteral("\r\n");
  }
  return text;
}

bool ExportCutDataCsv(const CuttingDatabase& db, const QString& path, int* rowCount, QStringList* warnings,
                      QString* error) {
  QStringList groups;
  std::vector<CuttingDataRecord> rows;
  if (!db.ReadGroupNames(&groups, error) || !db.Select(ShowAllQuery(), &rows, error)) return false;
  const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + WriteCutDataCsv(rows, groups, warnings).toUtf8();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = QStringLiteral("Cannot write ") + path + QStringLiteral(": ") + file.errorString();
    return false;
  }
  if (rowCount) *rowCount = static_cast<int>(rows.size());
  return true;
}

bool ImportCutDataCsv(CuttingDatabase& db, const QString& path, int* added, std::vector<CsvRejection>* rejected,
                      QString* error) {
  if (added) *added = 0;
  rejected->clear();
  QByteArray bytes;
  FileError fileError;
  if (!ReadFileBytes(path, &bytes, &fileError)) {
    if (error) *error = QStringLiteral("Cannot read ") + path + QStringLiteral(": ") + fileError.Description;
    return false;
  }
  QStringList groups;
  if (!db.ReadGroupNames(&groups, error)) return false;
  CutDataCsvRead read = ReadCutDataCsv(DecodeCsvBytes(bytes), groups);
  if (!read.Rejected.empty()) {
    *rejected = read.Rejected;
    if (error) {
      *error = QStringLiteral("Nothing was imported: ") + Count(static_cast<qsizetype>(read.Rejected.size())) +
               QStringLiteral(" of ") + Count(static_cast<qsizetype>(read.Rejected.size() + read.Rows.size())) +
               QStringLiteral(" lines were rejected.");
    }
    return false;
  }
  if (!db.InsertAll(&read.Rows, error)) return false;
  if (added) *added = static_cast<int>(read.Rows.size());
  return true;
}

}  // namespace arvex
