#pragma once
// A read-only Qt SQL model of cutting-data rows: the columns of a
// CutDataQuery's rows as the database returns them, with the range values
// written as the program writes numbers (".004", not "0.004") and an empty
// value as an empty cell.

#include <QSqlQueryModel>
#include <QStringList>

class QTableView;

namespace arvex {

class CuttingDatabase;
struct CutDataQuery;

class CutDataModel : public QSqlQueryModel {
  Q_OBJECT
 public:
  // columns: the column names in order; captions: their headers.
  CutDataModel(QStringList columns, QStringList captions, QObject* parent);

  // Runs the query on db unless it is the one shown already (reload: run
  // it again all the same, after rows changed). False with *error naming
  // the database's error; the model is empty then.
  bool Show(const CuttingDatabase& db, const CutDataQuery& query, QString* error, bool reload = false);
  // Runs the shown query again (rows added, changed or deleted).
  bool Reload(const CuttingDatabase& db, QString* error);
  // Empties the model.
  void Reset();

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // Sets up a grid for the model: read-only rows, compact lines, the
  // columns fitted to their contents with long texts cut to maxTextWidth
  // (the whole text is the cell's tool tip).
  void Fit(QTableView* view, int maxTextWidth) const;

 private:
  QStringList columns_;
  QStringList captions_;
  QString shownCondition_;
  QVariantList shownValues_;
  bool shown_ = false;
};

}  // namespace arvex
