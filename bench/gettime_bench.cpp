// The comparison that runs after every keystroke: GetTime on a study of
// 100 main and 100 sub operations with 30 syncs.

#include "benchstudy.h"
#include "engine/comparison.h"
#include "workspace.h"

#include <benchmark/benchmark.h>

using namespace arvex;

namespace {

// The redisplay after a change that alters nothing the comparison shows.
void BM_GetTime(benchmark::State& state) {
  Workspace ws;
  ws.Machine = bench::BenchMachine();
  bench::FillBenchStudy(ws.Study);
  GetTime(ws);
  for (auto _ : state) {
    GetTime(ws);
    benchmark::DoNotOptimize(ws.Comparison.Total);
  }
}
BENCHMARK(BM_GetTime)->Unit(benchmark::kMicrosecond);

// A keystroke in the cutting data: one operation's cutting time changes, so
// its group's times, labels and total are new.
void BM_GetTimeAfterKeystroke(benchmark::State& state) {
  Workspace ws;
  ws.Machine = bench::BenchMachine();
  bench::FillBenchStudy(ws.Study);
  GetTime(ws);
  int n = 0;
  for (auto _ : state) {
    ws.Study.Op(kMainSpindle, 50).CutLength = 0.3 + 0.001 * (++n % 1000);
    ws.Study.Op(kMainSpindle, 50).UpdateCutTime();
    GetTime(ws);
    benchmark::DoNotOptimize(ws.Comparison.Total);
  }
}
BENCHMARK(BM_GetTimeAfterKeystroke)->Unit(benchmark::kMicrosecond);

// The first recalculation of a newly opened study: no text formatted yet.
void BM_GetTimeFirst(benchmark::State& state) {
  Workspace ws;
  ws.Machine = bench::BenchMachine();
  bench::FillBenchStudy(ws.Study);
  for (auto _ : state) {
    ws.Comparison.Memo.Clear();
    GetTime(ws);
    benchmark::DoNotOptimize(ws.Comparison.Total);
  }
}
BENCHMARK(BM_GetTimeFirst)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
