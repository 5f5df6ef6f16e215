// The main window: a cold start to the window painted with a study of 100
// main and 100 sub operations and 30 syncs given on the command line, and
// one redisplay after an edit of that study (the comparison, both lists
// rebuilt and both list widgets updated).

#include "benchstudy.h"
#include "document/rvxfile.h"
#include "mainwindow.h"
#include "platform/scriptedprompter.h"
#include "session/help.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QApplication>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace arvex;

namespace {

struct NoHelp : HelpStarter {
  bool StartProgram(const QString&, const QStringList&) override { return false; }
  bool OpenUrl(const QUrl&) override { return false; }
};

// The bench study as a file, on a bundled machine.
QString WriteBenchStudy(const QTemporaryDir& dir) {
  TimeStudy st;
  bench::FillBenchStudy(st);
  st.Header.MachineName = QStringLiteral("SH32-SubLive");
  QByteArray bytes;
  SerializeTimeStudy(st, &bytes);
  const QString path = dir.filePath(QStringLiteral("bench.rvx"));
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return path;
}

void BM_ColdStartToPaintedWindow(benchmark::State& state) {
  QTemporaryDir dir;
  const QString study = WriteBenchStudy(dir);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("ARVEX_STARTUP_PROBE"), QStringLiteral("1"));
  env.insert(QStringLiteral("ARVEX_SETTINGS_FILE"), dir.filePath(QStringLiteral("settings.ini")));
  env.insert(QStringLiteral("ARVEX_APP_FOLDER"), dir.filePath(QStringLiteral("app")));
  if (!env.contains(QStringLiteral("DISPLAY"))) env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  for (auto _ : state) {
    QProcess arvex;
    arvex.setProcessEnvironment(env);
    arvex.start(QStringLiteral(ARVEX_BINARY_PATH), {study});
    if (!arvex.waitForFinished(30000) || arvex.exitCode() != 0) state.SkipWithError("arvex did not start");
  }
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_ColdStartToPaintedWindow)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

void BM_RedisplayAfterEdit(benchmark::State& state) {
  QTemporaryDir dir;
  QSettings store(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  Workspace ws;
  ws.Machine = bench::BenchMachine();
  bench::FillBenchStudy(ws.Study);
  ScriptedPrompter prompter;
  NoHelp help;
  const AppWindows windows;
  WindowContext context{ws, prompter, store, help, windows};
  MainWindow window(context);
  window.Form().Load();
  double length = 0.5;
  for (auto _ : state) {
    length = length == 0.5 ? 0.75 : 0.5;
    ws.Changes.Apply(ws.Study, {QStringLiteral("Edit"), QStringLiteral("bench")}, [&](TimeStudy& st) {
      Operation& op = st.Op(kMainSpindle, 50);
      op.CutLength = length;
      op.UpdateCutTime();
      return true;
    });
  }
  state.counters["lines"] = static_cast<double>(window.Form().Lines(kMainSpindle).size() +
                                                window.Form().Lines(kSubSpindle).size());
}
BENCHMARK(BM_RedisplayAfterEdit)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
