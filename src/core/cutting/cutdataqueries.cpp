#include "cutting/cutdataqueries.h"

#include "cutting/operationnamerules.h"

#include "platform/numtext.h"

#include <QSet>

namespace arvex {

namespace {

const QString kWindowSelect = QStringLiteral("select * from cutdat where GrpIndex = ");
// A condition no row meets.
const QString kNothing = QStringLiteral("0");

QString NumberInQuery(int n) { return Format(static_cast<std::int64_t>(n), u"0"); }

QStringList CollectDistinct(const std::vector<CuttingDataRecord>& rows, QString CuttingDataRecord::*field, int limit) {
  QStringList out;
  QSet<QString> seen;
  for (const CuttingDataRecord& r : rows) {
    if (out.size() >= limit) break;
    const QString& v = r.*field;
    if (v.isEmpty() || seen.contains(v)) continue;
    seen.insert(v);
    out << v;
  }
  return out;
}

}  // namespace

QString QuotedForDisplay(const QString& text) {
  QString t = text;
  t.replace(u'\'', QStringLiteral("''"));
  return u'\'' + t + u'\'';
}

CutDataQuery GroupQuery(int group) {
  CutDataQuery q;
  q.Text = kWindowSelect + NumberInQuery(group);
  if (group < 1) {
    q.Condition = kNothing;
  } else {
    q.Condition = QStringLiteral("GrpIndex = ?");
    q.Values << group;
  }
  return q;
}

CutDataQuery OperationTypeQuery(int group, const QString& type) {
  CutDataQuery q = GroupQuery(group);
  q.Text += QStringLiteral(" and Operation = ") + QuotedForDisplay(type);
  if (group >= 1) {
    q.Condition += QStringLiteral(" and Operation = ?");
    q.Values << type;
  }
  return q;
}

CutDataQuery NoRowsQuery() {
  CutDataQuery q;
  q.Text = kWindowSelect + QStringLiteral("-1");
  q.Condition = kNothing;
  return q;
}

// One rule for the whole program: the name rules of the operation names.
QString GridKeyword(const QString& operationName) { return GridKeywordForName(operationName); }

QStringList KeywordAlternatives(const QStringList& operationTypes, const QString& keyword) {
  QStringList out;
  if (keyword.isEmpty()) return out;
  for (const QString& t : operationTypes) {
    if (t.toLower().contains(keyword)) out << t;
  }
  return out;
}

CutDataQuery KeywordQuery(int group, const QStringList& operationTypes, const QString& keyword) {
  const QStringList alternatives = KeywordAlternatives(operationTypes, keyword);
  if (alternatives.isEmpty()) return NoRowsQuery();
  CutDataQuery q = GroupQuery(group);
  QString text;
  QString condition;
  for (const QString& t : alternatives) {
    if (!text.isEmpty()) {
      text += QStringLiteral(" or ");
      condition += QStringLiteral(" or ");
    }
    text += QStringLiteral("Operation = ") + QuotedForDisplay(t);
    condition += QStringLiteral("Operation = ?");
  }
  q.Text += QStringLiteral(" and (") + text + u')';
  if (group >= 1) {
    q.Condition += QStringLiteral(" and (") + condition + u')';
    for (const QString& t : alternatives) q.Values << t;
  }
  return q;
}

CutDataQuery WholeTableQuery() {
  CutDataQuery q;
  q.Text = QStringLiteral("Cutdat");
  return q;
}

CutDataQuery ShowAllQuery() {
  CutDataQuery q;
  q.Text = QStringLiteral("select * from CutDat");
  return q;
}

CutDataQuery AboveDataQuery(int group, const QString& type) {
  CutDataQuery q = ShowAllQuery();
  QStringList text;
  QStringList condition;
  if (group > 0) {
    text << QStringLiteral("GrpIndex = ") + NumberInQuery(group);
    condition << QStringLiteral("GrpIndex = ?");
    q.Values << group;
  }
  if (!type.isEmpty()) {
    text << QStringLiteral("Operation = ") + QuotedForDisplay(type);
    condition << QStringLiteral("Operation = ?");
    q.Values << type;
  }
  if (!text.isEmpty()) {
    q.Text += QStringLiteral(" where ") + text.join(QStringLiteral(" and "));
    q.Condition = condition.join(QStringLiteral(" and "));
  }
  return q;
}

QStringList CollectOperationTypes(const std::vector<CuttingDataRecord>& rows, int limit) {
  return CollectDistinct(rows, &CuttingDataRecord::Operation, limit);
}

QStringList CollectToolGrades(const std::vector<CuttingDataRecord>& rows, int limit) {
  return CollectDistinct(rows, &CuttingDataRecord::ToolGrade, limit);
}

}  // namespace arvex
