#include "machine/machinefile.h"

#include "workspace.h"

namespace arvex {

// Placeholders until the machine files land.
bool LoadMachineDefinition(Workspace& ws, const QString& name, Prompter& prompter) { return false; }

bool ReadMachineDefinition(const QString& path, bool metric, MachineDefinition* machine) { return false; }

QStringList ListMachines(const QString& appFolder) { return {}; }

}  // namespace arvex
