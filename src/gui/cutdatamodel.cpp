#include "cutdatamodel.h"

#include "cutting/cuttingdatabase.h"
#include "platform/numtext.h"

#include <QSqlQuery>
#include <QTableView>

namespace arvex {

CutDataModel::CutDataModel(QStringList columns, QStringList captions, QObject* parent)
    : QSqlQueryModel(parent), columns_(std::move(columns)), captions_(std::move(captions)) {}

bool CutDataModel::Show(const CuttingDatabase& db, const CutDataQuery& query, QString* error, bool reload) {
  if (!reload && shown_ && query.Condition == shownCondition_ && query.Values == shownValues_) return true;
  shownCondition_ = query.Condition;
  shownValues_ = query.Values;
  shown_ = true;
  return Reload(db, error);
}

bool CutDataModel::Reload(const CuttingDatabase& db, QString* error) {
  CutDataQuery query;
  query.Condition = shownCondition_;
  query.Values = shownValues_;
  QSqlQuery statement;
  if (!db.RunSelect(query, columns_.join(QStringLiteral(", ")), &statement, error)) {
    // The failed query stays the one shown, so that it is not tried (and
    // reported) again until another one is asked for.
    clear();
    return false;
  }
  setQuery(std::move(statement));
  // The model reads every row at once, so the view's row numbers and the
  // form's agree and the scroll bar is right from the start.
  while (canFetchMore()) fetchMore();
  for (int c = 0; c < captions_.size(); ++c) setHeaderData(c, Qt::Horizontal, captions_[c]);
  return true;
}

void CutDataModel::Reset() {
  clear();
  shown_ = false;
  shownCondition_.clear();
  shownValues_.clear();
}

QVariant CutDataModel::data(const QModelIndex& index, int role) const {
  if (role == Qt::ToolTipRole) return data(index, Qt::DisplayRole);
  const QVariant value = QSqlQueryModel::data(index, role);
  if (role != Qt::DisplayRole || value.isNull()) return value;
  if (value.typeId() == QMetaType::Double) return NumberText(value.toDouble());
  return value;
}

void CutDataModel::Fit(QTableView* view, int maxTextWidth) const {
  view->resizeColumnsToContents();
  for (int c = 0; c < columnCount(); ++c)
    if (view->columnWidth(c) > maxTextWidth) view->setColumnWidth(c, maxTextWidth);
}

}  // namespace arvex
