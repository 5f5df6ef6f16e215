// The table of the windows this build has. Each window adds its opener here.
#include "autosetdialog.h"
#include "calculatordialog.h"
#include "centerdrilldialog.h"
#include "drillchartdialog.h"
#include "foldersetupdialog.h"
#include "tapdrilldialog.h"
#include "toolimagewindow.h"
#include "triangledialog.h"
#include "windowcontext.h"

#include "session/help.h"
#include "workspace.h"

namespace arvex {

void WindowContext::ShowHelp(const QString& topic) const {
  arvex::ShowHelp(Ws.AppFolder, Store, topic, Help, Prompt);
}

AppWindows BuiltWindows() {
  AppWindows w;
  w.FolderSetup = OpenFolderSetup;
  w.Calculator = OpenCalculator;
  w.CenterDrill = OpenCenterDrill;
  w.TapDrill = OpenTapDrill;
  w.DrillChart = OpenDrillChart;
  w.Triangle = OpenTriangle;
  w.AutoSet = OpenAutoSet;
  w.ToolImage = OpenToolImage;
  return w;
}

}  // namespace arvex
