// One keystroke in the cutting data window: the key press and release sent
// to a field, the recalculation and the change of the study, the main
// window redisplaying on the change (as it does behind the modal window:
// the comparison and both lists), and every field, label and list of the
// cutting data window updated. The study holds 100 main and 100 sub
// operations with 30 syncs.

#include "benchstudy.h"
#include "cutdatawindow.h"
#include "mainwindow.h"
#include "platform/appfolder.h"
#include "platform/scriptedprompter.h"
#include "session/help.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace arvex;

namespace {

struct NoHelp : HelpStarter {
  bool StartProgram(const QString&, const QStringList&) override { return true; }
  bool OpenUrl(const QUrl&) override { return true; }
};

// The window of the main spindle on operation 50 of the bench study.
struct Bench {
  explicit Bench(bool withMainWindow = true) : store(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat) {
    ws.AppFolder = dir.path() + u'/';
    for (const QString& name : {QStringLiteral("OPP-DESC.TXT"), QStringLiteral("RVXCutData-seed.sql")})
      QFile::copy(BundledDataFolder() + u'/' + name, ws.AppFolder + name);
    ws.Machine = bench::BenchMachine();
    for (SpindleRecord* s : {&ws.Machine.MainSpindle, &ws.Machine.SubSpindle}) s->MaxSplSpeed = 20000;
    for (int n = 1; n <= 4; ++n) ws.Machine.LiveSpindle(n).MaxSplSpeed = 20000;
    bench::FillBenchStudy(ws.Study);
    ws.MaterialGroupIndex = 1;
    ws.Study.CurrentSpindle = kMainSpindle;
    ws.Study.EditMainOp = 50;
    if (withMainWindow) {
      main = std::make_unique<MainWindow>(context);
      main->Form().FillList();
      main->show();
    }
    window = std::make_unique<CutDataWindow>(context, kMainSpindle, nullptr);
    window->Form().Open();
    window->Refresh();
    window->show();
    QApplication::processEvents();
    field = window->findChild<QLineEdit*>(QStringLiteral("toolText_0"));
    field->setFocus();
  }

  // Replaces the diameter by one typed digit.
  void Keystroke(int digit) {
    field->selectAll();
    const auto key = static_cast<Qt::Key>(Qt::Key_0 + digit);
    const QString text(QChar(u'0' + digit));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
  }

  QTemporaryDir dir;
  QSettings store;
  Workspace ws;
  ScriptedPrompter prompter;
  NoHelp help;
  AppWindows windows;
  WindowContext context{ws, prompter, store, help, windows};
  std::unique_ptr<MainWindow> main;
  std::unique_ptr<CutDataWindow> window;
  QLineEdit* field = nullptr;
};

void BM_Keystroke(benchmark::State& state) {
  Bench b;
  int digit = 0;
  for (auto _ : state) b.Keystroke(1 + digit++ % 9);
  if (b.ws.Study.Op(kMainSpindle, 50).Diameter < 1) state.SkipWithError("the keys did not reach the form");
}
BENCHMARK(BM_Keystroke)->Unit(benchmark::kMicrosecond);

// The cutting data window's own share: no main window listening.
void BM_KeystrokeWindowAlone(benchmark::State& state) {
  Bench b(false);
  int digit = 0;
  for (auto _ : state) b.Keystroke(1 + digit++ % 9);
}
BENCHMARK(BM_KeystrokeWindowAlone)->Unit(benchmark::kMicrosecond);

// The same with what changed painted after each key.
void BM_KeystrokePainted(benchmark::State& state) {
  Bench b;
  int digit = 0;
  for (auto _ : state) {
    b.Keystroke(1 + digit++ % 9);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_KeystrokePainted)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
