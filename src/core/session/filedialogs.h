#pragma once
// The rules of the time-study file dialogs around whatever dialog the
// Prompter shows: the default extension, the question before a file is
// replaced, the message for a file that cannot be found, and the one-line
// header preview of the file under the cursor.

#include <QString>

namespace arvex {

class Prompter;
struct FileRequest;

inline const QString kDefaultExt = QStringLiteral(".rvx");
inline const QString kStudyFilePattern = QStringLiteral("*.rvx");
inline const QString kOpenStudyTitle = QStringLiteral("Open File -Choose a T/S File to Edit");
inline const QString kSaveStudyTitle = QStringLiteral("Save Time Study File As...");

// A typed name without "." gets the default extension; a name with "*" or
// "?" is a pattern and stays as it is.
QString WithDefaultExt(const QString& name, const QString& ext = kDefaultExt);

// The open dialog: asks for a time study until the chosen file exists
// ("This file could not be found. '" + path in upper case + "'" otherwise).
// Returns the full path, or "" when the dialog was cancelled.
QString OpenFileDialog(Prompter& prompter, const QString& title, const QString& startFolder);

// The save dialog, starting at `proposal`. Choosing the proposal itself, or
// a file that does not exist, is accepted at once; another existing file asks
// "Do you want to replace the existing file '" + path in upper case + "' ?"
// (Yes accepts, No shows the dialog again, Cancel gives up). Returns the
// path to write, or "" when the user gave up.
QString SaveFileDialog(Prompter& prompter, const QString& title, const QString& proposal);
// The same rules for another kind of file: the request's filter and title,
// ext as the default extension (".pdf").
QString SaveFileDialog(Prompter& prompter, FileRequest request, const QString& ext);

// The preview of a file under the cursor: "Cust=" + customer +
// " PartName=" + part name + " PartNo=" + part number + " Mach=" + machine
// when the first line's version item holds "RVX"; "" for another file, an
// empty file or a program ("exe", "com"); "!Error opening file!" when it
// cannot be read.
QString StudyHeaderPreview(const QString& path);
// The file's date, time and size: "2026-12-07 10:31  1234 bytes"; "" when
// it does not exist.
QString FileSizeInformation(const QString& path);

}  // namespace arvex
