#pragma once
// The recently used time studies of the File menu: up to nine full paths in
// the settings store, section "Recent Files", keys "RecentFile1" (the most
// recent) to "RecentFile9".

#include <QString>
#include <QStringList>

class QSettings;

namespace arvex {

inline const QString kRecentFilesSection = QStringLiteral("Recent Files");
inline constexpr int kMaxRecentFiles = 9;

// The stored paths in order, empty keys left out.
QStringList LoadRecentFiles(QSettings& store);
// The menu captions: "&" + i + " " + path for each stored entry i.
QStringList RecentFileCaptions(const QStringList& paths);
// Puts path at the top of the stored list, removing its older place
// (compared exactly); the first nine are kept.
void PromoteRecentFile(QSettings& store, const QString& path);
// Promotes path only when no entry equals it ignoring case: a path already
// listed keeps its place.
void AddRecentFile(QSettings& store, const QString& path);

}  // namespace arvex
