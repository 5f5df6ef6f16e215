// The print preview as the user meets it, on a study whose report runs to
// 15 pages: the Print Preview command (the checks, composing the report,
// building frmPrint) until its first page is painted, and one section
// switch toggled until the page is painted again.

#include "benchstudy.h"
#include "engine/comparison.h"
#include "engine/printchecks.h"
#include "platform/scriptedprompter.h"
#include "printpreviewwindow.h"
#include "report/composereport.h"
#include "reportpreviewview.h"
#include "session/help.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace arvex;

// A computer without printers: the report is laid out on US Letter and no
// print system is asked.
class NoPrinters : public PrintQueues {
 public:
  QString DefaultPrinter() override { return {}; }
  std::optional<PrinterPaper> DefaultPaper(const QString&) override { return std::nullopt; }
  std::optional<PrinterPaper> PaperOfSize(const QString&, QSizeF) override { return std::nullopt; }
  bool AcceptsJobs(const QString&, QString*) override { return false; }
  int SubmitPdf(const QString&, const QString&, const QString&, const QString&, int, QString*) override { return 0; }
};

class NoHelp : public HelpStarter {
 public:
  bool StartProgram(const QString&, const QStringList&) override { return true; }
  bool OpenUrl(const QUrl&) override { return true; }
};

// The bench study cut to n operations on each spindle, with the syncs that
// still fall inside the lists.
Workspace StudyOf(int n) {
  Workspace ws;
  ws.Machine = bench::BenchMachine();
  bench::FillBenchStudy(ws.Study);
  for (int s = kMainSpindle; s <= kSubSpindle; ++s)
    for (int i = n + 1; i <= kMaxOperations; ++i) ws.Study.Op(s, i) = Operation();
  for (int k = 1; k <= kMaxSyncs; ++k)
    if (ws.Study.Sync(kMainSpindle, k) > n || ws.Study.Sync(kSubSpindle, k) > n) {
      ws.Study.Sync(kMainSpindle, k) = 0;
      ws.Study.Sync(kSubSpindle, k) = 0;
    }
  ws.Study.RecountOps();
  GetTime(ws);
  return ws;
}

int PagesOf(const Workspace& ws) {
  ReportDocument doc;
  ComposeReport(ws, doc);
  return doc.PageCount();
}

// The study whose full report has 15 pages.
Workspace FifteenPages() {
  for (int n = 1; n <= kMaxOperations; ++n) {
    Workspace ws = StudyOf(n);
    if (PagesOf(ws) >= 15) return ws;
  }
  return StudyOf(kMaxOperations);
}

struct Session {
  Session() : store(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat) {}
  QTemporaryDir dir;
  QSettings store;
  ScriptedPrompter prompter;
  NoHelp help;
  NoPrinters queues;
  AppWindows windows;
};

void BM_PreviewCommandToFirstPage(benchmark::State& state) {
  const Workspace study = FifteenPages();
  Session s;
  int pages = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Workspace ws;
    ws.Study = study.Study;
    ws.Machine = study.Machine;
    state.ResumeTiming();
    WindowContext context{ws, s.prompter, s.store, s.help, s.windows};
    PrepareReportChecks(ws, s.prompter);
    PrintPreviewWindow window(context, s.queues);
    window.show();
    auto* view = window.findChild<ReportPreviewView*>();
    benchmark::DoNotOptimize(view->viewport()->grab());
    pages = window.Form().PageCount();
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_PreviewCommandToFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SwitchToRedrawnPage(benchmark::State& state) {
  Workspace ws = FifteenPages();
  Session s;
  WindowContext context{ws, s.prompter, s.store, s.help, s.windows};
  PrepareReportChecks(ws, s.prompter);
  PrintPreviewWindow window(context, s.queues);
  window.show();
  auto* view = window.findChild<ReportPreviewView*>();
  auto* toolHolders = window.findChild<QCheckBox*>(QStringLiteral("Check2"));
  for (auto _ : state) {
    toolHolders->click();
    benchmark::DoNotOptimize(view->viewport()->grab());
  }
  state.counters["pages"] = window.Form().PageCount();
}
BENCHMARK(BM_SwitchToRedrawnPage)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
