#include "session/help.h"

#include "platform/prompter.h"
#include "platform/settingsstore.h"
#include "session/studysession.h"

#include <QFileInfo>

namespace arvex {

QUrl HelpUrl(const QString& appFolder, const QString& topic) {
  QUrl url = QUrl::fromLocalFile(appFolder + kHelpFile);
  if (topic.startsWith(u'#')) url.setFragment(topic.mid(1));
  return url;
}

bool ShowHelp(const QString& appFolder, QSettings& store, const QString& topic, HelpStarter& starter,
              Prompter& prompter) {
  const QString manual = appFolder + kHelpFile;
  if (!QFileInfo(manual).isFile()) {
    prompter.ShowMessage(QStringLiteral("The manual ") + manual + QStringLiteral(" could not be found!"), kProgramTitle,
                         MessageIcon::Exclamation);
    return false;
  }
  const QUrl url = HelpUrl(appFolder, topic);
  const QString viewer = ReadSetting(store, kSettingsSection, kHelpPathKey, {});
  const bool started = viewer.isEmpty() ? starter.OpenUrl(url) : starter.StartProgram(viewer, {url.toString()});
  if (!started) {
    const QString name = viewer.isEmpty() ? QStringLiteral("the desktop's web browser") : viewer;
    prompter.ShowMessage(QStringLiteral("The file - ") + name +
                             QStringLiteral(" - could not be found! Add your browser path to the Arvex registry "
                                            "settings - HelpPath="),
                         kProgramTitle, MessageIcon::Exclamation);
  }
  return started;
}

}  // namespace arvex
