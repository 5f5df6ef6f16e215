#include "clicontext.h"

#include "platform/appfolder.h"

namespace arvex {

bool CliContext::PrepareWorkspace(Workspace& ws) {
  ws.AppFolder = ChooseAppFolder(AppFolderOption);
  QString error;
  if (!PrepareAppFolder(ws.AppFolder, BundledDataFolder(), &error)) {
    Fail(error);
    return false;
  }
  return true;
}

void CliContext::Fail(const QString& message) { Err << "arvex: " << message << Qt::endl; }

bool TakeOption(QStringList& args, const QString& name, QString* value, bool* missingValue) {
  if (missingValue) *missingValue = false;
  const QString prefix = name + u'=';
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--")) return false;
    if (args[i] == name) {
      if (i + 1 >= args.size()) {
        if (missingValue) *missingValue = true;
        args.removeAt(i);
        return false;
      }
      *value = args[i + 1];
      args.remove(i, 2);
      return true;
    }
    if (args[i].startsWith(prefix)) {
      *value = args[i].mid(prefix.size());
      args.removeAt(i);
      return true;
    }
  }
  return false;
}

bool TakeFlag(QStringList& args, const QString& name) {
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--")) return false;
    if (args[i] == name) {
      args.removeAt(i);
      return true;
    }
  }
  return false;
}

}  // namespace arvex
