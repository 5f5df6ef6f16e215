#include "machinesetupwindow.h"
#include "editorwidgets.h"

#include "accessibility.h"
#include "classickeys.h"
#include "dialogparts.h"
#include "machine/machinesetupform.h"
#include "session/help.h"
#include "windowcontext.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace arvex {

namespace {

// Fields holding names and tool lists take the column's width; numbers and
// the one-letter begin/end codes keep a narrow box.
bool IsWideField(int field) {
  const char* key = MachineSetupFields()[static_cast<size_t>(field)].Key;
  for (const char* wide : {"Tools1", "Tools2", "OtherDesc1", "OtherDesc2", "Name"})
    if (qstrcmp(key, wide) == 0) return true;
  return false;
}

bool IsToolList(int field) {
  const char* key = MachineSetupFields()[static_cast<size_t>(field)].Key;
  return qstrcmp(key, "Tools1") == 0 || qstrcmp(key, "Tools2") == 0;
}

QString WithoutColon(const QString& label) {
  QString text = WithoutAccessKey(label).trimmed();
  if (text.endsWith(u':')) text.chop(1);
  return text;
}

}  // namespace

MachineSetupWindow::MachineSetupWindow(MachineSetupForm& form, WindowContext& context, QWidget* parent)
    : QDialog(parent), form_(form), context_(context) {
  setObjectName(QStringLiteral("MachSetup"));
  setWindowTitle(MachineSetupForm::kCaption);

  auto* root = new QVBoxLayout(this);
  root->setSpacing(6);
  AddHelpMenu(this, root, context_, kMachineHelpTopic);

  // The machine and what it has.
  auto* top = new QHBoxLayout;
  auto* nameLabel = new QLabel(MachineSetupForm::kMachineLabel, this);
  machine_ = new QComboBox(this);
  machine_->setObjectName(QStringLiteral("Combo1"));
  machine_->setEditable(true);
  machine_->setInsertPolicy(QComboBox::NoInsert);
  machine_->setMinimumContentsLength(24);
  machine_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  NameAfterLabel(machine_, nameLabel);
  NameParts(machine_);
  connect(machine_, &QComboBox::activated, this, [this](int index) {
    form_.ChooseMachine(index);
    Refresh();
  });
  connect(machine_->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.SetMachineName(text); });
  subSpindle_ = new QCheckBox(MachineSetupForm::kSubSpindleCaption, this);
  subSpindle_->setObjectName(QStringLiteral("Check1"));
  liveTools_ = new QCheckBox(MachineSetupForm::kLiveToolsCaption, this);
  liveTools_->setObjectName(QStringLiteral("Check2"));
  connect(subSpindle_, &QCheckBox::clicked, this, [this](bool on) {
    form_.SetHasSubSpindle(on);
    Refresh();
  });
  connect(liveTools_, &QCheckBox::clicked, this, [this](bool on) {
    form_.SetHasLiveTools(on);
    Refresh();
  });
  top->addWidget(nameLabel);
  top->addWidget(machine_);
  top->addSpacing(24);
  top->addWidget(subSpindle_);
  top->addSpacing(12);
  top->addWidget(liveTools_);
  top->addStretch(1);
  root->addLayout(top);

  // The page buttons and their pages.
  auto* pageRow = new QHBoxLayout;
  auto* group = new QButtonGroup(this);
  for (int p = 0; p < MachineSetupForm::kPageCount; ++p) {
    auto* b = new QRadioButton(MachineSetupForm::kPageCaptions[static_cast<size_t>(p)], this);
    b->setObjectName(ElementName("Option1", p));
    group->addButton(b, p);
    pageRow->addWidget(b);
    pageRow->addSpacing(8);
    pageButtons_[static_cast<size_t>(p)] = b;
    connect(b, &QRadioButton::clicked, this, [this, p] {
      form_.ChoosePage(p);
      Refresh();
    });
  }
  pageRow->addStretch(1);
  root->addLayout(pageRow);

  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("Frame1"));
  for (int p = MachineSetupForm::kMainPage; p <= MachineSetupForm::kLivePage; ++p)
    pages_->addWidget(BuildFieldPage(p));
  pages_->addWidget(BuildHoldersPage());
  pages_->addWidget(BuildImagesPage());
  root->addWidget(pages_, 1);

  auto* commands = new QHBoxLayout;
  auto* save = CommandButton(this, MachineSetupForm::kSaveCaption, QStringLiteral("Command1"));
  auto* cancel = CommandButton(this, MachineSetupForm::kCancelCaption, QStringLiteral("Command2"));
  connect(save, &QPushButton::clicked, this, [this] {
    form_.Save();
    Refresh();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  commands->addStretch(1);
  commands->addWidget(save);
  commands->addWidget(cancel);
  root->addLayout(commands);

  Refresh();
  machine_->setFocus();
}

QLineEdit* MachineSetupWindow::FieldEdit(int field, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(ElementName("txtTools", field));
  const int digit = edit->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  if (IsWideField(field)) edit->setMinimumWidth(digit * (IsToolList(field) ? 40 : 18));
  else edit->setFixedWidth(digit * 9 + 12);
  connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { form_.SetField(field, text); });
  fields_[static_cast<size_t>(field)] = edit;
  return edit;
}

