#pragma once
// The shared state of one running program: the open time study, the loaded
// machine, the last comparison, the report settings, the material lists and
// the results the shop calculators hand on. main owns one Workspace and
// passes it by reference; a test makes its own.

#include "cutting/materiallists.h"
#include "document/studychanges.h"
#include "document/timestudy.h"
#include "engine/cyclecomparison.h"
#include "machine/machinedefinition.h"
#include "report/printjob.h"
#include "report/reportsettings.h"
#include "shop/tapdrillresult.h"

#include <QString>

#include <cstdint>

namespace arvex {

struct Workspace {
  // The application folder, always ending with the directory separator.
  QString AppFolder;

  TimeStudy Study;
  // The one path of every change of Study, and the views that follow it.
  StudyChanges Changes;
  MachineDefinition Machine;
  CycleComparison Comparison;
  ReportSettings Report;
  // The printer and paper chosen for this run's reports.
  PrinterChoice Printer;
  MaterialLists Materials;
  // Group number of the study's material (0 when unknown).
  std::int16_t MaterialGroupIndex = 0;

  QString LastCalcText;
  TapDrillValues TapDrillResult;
  QString ChosenTapText;

  // AppFolder + name.
  QString AppPath(const QString& name) const { return AppFolder + name; }
};

}  // namespace arvex
