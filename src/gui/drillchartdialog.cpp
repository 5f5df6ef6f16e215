#include "drillchartdialog.h"

#include "accessibility.h"
#include "shop/drillchartform.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace arvex {

DrillChartDialog::DrillChartDialog(const DrillChartForm& form, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("drills"));
  setWindowTitle(DrillChartForm::kCaption);
  auto* layout = new QVBoxLayout(this);
  auto* list = new QListWidget(this);
  list->setObjectName(QStringLiteral("List1"));
  list->setFont(FixedPitchFont());
  // Columns from top to bottom, as many as the window's width holds; the
  // layout keeps the list the size of the window.
  list->setFlow(QListView::TopToBottom);
  list->setWrapping(true);
  list->setResizeMode(QListView::Adjust);
  // Every column as wide as the longest line, so that none is cut.
  const QFontMetrics metrics(list->font());
  int widest = 0;
  for (const QString& line : form.ListLines()) widest = std::max(widest, metrics.horizontalAdvance(line));
  list->setGridSize(QSize(widest + metrics.horizontalAdvance(QStringLiteral("  ")), metrics.height() + 4));
  list->setUniformItemSizes(true);
  list->addItems(form.ListLines());
  NameControl(list, DrillChartForm::kCaption);
  layout->addWidget(list);
  resize(980, 620);
}

void OpenDrillChart(WindowContext& context, QWidget* parent) {
  DrillChartForm form(context.Ws, context.Prompt);
  form.Load();
  DrillChartDialog dialog(form, parent);
  dialog.exec();
}

}  // namespace arvex