QWidget* MachineSetupWindow::PageFrame(int page, QBoxLayout* layout) {
  auto* frame = new QWidget(this);
  frame->setObjectName(ElementName("Frame1", page));
  frame->setLayout(layout);
  layout->setContentsMargins(0, 0, 0, 0);
  return frame;
}

QWidget* MachineSetupWindow::BuildFieldPage(int page) {
  auto* layout = new QVBoxLayout;
  QWidget* frame = PageFrame(page, layout);
  if (page != MachineSetupForm::kLivePage) {
    auto* hint = new QLabel(MachineSetupForm::kToolsHint, frame);
    hint->setObjectName(ElementName("lblHint", page));
    layout->addWidget(hint);
  }
  auto* columns = new QHBoxLayout;
  columns->setSpacing(16);
  layout->addLayout(columns, 1);
  for (const auto& column : MachineSetupForm::FieldLayout(page)) {
    auto* stack = new QVBoxLayout;
    // The boxes of a column line up: one width for all their labels.
    int labelWidth = 0;
    for (const MachineSetupForm::FieldGroup& group : column)
      for (int field : group.Fields)
        labelWidth = std::max(labelWidth, fontMetrics().horizontalAdvance(MachineSetupForm::FieldLabel(field)));
    for (const MachineSetupForm::FieldGroup& group : column) {
      auto* box = new QGroupBox(group.Title, frame);
      auto* grid = new QGridLayout(box);
      grid->setVerticalSpacing(4);
      grid->setColumnStretch(1, 1);
      grid->setColumnMinimumWidth(0, labelWidth);
      int row = 0;
      for (size_t i = 0; i < group.Fields.size(); ++i, ++row) {
        const int field = group.Fields[i];
        const QString label = MachineSetupForm::FieldLabel(field);
        auto* caption = new QLabel(label, box);
        grid->addWidget(caption, row, 0);
        QLineEdit* edit = FieldEdit(field, box);
        NameAfterLabel(edit, caption);
        int last = field;
        // An "Other" item: its description and its time on one row.
        if (i + 1 < group.Fields.size() && MachineSetupForm::FieldLabel(group.Fields[i + 1]) == label) {
          last = group.Fields[++i];
          QLineEdit* time = FieldEdit(last, box);
          const QString item = label.section(u' ', 0, 0);
          NameControl(edit, item + QStringLiteral(" description"));
          NameControl(time, item + QStringLiteral(" time"));
          auto* pair = new QHBoxLayout;
          pair->addWidget(edit, 1);
          pair->addWidget(time);
          grid->addLayout(pair, row, 1);
        } else {
          grid->addWidget(edit, row, 1, IsWideField(field) ? Qt::Alignment() : Qt::AlignLeft);
        }
        const QString unit = MachineSetupForm::FieldUnit(last);
        if (!unit.isEmpty()) {
          grid->addWidget(new QLabel(unit, box), row, 2);
          fields_[static_cast<size_t>(last)]->setAccessibleDescription(unit);
        }
      }
      stack->addWidget(box);
    }
    stack->addStretch(1);
    columns->addLayout(stack, 1);
  }
  return frame;
}

