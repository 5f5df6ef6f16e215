#pragma once
// The tap drill window (Tap, "Tap Drill Size") as a form. Boxes Text1 (TPI
// or pitch), Text2 (major diameter) and Text3 (percentage of full thread),
// the options "Cut Tap" (Option1) and "Roll Tap" (Option2), the two lists of
// common taps from TAPDRILL.TXT and the result label. The unit mode is the
// open time study's Metric flag, read at each event.
//
// Every calculation leaves the major diameter, the pitch and the drill size
// (inches) in the workspace's TapDrillResult; choosing a common tap leaves
// its list text in ChosenTapText; closing leaves the result label in
// LastCalcText. Auto Set reads all three after the window closes.

#include "platform/prompter.h"
#include "shop/shoptables.h"
#include "workspace.h"

#include <QString>
#include <QStringList>

namespace arvex {

class TapDrillForm {
 public:
  enum class Box { Text1, Text2, Text3 };
  static inline const QString kCaption = QStringLiteral("Tap Drill Size");
  static inline const QString kEditHint =
      QStringLiteral("Edit the file  TAPDRILL.TXT   to change the common tap sizes.");
  static inline const QString kPitchLabel = QStringLiteral("TPI or &Pitch");
  static inline const QString kDiameterLabel = QStringLiteral("&DIAM.");
  static inline const QString kPercentLabel = QStringLiteral("% &OF THD");
  static inline const QString kCutTapCaption = QStringLiteral("Cut Tap");
  static inline const QString kRollTapCaption = QStringLiteral("Roll Tap");
  static inline const QString kDrillChartCaption = QStringLiteral("Drill Chart");
  static inline const QString kInchListLabel = QStringLiteral("&Inch taps:");
  static inline const QString kMetricListLabel = QStringLiteral("&Metric taps:");
  static inline const QString kResultName = QStringLiteral("Tap drill size");
  static inline const QString kCloseCaption = QStringLiteral("&Close");

  TapDrillForm(Workspace& workspace, Prompter& prompter);

  // kPitchLabel, kDiameterLabel, kPercentLabel.
  QString Text1;
  QString Text2;
  QString Text3;
  // Option1 "Cut Tap" when true, Option2 "Roll Tap" when false.
  bool CutTap = true;

  const QString& ResultLabel() const { return label_; }
  QStringList InchList() const;
  QStringList MetricList() const;
  const TapTable& Taps() const { return taps_; }

  // Loading: reads TAPDRILL.TXT afresh and fills both lists.
  void Load();

  // A key released in a box: Text2 and Text3 run the calculation.
  void KeyUp(Box box);
  // Leaving a box: Text1 in inch mode turns a value above 1 (threads per
  // inch) into its pitch, formatted ".#####", then runs the calculation.
  void LostFocus(Box box);
  // Clicking Option1 (cut) or Option2 (roll): selects it and calculates.
  void ClickCutTap();
  void ClickRollTap();
  // Double-clicking (or Enter on) a common tap: fills Text1 and Text2 with
  // its pitch and diameter in the study's units, sets ChosenTapText to its
  // list text and calculates anew. An index outside the list does nothing.
  void ChooseInchTap(int index);
  void ChooseMetricTap(int index);

  // The calculation, when pitch, diameter and percentage are all non-zero;
  // otherwise nothing changes. Returns whether it ran.
  bool Calculate();

  // The close button or unloading: LastCalcText = the result label.
  void Close();

 private:
  bool IsMetric() const { return workspace_.Study.Header.IsMetric(); }
  void Choose(const TapEntry& tap, bool tapIsMetric);

  Workspace& workspace_;
  Prompter& prompter_;
  TapTable taps_;
  QString label_;
};

}  // namespace arvex
