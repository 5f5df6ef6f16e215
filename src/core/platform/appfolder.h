#pragma once
// The application folder: machine files, the cutting-data database, the
// text tables, the operation names, images and the manual live there. It is
// a per-user folder, filled from the bundled data on first use; the program's
// install folder is never written.

#include <QString>
#include <QStringList>

namespace arvex {

// Where the bundled data folder of this executable is: "data" beside the
// executable (a build folder), else "../share/arvex/data" (an install).
// "" when neither exists.
QString BundledDataFolder();

// The folder to use: `requested` when not empty, else the environment
// variable ARVEX_APP_FOLDER, else `stored` (the folder the user chose in
// the folder setup window), else the per-user application data folder.
// The result ends with "/".
QString ChooseAppFolder(const QString& requested, const QString& stored = QString());

// Creates the folder when missing and, the first time, copies every bundled
// file that is not yet there (existing files are never replaced). Returns
// false with *error set when the folder cannot be created.
bool PrepareAppFolder(const QString& appFolder, const QString& bundledFolder, QString* error);

// What filling a folder from the bundled data did.
struct FolderFillReport {
  int Copied = 0;  // files that were missing and are there now
  int Kept = 0;    // files that were there already and were left alone
  QStringList Failed;  // files that could not be copied
};
// Copies every bundled file that the folder lacks, whether or not it was
// filled before; existing files are never replaced.
FolderFillReport FillAppFolder(const QString& appFolder, const QString& bundledFolder);

// The folder with exactly one trailing "/".
QString WithTrailingSeparator(const QString& folder);

}  // namespace arvex
