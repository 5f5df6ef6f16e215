#pragma once
// drills, "Drill Chart  -mm/wire/letter", over DrillChartForm: one list in
// columns, in a fixed-pitch font, that fills the window.

#include <QDialog>

namespace arvex {

class DrillChartForm;
struct WindowContext;

class DrillChartDialog : public QDialog {
  Q_OBJECT
 public:
  DrillChartDialog(const DrillChartForm& form, QWidget* parent);
};

// Reads DRILLDAT.TXT and shows the chart modally.
void OpenDrillChart(WindowContext& context, QWidget* parent);

}  // namespace arvex
