#pragma once
// The center drill window (CDrill, "Center Drill Info.") as a form. Three
// boxes, CenText(0..2): hole diameter, chamfer amount per side and chamfer
// diameter; typing in one recomputes the related box and repaints the table
// of CEN-INFO.TXT (always in inches) with the drilling depth of each center
// drill that suits the hole. The painted text is kept as lines at fixed
// character columns, for a window to draw in a fixed-pitch font.
//
// Painting also leaves "Cen Drill = " + "<Cen#>=<depth>  " for every
// qualifying drill in the workspace's LastCalcText.

#include "platform/prompter.h"
#include "shop/shoptables.h"
#include "workspace.h"

#include <QString>
#include <QStringList>

#include <array>

namespace arvex {

// Builds one line of text at 1-based character columns, the way a window
// prints at tab positions. A text that already reaches the column keeps one
// blank before the next item rather than running into it.
class FixedColumnLine {
 public:
  FixedColumnLine& At(int column, const QString& text);
  // The line without trailing blanks.
  QString Text() const;

 private:
  QString line_;
};

class CenterDrillForm {
 public:
  static constexpr int kHoleDiameter = 0;
  static constexpr int kChamferAmount = 1;
  static constexpr int kChamferDiameter = 2;
  static inline const QString kCaption = QStringLiteral("Center Drill Info.");
  static inline const QString kEditHint = QStringLiteral("To change the above data, edit the file  CEN-INFO.TXT");
  // The painted table, for assistive technology.
  static inline const QString kTableName = QStringLiteral("Center drills");
  static inline const QString kNumberFormat = QStringLiteral("#.####;-#.####;0");
  static inline const std::array<QString, 3> kLabels = {
      QStringLiteral("Hole &Diam. ="), QStringLiteral("Cham. &Amount="), QStringLiteral("&Cham. Diam.=")};

  CenterDrillForm(Workspace& workspace, Prompter& prompter);

  // The three boxes' texts; a window writes what the user typed here
  // before calling KeyUp.
  std::array<QString, 3> CenText;

  // Activation: reads CEN-INFO.TXT afresh (in inches) and paints.
  void Activate();
  // A key released in box `index`: recomputes the related box, repaints.
  void KeyUp(int index);

  const CenterDrillTable& Table() const { return table_; }
  // The painted text: the header line, then one line per table row (51).
  const QStringList& PaintedLines() const { return lines_; }

 private:
  void Paint();

  Workspace& workspace_;
  Prompter& prompter_;
  CenterDrillTable table_;
  QStringList lines_;
};

}  // namespace arvex
