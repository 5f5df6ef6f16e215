#pragma once
// The application folder: machine files, the cutting-data database, the
// text tables, the operation names, images and the manual live there. It is
// a per-user folder, filled from the bundled data on first use; the program's
// install folder is never written.

#include <QString>

namespace arvex {

// Where the bundled data folder of this executable is: "data" beside the
// executable (a build folder), else "../share/arvex/data" (an install).
// "" when neither exists.
QString BundledDataFolder();

// The folder to use: `requested` when not empty, else the environment
// variable ARVEX_APP_FOLDER, else the per-user application data folder.
// The result ends with "/".
QString ChooseAppFolder(const QString& requested);

// Creates the folder when missing and, the first time, copies every bundled
// file that is not yet there (existing files are never replaced). Returns
// false with *error set when the folder cannot be created.
bool PrepareAppFolder(const QString& appFolder, const QString& bundledFolder, QString* error);

// The folder with exactly one trailing "/".
QString WithTrailingSeparator(const QString& folder);

}  // namespace arvex
