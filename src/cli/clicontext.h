#pragma once
// What every command receives: its arguments (global options removed), the
// output streams and the application folder choice.

#include "workspace.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace arvex {

struct CliContext {
  QTextStream& Out;
  QTextStream& Err;
  // The arguments after the command word, with --app-folder removed.
  QStringList Args;
  // The value of --app-folder ("" when not given).
  QString AppFolderOption;

  // Resolves and prepares the application folder into ws.AppFolder. On
  // failure writes the message to Err and returns false.
  bool PrepareWorkspace(Workspace& ws);
  // Writes "arvex: " + message and a line end to Err.
  void Fail(const QString& message);
};

// Takes the value of an option "--name VALUE" or "--name=VALUE" out of args.
// Returns false when the option is absent; *missingValue is set when the
// option stands last without a value.
bool TakeOption(QStringList& args, const QString& name, QString* value, bool* missingValue = nullptr);
// Takes a flag "--name" out of args; true when it was there.
bool TakeFlag(QStringList& args, const QString& name);

}  // namespace arvex
