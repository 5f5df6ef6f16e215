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

// The version text: "Arvex 1.1.9".
QString VersionText();

}  // namespace arvex
