#include "report/costs.h"

#include "platform/numtext.h"

#include <cmath>

namespace arvex {

std::optional<double> CostPerPart(const ReportFigures& f, const CostSettings& c, double efficiency) {
  if (f.PartsPerBar <= 0 || !(f.CycleTotal > 0) || !(efficiency > 0)) return std::nullopt;
  const double cost = c.MachineRate * (f.CycleTotal / (efficiency * 0.01) + f.BarLoadPerPart) / 3600 +
                      c.BarPrice / f.PartsPerBar;
  if (!std::isfinite(cost)) return std::nullopt;
  return cost;
}

CostFigures ComputeCostFigures(const ReportFigures& f, std::int16_t setupMinutes, const CostSettings& c) {
  CostFigures r;
  r.Shown = c.RateSet();
  if (!r.Shown) return r;
  for (size_t i = 0; i < kEfficiencies.size(); ++i) r.PerPart[i] = CostPerPart(f, c, kEfficiencies[i]);
  r.SetupCost = setupMinutes / 60.0 * c.SetupRate;
  r.QuotedPerPart = CostPerPart(f, c, c.Efficiency);
  if (r.QuotedPerPart) {
    const double quote = r.SetupCost + c.Quantity * *r.QuotedPerPart;
    if (std::isfinite(quote)) r.Quote = quote;
  }
  return r;
}

QString MoneyText(std::optional<double> value) {
  if (!value) return QStringLiteral("\u2014");
  return Format(*value, u"#,##0.00");
}

}  // namespace arvex
