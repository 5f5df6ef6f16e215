#include "cutting/operationnamerules.h"

#include <QStringView>

#include <array>
#include <utility>

namespace arvex {

namespace {

bool HasWord(const QString& name, QStringView word) { return name.contains(word, Qt::CaseInsensitive); }

}  // namespace

QString HolderHeadingForName(const QString& opName) {
  if (HasWord(opName, u"live")) return kLiveHoldersHeading;
  for (QStringView word : {u"drill", u"ream", u"tap", u"spot", u"center", u"broach"})
    if (HasWord(opName, word)) return kIdHoldersHeading;
  if (opName.contains(u"ID", Qt::CaseSensitive)) return kIdHoldersHeading;
  if (HasWord(opName, u"turn")) return kOdHoldersHeading;
  if (HasWord(opName, u"od")) return kOdHoldersHeading;
  return QString();
}

QString GridKeywordForName(const QString& opName) {
  static const std::array<std::pair<QStringView, QStringView>, 8> kWords = {{
      {u"turn", u"turn"},
      {u"face", u"turn"},
      {u"groove", u"turn"},
      {u"drill", u"drill"},
      {u"spot", u"spot"},
      {u"mill", u"mill"},
      {u"ream", u"ream"},
      {u"center", u"center"},
  }};
  QString keyword;
  for (const auto& [word, result] : kWords)
    if (HasWord(opName, word)) keyword = result.toString();
  return keyword;
}

bool IsLiveOperationName(const QString& opName) { return HasWord(opName, u"live"); }

}  // namespace arvex
