#pragma once
// The command line of the windows: "/SCSETUP" (in any case, anywhere)
// opens the folder setup window first; the rest, when not empty, is the
// time study to open. A path that reached the program in pieces (blanks
// without quotes) is joined again; one pair of surrounding double quotes is
// removed.

#include <QString>
#include <QStringList>

namespace arvex {

struct StartUpLine {
  bool FolderSetup = false;
  QString OpenPath;
};

StartUpLine ParseStartUpLine(const QStringList& arguments);

// ---- Options of the command line ----
// Takes the value of an option "--name VALUE" or "--name=VALUE" out of args.
// Returns false when the option is absent; *missingValue is set when the
// option stands last without a value.
bool TakeOption(QStringList& args, const QString& name, QString* value, bool* missingValue = nullptr);
// Takes a flag "--name" out of args; true when it was there.
bool TakeFlag(QStringList& args, const QString& name);

// One leading and one trailing double quote removed.
QString StripQuotes(QString path);

}  // namespace arvex
