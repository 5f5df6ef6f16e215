#pragma once
// The windows' start-up: the first-run folder setup, the application
// folder, the settings, the recent files, the material lists, the main
// window, then the study given on the command line. Needs a QApplication.

#include <QStringList>

namespace arvex {

// Runs the windows until the main window closes; returns the exit status.
// `arguments` are the command line without the program name.
int RunWindows(const QStringList& arguments);

}  // namespace arvex
