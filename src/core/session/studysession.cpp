#include "session/studysession.h"

#include "cutting/materiallists.h"
#include "engine/printchecks.h"
#include "machine/machinefile.h"
#include "platform/appfolder.h"
#include "platform/prompter.h"
#include "platform/settingsstore.h"
#include "report/reportsettings.h"
#include "session/filedialogs.h"
#include "session/recentfiles.h"
#include "workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace arvex {

bool PrepareApplicationFolder(Workspace& ws, QSettings& store, const QString& requested, QString* error) {
  ws.AppFolder = ChooseAppFolder(requested, ReadSetting(store, kSettingsSection, kAppFolderKey, {}));
  return PrepareAppFolder(ws.AppFolder, BundledDataFolder(), error);
}

void LoadProgramValues(Workspace& ws, QSettings& store, QString* warning) {
  ws.Report = LoadReportSettings(store);
  QString error, tooMany;
  if (!LoadMaterialListsAtStartUp(ws, &error, &tooMany)) {
    if (warning) *warning = error;
  } else if (warning) {
    *warning = tooMany;
  }
}

QString StudyFolder(QSettings& store) {
  const QString stored = ReadSetting(store, kSettingsSection, kStudyFolderKey, {});
  if (!stored.isEmpty() && QFileInfo(stored).isDir()) return QDir(stored).absolutePath();
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QDir::homePath() : documents;
}

QString FirstSample(const QString& appFolder) {
  const QDir samples(appFolder + QStringLiteral("samples"));
  const QStringList names = samples.entryList({QStringLiteral("*.rvx")}, QDir::Files, QDir::Name);
  return names.isEmpty() ? QString() : samples.filePath(names.front());
}

void NewStudy(Workspace& ws) {
  ws.Study.Clear();
  ws.MaterialGroupIndex = 0;
  ws.Changes.Replaced(ws.Study);
}

TimeStudyReadResult OpenStudy(Workspace& ws, const QString& path, Prompter& prompter) {
  const QString absolute = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
  const TimeStudyReadResult result = ReadTimeStudy(ws, absolute, prompter);
  if (!result.FileRead) return result;
  ws.Study.FilePath = absolute;
  // The cutting data recommends for the material of this study, not of the
  // one before it.
  ws.MaterialGroupIndex = static_cast<std::int16_t>(GroupOfMaterialEntry(ws.Materials, ws.Study.Header.Material).value_or(0));
  ws.Changes.Replaced(ws.Study);
  return result;
}

bool ReloadStudyMachine(Workspace& ws, Prompter& prompter) {
  // A study that names no machine has none to load; the loader would report
  // a file named ".ini" as missing.
  if (ws.Study.Header.MachineName.isEmpty()) return false;
  const bool loaded = LoadMachineDefinition(ws, ws.Study.Header.MachineName, prompter);
  ws.Changes.MachineLoaded();
  return loaded;
}

bool WriteStudy(Workspace& ws, const QString& path, Prompter& prompter, QSettings& store) {
  if (!WriteTimeStudy(ws.Study, path, prompter)) return false;
  ws.Study.FilePath = path;
  AddRecentFile(store, path);
  ws.Changes.Saved(ws.Study);
  return true;
}

SaveOutcome SaveStudy(Workspace& ws, Prompter& prompter, QSettings& store) {
  CheckSyncsBeforePrint(ws, prompter);
  const QString proposal =
      ws.Study.FilePath.isEmpty() ? StudyFolder(store) + u'/' : ws.Study.FilePath;
  const QString path = SaveFileDialog(prompter, kSaveStudyTitle, proposal);
  if (path.isEmpty()) {
    ws.Study.FilePath.clear();
    return SaveOutcome::Cancelled;
  }
  return WriteStudy(ws, path, prompter, store) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

bool UndoStudyStep(Workspace& ws) {
  const std::optional<StudyChange> step = ws.History ? ws.History->Undo(ws.Study) : std::nullopt;
  if (step) ws.Changes.Restored(StudyEvent::Undone, *step);
  return step.has_value();
}

bool RedoStudyStep(Workspace& ws) {
  const std::optional<StudyChange> step = ws.History ? ws.History->Redo(ws.Study) : std::nullopt;
  if (step) ws.Changes.Restored(StudyEvent::Redone, *step);
  return step.has_value();
}

}  // namespace arvex
