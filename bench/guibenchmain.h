#pragma once
// The main of a benchmark program that paints or measures text: the
// offscreen application object fonts and paint devices need, then the
// benchmarks.

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace arvex::bench {

inline int RunWithGuiApplication(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace arvex::bench
