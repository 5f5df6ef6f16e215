#include "operationnamesdialog.h"

#include "accessibility.h"
#include "classickeys.h"
#include "editorwidgets.h"
#include "cutting/operationnamelist.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace arvex {

OperationNamesDialog::OperationNamesDialog(OperationNameEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setObjectName(QStringLiteral("frmAddOp"));
  setWindowTitle(kOperationNameEditorCaption);
  auto* grid = new QGridLayout(this);

  auto* listLabel = new QLabel(QStringLiteral("Operation &names:"), this);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("List1"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setMinimumSize(300, 360);
  NameAfterLabel(list_, listLabel);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { Do([this, row] { editor_.Select(row); }); });

  auto* textLabel = new QLabel(QStringLiteral("&Text:"), this);
  text_ = new QLineEdit(this);
  text_->setObjectName(QStringLiteral("Text1"));
  NameAfterLabel(text_, textLabel);
  connect(text_, &QLineEdit::textEdited, this, [this](const QString& t) { Do([this, &t] { editor_.SetText(t); }); });

  auto* keys = new ClassicKeyFilter(this, [this](const ClassicKeyFilter::Key& key) {
    if (key.Target == list_) {
      if (key.Code != kKeyDelete) return false;
      Do([this] { editor_.Delete(); });
      return true;
    }
    if (key.Character.isNull() || (key.Modifiers & (Qt::ControlModifier | Qt::AltModifier))) return false;
    return editor_.TextKeyPress(key.Character);
  });
  keys->Watch(list_);
  keys->Watch(text_);

  auto button = [this](const QString& caption, const char* name, auto onClick) {
    QPushButton* b = CommandButton(this, caption, name);
    connect(b, &QPushButton::clicked, this, onClick);
    return b;
  };
  QPushButton* add = button(QStringLiteral("Add"), "Command1", [this] { Do([this] { editor_.Add(); }); });
  QPushButton* save = button(QStringLiteral("Save"), "Command2", [this] {
    if (editor_.Save()) accept();
  });
  QPushButton* exit = button(QStringLiteral("Exit"), "Command3", [this] {
    editor_.Exit();
    reject();
  });
  QPushButton* del = button(QStringLiteral("Delete"), "Command4", [this] { Do([this] { editor_.Delete(); }); });
  // Enter in the text box adds the name.
  connect(text_, &QLineEdit::returnPressed, this, [this] { Do([this] { editor_.Add(); }); });

  auto arrow = [this](Qt::ArrowType type, const char* name, const QString& tip, auto onClick) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setArrowType(type);
    b->setToolTip(tip);
    b->setMinimumSize(30, 30);
    b->setFocusPolicy(Qt::StrongFocus);
    NameControl(b, tip);
    connect(b, &QToolButton::clicked, this, onClick);
    return b;
  };
  QToolButton* up =
      arrow(Qt::UpArrow, "cmdUpM", QStringLiteral("Move up one"), [this] { Do([this] { editor_.MoveUp(); }); });
  QToolButton* down =
      arrow(Qt::DownArrow, "cmdDownM", QStringLiteral("Move down one"), [this] { Do([this] { editor_.MoveDown(); }); });
  auto* moves = new QVBoxLayout;
  moves->addStretch(1);
  moves->addWidget(new QLabel(QStringLiteral("Move"), this), 0, Qt::AlignHCenter);
  moves->addWidget(up, 0, Qt::AlignHCenter);
  moves->addWidget(down, 0, Qt::AlignHCenter);
  moves->addStretch(1);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {add, del, save, exit}) buttons->addWidget(b);
  buttons->addStretch(1);

  grid->addWidget(listLabel, 0, 0);
  grid->addWidget(list_, 1, 0);
  grid->addLayout(moves, 1, 1);
  grid->addLayout(buttons, 1, 2);
  grid->addWidget(textLabel, 2, 0);
  grid->addWidget(text_, 3, 0, 1, 3);
  grid->setRowStretch(1, 1);
  setTabOrder(list_, text_);
  Refresh();
}

template <class Event>
void OperationNamesDialog::Do(Event event) {
  event();
  Refresh();
}

void OperationNamesDialog::Refresh() {
  ShowItems(list_, editor_.Names(), editor_.SelectedIndex());
  if (text_->text() != editor_.Text()) {
    const QSignalBlocker block(text_);
    text_->setText(editor_.Text());
  }
}

void OpenOperationNames(WindowContext& context, QWidget* parent) {
  OperationNameEditor editor(context.Ws.AppFolder, context.Prompt);
  OperationNamesDialog dialog(editor, parent);
  dialog.exec();
}

}  // namespace arvex