QWidget* MachineSetupWindow::BuildHoldersPage() {
  auto* layout = new QVBoxLayout;
  QWidget* frame = PageFrame(MachineSetupForm::kHoldersPage, layout);
  auto* columns = new QHBoxLayout;
  columns->setSpacing(16);
  layout->addLayout(columns, 1);

  auto* keys = new ClassicKeyFilter(this, [this](const ClassicKeyFilter::Key& key) {
    const int kind = static_cast<int>(std::find(entries_.begin(), entries_.end(), key.Target) - entries_.begin());
    if (kind >= MachineSetupForm::kHolderKinds) return false;
    if (key.Code == kKeyEnter) {
      form_.AddHolder(kind);
      Refresh();
      return true;
    }
    return !key.Character.isNull() && form_.HolderKeyPress(key.Character);
  });

  for (int kind = 0; kind < MachineSetupForm::kHolderKinds; ++kind) {
    const QString caption = MachineSetupForm::kHolderLabels[static_cast<size_t>(kind)];
    const QString name = WithoutColon(caption);
    auto* column = new QVBoxLayout;
    auto* label = new QLabel(caption, frame);
    auto* list = new QListWidget(frame);
    list->setObjectName(ElementName("lstTHolder", kind));
    NameAfterLabel(list, label);
    NameScrollBars(list);
    connect(list, &QListWidget::currentRowChanged, this, [this, kind](int row) { form_.SelectHolder(kind, row); });
    auto* entry = new QLineEdit(frame);
    entry->setObjectName(ElementName("txtTHolder", kind));
    NameControl(entry, name + QStringLiteral(" entry"));
    entry->setPlaceholderText(QStringLiteral("New holder"));
    keys->Watch(entry);
    connect(entry, &QLineEdit::textEdited, this, [this, kind](const QString& text) {
      if (!form_.SetHolderEntry(kind, text)) Refresh();
    });
    auto* add = CommandButton(frame, MachineSetupForm::kAddHolderCaption, ElementName("cmdTHolder", kind));
    NameControl(add, MachineSetupForm::kAddHolderCaption + QStringLiteral(" to ") + name);
    auto* remove = CommandButton(frame, MachineSetupForm::kRemoveCaption, ElementName("cmdRemove", kind));
    NameControl(remove, MachineSetupForm::kRemoveCaption + QStringLiteral(" from ") + name);
    connect(add, &QPushButton::clicked, this, [this, kind] {
      form_.AddHolder(kind);
      Refresh();
    });
    connect(remove, &QPushButton::clicked, this, [this, kind] {
      form_.RemoveHolder(kind);
      Refresh();
    });
    auto* count = new QLabel(frame);
    count->setObjectName(ElementName("lblHolderCount", kind));
    holderCounts_[static_cast<size_t>(kind)] = count;
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(count);
    column->addWidget(label);
    column->addWidget(list, 1);
    column->addWidget(entry);
    column->addLayout(buttons);
    holders_[static_cast<size_t>(kind)] = list;
    entries_[static_cast<size_t>(kind)] = entry;
    columns->addLayout(column, 1);
  }
  auto* note = new QLabel(MachineSetupForm::kHoldersNote, frame);
  note->setObjectName(QStringLiteral("lblHolderNote"));
  layout->addWidget(note);
  return frame;
}

QWidget* MachineSetupWindow::BuildImagesPage() {
  auto* layout = new QVBoxLayout;
  QWidget* frame = PageFrame(MachineSetupForm::kImagesPage, layout);
  auto* grid = new QGridLayout;
  layout->addLayout(grid, 1);
  for (int i = 0; i < 2; ++i) {
    auto* label = new QLabel(MachineSetupForm::kImageLabels[static_cast<size_t>(i)], frame);
    auto* edit = new QLineEdit(frame);
    edit->setObjectName(ElementName("txtTPImage", i));
    NameAfterLabel(edit, label);
    connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
      form_.SetToolImage(i, text);
      ShowPreview(i, text);
    });
    auto* choose = CommandButton(frame, MachineSetupForm::kChooseFileCaption, ElementName("Command3", i));
    NameControl(choose, MachineSetupForm::kChooseFileCaption + QStringLiteral(" - ") +
                            WithoutColon(MachineSetupForm::kImageLabels[static_cast<size_t>(i)]));
    connect(choose, &QPushButton::clicked, this, [this, i] {
      form_.ChooseToolImage(i);
      Refresh();
    });
    grid->addWidget(label, i, 0);
    grid->addWidget(edit, i, 1);
    grid->addWidget(choose, i, 2);
    images_[static_cast<size_t>(i)] = edit;
  }
  // What the report's tooling page will show.
  auto* shown = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    auto* preview = new QLabel(frame);
    preview->setObjectName(ElementName("imgPreview", i));
    preview->setFrameShape(QFrame::StyledPanel);
    preview->setAlignment(Qt::AlignCenter);
    preview->setMinimumSize(320, 240);
    preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    NameControl(preview, WithoutColon(MachineSetupForm::kImageLabels[static_cast<size_t>(i)]));
    previews_[static_cast<size_t>(i)] = preview;
    shown->addWidget(preview, 1);
  }
  grid->addLayout(shown, 2, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(2, 1);
  return frame;
}

