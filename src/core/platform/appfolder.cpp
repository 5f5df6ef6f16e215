#include "platform/appfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace arvex {

namespace {
// Written once the bundled files have been copied, so that files the user
// deletes later are not brought back.
const QString kMarker = QStringLiteral(".arvex-folder");
}  // namespace

QString WithTrailingSeparator(const QString& folder) {
  QString f = QDir::fromNativeSeparators(folder);
  while (f.size() > 1 && f.endsWith(u'/')) f.chop(1);
  if (!f.endsWith(u'/')) f += u'/';
  return f;
}

QString BundledDataFolder() {
  const QString exeDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
  if (exeDir.isEmpty()) return {};
  for (const QString& candidate : {exeDir + QStringLiteral("/data"),
                                   exeDir + QStringLiteral("/../share/arvex/data")}) {
    if (QFileInfo(candidate).isDir()) return WithTrailingSeparator(QDir(candidate).canonicalPath());
  }
  return {};
}

QString ChooseAppFolder(const QString& requested, const QString& stored) {
  if (!requested.isEmpty()) return WithTrailingSeparator(QDir(requested).absolutePath());
  const QString env = qEnvironmentVariable("ARVEX_APP_FOLDER");
  if (!env.isEmpty()) return WithTrailingSeparator(QDir(env).absolutePath());
  if (!stored.isEmpty()) return WithTrailingSeparator(QDir(stored).absolutePath());
  QString standard = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (standard.isEmpty()) standard = QDir::homePath() + QStringLiteral("/.local/share/Arvex/Arvex");
  return WithTrailingSeparator(standard);
}

bool PrepareAppFolder(const QString& appFolder, const QString& bundledFolder, QString* error) {
  QDir dir(appFolder);
  if (!dir.exists() && !QDir().mkpath(appFolder)) {
    if (error) *error = QStringLiteral("The application folder ") + appFolder + QStringLiteral(" cannot be created!");
    return false;
  }
  if (QFileInfo::exists(appFolder + kMarker) || bundledFolder.isEmpty()) return true;
  FillAppFolder(appFolder, bundledFolder);
  QFile marker(appFolder + kMarker);
  if (marker.open(QIODevice::WriteOnly)) marker.write("Arvex application folder\n");
  return true;
}

FolderFillReport FillAppFolder(const QString& appFolder, const QString& bundledFolder) {
  FolderFillReport report;
  if (bundledFolder.isEmpty()) return report;
  const QDir source(bundledFolder);
  QDirIterator it(bundledFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString from = it.next();
    const QString relative = source.relativeFilePath(from);
    const QString to = appFolder + relative;
    if (QFileInfo::exists(to)) {
      ++report.Kept;
      continue;
    }
    QDir().mkpath(QFileInfo(to).absolutePath());
    if (QFile::copy(from, to)) {
      // Bundled files may be read-only in an install; the user's copies are not.
      QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
      ++report.Copied;
    } else {
      report.Failed << relative;
    }
  }
  return report;
}

}  // namespace arvex
