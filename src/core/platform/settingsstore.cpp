#include "platform/settingsstore.h"

namespace arvex {

std::unique_ptr<QSettings> OpenSettingsStore() {
  const QString file = qEnvironmentVariable("ARVEX_SETTINGS_FILE");
  if (!file.isEmpty()) return std::make_unique<QSettings>(file, QSettings::IniFormat);
  return std::make_unique<QSettings>(QStringLiteral("Arvex"), QStringLiteral("Arvex"));
}

QString ReadSetting(QSettings& store, const QString& section, const QString& key, const QString& defaultText) {
  const QVariant value = store.value(section + u'/' + key);
  if (!value.isValid()) return defaultText;
  // An INI value with unquoted commas reads as a list; it is one text.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
  return value.toString();
}

void WriteSetting(QSettings& store, const QString& section, const QString& key, const QString& text) {
  store.setValue(section + u'/' + key, text);
}

}  // namespace arvex
