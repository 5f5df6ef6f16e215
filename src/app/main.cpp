// arvex: the cycle-time estimator. With a command word it runs headless;
// otherwise it starts the windows.

#include "cli.h"
#include "platform/numtext.h"

#include <QApplication>
#include <QCoreApplication>

#include <memory>

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);

  const arvex::AppKind kind = arvex::AppKindFor(args);
  if (kind == arvex::AppKind::Gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    // Composing a report needs fonts and paint devices, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  std::unique_ptr<QCoreApplication> app;
  if (kind == arvex::AppKind::Gui) app = std::make_unique<QApplication>(argc, argv);
  else app = std::make_unique<QCoreApplication>(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Arvex"));
  QCoreApplication::setApplicationName(QStringLiteral("Arvex"));
  QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                              .arg(ARVEX_VERSION_MAJOR)
                                              .arg(ARVEX_VERSION_MINOR)
                                              .arg(ARVEX_VERSION_PATCH));
  arvex::SetNumberLocale(arvex::SystemNumberLocale());

  QTextStream out(stdout);
  QTextStream err(stderr);
  const int status = arvex::RunCli(args, out, err);
  out.flush();
  err.flush();
  return status;
}
