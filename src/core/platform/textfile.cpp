#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>

namespace arvex {

namespace {

// Code points of the bytes 0x80..0x9F; the unassigned bytes keep their value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

FileError MakeError(int number, const QString& description) {
  // The classic runtime errors carry help contexts 1000000 + number.
  return FileError{number, description, 1000000 + number};
}

}  // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 0x80 && b <= 0x9F) text += QChar(kHigh[b - 0x80]);
    else text += QChar(static_cast<char16_t>(b));
  }
  return text;
}

bool EncodeWindows1252(const QString& text, QByteArray* bytes, QString* unencodable) {
  bytes->clear();
  bytes->reserve(text.size());
  QString bad;
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      bytes->append(static_cast<char>(u));
      continue;
    }
    bool found = false;
    for (size_t i = 0; i < kHigh.size(); ++i) {
      if (kHigh[i] == u) {
        bytes->append(static_cast<char>(0x80 + i));
        found = true;
        break;
      }
    }
    if (!found && !bad.contains(c)) bad += c;
  }
  if (unencodable) *unencodable = bad;
  return bad.isEmpty();
}

QString NameCharacters(const QString& chars) {
  QStringList names;
  for (QChar c : chars) {
    const QString code = QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
    names << QStringLiteral("\"%1\" (U+%2)").arg(c).arg(code);
  }
  return names.join(QStringLiteral(", "));
}

QStringList SplitLines(const QString& text) {
  QStringList lines;
  QString current;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c == u'\r' || c == u'\n') {
      lines.append(current);
      current.clear();
      if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.isEmpty()) lines.append(current);
  return lines;
}

FileError OpenError(const QString& path, bool forWriting) {
  const QFileInfo info(path);
  if (!info.absoluteDir().exists()) return MakeError(76, QStringLiteral("Path not found"));
  if (!forWriting && !info.exists()) return MakeError(53, QStringLiteral("File not found"));
  if (info.isDir()) return MakeError(75, QStringLiteral("Path/File access error"));
  if (info.exists() && (forWriting ? !info.isWritable() : !info.isReadable()))
    return MakeError(70, QStringLiteral("Permission denied"));
  return MakeError(75, QStringLiteral("Path/File access error"));
}

bool ReadFileBytes(const QString& path, QByteArray* bytes, FileError* error) {
  QFile file(path);
  if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
    if (error) *error = OpenError(path, false);
    return false;
  }
  *bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (error) *error = MakeError(57, QStringLiteral("Device I/O error"));
    return false;
  }
  return true;
}

bool ReadTextFile(const QString& path, QString* text, FileError* error) {
  QByteArray bytes;
  if (!ReadFileBytes(path, &bytes, error)) return false;
  *text = DecodeWindows1252(bytes);
  return true;
}

bool WriteTextFileAtomically(const QString& path, const QString& text, FileError* error) {
  QByteArray bytes;
  QString bad;
  if (!EncodeWindows1252(text, &bytes, &bad)) {
    if (error) {
      *error = FileError{5, QStringLiteral("These characters cannot be stored in the file: ") + NameCharacters(bad) +
                                QStringLiteral(". Please replace them and save again."),
                         1000005};
    }
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = OpenError(path, true);
    return false;
  }
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    file.cancelWriting();
    if (error) *error = MakeError(57, QStringLiteral("Device I/O error"));
    return false;
  }
  return true;
}

bool WriteLinesAtomically(const QString& path, const QStringList& lines, FileError* error) {
  QString text;
  for (const QString& line : lines) {
    text += line;
    text += QStringLiteral("\r\n");
  }
  return WriteTextFileAtomically(path, text, error);
}

}  // namespace arvex
