#include "shop/tapdrillform.h"

#include "platform/units.h"
#include "platform/numtext.h"

#include <cmath>

namespace arvex {

TapDrillForm::TapDrillForm(Workspace& workspace, Prompter& prompter) : workspace_(workspace), prompter_(prompter) {}

void TapDrillForm::Load() { taps_ = LoadTapTable(workspace_.AppFolder, prompter_); }

QStringList TapDrillForm::InchList() const {
  QStringList names;
  for (const TapEntry& tap : taps_.Inch) names.append(tap.Name);
  return names;
}

QStringList TapDrillForm::MetricList() const {
  QStringList names;
  for (const TapEntry& tap : taps_.Metric) names.append(tap.Name);
  return names;
}

void TapDrillForm::KeyUp(Box box) {
  if (box == Box::Text2 || box == Box::Text3) Calculate();
}

void TapDrillForm::LostFocus(Box box) {
  if (box != Box::Text1) return;
  const double value = ParseNumber(Text1);
  if (!IsMetric() && value > 1) Text1 = Format(1 / value, u".#####");
  Calculate();
}

void TapDrillForm::ClickCutTap() {
  CutTap = true;
  Calculate();
}

void TapDrillForm::ClickRollTap() {
  CutTap = false;
  Calculate();
}

void TapDrillForm::ChooseInchTap(int index) {
  if (index >= 0 && index < taps_.Inch.size()) Choose(taps_.Inch[index], false);
}

void TapDrillForm::ChooseMetricTap(int index) {
  if (index >= 0 && index < taps_.Metric.size()) Choose(taps_.Metric[index], true);
}

void TapDrillForm::Choose(const TapEntry& tap, bool tapIsMetric) {
  label_.clear();
  if (IsMetric()) {
    const double factor = tapIsMetric ? 1.0 : kMillimetresPerInch;
    Text1 = Format(tap.Pitch * factor, u".####");
    Text2 = Format(tap.Diameter * factor, u"#.###");
  } else if (tapIsMetric) {
    Text1 = Format(tap.Pitch / kMillimetresPerInch, u".#####");
    Text2 = Format(tap.Diameter / kMillimetresPerInch, u"#.####");
  } else {
    Text1 = Format(tap.Pitch, u".#####");
    Text2 = Format(tap.Diameter, u"#.####");
  }
  workspace_.ChosenTapText = tap.Name;
  // The values handed to Auto Set belong to the tap just chosen, even when
  // no percentage has been typed yet to work out its drill.
  if (!Calculate()) {
    double diameter = tap.Diameter;
    double pitch = tap.Pitch;
    if (tapIsMetric) {
      diameter /= kMillimetresPerInch;
      pitch /= kMillimetresPerInch;
    }
    if (pitch > 1) pitch = 1 / pitch;
    if (FitsSingle(diameter) && FitsSingle(pitch))
      workspace_.TapDrillResult = {static_cast<float>(diameter), static_cast<float>(pitch), 0.0f};
  }
}

bool TapDrillForm::Calculate() {
  double pitch = ParseNumber(Text1);
  double diameter = ParseNumber(Text2);
  const double percent = ParseNumber(Text3);
  if (pitch == 0 || diameter == 0 || percent == 0) return false;
  if (IsMetric()) {
    diameter /= kMillimetresPerInch;
    pitch /= kMillimetresPerInch;
  }
  if (pitch > 1) pitch = 1 / pitch;  // threads per inch
  const double drill = CutTap ? diameter - percent * 0.01 * 1.29904 * pitch : diameter - percent * 0.0068 * pitch;
  // An arithmetic fault ends the calculation with nothing changed.
  if (!FitsSingle(drill) || !FitsSingle(drill * kMillimetresPerInch) || !FitsSingle(diameter) || !FitsSingle(pitch))
    return false;
  label_ = QStringLiteral("Tap Drill Size = ") + Format(drill, u"#.####") + QStringLiteral("in / ") +
           Format(drill * kMillimetresPerInch, u"##.###") + QStringLiteral("mm");
  workspace_.TapDrillResult = {static_cast<float>(diameter), static_cast<float>(pitch), static_cast<float>(drill)};
  return true;
}

void TapDrillForm::Close() { workspace_.LastCalcText = label_; }

}  // namespace arvex
