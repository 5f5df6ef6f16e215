// Batch quoting: `arvex estimate --json` over 1,000 studies of 100 main and
// 100 sub operations with 30 syncs, run in-process on files written to a
// temporary application folder.

#include "benchstudy.h"
#include "cli.h"
#include "document/rvxfile.h"
#include "platform/scriptedprompter.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace arvex;

namespace {

constexpr int kFiles = 1000;

// The bench machine as a machine file (inch values, as the setup window
// writes them).
const char kMachineFile[] =
    "[BENCH]\r\nHasSubSpindle=1\r\nHasLiveTools=1\r\n"
    "[MainSpindle]\r\nTools1=Gang,T01,T02,T03,T04,T05,T06,T07,T08,T09,T10\r\nTime1to1=.6\r\nToolSetTime1=5\r\n"
    "Tools2=Turret,T11,T12,T13,T14,T15,T16\r\nTime2to2=.8\r\nToolSetTime2=6\r\nTime1to2=1.4\r\n"
    "MaxSplSpeed=10000\r\nSplStartStop=1.2\r\nSplForRev=.4\r\nSplChange3k=.7\r\nSplRef=.9\r\nSplIndex=.3\r\n"
    "CatchFrMain=2\r\nColletOpenClose=.5\r\nHeadstockStroke=1.25\r\nRapidMultZ=800\r\nRapidZBeginEnd=B\r\n"
    "RapidMultExtra=.25\r\nOtherDesc1=Chip conveyor\r\nOtherTime1=1.5\r\nOther1BeginEnd=E\r\nOtherDesc2=0\r\n"
    "OtherTime2=0\r\nOther2BeginEnd=B\r\nRemnantLength=2\r\nSetUpTime=45\r\n"
    "[SubSpindle]\r\nTools1=Back,T21,T22,T23,T24,T25\r\nTime1to1=.6\r\nToolSetTime1=5\r\n"
    "Tools2=Rear,T31,T32,T33,T34\r\nTime2to2=.8\r\nToolSetTime2=6\r\nTime1to2=1.4\r\nMaxSplSpeed=8000\r\n"
    "SplStartStop=1.2\r\nSplForRev=.4\r\nSplChange3k=.7\r\nSplRef=.9\r\nSplIndex=.3\r\nCatchFrSub=2.5\r\n"
    "TransferFrMain=1.8\r\nOtherDesc1=0\r\nOtherTime1=0\r\nOtherDesc2=0\r\nOtherTime2=0\r\n"
    "[LiveSpindle1]\r\nName=Live Tool 1\r\nMaxSplSpeed=6000\r\nSplStartStop=.5\r\nSplForRev=.45\r\nSplChange3k=.35\r\n"
    "[LiveSpindle2]\r\nName=Live Tool 2\r\nMaxSplSpeed=6000\r\nSplStartStop=.5\r\nSplForRev=.45\r\nSplChange3k=.35\r\n"
    "[LiveSpindle3]\r\nName=Live Tool 3\r\nMaxSplSpeed=6000\r\nSplStartStop=.5\r\nSplForRev=.45\r\nSplChange3k=.35\r\n"
    "[LiveSpindle4]\r\nName=Live Tool 4\r\nMaxSplSpeed=6000\r\nSplStartStop=.5\r\nSplForRev=.45\r\nSplChange3k=.35\r\n"
    "CutOffWidth=.099\r\nBarLengthInch=144\r\nBarLoadTimeSec=50\r\n";

struct BatchFolder {
  QTemporaryDir Dir;
  QString App;
  QStringList Files;
  bool Ok = false;

  BatchFolder() {
    App = Dir.path() + u'/';
    QFile marker(App + QStringLiteral(".arvex-folder"));  // never filled from the bundled data
    marker.open(QIODevice::WriteOnly);
    QFile machine(App + QStringLiteral("BENCH.ini"));
    if (!machine.open(QIODevice::WriteOnly) || machine.write(kMachineFile) < 0) return;
    machine.close();
    TimeStudy st;
    bench::FillBenchStudy(st);
    ScriptedPrompter prompter;
    for (int n = 0; n < kFiles; ++n) {
      // Each file a little different, as a batch of quotes would be.
      st.Op(kMainSpindle, 1 + n % 100).CutLength = 0.1 + 0.001 * n;
      st.Op(kMainSpindle, 1 + n % 100).UpdateCutTime();
      const QString path = App + QStringLiteral("study%1.rvx").arg(n, 4, 10, QLatin1Char('0'));
      if (!WriteTimeStudy(st, path, prompter)) return;
      Files << path;
    }
    Ok = true;
  }
};

void BM_EstimateJson1000Files(benchmark::State& state) {
  BatchFolder folder;
  if (!folder.Ok) {
    state.SkipWithError("the studies could not be written");
    return;
  }
  const QStringList args = QStringList{QStringLiteral("--app-folder"), folder.App, QStringLiteral("estimate"),
                                       QStringLiteral("--json")} +
                           folder.Files;
  qsizetype bytes = 0;
  for (auto _ : state) {
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = RunCli(args, o, e);
    o.flush();
    if (status != 0) {
      state.SkipWithError(("estimate failed: " + err.left(300)).toStdString().c_str());
      return;
    }
    bytes = out.size();
    benchmark::DoNotOptimize(out);
  }
  state.counters["files_per_s"] =
      benchmark::Counter(static_cast<double>(kFiles), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["json_chars_per_file"] = static_cast<double>(bytes) / kFiles;
}
BENCHMARK(BM_EstimateJson1000Files)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
