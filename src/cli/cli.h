#pragma once
// The command line of the arvex executable: global options, command words
// and their dispatch. Headless commands run without a window.
//
//   arvex [--app-folder DIR] [COMMAND] [ARGS...]
//
// Global options may stand before or after the command word.

#include <QStringList>
#include <QTextStream>

namespace arvex {

class Prompter;

// What kind of application object a command line needs.
enum class AppKind { Core, Gui };
AppKind AppKindFor(const QStringList& arguments);

// Runs one command line (without the program name). Writes results to out
// and one-line messages to err; returns the exit status.
int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

// "/P path": print unattended. Matched in any case: "/P" alone, or "/P"
// followed by a blank or a quote and the path.
bool IsPrintSwitch(const QString& arg);

// Whether a command line starts the windows: no command word, no "/P", no
// --help or --version (nothing, a time-study path, "/SCSETUP", "--sample"
// for the first sample study of the application folder).
bool WantsWindows(const QStringList& arguments);

// The version text: "Arvex 1.1.9".
QString VersionText();

}  // namespace arvex
