// The table of the windows this build has. Each window adds its opener here.
#include "autosetdialog.h"
#include "calculatordialog.h"
#include "centerdrilldialog.h"
#include "cutdatawindow.h"
#include "cuttingdatabasedialog.h"
#include "drillchartdialog.h"
#include "foldersetupdialog.h"
#include "headerwindow.h"
#include "machinesetupwindow.h"
#include "materialgroupsdialog.h"
#include "operationnamesdialog.h"
#include "platform/cupsqueues.h"
#include "printpreviewwindow.h"
#include "reportsettingsdialog.h"
#include "tapdrilldialog.h"
#include "toolimagewindow.h"
#include "triangledialog.h"
#include "windowcontext.h"

#include "session/help.h"
#include "workspace.h"

#include <memory>

namespace arvex {

void WindowContext::ShowHelp(const QString& topic) const {
  arvex::ShowHelp(Ws.AppFolder, Store, topic, Help, Prompt);
}

AppWindows BuiltWindows() {
  AppWindows w;
  w.HeaderData = OpenHeaderData;
  w.MachineSetup = OpenMachineSetup;
  w.CutData = OpenCutData;
  w.OperationNames = OpenOperationNames;
  w.MaterialGroups = OpenMaterialGroups;
  w.CuttingDatabase = OpenCuttingDatabase;
  w.FolderSetup = OpenFolderSetup;
  w.ReportSettings = OpenReportSettings;
  // The system's print queues, shared by the print commands.
  auto queues = std::make_shared<CupsPrintQueues>();
  w.PrintPreview = [queues](WindowContext& c, QWidget* p) { OpenPrintPreview(c, *queues, p); };
  w.Print = [queues](WindowContext& c, QWidget* p) { PrintReportCommand(c, *queues, p); };
  w.PrintWithSetup = [queues](WindowContext& c, QWidget* p) { PrintWithPrinterDialog(c, *queues, p); };
  w.PrinterSetup = [queues](WindowContext& c, QWidget* p) { OpenPrinterSetup(c, *queues, p); };
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
