// The shop tables are edited by hand: any bytes must read without a crash,
// and no table may grow past its rows.
#include "platform/textfile.h"
#include "shop/shoptables.h"

#include <cstdint>

using namespace arvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text =
      DecodeWindows1252(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  for (CenterDrillUnits units : {CenterDrillUnits::Inch, CenterDrillUnits::Millimetre}) {
    bool failed = false;
    const CenterDrillTable t = ParseCenterDrillTable(text, units, &failed);
    if (t.StoredRows < 0 || t.StoredRows > CenterDrillTable::kRowCount) __builtin_trap();
    for (int i = t.StoredRows; i < CenterDrillTable::kRowCount; ++i)
      if (!t.Rows[static_cast<std::size_t>(i)].IsEmpty()) __builtin_trap();
    for (const CenterDrillRow& row : t.Rows) (void)CenterDrillDepth(row, 0.31);
  }
  bool failed = false;
  const TapTable taps = ParseTapTable(text, &failed);
  if (taps.Inch.size() > TapTable::kMaxEntries || taps.Metric.size() > TapTable::kMaxEntries) __builtin_trap();
  const DrillChart chart = ParseDrillChart(text);
  if (chart.Entries.size() > DrillChart::kMaxEntries) __builtin_trap();
  (void)chart.ListLines();
  return 0;
}
