#pragma once
// What a window needs from the program, and the table of the windows this
// build has. A window's opener builds the window's form from the workspace
// and shows the window; the windows open each other through the table, so
// a window that does not exist yet is a null entry, and the menu entries
// and buttons that would open it are disabled.

#include <QString>

#include <functional>
#include <optional>

class QSettings;
class QWidget;

namespace arvex {

class HelpStarter;
class Prompter;
struct Workspace;
struct AppWindows;

struct WindowContext {
  Workspace& Ws;
  Prompter& Prompt;
  QSettings& Store;
  HelpStarter& Help;
  const AppWindows& Windows;

  // Opens the manual at a topic ("", "#TSData", "#CutDat", "#MachSetup").
  void ShowHelp(const QString& topic) const;
};

// Shows a window, most of them modally, and returns when it closes.
using WindowOpener = std::function<void(WindowContext& context, QWidget* parent)>;

struct AppWindows {
  WindowOpener HeaderData;        // MainTSData: the study's header
  WindowOpener MachineSetup;      // MachSetup
  WindowOpener CutData;           // CutData, on ws.Study.CurrentSpindle
  WindowOpener OperationNames;    // frmAddOp
  WindowOpener MaterialGroups;    // frmMatGrps
  WindowOpener CuttingDatabase;   // frmAddCutDB
  WindowOpener ReportSettings;    // frmRVXset
  WindowOpener PrintPreview;      // Print Preview command (checks, then frmPrint)
  WindowOpener Print;             // toolbar Print: the report on the default printer
  WindowOpener PrintWithSetup;    // "&Print current T/S": printer dialog first
  WindowOpener PrinterSetup;      // "Printer Setup"
  WindowOpener FolderSetup;       // "CNC Program Folder Setup"

  // The shop windows, opened from the header and cutting data windows.
  WindowOpener Calculator;        // frmCalc; leaves LastCalcText
  WindowOpener CenterDrill;       // center drill table
  WindowOpener TapDrill;          // tap drill; leaves TapDrillResult and ChosenTapText
  WindowOpener DrillChart;        // drill chart
  WindowOpener Triangle;          // right triangle
  // frmAutoSet: inserts into CurrentSpindle's list before `place` (the
  // operation selected in the cutting data window; nullopt: after the last).
  std::function<void(WindowContext& context, QWidget* parent, std::optional<int> place)> AutoSet;
  WindowOpener ToolImage;         // frmTPic: the tooling image of CurrentSpindle
};

// The windows of this build.
AppWindows BuiltWindows();

}  // namespace arvex
