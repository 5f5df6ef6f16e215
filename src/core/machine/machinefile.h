#pragma once
// Machine definition files: one profile file per machine, AppFolder + name +
// ".ini", holding inch values.

#include "machine/machinedefinition.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace arvex {

class Prompter;
class ProfileFile;
struct Workspace;

// Loads AppFolder + name + ".ini" into ws.Machine, converting the five
// lengths to millimetres when ws.Study is metric. A missing file shows
// "The machine file does not exist! " + the full path and leaves ws.Machine
// unchanged; returns false.
bool LoadMachineDefinition(Workspace& ws, const QString& name, Prompter& prompter);

// Reads a machine file without any message; false when it does not exist
// or cannot be read (*machine is then unchanged).
bool ReadMachineDefinition(const QString& path, bool metric, MachineDefinition* machine);

// Fills *machine from a profile already in memory; machineName names the
// machine's own section.
void ReadMachineDefinition(const ProfileFile& profile, const QString& machineName, bool metric,
                           MachineDefinition* machine);

// The machine names of the application folder: every "*.ini" file name
// without its extension, sorted by name ignoring case.
QStringList ListMachines(const QString& appFolder);

// The file of a machine: AppFolder + name + ".ini", or the existing file
// whose name differs from it only in letter case (files copied from a
// Windows installation, a machine name typed in another case).
QString MachineFilePath(const QString& appFolder, const QString& name);

// Why a machine name cannot name a machine file, or "" when it can. The
// name is a file name on every system the files are exchanged with and the
// name of the file's first section: it must not be empty, hold a character
// from \ / : * ? " < > | [ ] or a control character, begin or end with a
// blank, end with a point, or be a device name (CON, PRN, AUX, NUL, COM1..9,
// LPT1..9).
QString MachineNameProblem(const QString& name);

// The machine's own section of its file: the file name without its last
// four characters (".ini").
QString MachineSectionOfFile(const QString& path);

// ---- Keys -------------------------------------------------------------------
// The keys of a spindle or live spindle section in the order the reader
// reads them, with their defaults. Exactly one of the member pointers is
// set. Length keys are converted to millimetres in a metric study.
template <class Record>
struct RecordKey {
  const char* Key;
  const char* Default;
  QString Record::*Text = nullptr;
  double Record::*Number = nullptr;
  std::int16_t Record::*Integer = nullptr;
  bool Length = false;
};
using SpindleKey = RecordKey<SpindleRecord>;
using LiveSpindleKey = RecordKey<LiveSpindleRecord>;

const std::vector<SpindleKey>& MainSpindleKeys();
const std::vector<SpindleKey>& SubSpindleKeys();
// Name, MaxSplSpeed, SplStartStop, SplForRev, SplChange3k.
const std::vector<LiveSpindleKey>& LiveSpindleKeys();

// The section of the five machine-wide keys that the file keeps under the
// fourth live spindle.
inline constexpr const char* kBarDataSection = "LiveSpindle4";
// "1OD", "1ID", "1Live" .. "30Live": kind 0 OD, 1 ID, 2 Live.
QString HolderKey(int slot, int kind);

}  // namespace arvex
