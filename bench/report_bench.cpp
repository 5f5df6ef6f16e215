// Composing the cycle time estimate: the largest bundled sample as the
// report command sees it, and a study with 100 + 100 operations; writing
// the PDF of the latter.

#include "document/rvxfile.h"
#include "engine/comparison.h"
#include "guibenchmain.h"
#include "platform/scriptedprompter.h"
#include "report/composereport.h"
#include "report/reportrender.h"
#include "workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace arvex;

QString SamplesFolder() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/../data/samples/");
}

// The bundled sample with the most operations, read with its machine.
Workspace LargestSample() {
  Workspace best;
  int most = -1;
  const QDir dir(SamplesFolder());
  for (const QFileInfo& f : dir.entryInfoList({QStringLiteral("*.rvx")}, QDir::Files)) {
    Workspace ws;
    ws.AppFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/../data/");
    ScriptedPrompter prompter;
    if (!ReadTimeStudy(ws, f.absoluteFilePath(), prompter).FileRead) continue;
    GetTime(ws);
    const int ops = ws.Study.MainOpCount + ws.Study.SubOpCount;
    if (ops > most) {
      most = ops;
      best = std::move(ws);
    }
  }
  return best;
}

Workspace HundredAndHundred() {
  Workspace ws;
  ws.Study.Header.SubSpindleUsed = 1;
  ws.Study.Header.MachineName = QStringLiteral("Bench");
  ws.Study.Header.Notes = QStringLiteral("Notes that run over several lines. ").repeated(30);
  for (int spindle : {kMainSpindle, kSubSpindle}) {
    for (int i = 1; i <= 100; ++i) {
      Operation& op = ws.Study.Op(spindle, i);
      op.ToolNo = QStringLiteral("T%1").arg(i);
      op.OpName = QStringLiteral("Operation %1 of the list").arg(i);
      op.ToolHolder = QStringLiteral("Holder %1").arg(i % 40);
      op.Group = spindle == kMainSpindle ? QStringLiteral("B%1").arg(1 + i / 10) : QStringLiteral("C%1").arg(1 + i / 10);
      op.RPM = 2400;
      op.Diameter = .5;
      op.IPR = .004;
      op.IPM = 9.6;
      op.CutLength = .75;
      op.UpdateCutTime();
    }
  }
  ws.Study.MainOpCount = 100;
  ws.Study.SubOpCount = 100;
  for (size_t k = 1; k <= 11; ++k) {
    ws.Comparison.TotalB[k] = 30;
    ws.Comparison.TotalC[k] = 20;
    for (int n = 1; n <= 12; ++n)
      ws.Comparison.LinesB[k].push_back({QStringLiteral("Item %1").arg(n), QStringLiteral(" 1 x 1.5 = 1.5")});
  }
  ws.Machine.BarLengthInch = 144;
  ws.Machine.CutOffWidth = .125f;
  return ws;
}

void BM_ComposeLargestSample(benchmark::State& state) {
  const Workspace ws = LargestSample();
  ReportDocument doc;
  for (auto _ : state) {
    ComposeReport(ws, doc);
    benchmark::DoNotOptimize(doc.PageCount());
  }
  state.counters["pages"] = doc.PageCount();
  state.counters["operations"] = ws.Study.MainOpCount + ws.Study.SubOpCount;
}
BENCHMARK(BM_ComposeLargestSample)->Unit(benchmark::kMillisecond);

void BM_Compose200Operations(benchmark::State& state) {
  const Workspace ws = HundredAndHundred();
  ReportDocument doc;
  for (auto _ : state) {
    ComposeReport(ws, doc);
    benchmark::DoNotOptimize(doc.PageCount());
  }
  state.counters["pages"] = doc.PageCount();
}
BENCHMARK(BM_Compose200Operations)->Unit(benchmark::kMillisecond);

void BM_WritePdf200Operations(benchmark::State& state) {
  const Workspace ws = HundredAndHundred();
  ReportDocument doc;
  ComposeReport(ws, doc);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.pdf"));
  for (auto _ : state) {
    QString error;
    benchmark::DoNotOptimize(WriteReportPdf(doc, path, &error));
  }
  state.counters["pages"] = doc.PageCount();
}
BENCHMARK(BM_WritePdf200Operations)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return arvex::bench::RunWithApplication(argc, argv); }
