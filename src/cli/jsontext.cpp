#include "jsontext.h"

namespace arvex {

void AppendJsonString(QString& out, const QString& text) {
  out += u'"';
  for (const QChar ch : text) {
    const char16_t c = ch.unicode();
    switch (c) {
      case u'"': out += QLatin1String("\\\""); break;
      case u'\\': out += QLatin1String("\\\\"); break;
      case u'\n': out += QLatin1String("\\n"); break;
      case u'\r': out += QLatin1String("\\r"); break;
      case u'\t': out += QLatin1String("\\t"); break;
      default:
        if (c < 0x20) {
          static const char kHex[] = "0123456789abcdef";
          out += QLatin1String("\\u00");
          out += QLatin1Char(kHex[c >> 4]);
          out += QLatin1Char(kHex[c & 15]);
        } else {
          out += ch;
        }
    }
  }
  out += u'"';
}

QString JsonString(const QString& text) {
  QString out;
  AppendJsonString(out, text);
  return out;
}

QString JsonNumber(const QString& numberText) {
  if (numberText.startsWith(u'.')) return u'0' + numberText;
  if (numberText.startsWith(QLatin1String("-."))) return QStringLiteral("-0") + numberText.mid(1);
  return numberText;
}

}  // namespace arvex
