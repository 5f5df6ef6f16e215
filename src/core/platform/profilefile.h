#pragma once
// Profile files ("[Section]" lines, then "Key=Value" lines), read and written
// with the semantics of the classic Windows profile functions, so that
// machine files exchange with Windows installations:
//
//  - section and key names are compared ignoring case; the first section of
//    a name and the first key of a name in it count, later duplicates are
//    kept in the file but never read;
//  - blanks around names and values are dropped, then one pair of matching
//    double or single quotes around a value is removed ("' x '" reads " x ");
//  - a value keeps at most 511 characters (the classic 512-character buffer);
//  - a line whose first character is ";" is a comment; there are no comments
//    after a value ("5 ; note" is the value "5 ; note");
//  - lines without "=" and lines before the first section are kept but not
//    read;
//  - writing a key replaces its line in place and keeps every other line,
//    byte for byte; a missing key is added after the last key of its
//    section, a missing section at the end of the file;
//  - a value that would not read back as written (blanks around it, quotes
//    around it) is written inside a pair of double quotes, so it does; line
//    breaks inside a value become blanks.
//
// The file is Windows-1252 with CR LF (LF alone accepted on read) and is
// saved through a temporary file.

#include "platform/textfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace arvex {

// The longest value the classic reader returns.
inline constexpr int kMaxProfileValueLength = 511;

class ProfileFile {
 public:
  ProfileFile() = default;

  // The profile held in text (lines at CR LF, LF or CR).
  static ProfileFile FromText(const QString& text);
  // The profile held in Windows-1252 bytes.
  static ProfileFile FromBytes(const QByteArray& bytes);

  // Reads a file. A missing or unreadable file fails with *error set and
  // leaves the profile empty.
  bool Load(const QString& path, FileError* error);

  // The value of a key, or nullopt when the section or the key is absent.
  std::optional<QString> Find(const QString& section, const QString& key) const;
  // The value of a key, or defaultValue when it is absent (an empty value
  // is a value: "Key=" reads "").
  QString Value(const QString& section, const QString& key, const QString& defaultValue = QString()) const;
  bool HasSection(const QString& section) const;

  // Writes a key: its line is replaced in place, or added.
  void SetValue(const QString& section, const QString& key, const QString& value);

  // The whole file as text, lines ended by CR LF.
  QString Text() const;
  // Saves through a temporary file; the old file stays when it fails.
  bool Save(const QString& path, FileError* error) const;

  // Section names in file order (duplicates included).
  QStringList SectionNames() const;

 private:
  struct Line {
    QString Raw;     // the line as in the file (rewritten when set)
    QString Key;     // trimmed key name; empty when the line is no key line
    QString Value;   // the value as read (trimmed, unquoted, cut to 511)
    QString Folded;  // Key case-folded, for comparing names ignoring case
  };
  struct Section {
    QString Name;    // trimmed name; the lines before any section have none
    QString Folded;  // Name case-folded
    bool HasHeader = false;
    std::vector<Line> Lines;
  };

  static Line ParseLine(const QString& raw);
  const Section* FindSection(const QString& name) const;
  Section* FindSection(const QString& name);

  std::vector<Section> sections_;
};

// The value as the classic reader sees it after "Key=": blanks dropped, one
// pair of matching quotes removed, at most 511 characters.
QString ProfileValueFromText(const QString& text);
// The text to write after "Key=" so that the classic reader gives back
// value (line breaks become blanks; quoted when needed). A value longer
// than 511 characters is written whole and reads back cut.
QString ProfileTextForValue(const QString& value);

}  // namespace arvex
