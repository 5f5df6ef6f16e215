#pragma once
// The flows the command words and the windows share: preparing the
// application folder and the program-wide values, starting a new study,
// opening a study with its machine, saving, and getting a study ready for
// its report. Each change of the study goes through ws.Changes.

#include "document/rvxfile.h"

#include <QString>

class QSettings;

namespace arvex {

class Prompter;
struct Workspace;

// Settings of the folder setup window, section "Arvex".
inline const QString kAppFolderKey = QStringLiteral("AppFolder");
inline const QString kStudyFolderKey = QStringLiteral("TSFilesFolder");
inline const QString kSetupDoneKey = QStringLiteral("SetupDone");
inline const QString kHelpPathKey = QStringLiteral("HelpPath");
inline const QString kEngineerKey = QStringLiteral("Engineer");

// Chooses the application folder (--app-folder, ARVEX_APP_FOLDER, the folder
// set in the folder setup window, the per-user default) into ws.AppFolder
// and fills it from the bundled data the first time. False with *error set
// when it cannot be created.
bool PrepareApplicationFolder(Workspace& ws, QSettings& store, const QString& requested, QString* error);

// The values the program loads at start-up: the report settings from the
// store and the material lists from the database. A database that fails
// leaves the lists empty; *warning (when given) then says why.
void LoadProgramValues(Workspace& ws, QSettings& store, QString* warning = nullptr);

// The folder time studies are opened from and saved to when no path
// proposes one: the folder set in the folder setup window, else the user's
// documents folder.
QString StudyFolder(QSettings& store);

// The first *.rvx of the application folder's samples/ folder, by name; ""
// when there is none.
QString FirstSample(const QString& appFolder);

// A new, empty study (PartsCatcherUsed 1, no file, MaterialGroupIndex 0);
// the views hear that the study was replaced.
void NewStudy(Workspace& ws);

// Reads a study with its machine into the workspace, sets FilePath to the
// absolute path and MaterialGroupIndex to the group of its material entry
// (0 when the material is not listed), and tells the views. A path that is no file (missing, a
// folder) gives the read error and the retry question; when the user gives
// up, the study is unchanged and FileRead is false.
TimeStudyReadResult OpenStudy(Workspace& ws, const QString& path, Prompter& prompter);

// Loads the machine the study names again (after the machine setup window,
// a machine chosen in the header window) and tells the views. A study that
// names no machine loads none, silently, and returns false.
bool ReloadStudyMachine(Workspace& ws, Prompter& prompter);

enum class SaveOutcome { Saved, Cancelled, Failed };
// The Save command: the checks before printing (which may add the parts
// catcher's operation), the save dialog proposing FilePath, then the file.
// Cancelled: FilePath becomes "" and nothing is written. Saved: FilePath is
// the chosen path, the file is in the recent files and Dirty is clear.
// Failed: the old file stays whole, Dirty stays, the message said why.
SaveOutcome SaveStudy(Workspace& ws, Prompter& prompter, QSettings& store);

// Writes the study to path and tells the views (no dialog, no checks).
bool WriteStudy(Workspace& ws, const QString& path, Prompter& prompter, QSettings& store);

// Undo and redo of the last step of ws.History: the study takes its earlier
// state and the views hear Undone or Redone. False when there is no step.
bool UndoStudyStep(Workspace& ws);
bool RedoStudyStep(Workspace& ws);

}  // namespace arvex
