#pragma once
// The cost of a part and the batch quote, from the report's figures and the
// shop's rates (CostSettings):
//
//   cost per part at efficiency e = rate x (cycle / e + bar load per part) / 3600
//                                   + bar price / parts per bar
//   setup cost  = setup minutes / 60 x setup rate
//   batch quote = setup cost + quantity x cost per part at the quoted efficiency
//
// A part longer than the usable bar (no part per bar), a cycle of 0 or an
// efficiency of 0 leave the cost of a part, and so the quote, undefined:
// never an infinite or not-a-number figure.

#include "report/composereport.h"
#include "report/reportsettings.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace arvex {

struct CostFigures {
  // Whether the costs are worked out at all: a rate is set.
  bool Shown = false;
  // The cost of a part at each efficiency of the production table.
  std::array<std::optional<double>, kEfficiencies.size()> PerPart;
  double SetupCost = 0;
  // The cost of a part at the quoted efficiency, and the batch quote.
  std::optional<double> QuotedPerPart;
  std::optional<double> Quote;
};

// The cost of one part at an efficiency in percent; nothing when undefined.
std::optional<double> CostPerPart(const ReportFigures& figures, const CostSettings& costs, double efficiency);

CostFigures ComputeCostFigures(const ReportFigures& figures, std::int16_t setupMinutes, const CostSettings& costs);

// A money figure as the report prints it ("1,234.50"); "—" for an undefined
// one.
QString MoneyText(std::optional<double> value);

}  // namespace arvex
