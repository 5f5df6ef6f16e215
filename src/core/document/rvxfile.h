#pragma once
// The .rvx time-study file: a text file of comma-separated items in the
// classic sequential-file form, every format generation (below 108, 108 to
// 115, 116 and above) read, the current one (119) written.
//
// The file is Windows-1252 with CR LF (LF alone is read too). Texts are
// written in double quotes, integers as their digits, doubles as the
// shortest classic text that reads back to the same value (".5", "1E-05").
// Neither the reader nor the writer sets FilePath: the open and save
// commands do.

#include <QByteArray>
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
  // Sync entries that pointed outside the lists and were left out.
  int SyncsDropped = 0;
  // The format version of the file (0 when item 1 holds no "-v").
  double FormatVersion = 0;
};

// Replaces ws.Study's header fields, both lists and the sync table by the
// file's contents, sets every CutTime, clears Dirty and loads the machine
// named in the header (LoadMachineDefinition). An open failure asks the
// retry question through the prompter; when the user gives up the study is
// unchanged and FileRead is false. Operations beyond place 100, syncs
// outside the lists and a file that ends early are reported in a message.
TimeStudyReadResult ReadTimeStudy(Workspace& ws, const QString& path, Prompter& prompter);

// Writes the study to path through a temporary file (RecountOps first) and
// clears Dirty. An open failure asks the retry question; a text the file
// cannot hold (a double quote, a character outside Windows-1252) and other
// failures are shown as a message and nothing is written. Returns true when
// the file was written; the old file is never left half-written.
bool WriteTimeStudy(TimeStudy& study, const QString& path, Prompter& prompter);

// ---- The format itself, without files or messages ---------------------------

// The format version this program writes, and item 1 of its header line.
int CurrentRvxFormatVersion();
QString RvxVersionText();

struct TimeStudyParseReport {
  double FormatVersion = 0;
  // Operation counts as the file states them (negative counts read as 0).
  int MainCountInFile = 0;
  int SubCountInFile = 0;
  // Operation lines present beyond place 100, read past but not loaded.
  int MainOperationsDropped = 0;
  int SubOperationsDropped = 0;
  // Sync entries with a main or sub value outside 0..101, left out (the
  // entries after them move up).
  int SyncsDropped = 0;
  // The text ended before everything its counts and format promise.
  bool EndedEarly = false;

  int OperationsDropped() const { return MainOperationsDropped + SubOperationsDropped; }
};

// Reads the contents of an .rvx file into study as ReadTimeStudy does
// (header items that are missing keep their values, lists and syncs are
// replaced, CutTime set, counts recounted, Dirty cleared). Never fails and
// never reads or writes outside a list, whatever the bytes.
TimeStudyParseReport ParseTimeStudy(const QByteArray& bytes, TimeStudy* study);
TimeStudyParseReport ParseTimeStudyText(const QString& text, TimeStudy* study);

// The file text of a study in the current format, lines ended by CR LF. The
// counts are taken from the contents, as RecountOps gives them.
QString TimeStudyText(const TimeStudy& study);

// The texts of the study that the file cannot store faithfully (a double
// quote ends a text item; the file holds Windows-1252 only), as one message;
// "" when there are none.
QString TimeStudyStorageProblem(const TimeStudy& study);

// The file bytes of a study. False (and *problem set) when a text cannot be
// stored.
bool SerializeTimeStudy(const TimeStudy& study, QByteArray* bytes, QString* problem = nullptr);

}  // namespace arvex
