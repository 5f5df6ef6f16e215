#include "session/foldersetupform.h"

#include "machine/machinefile.h"
#include "platform/appfolder.h"
#include "platform/prompter.h"
#include "platform/settingsstore.h"
#include "session/studysession.h"
#include "workspace.h"

#include <QDir>

namespace arvex {

FolderSetupForm::FolderSetupForm(Workspace& ws, Prompter& prompter, QSettings& store, QString bundledFolder)
    : ws_(ws),
      prompter_(prompter),
      store_(store),
      bundled_(std::move(bundledFolder)),
      appFolder_(QDir::toNativeSeparators(ws.AppFolder)),
      studyFolder_(QDir::toNativeSeparators(arvex::StudyFolder(store))) {}

void FolderSetupForm::ChooseAppFolder() {
  FileRequest request{QStringLiteral("Choose the application folder"), {}, false, appFolder_, false};
  request.Folder = true;
  if (const auto folder = prompter_.ChooseFile(request)) appFolder_ = QDir::toNativeSeparators(*folder);
}

void FolderSetupForm::ChooseStudyFolder() {
  FileRequest request{QStringLiteral("Choose the time-study folder"), {}, false, studyFolder_, false};
  request.Folder = true;
  if (const auto folder = prompter_.ChooseFile(request)) studyFolder_ = QDir::toNativeSeparators(*folder);
}

void FolderSetupForm::Fill() {
  const QString folder = WithTrailingSeparator(appFolder_.trimmed());
  if (!QDir().mkpath(folder)) {
    prompter_.ShowMessage(QStringLiteral("The folder ") + QDir::toNativeSeparators(folder) +
                              QStringLiteral(" cannot be created!"),
                          kCaption, MessageIcon::Exclamation);
    return;
  }
  if (bundled_.isEmpty()) {
    prompter_.ShowMessage(QStringLiteral("The bundled data of this installation cannot be found; nothing was copied."),
                          kCaption, MessageIcon::Exclamation);
    return;
  }
  const FolderFillReport report = FillAppFolder(folder, bundled_);
  QString text = QString::number(report.Copied) +
                 (report.Copied == 1 ? QStringLiteral(" file was copied into ") : QStringLiteral(" files were copied into ")) +
                 QDir::toNativeSeparators(folder) + QStringLiteral("; ") + QString::number(report.Kept) +
                 (report.Kept == 1 ? QStringLiteral(" file was there already and was kept.")
                                   : QStringLiteral(" files were there already and were kept."));
  if (!report.Failed.isEmpty())
    text += QStringLiteral(" These could not be copied: ") + report.Failed.join(QStringLiteral(", ")) + u'.';
  prompter_.ShowMessage(text, kCaption, report.Failed.isEmpty() ? MessageIcon::Information : MessageIcon::Exclamation);
}

bool FolderSetupForm::Accept() {
  const QString app = WithTrailingSeparator(appFolder_.trimmed());
  const QString study = studyFolder_.trimmed();
  if (!study.isEmpty() && !QDir().mkpath(study)) {
    prompter_.ShowMessage(QStringLiteral("The folder ") + study + QStringLiteral(" cannot be created!"), kCaption,
                          MessageIcon::Exclamation);
    return false;
  }
  if (app != ws_.AppFolder) {
    QString error;
    if (!PrepareAppFolder(app, bundled_, &error)) {
      prompter_.ShowMessage(error, kCaption, MessageIcon::Exclamation);
      return false;
    }
    WriteSetting(store_, kSettingsSection, kAppFolderKey, QDir::fromNativeSeparators(app));
    ws_.AppFolder = app;
    LoadProgramValues(ws_, store_);
    if (!ws_.Study.Header.MachineName.isEmpty()) ReloadStudyMachine(ws_, prompter_);
  }
  WriteSetting(store_, kSettingsSection, kStudyFolderKey, QDir::fromNativeSeparators(study));
  return true;
}

void FolderSetupForm::Closed() {
  WriteSetting(store_, kSettingsSection, kSetupDoneKey, QStringLiteral("-1"));
  store_.sync();
}

}  // namespace arvex
