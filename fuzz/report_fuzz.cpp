// Composes the report of a study whose texts and figures come from the
// input: header texts of any length and characters, operation names,
// holders, item lines, group times (also 0, negative, huge), shop hours and
// bar data. No input may crash or loop without end, and every text must
// stay on its page: inside the margins and above the paper's bottom.
//
// Input: fields separated by byte 0; the first field's bytes pick numbers,
// the others are texts (Latin-1) for the header, then for operations.

#include "report/composereport.h"
#include "workspace.h"

#include <QGuiApplication>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace arvex;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int qtArgc = 1;
  static char name[] = "fuzz_report";
  static char* qtArgv[] = {name, nullptr};
  static QGuiApplication app(qtArgc, qtArgv);
  return 0;
}

namespace {

float Number(const QByteArray& bytes, int i) {
  if (bytes.size() <= i) return 0;
  const auto b = static_cast<std::uint8_t>(bytes[i]);
  switch (b % 8) {
    case 0: return 0;
    case 1: return -static_cast<float>(b);
    case 2: return 1e30f;
    default: return static_cast<float>(b) / 4;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size > 20000) return 0;
  const QList<QByteArray> fields = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0');
  const QByteArray& numbers = fields[0];
  auto text = [&](qsizetype i) { return i < fields.size() ? QString::fromLatin1(fields[i]) : QString(); };

  Workspace ws;
  TimeStudyHeader& h = ws.Study.Header;
  h.Customer = text(1);
  h.PartNo = text(2);
  h.PartName = text(3);
  h.MachineName = text(4);
  h.Notes = text(5);
  h.PartLength = text(6);
  h.Metric = Number(numbers, 0) > 10 ? -1 : 0;
  ws.Study.FilePath = text(7);
  ws.Report.Disclaimer = text(8);
  ws.Report.HoursShift = Number(numbers, 1);
  ws.Report.HoursDay = static_cast<std::int16_t>(Number(numbers, 2) > 1e6f ? 0 : Number(numbers, 2));
  ws.Machine.BarLengthInch = Number(numbers, 3);
  ws.Machine.CutOffWidth = Number(numbers, 4);
  ws.Machine.BarLoadTimeSec = static_cast<std::int16_t>(numbers.size() > 5 ? numbers[5] : 0);
  ws.Machine.MainSpindle.ToolSetTime1 = 3;
  ws.Machine.MainTools1List = QStringList{QString(), text(9), text(10), text(11)};
  ws.Comparison.TotalA = Number(numbers, 6);
  ws.Comparison.TotalB[1] = Number(numbers, 7);
  ws.Comparison.TotalC[1] = Number(numbers, 8);
  ws.Comparison.TotalD = Number(numbers, 9);
  for (qsizetype f = 10; f < fields.size() && f < 60; ++f) {
    ws.Comparison.LinesA.push_back({text(f), text(f - 1)});
    const int spindle = f % 2 ? kSubSpindle : kMainSpindle;
    const int i = ws.Study.Count(spindle) + 1;
    if (i > kMaxOperations) continue;
    Operation& op = ws.Study.Op(spindle, i);
    op.ToolNo = text(f);
    op.OpName = text(f - 1);
    op.ToolHolder = text(f - 2);
    op.Group = spindle == kSubSpindle ? QStringLiteral("C1") : QStringLiteral("A ");
    op.Diameter = Number(numbers, static_cast<int>(f));
    if (spindle == kSubSpindle) ws.Study.SubOpCount = static_cast<std::int16_t>(i);
    else ws.Study.MainOpCount = static_cast<std::int16_t>(i);
  }

  ReportDocument doc;
  ComposeReport(ws, doc);
  const double left = doc.MarginLeft() - 0.01;
  const double right = doc.PageWidth() - doc.MarginRight() + 0.01;
  for (int p = 1; p <= doc.PageCount(); ++p) {
    for (const ReportTextItem* t : doc.Page(p).Texts()) {
      if (!std::isfinite(t->Box.left()) || t->Box.left() < left || t->Box.right() > right ||
          t->Box.bottom() > doc.PageHeight() || t->Box.top() < 0)
        std::abort();
    }
  }
  return 0;
}
