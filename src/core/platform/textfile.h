#pragma once
// Text files exchanged with Windows installations: Windows-1252 bytes, lines
// ended by CR LF (a lone LF or CR is accepted on read). Every write goes to a
// temporary file that replaces the old one only when it is complete.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace arvex {

// Windows-1252 bytes to text. The five unassigned bytes map to the C1
// control characters of the same value, so nothing read is lost.
QString DecodeWindows1252(const QByteArray& bytes);

// Text to Windows-1252 bytes. Returns false when a character has no
// Windows-1252 byte; *unencodable then lists each such character once.
bool EncodeWindows1252(const QString& text, QByteArray* bytes, QString* unencodable);

// The characters of `chars` as messages name them, each as the character in
// double quotes and its code point, separated by ", ": "\"A\" (U+0041), \"~\" (U+007E)".
QString NameCharacters(const QString& chars);

// Splits text into lines at CR LF, LF or CR. A final line end does not start
// another line ("a\r\nb\r\n" gives "a", "b").
QStringList SplitLines(const QString& text);

// A failure to open, read or write a file, in the classic numbering
// (53 file not found, 70 permission denied, 75 path/file access error,
// 76 path not found, 57 device I/O error) so the retry question can quote it.
struct FileError {
  int Number = 0;
  QString Description;
  int HelpContext = 0;
  bool IsError() const { return Number != 0; }
};

// Reads a whole file. On failure returns false and fills *error.
bool ReadFileBytes(const QString& path, QByteArray* bytes, FileError* error);
bool ReadTextFile(const QString& path, QString* text, FileError* error);

// Writes text as Windows-1252 through a temporary file renamed over path.
// A character Windows-1252 cannot hold fails the write (the old file stays),
// with a description naming the characters.
bool WriteTextFileAtomically(const QString& path, const QString& text, FileError* error);
// Writes each line followed by CR LF, as above.
bool WriteLinesAtomically(const QString& path, const QStringList& lines, FileError* error);

// The classic error of a path that cannot be opened for reading or writing.
FileError OpenError(const QString& path, bool forWriting);

}  // namespace arvex
