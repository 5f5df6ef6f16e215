#pragma once
// The main of a benchmark program that paints, measures text or opens
// windows: the application object fonts, paint devices and widgets need
// (offscreen unless QT_QPA_PLATFORM names a platform), then the benchmarks.

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace arvex::bench {

template <class Application = QGuiApplication>
int RunWithApplication(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  Application app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace arvex::bench
