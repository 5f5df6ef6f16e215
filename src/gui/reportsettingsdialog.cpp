#include "reportsettingsdialog.h"

#include "accessibility.h"
#include "report/reportsettingsform.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace arvex {

ReportSettingsDialog::ReportSettingsDialog(ReportSettingsForm& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName(QStringLiteral("frmRVXset"));
  setWindowTitle(ReportSettingsForm::kCaption);
  auto* layout = new QVBoxLayout(this);

  // The fields without a group first, then one box per group, each a grid
  // of labels and boxes.
  QMap<QString, QGridLayout*> grids;
  auto gridOf = [&](const QString& group) {
    if (auto* grid = grids.value(group)) return grid;
    QGridLayout* grid = nullptr;
    if (group.isEmpty()) {
      grid = new QGridLayout;
      layout->addLayout(grid);
    } else {
      auto* box = new QGroupBox(group, this);
      grid = new QGridLayout(box);
      layout->addWidget(box);
    }
    grid->setColumnStretch(1, 1);
    grids.insert(group, grid);
    return grid;
  };

  const auto& fields = ReportSettingFields();
  for (size_t i = 0; i < fields.size(); ++i) {
    const int index = static_cast<int>(i);
    QGridLayout* grid = gridOf(fields[i].Group);
    const int row = grid->rowCount();
    auto* label = new QLabel(fields[i].Label, this);
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("txtSet_") + QString::number(i + 1));
    box->setMinimumWidth(index == ReportSettingsForm::LogoIndex() || fields[i].Member == &ReportSettingsTexts::Disclaimer
                             ? 460
                             : 90);
    NameAfterLabel(box, label);
    connect(box, &QLineEdit::textEdited, this, [this, index](const QString& text) { form_.SetText(index, text); });
    grid->addWidget(label, row, 0);
    if (index == ReportSettingsForm::LogoIndex()) {
      auto* choose = new QPushButton(ReportSettingsForm::kChooseFileCaption, this);
      choose->setObjectName(QStringLiteral("Command2"));
      choose->setAutoDefault(false);
      NameControl(choose, ReportSettingsForm::kChooseFileCaption);
      connect(choose, &QPushButton::clicked, this, [this] {
        form_.ChooseFile();
        Refresh();
      });
      grid->addWidget(box, row, 1);
      grid->addWidget(choose, row, 2);
    } else {
      const bool wide = box->minimumWidth() > 100;
      grid->addWidget(box, row, 1, 1, wide ? 2 : 1, wide ? Qt::Alignment() : Qt::AlignLeft);
    }
    boxes_.push_back(box);
  }

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* save = buttons->addButton(ReportSettingsForm::kSaveCaption, QDialogButtonBox::AcceptRole);
  save->setObjectName(QStringLiteral("Command1"));
  save->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    form_.Save();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  Refresh();
}

void ReportSettingsDialog::Refresh() {
  for (size_t i = 0; i < boxes_.size(); ++i) {
    const QSignalBlocker block(boxes_[i]);
    const QString text = form_.Text(static_cast<int>(i));
    if (boxes_[i]->text() != text) boxes_[i]->setText(text);
  }
}

void OpenReportSettings(WindowContext& context, QWidget* parent) {
  ReportSettingsForm form(context.Ws, context.Prompt, context.Store);
  form.Load();
  ReportSettingsDialog dialog(form, parent);
  dialog.exec();
}

}  // namespace arvex
