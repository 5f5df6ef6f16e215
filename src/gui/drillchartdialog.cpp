#include "drillchartdialog.h"

#include "accessibility.h"
#include "shop/drillchartform.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QListWidget>
#include <QVBoxLayout>

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
  list->setUniformItemSizes(true);
  list->setSpacing(1);
  list->addItems(form.ListLines());
  NameControl(list, DrillChartForm::kCaption);
  layout->addWidget(list);
  resize(760, 520);
}

void OpenDrillChart(WindowContext& context, QWidget* parent) {
  DrillChartForm form(context.Ws, context.Prompt);
  form.Load();
  DrillChartDialog dialog(form, parent);
  dialog.exec();
}

}  // namespace arvex
