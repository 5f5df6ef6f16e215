#pragma once
// The shared state of one running program: the open time study, the loaded
// machine, the last comparison, the report settings, the material lists and
// the results the shop calculators hand on. main owns one Workspace and
// passes it by reference; a test makes its own.

#include "cutting/materiallists.h"
#include "document/studychanges.h"
#include "document/studyhistory.h"
#include "document/timestudy.h"
#include "engine/cyclecomparison.h"
#include "machine/machinedefinition.h"
#include "report/printjob.h"
#include "report/reportsettings.h"
#include "shop/tapdrillresult.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace arvex {

struct Workspace {
  Workspace() { Changes.SetRecorder(History.get()); }

  // The application folder, always ending with the directory separator.
  QString AppFolder;

  TimeStudy Study;
  // The one path of every change of Study, and the views that follow it.
  StudyChanges Changes;
  // The undo history, the recorder of Changes (kept on the heap, so that
  // the recorder stays where Changes points when a workspace is moved).
  std::unique_ptr<StudyHistory> History = std::make_unique<StudyHistory>();
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
