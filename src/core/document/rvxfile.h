#pragma once
// The .rvx time-study file: a text file of comma-separated items in the
// classic sequential-file form, every format generation (below 108, 108 to
// 115, 116 and above) read, the current one (119) written.

#include <QString>

namespace arvex {

class Prompter;
class TimeStudy;
struct Workspace;

struct TimeStudyReadResult {
  // The file was opened and read (possibly truncated: missing items keep
  // their cleared values).
  bool FileRead = false;
  // The machine named in the header was loaded into the workspace.
  bool MachineLoaded = false;
  // Operations listed beyond place 100 of a list, which were not loaded.
  int OperationsDropped = 0;
};

// Replaces ws.Study's header fields, both lists and the sync table by the
// file's contents, sets every CutTime, clears Dirty and loads the machine
// named in the header (LoadMachineDefinition). An open failure asks the
// retry question through the prompter; when the user gives up the study is
// unchanged and FileRead is false.
TimeStudyReadResult ReadTimeStudy(Workspace& ws, const QString& path, Prompter& prompter);

// Writes the study to path through a temporary file (RecountOps first). An
// open failure asks the retry question; other failures are shown as a
// message. Returns true when the file was written; the old file is never
// left half-written.
bool WriteTimeStudy(TimeStudy& study, const QString& path, Prompter& prompter);

}  // namespace arvex