void MachineSetupWindow::ShowPreview(int which, const QString& path) {
  std::optional<QString>& shownPath = previewPaths_[static_cast<size_t>(which)];
  if (shownPath == path) return;
  shownPath = path;
  QLabel* preview = previews_[static_cast<size_t>(which)];
  const QPixmap image(path);
  if (path.isEmpty() || image.isNull()) {
    preview->setPixmap(QPixmap());
    preview->setText(path.isEmpty() ? QStringLiteral("No image chosen") : QStringLiteral("The image cannot be shown"));
    return;
  }
  preview->setText(QString());
  const QSize room(480, 360);
  const bool fits = image.width() <= room.width() && image.height() <= room.height();
  preview->setPixmap(fits ? image : image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void MachineSetupWindow::Refresh() {
  {
    const QSignalBlocker block(machine_);
    QStringList items;
    for (int i = 0; i < machine_->count(); ++i) items << machine_->itemText(i);
    if (items != form_.Machines()) {
      machine_->clear();
      machine_->addItems(form_.Machines());
    }
    if (machine_->currentIndex() != form_.MachineIndex()) machine_->setCurrentIndex(form_.MachineIndex());
    if (machine_->currentText() != form_.MachineName()) machine_->setEditText(form_.MachineName());
  }
  const MachineSetupTexts& texts = form_.Texts();
  subSpindle_->setChecked(texts.HasSubSpindle);
  liveTools_->setChecked(texts.HasLiveTools);
  for (int p = 0; p < MachineSetupForm::kPageCount; ++p) {
    QRadioButton* b = pageButtons_[static_cast<size_t>(p)];
    b->setEnabled(form_.PageEnabled(p));
    b->setChecked(form_.CurrentPage() == p);
  }
  pages_->setCurrentIndex(form_.CurrentPage());

  auto setText = [](QLineEdit* edit, const QString& text) {
    if (edit->text() == text) return;
    const QSignalBlocker block(edit);
    edit->setText(text);
    edit->setCursorPosition(0);
  };
  for (int f = 0; f < kMachineSetupFieldCount; ++f) setText(fields_[static_cast<size_t>(f)], form_.Field(f));
  for (int i = 0; i < 2; ++i) setText(images_[static_cast<size_t>(i)], texts.ToolImages[static_cast<size_t>(i)]);
  for (int kind = 0; kind < MachineSetupForm::kHolderKinds; ++kind) {
    QListWidget* list = holders_[static_cast<size_t>(kind)];
    const QStringList& names = texts.Holders[static_cast<size_t>(kind)];
    const QSignalBlocker block(list);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    if (shown != names) {
      list->clear();
      list->addItems(names);
    }
    list->setCurrentRow(form_.HolderSelection(kind));
    setText(entries_[static_cast<size_t>(kind)], form_.HolderEntry(kind));
    holderCounts_[static_cast<size_t>(kind)]->setText(form_.HolderCountText(kind));
  }
  for (int i = 0; i < 2; ++i) ShowPreview(i, texts.ToolImages[static_cast<size_t>(i)]);
}

void OpenMachineSetup(WindowContext& context, QWidget* parent) {
  MachineSetupForm form(context.Ws, context.Prompt);
  form.Load();
  MachineSetupWindow window(form, context, parent);
  window.exec();
}

}  // namespace arvex
