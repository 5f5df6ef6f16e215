#include "session/startup.h"

namespace arvex {

QString StripQuotes(QString path) {
  if (path.startsWith(u'"')) path.remove(0, 1);
  if (path.endsWith(u'"')) path.chop(1);
  return path;
}

StartUpLine ParseStartUpLine(const QStringList& arguments) {
  StartUpLine line;
  QStringList rest;
  for (const QString& a : arguments) {
    if (a.toUpper().contains(QStringLiteral("/SCSETUP"))) {
      line.FolderSetup = true;
      QString left = a;
      left.remove(QStringLiteral("/SCSETUP"), Qt::CaseInsensitive);
      if (!left.trimmed().isEmpty()) rest << left.trimmed();
      continue;
    }
    rest << a;
  }
  line.OpenPath = StripQuotes(rest.join(u' ').trimmed());
  return line;
}

bool TakeOption(QStringList& args, const QString& name, QString* value, bool* missingValue) {
  if (missingValue) *missingValue = false;
  const QString prefix = name + u'=';
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--")) return false;
    if (args[i] == name) {
      if (i + 1 >= args.size()) {
        if (missingValue) *missingValue = true;
        args.removeAt(i);
        return false;
      }
      *value = args[i + 1];
      args.remove(i, 2);
      return true;
    }
    if (args[i].startsWith(prefix)) {
      *value = args[i].mid(prefix.size());
      args.removeAt(i);
      return true;
    }
  }
  return false;
}

bool TakeFlag(QStringList& args, const QString& name) {
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--")) return false;
    if (args[i] == name) {
      args.removeAt(i);
      return true;
    }
  }
  return false;
}

}  // namespace arvex
