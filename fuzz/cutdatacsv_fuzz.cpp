// Any bytes must read as CSV without harm, and the rows read must write and
// read back to the same rows.
#include "cutting/cutdatacsv.h"

#include <cmath>
#include <cstdint>

namespace {

bool Same(const std::optional<double>& a, const std::optional<double>& b) {
  if (a.has_value() != b.has_value()) return false;
  if (!a) return true;
  // Number text keeps 15 digits.
  return std::fabs(*a - *b) <= std::fabs(*a) * 1e-14;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QStringList groups = {QStringLiteral("Steel"), QStringLiteral("Brass, leaded"), QStringLiteral("A")};
  const arvex::CutDataCsvRead first = arvex::ReadCutDataCsv(arvex::DecodeCsvBytes(bytes), groups);
  const arvex::CutDataCsvRead again = arvex::ReadCutDataCsv(arvex::WriteCutDataCsv(first.Rows, groups), groups);
  if (!again.Rejected.empty() || again.Rows.size() != first.Rows.size()) __builtin_trap();
  for (size_t i = 0; i < first.Rows.size(); ++i) {
    const arvex::CuttingDataRecord& a = first.Rows[i];
    const arvex::CuttingDataRecord& b = again.Rows[i];
    if (a.GrpIndex != b.GrpIndex || a.Operation != b.Operation || a.DepthofCut != b.DepthofCut ||
        a.ToolGrade != b.ToolGrade || !Same(a.FromSFM, b.FromSFM) || !Same(a.ToSFM, b.ToSFM) ||
        !Same(a.FromIPR, b.FromIPR) || !Same(a.ToIPR, b.ToIPR) || !Same(a.FromDiam, b.FromDiam) ||
        !Same(a.ToDiam, b.ToDiam))
      __builtin_trap();
  }
  return 0;
}
