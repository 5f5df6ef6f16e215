#include "session/recentfiles.h"

#include "platform/settingsstore.h"

namespace arvex {

namespace {

QString Key(int i) { return QStringLiteral("RecentFile") + QString::number(i); }

// Every stored value 1..10, empty ones included, so that a promotion keeps
// the order of what is there.
QStringList StoredEntries(QSettings& store) {
  QStringList entries;
  for (int i = 1; i <= kMaxRecentFiles + 1; ++i) entries << ReadSetting(store, kRecentFilesSection, Key(i), {});
  return entries;
}

}  // namespace

QStringList LoadRecentFiles(QSettings& store) {
  QStringList paths;
  for (int i = 1; i <= kMaxRecentFiles; ++i) {
    const QString path = ReadSetting(store, kRecentFilesSection, Key(i), {});
    if (!path.isEmpty()) paths << path;
  }
  return paths;
}

QStringList RecentFileCaptions(const QStringList& paths) {
  QStringList captions;
  for (qsizetype i = 0; i < paths.size() && i < kMaxRecentFiles; ++i)
    captions << u'&' + QString::number(i + 1) + u' ' + paths[i];
  return captions;
}

void PromoteRecentFile(QSettings& store, const QString& path) {
  QStringList list{path};
  for (const QString& entry : StoredEntries(store))
    if (entry != path && !entry.isEmpty()) list << entry;
  for (int i = 1; i <= kMaxRecentFiles; ++i)
    WriteSetting(store, kRecentFilesSection, Key(i), i <= list.size() ? list[i - 1] : QString());
  store.sync();
}

void AddRecentFile(QSettings& store, const QString& path) {
  for (const QString& entry : LoadRecentFiles(store))
    if (entry.compare(path, Qt::CaseInsensitive) == 0) return;
  PromoteRecentFile(store, path);
}

}  // namespace arvex
