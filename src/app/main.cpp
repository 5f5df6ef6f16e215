// arvex: the cycle-time estimator. With a command word it runs headless;
// otherwise it starts the windows.

#include "application.h"
#include "cli.h"
#include "platform/numtext.h"

#include <QApplication>
#include <QCoreApplication>

#include <memory>

namespace {

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void SetApplicationNames() {
  QCoreApplication::setOrganizationName(QStringLiteral("Arvex"));
  QCoreApplication::setApplicationName(QStringLiteral("Arvex"));
  QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                              .arg(ARVEX_VERSION_MAJOR)
                                              .arg(ARVEX_VERSION_MINOR)
                                              .arg(ARVEX_VERSION_PATCH));
  arvex::SetNumberLocale(arvex::SystemNumberLocale());
}

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);

  const bool windows = arvex::WantsWindows(args);
  if (windows && HasDisplay()) {
    QApplication app(argc, argv);
    SetApplicationNames();
    QApplication::setDesktopFileName(QStringLiteral("arvex"));
    return arvex::RunWindows(args);
  }

  const arvex::AppKind kind = arvex::AppKindFor(args);
  if (kind == arvex::AppKind::Gui && !HasDisplay()) {
    // Composing a report needs fonts and paint devices, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  std::unique_ptr<QCoreApplication> app;
  if (kind == arvex::AppKind::Gui) app = std::make_unique<QApplication>(argc, argv);
  else app = std::make_unique<QCoreApplication>(argc, argv);
  SetApplicationNames();

  QTextStream out(stdout);
  QTextStream err(stderr);
  if (windows) {
    // No display: the estimate, as the command line gives it.
    err << "arvex: no display (DISPLAY is not set), so the windows cannot open; here is the estimate instead. "
           "Start arvex on a desktop, or see the windows under a virtual display with scripts/screenshot.sh "
           "(README).\n";
    err.flush();
    args.removeIf([](const QString& a) { return a.toUpper().contains(QStringLiteral("/SCSETUP")); });
  }
  const int status = arvex::RunCli(args, out, err);
  out.flush();
  err.flush();
  return status;
}
