// The table of the windows this build has. Each window adds its opener here.
#include "cutdatawindow.h"
#include "cuttingdatabasedialog.h"
#include "foldersetupdialog.h"
#include "materialgroupsdialog.h"
#include "operationnamesdialog.h"
#include "windowcontext.h"

#include "session/help.h"
#include "workspace.h"

namespace arvex {

void WindowContext::ShowHelp(const QString& topic) const {
  arvex::ShowHelp(Ws.AppFolder, Store, topic, Help, Prompt);
}

AppWindows BuiltWindows() {
  AppWindows w;
  w.CutData = OpenCutData;
  w.OperationNames = OpenOperationNames;
  w.MaterialGroups = OpenMaterialGroups;
  w.CuttingDatabase = OpenCuttingDatabase;
  w.FolderSetup = OpenFolderSetup;
  return w;
}

}  // namespace arvex
