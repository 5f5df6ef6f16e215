#pragma once
// The drill chart window (drills, "Drill Chart  -mm/wire/letter") as a form:
// one list, in a fixed-pitch font, filled from DRILLDAT.TXT each time the
// window loads. The window sizes the list to itself; nothing else happens.

#include "platform/prompter.h"
#include "shop/shoptables.h"
#include "workspace.h"

#include <QString>
#include <QStringList>

namespace arvex {

class DrillChartForm {
 public:
  static inline const QString kCaption = QStringLiteral("Drill Chart  -mm/wire/letter");

  DrillChartForm(Workspace& workspace, Prompter& prompter) : workspace_(workspace), prompter_(prompter) {}

  // Loading: reads DRILLDAT.TXT afresh and fills the list.
  void Load() { lines_ = LoadDrillChart(workspace_.AppFolder, prompter_).ListLines(); }

  // The list's lines, "|" + name padded to 5 + Str(size), in file order.
  const QStringList& ListLines() const { return lines_; }

 private:
  Workspace& workspace_;
  Prompter& prompter_;
  QStringList lines_;
};

}  // namespace arvex
