// The table of the windows this build has. Each window adds its opener here.
#include "foldersetupdialog.h"
#include "headerwindow.h"
#include "machinesetupwindow.h"
#include "windowcontext.h"

#include "session/help.h"
#include "workspace.h"

namespace arvex {

void WindowContext::ShowHelp(const QString& topic) const {
  arvex::ShowHelp(Ws.AppFolder, Store, topic, Help, Prompt);
}

AppWindows BuiltWindows() {
  AppWindows w;
  w.HeaderData = OpenHeaderData;
  w.MachineSetup = OpenMachineSetup;
  w.FolderSetup = OpenFolderSetup;
  return w;
}

}  // namespace arvex
