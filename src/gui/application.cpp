#include "application.h"

#include "mainwindow.h"
#include "platform/numtext.h"
#include "platform/settingsstore.h"
#include "session/help.h"
#include "session/startup.h"
#include "session/studysession.h"
#include "widgetprompter.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QTimer>

#include <cstdlib>

namespace arvex {

namespace {

class DesktopHelpStarter : public HelpStarter {
 public:
  bool StartProgram(const QString& program, const QStringList& arguments) override {
    return QProcess::startDetached(program, arguments);
  }
  bool OpenUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

}  // namespace

int RunWindows(const QStringList& arguments) {
  QStringList args = arguments;
  QString appFolderOption;
  TakeOption(args, QStringLiteral("--app-folder"), &appFolderOption);
  const bool sample = TakeFlag(args, QStringLiteral("--sample"));
  StartUpLine line = ParseStartUpLine(args);

  auto store = OpenSettingsStore();
  Workspace ws;
  WidgetPrompter prompter;
  DesktopHelpStarter help;
  // The start-up benchmark: the study read and the main window painted,
  // then the program ends (no first-run window, no header window).
  const bool probe = qEnvironmentVariableIsSet("ARVEX_STARTUP_PROBE");
  AppWindows windows = BuiltWindows();
  if (probe) windows.HeaderData = nullptr;
  WindowContext context{ws, prompter, *store, help, windows};

  QString error;
  if (!PrepareApplicationFolder(ws, *store, appFolderOption, &error)) {
    prompter.ShowMessage(error, kProgramTitle, MessageIcon::Critical);
    return 1;
  }
  // The first run, or a request for it.
  if (!probe &&
      (Val(ReadSetting(*store, kSettingsSection, kSetupDoneKey, QStringLiteral("0"))) == 0 || line.FolderSetup))
    windows.FolderSetup(context, nullptr);

  LoadProgramValues(ws, *store);
  if (sample && line.OpenPath.isEmpty()) line.OpenPath = FirstSample(ws.AppFolder);
  ws.Study.Header.PartsCatcherUsed = 1;
  ws.Study.Dirty = false;

  MainWindow window(context);
  window.Form().Load();
  window.show();
  window.activateWindow();  // also where no window manager gives the focus
  const QString path = line.OpenPath;
  QTimer::singleShot(0, &window, [&window, path, probe] {
    if (!path.isEmpty()) window.Form().OpenAtStartUp(path);
    if (probe) {
      window.repaint();
      std::_Exit(0);
    }
  });
  return QApplication::exec();
}

}  // namespace arvex
