#pragma once
// The per-user settings store: text values by section and key, read with a
// default. The program's own store is QSettings with organisation and
// application "Arvex"; the environment variable ARVEX_SETTINGS_FILE names an
// INI file to use instead (tests, trial runs), so that nothing touches the
// user's real settings.

#include <QSettings>
#include <QString>

#include <memory>

namespace arvex {

// The section of the program's own keys: the program title.
inline const QString kSettingsSection = QStringLiteral("Arvex");

// The store of this run: ARVEX_SETTINGS_FILE when set, else the user's.
std::unique_ptr<QSettings> OpenSettingsStore();

// The text under section/key, or defaultText when the key is absent.
QString ReadSetting(QSettings& store, const QString& section, const QString& key, const QString& defaultText);
// Stores a text under section/key.
void WriteSetting(QSettings& store, const QString& section, const QString& key, const QString& text);

}  // namespace arvex
