#pragma once
// The manual: the HTML file "Arvex.htm" of the application folder, opened
// at a topic ("" for the main window, "#TSData", "#CutDat", "#MachSetup")
// with the program named by the setting "HelpPath", or with the desktop's
// browser when that setting is empty.

#include <QString>
#include <QStringList>
#include <QUrl>

class QSettings;

namespace arvex {

class Prompter;

inline const QString kHelpFile = QStringLiteral("Arvex.htm");
inline const QString kHeaderHelpTopic = QStringLiteral("#TSData");
inline const QString kCutDataHelpTopic = QStringLiteral("#CutDat");
inline const QString kMachineHelpTopic = QStringLiteral("#MachSetup");
// The menu command of the windows that open their page of the manual.
inline const QString kHelpMenuCaption = QStringLiteral("&Help");

// What starts a viewer; the windows start real programs, tests record.
class HelpStarter {
 public:
  virtual ~HelpStarter() = default;
  // Starts program with the arguments; false when it cannot be started.
  virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
  // Opens the address with the desktop's browser; false when none opens it.
  virtual bool OpenUrl(const QUrl& url) = 0;
};

// The address of a topic of the manual in the application folder.
QUrl HelpUrl(const QString& appFolder, const QString& topic);

// Opens the topic. When the viewer cannot be started the message is
// "The file - " + viewer + " - could not be found! Add your browser path to
// the Arvex registry settings - HelpPath=" (the viewer being the HelpPath
// program, or "the desktop's web browser"). A manual that is missing is
// said so. Returns whether a viewer started.
bool ShowHelp(const QString& appFolder, QSettings& store, const QString& topic, HelpStarter& starter,
              Prompter& prompter);

}  // namespace arvex
