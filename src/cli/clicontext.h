#pragma once
// What every command receives: its arguments (global options removed), the
// output streams and the application folder choice.

#include "session/startup.h"
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

}  // namespace arvex
