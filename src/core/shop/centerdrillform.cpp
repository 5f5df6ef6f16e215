#include "shop/centerdrillform.h"

#include "platform/numtext.h"

#include <algorithm>

namespace arvex {

FixedColumnLine& FixedColumnLine::At(int column, const QString& text) {
  const qsizetype start = std::max(column, 1) - 1;
  if (line_.size() < start) line_ = line_.leftJustified(start, u' ');
  else if (!line_.isEmpty()) line_ += u' ';
  line_ += text;
  return *this;
}

QString FixedColumnLine::Text() const {
  qsizetype end = line_.size();
  while (end > 0 && line_[end - 1] == u' ') --end;
  return line_.left(end);
}

CenterDrillForm::CenterDrillForm(Workspace& workspace, Prompter& prompter)
    : workspace_(workspace), prompter_(prompter) {}

void CenterDrillForm::Activate() {
  table_ = LoadCenterDrillTable(workspace_.AppFolder, CenterDrillUnits::Inch, prompter_);
  Paint();
}

void CenterDrillForm::KeyUp(int index) {
  if (index < kHoleDiameter || index > kChamferDiameter) return;
  const double hole = ParseNumber(CenText[kHoleDiameter]);
  const double amount = ParseNumber(CenText[kChamferAmount]);
  const double chamfer = ParseNumber(CenText[kChamferDiameter]);
  // A negative input still gives a chamfer diameter or amount, clamped at 0.
  if (index == kChamferDiameter) {
    CenText[kChamferAmount] = Format(std::max(0.0, (chamfer - hole) / 2), kNumberFormat);
  } else {
    if (index == kHoleDiameter) CenText[kChamferAmount] = Format(amount, kNumberFormat);
    CenText[kChamferDiameter] = Format(std::max(0.0, hole + 2 * amount), kNumberFormat);
  }
  Paint();
}

void CenterDrillForm::Paint() {
  lines_.clear();
  lines_.append(FixedColumnLine()
                    .At(1, QStringLiteral("Cen#"))
                    .At(8, QStringLiteral("Body"))
                    .At(14, QStringLiteral("Pilot-An"))
                    .At(23, QStringLiteral("Pilot-Dia"))
                    .At(33, QStringLiteral("Pilot-Len"))
                    .At(43, QStringLiteral("Ch-An"))
                    .At(50, QStringLiteral("Depth"))
                    .Text());
  QString summary = QStringLiteral("Cen Drill = ");
  const double hole = ParseNumber(CenText[kHoleDiameter]);
  const double chamfer = ParseNumber(CenText[kChamferDiameter]);
  static constexpr int kCellColumns[6] = {2, 8, 16, 24, 34, 44};
  for (const CenterDrillRow& row : table_.Rows) {
    FixedColumnLine line;
    for (int n = 1; n <= 6; ++n) {
      if (!row.Cell(n).isEmpty()) line.At(kCellColumns[n - 1], row.Cell(n));
    }
    if (CenterDrillFits(row, hole, chamfer)) {
      if (const std::optional<double> depth = CenterDrillDepth(row, chamfer)) {
        const QString depthText = Format(*depth, kNumberFormat);
        line.At(48, u'=' + depthText);
        summary += row.Designation() + u'=' + depthText + QStringLiteral("  ");
      }
    }
    lines_.append(line.Text());
  }
  workspace_.LastCalcText = summary;
}

}  // namespace arvex
