// The main window after a change: redrawing the spindle timeline of a study
// with 31 groups on each spindle, and one undo or redo of a study of 100
// main and 100 sub operations with the redisplay it causes (the comparison,
// both lists and the timeline's geometry).

#include "benchstudy.h"
#include "engine/comparison.h"
#include "guibenchmain.h"
#include "mainwindow/mainwindowform.h"
#include "platform/scriptedprompter.h"
#include "report/timeline.h"
#include "session/studysession.h"
#include "workspace.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

using namespace arvex;

namespace {

class IdleHost : public MainWindowHost {
 public:
  void ShowOperationEditor() override {}
  void ShowHeaderWindow() override {}
  void FocusList(int) override {}
  void ProcessPendingEvents() override {}
};

Workspace BenchWorkspace() {
  Workspace ws;
  ws.Machine = bench::BenchMachine();
  bench::FillBenchStudy(ws.Study);
  GetTime(ws);
  return ws;
}

// The widget's paint event: the chart on a window-sized surface.
void BM_TimelineRedraw31Groups(benchmark::State& state) {
  const Workspace ws = BenchWorkspace();
  const Timeline timeline = ComputeTimeline(ws.Study, ws.Comparison);
  QImage surface(1100, 112, QImage::Format_ARGB32_Premultiplied);
  TimelineStyle style;
  style.Font = QGuiApplication::font();
  for (auto _ : state) {
    QPainter painter(&surface);
    painter.fillRect(surface.rect(), Qt::white);
    PaintTimeline(painter, timeline, QRectF(4, 2, 1092, 108), style);
  }
  state.counters["bars"] = static_cast<double>(timeline.Bars.size());
  state.counters["waits"] = static_cast<double>(timeline.Waits.size());
}
BENCHMARK(BM_TimelineRedraw31Groups)->Unit(benchmark::kMicrosecond);

// The geometry and the paint together, as after a change.
void BM_TimelineComputeAndRedraw31Groups(benchmark::State& state) {
  const Workspace ws = BenchWorkspace();
  QImage surface(1100, 112, QImage::Format_ARGB32_Premultiplied);
  TimelineStyle style;
  style.Font = QGuiApplication::font();
  for (auto _ : state) {
    const Timeline timeline = ComputeTimeline(ws.Study, ws.Comparison);
    QPainter painter(&surface);
    painter.fillRect(surface.rect(), Qt::white);
    PaintTimeline(painter, timeline, QRectF(4, 2, 1092, 108), style);
  }
}
BENCHMARK(BM_TimelineComputeAndRedraw31Groups)->Unit(benchmark::kMicrosecond);

// Undo, then redo, of a delete in the middle of the main list: every
// iteration is one step back or forth and the main window form's
// redisplay.
void BM_UndoOrRedoWithRedisplay(benchmark::State& state) {
  Workspace ws = BenchWorkspace();
  QTemporaryFile settingsFile;
  settingsFile.open();
  QSettings store(settingsFile.fileName(), QSettings::IniFormat);
  ScriptedPrompter prompter;
  IdleHost host;
  MainWindowForm form(ws, prompter, store, host);
  ws.Changes.Replaced(ws.Study);
  ws.Changes.Apply(ws.Study, {QStringLiteral("Delete Operation 50"), {}}, [](TimeStudy& st) {
    st.CurrentSpindle = kMainSpindle;
    return st.DeleteOperation(50) && (st.RecountOps(), true);
  });
  bool undo = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(undo ? UndoStudyStep(ws) : RedoStudyStep(ws));
    undo = !undo;
  }
  state.counters["lines"] = static_cast<double>(form.Lines(kMainSpindle).size() + form.Lines(kSubSpindle).size());
}
BENCHMARK(BM_UndoOrRedoWithRedisplay)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return arvex::bench::RunWithApplication(argc, argv); }
