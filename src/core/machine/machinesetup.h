#pragma once
// What the machine setup window writes: the window's texts exactly as
// shown, stored under their keys in the writer's order. The window edits
// the file's own inch values, so its texts come from a definition read
// without the metric conversion (ReadMachineSetupTexts), and a definition
// that was converted to millimetres is converted back before it becomes
// texts (SetupTextsFromMachine): saving never stores millimetres.

#include "machine/machinedefinition.h"
#include "platform/textfile.h"

#include <QString>
#include <QStringList>

#include <array>

namespace arvex {

// The 69 text fields of the window (txtTools 0..68), by index.
inline constexpr int kMachineSetupFieldCount = 69;
struct MachineSetupField {
  const char* Section;
  const char* Key;
};
const std::array<MachineSetupField, kMachineSetupFieldCount>& MachineSetupFields();
// The index of a section's key among the 69 fields (names ignoring case),
// -1 when none.
int MachineSetupFieldIndex(const QString& section, const QString& key);

struct MachineSetupTexts {
  bool HasSubSpindle = false;  // check box "Has Sub Spindle"
  bool HasLiveTools = false;   // check box "Has Live Tooling"
  // txtTools 0..68 exactly as shown.
  std::array<QString, kMachineSetupFieldCount> Fields;
  // txtTPImage 0 (MainToolImage) and 1 (SubToolImage).
  std::array<QString, 2> ToolImages;
  // lstTHolder 0 (OD), 1 (ID), 2 (Live); entries beyond 30 are not saved.
  std::array<QStringList, 3> Holders;

  // The field of a section's key ("MainSpindle", "Time1to1"); an unknown
  // key gives a scratch text that is never saved.
  QString& Field(const QString& section, const QString& key);
  QString Field(const QString& section, const QString& key) const;
};

// The texts the window shows for a definition: numbers as plain decimal
// text (".5", Integer fields without decimals), texts as stored (the sub
// spindle's first tool list therefore ends with ",Eject Part"), and the
// non-empty holder slots in slot order. A definition loaded into a metric
// study has its five lengths converted back to inches.
MachineSetupTexts SetupTextsFromMachine(const MachineDefinition& machine);

// Reads a machine file for editing: without the metric conversion.
bool ReadMachineSetupTexts(const QString& path, MachineSetupTexts* texts);

// Writes the texts to a machine file (the machine's own section is the file
// name without ".ini"): every key in the writer's order, other lines of an
// existing file kept, a trailing ",Eject Part" removed from both sub tool
// lists, holder slots beyond a list written empty. Goes through a
// temporary file; on failure the old file stays and *error says why.
bool WriteMachineSetup(const QString& path, const MachineSetupTexts& texts, FileError* error);

// "'" + path + "' was saved!", the message after a save.
QString MachineSavedMessage(const QString& path);

}  // namespace arvex
