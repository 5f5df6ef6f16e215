// Drives the main window's form with any sequence of clicks, keys and
// commands on a study made from the input: no event may crash it, and the
// sync table must keep pointing into the lists.

#include "formevents.h"
#include "mainwindow/mainwindowform.h"
#include "platform/scriptedprompter.h"
#include "workspace.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdlib>

using namespace arvex;

namespace {

struct NoHost : MainWindowHost {
  void ShowOperationEditor() override {}
  void ShowHeaderWindow() override {}
  void FocusList(int) override {}
  void ProcessPendingEvents() override {}
};

void CheckSyncs(const TimeStudy& st) {
  for (int side : {kMainSpindle, kSubSpindle})
    for (int k = 0; k <= kMaxSyncs + 1; ++k) {
      const int v = st.Sync(side, k);
      if (v < 0 || v > kMaxOperations + 1 || ((k == 0 || k == kMaxSyncs + 1) && v != 0)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  static QTemporaryFile settingsFile;
  static bool opened = settingsFile.open();
  static QSettings store(settingsFile.fileName(), QSettings::IniFormat);
  if (!opened || size < 4) return 0;

  Workspace ws;
  TimeStudy& st = ws.Study;
  st.Header.SubSpindleUsed = data[0] & 1;
  const int mainCount = data[1] % 12;
  const int subCount = data[2] % 12;
  for (int i = 1; i <= mainCount; ++i) st.Op(kMainSpindle, i).ToolNo = QStringLiteral("T%1").arg(i);
  for (int i = 1; i <= subCount; ++i) st.Op(kSubSpindle, i).ToolNo = QStringLiteral("S%1").arg(i);
  st.RecountOps();
  ScriptedPrompter prompter;
  NoHost host;
  MainWindowForm form(ws, prompter, store, host);
  form.FillList();

  FormEvents events(data, size, 3, "0123456789");
  FormEvent e;
  while (events.Next(&e)) {
    const int side = (e.Field & 1) ? kSubSpindle : kMainSpindle;
    prompter.QueueAnswer((e.Length & 1) ? Answer::Yes : Answer::No);
    switch (e.Kind % 12) {
      case 0: form.ClickLine(side, static_cast<int>(e.Field / 2) - 1); break;
      case 1: form.MoveUp(side); break;
      case 2: form.MoveDown(side); break;
      case 3: form.CopyMainToSub(); break;
      case 4: form.CopySubToMain(); break;
      case 5: form.AddSync(); break;
      case 6: form.RemoveSync(); break;
      case 7: form.ToggleSyncs(); break;
      case 8: form.ListKeyDown(side, 46); break;
      case 9: form.ListKeyDown(side, 13); break;
      case 10: form.ChooseGroup(e.Field % 40 - 5); break;
      case 11: form.EditorButton(side); break;
    }
    CheckSyncs(st);
  }
  return 0;
}
