#include "centerdrilldialog.h"

#include "accessibility.h"
#include "formbinding.h"
#include "shop/centerdrillform.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace arvex {

CenterDrillDialog::CenterDrillDialog(CenterDrillForm& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName(QStringLiteral("CDrill"));
  setWindowTitle(CenterDrillForm::kCaption);
  auto* layout = new QVBoxLayout(this);

  auto* boxes = new QGridLayout;
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(CenterDrillForm::kLabels[static_cast<std::size_t>(i)], this);
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("CenText_") + QString::number(i));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(14, u'0')));
    NameAfterLabel(box, label);
    boxes->addWidget(label, 0, 2 * i);
    boxes->addWidget(box, 0, 2 * i + 1);
    connect(box, &QLineEdit::textEdited, this, [this, i](const QString& text) {
      form_.CenText[static_cast<std::size_t>(i)] = text;
      form_.KeyUp(i);
      Refresh();
    });
    boxes_[static_cast<std::size_t>(i)] = box;
  }
  boxes->setColumnStretch(6, 1);
  layout->addLayout(boxes);

  table_ = new QPlainTextEdit(this);
  table_->setObjectName(QStringLiteral("picCenters"));
  table_->setReadOnly(true);
  table_->setLineWrapMode(QPlainTextEdit::NoWrap);
  table_->setFont(FixedPitchFont());
  table_->setTabChangesFocus(true);
  NameControl(table_, CenterDrillForm::kTableName);
  const QFontMetrics metrics(table_->font());
  table_->setMinimumSize(metrics.horizontalAdvance(QString(58, u'0')), metrics.lineSpacing() * 16);
  layout->addWidget(table_, 1);

  auto* hint = new QLabel(CenterDrillForm::kEditHint, this);
  hint->setObjectName(QStringLiteral("lblHint"));
  layout->addWidget(hint);
  // Tall enough for the rows the file fills, where the screen allows.
  int height = metrics.lineSpacing() * (std::max(form_.Table().StoredRows, 16) + 3) + 110;
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    height = std::min(height, screen->availableGeometry().height() * 9 / 10);
  resize(sizeHint().width(), height);
  Refresh();
}

void CenterDrillDialog::Refresh() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) ShowText(boxes_[i], form_.CenText[i]);
  const QString text = form_.PaintedLines().join(u'\n');
  if (table_->toPlainText() != text) {
    // Repainting keeps the table where the user scrolled it.
    const int scrolled = table_->verticalScrollBar()->value();
    table_->setPlainText(text);
    table_->verticalScrollBar()->setValue(scrolled);
  }
}

void OpenCenterDrill(WindowContext& context, QWidget* parent) {
  CenterDrillForm form(context.Ws, context.Prompt);
  form.Activate();
  CenterDrillDialog dialog(form, parent);
  dialog.exec();
}

}  // namespace arvex
