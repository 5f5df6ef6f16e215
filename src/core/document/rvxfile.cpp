#include "document/rvxfile.h"

#include "document/timestudy.h"
#include "workspace.h"

namespace arvex {

// Placeholder until the reader and writer land.
TimeStudyReadResult ReadTimeStudy(Workspace& ws, const QString& path, Prompter& prompter) { return {}; }

bool WriteTimeStudy(TimeStudy& study, const QString& path, Prompter& prompter) { return false; }

}  // namespace arvex
