#include "clicontext.h"

#include "platform/settingsstore.h"
#include "session/studysession.h"

namespace arvex {

bool CliContext::PrepareWorkspace(Workspace& ws) {
  auto store = OpenSettingsStore();
  QString error;
  if (!PrepareApplicationFolder(ws, *store, AppFolderOption, &error)) {
    Fail(error);
    return false;
  }
  return true;
}

void CliContext::Fail(const QString& message) { Err << "arvex: " << message << Qt::endl; }

}  // namespace arvex
