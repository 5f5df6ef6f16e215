#pragma once
// Machine definition files: one profile file per machine, AppFolder + name +
// ".ini", holding inch values.

#include "machine/machinedefinition.h"

#include <QString>
#include <QStringList>

namespace arvex {

class Prompter;
struct Workspace;

// Loads AppFolder + name + ".ini" into ws.Machine, converting the five
// lengths to millimetres when ws.Study is metric. A missing file shows
// "The machine file does not exist! " + the full path and leaves ws.Machine
// unchanged; returns false.
bool LoadMachineDefinition(Workspace& ws, const QString& name, Prompter& prompter);

// Reads a machine file without any message; false when it does not exist.
bool ReadMachineDefinition(const QString& path, bool metric, MachineDefinition* machine);

// The machine names of the application folder: every "*.ini" file name
// without its extension, sorted by name ignoring case.
QStringList ListMachines(const QString& appFolder);

}  // namespace arvex
