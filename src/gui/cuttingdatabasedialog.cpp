#include "cuttingdatabasedialog.h"

#include "accessibility.h"
#include "cutdatamodel.h"
#include "editorwidgets.h"
#include "cutting/cutdataforms.h"
#include "platform/prompter.h"
#include "windowcontext.h"
#include "workspace.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace arvex {

namespace {

void Show(QLineEdit* edit, const QString& text) {
  if (edit->text() == text) return;
  const QSignalBlocker block(edit);
  edit->setText(text);
}

// The grid's columns: the group number first, captioned "MatGrp".
const QStringList kColumns = {QStringLiteral("GrpIndex"), QStringLiteral("Operation"), QStringLiteral("DepthofCut"),
                              QStringLiteral("ToolGrade"), QStringLiteral("FromSFM"),   QStringLiteral("ToSFM"),
                              QStringLiteral("FromIPR"),   QStringLiteral("ToIPR"),     QStringLiteral("FromDiam"),
                              QStringLiteral("ToDiam")};
const QStringList kCaptions = QStringList{QStringLiteral("MatGrp")} + kColumns.mid(1);

}  // namespace

CuttingDatabaseDialog::CuttingDatabaseDialog(CuttingDataEditorForm& form, const CuttingDatabase& db,
                                             Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(form), db_(db), prompter_(prompter) {
  setObjectName(QStringLiteral("frmAddCutDB"));
  setWindowTitle(kCaption);
  auto* layout = new QVBoxLayout(this);

  // ---- the selections above
  auto* above = new QGroupBox(QStringLiteral("Operation selection"), this);
  auto* aboveGrid = new QGridLayout(above);
  aboveMaterial_ = ListCombo(above, "cboMaterialAbove", false, 18);
  aboveGroup_ = ListCombo(above, "cboGroupAbove", false, 18);
  aboveOperation_ = ListCombo(above, "cboOperationAbove", true, 18);
  const std::array<std::pair<QString, QComboBox*>, 3> aboveRows{
      {{QStringLiteral("&Material:"), aboveMaterial_},
       {QStringLiteral("&Group:"), aboveGroup_},
       {QStringLiteral("&Operation type:"), aboveOperation_}}};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(aboveRows[static_cast<size_t>(i)].first, above);
    NameComboAfterLabel(aboveRows[static_cast<size_t>(i)].second, label);
    aboveGrid->addWidget(label, 0, i * 2);
    aboveGrid->addWidget(aboveRows[static_cast<size_t>(i)].second, 0, i * 2 + 1);
    aboveGrid->setColumnStretch(i * 2 + 1, 1);
  }
  connect(aboveMaterial_, &QComboBox::activated, this, [this](int i) {
    form_.ChooseAboveMaterial(i);
    Refresh();
  });
  connect(aboveGroup_, &QComboBox::activated, this, [this](int i) {
    form_.ChooseAboveGroup(i);
    Refresh();
  });
  connect(aboveOperation_, &QComboBox::currentTextChanged, this,
          [this](const QString& t) { form_.AboveOperation = t; });
  QPushButton* showAbove = CommandButton(above, QStringLiteral("Show Above Data Only"), "cmdShowAbove");
  QPushButton* showAll = CommandButton(above, QStringLiteral("Show All Cutting Data"), "cmdShowAll");
  connect(showAbove, &QPushButton::clicked, this, [this] { Act(&CuttingDataEditorForm::ShowAboveDataOnly); });
  connect(showAll, &QPushButton::clicked, this, [this] { Act(&CuttingDataEditorForm::ShowAll); });
  auto* aboveHint = new QLabel(kAboveInstruction, above);
  aboveHint->setWordWrap(true);
  aboveGrid->addWidget(aboveHint, 1, 0, 1, 4);
  auto* shows = new QHBoxLayout;
  shows->addWidget(showAbove);
  shows->addWidget(showAll);
  aboveGrid->addLayout(shows, 1, 4, 1, 2, Qt::AlignRight | Qt::AlignVCenter);
  layout->addWidget(above);

  auto* middle = new QHBoxLayout;
  // ---- the grid with its row position
  auto* gridColumn = new QVBoxLayout;
  auto* gridLabel = new QLabel(QStringLiteral("Cutting data:"), this);
  grid_ = new QTableView(this);
  grid_->setObjectName(QStringLiteral("DBGrid1"));
  model_ = new CutDataModel(kColumns, kCaptions, this);
  grid_->setModel(model_);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setAlternatingRowColors(true);
  grid_->verticalHeader()->setVisible(false);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setTabKeyNavigation(false);
  NameAfterLabel(grid_, gridLabel);
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& index) { MoveTo(index.row()); });
  gridColumn->addWidget(gridLabel);
  gridColumn->addWidget(grid_, 1);

  auto* navigator = new QHBoxLayout;
  auto nav = [this, navigator](const QString& text, const char* name, const QString& tip, auto target) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(tip);
    NameControl(b, tip);
    connect(b, &QToolButton::clicked, this, [this, target] { MoveTo(target()); });
    navigator->addWidget(b);
  };
  nav(QStringLiteral("|<"), "Data1First", QStringLiteral("First row"), [] { return 0; });
  nav(QStringLiteral("<"), "Data1Previous", QStringLiteral("Previous row"), [this] { return form_.CurrentRow() - 1; });
  position_ = new QLabel(this);
  position_->setObjectName(QStringLiteral("Data1"));
  position_->setAlignment(Qt::AlignCenter);
  position_->setMinimumWidth(80);
  position_->setFrameShape(QFrame::StyledPanel);
  NameControl(position_, QStringLiteral("Row"));
  navigator->addWidget(position_);
  nav(QStringLiteral(">"), "Data1Next", QStringLiteral("Next row"), [this] { return form_.CurrentRow() + 1; });
  nav(QStringLiteral(">|"), "Data1Last", QStringLiteral("Last row"),
      [this] { return static_cast<int>(form_.Rows().size()) - 1; });
  navigator->addStretch(1);
  gridColumn->addLayout(navigator);
  middle->addLayout(gridColumn, 1);

  // ---- the record area
  auto* record = new QGroupBox(QStringLiteral("Data of the row"), this);
  auto* recordGrid = new QGridLayout(record);
  recordMaterial_ = ListCombo(record, "cboMaterial", false, 18);
  recordGroup_ = ListCombo(record, "cboGroup", false, 18);
  operation_ = ListCombo(record, "cboOperation", true, 18);
  depth_ = new QLineEdit(record);
  depth_->setObjectName(QStringLiteral("txtDepthofCut"));
  grade_ = ListCombo(record, "cboToolGrade", true, 18);
  int row = 0;
  auto addRow = [&](const QString& caption, QWidget* control) {
    auto* label = new QLabel(caption, record);
    if (auto* combo = qobject_cast<QComboBox*>(control)) NameComboAfterLabel(combo, label);
    else NameAfterLabel(control, label);
    recordGrid->addWidget(label, row, 0);
    recordGrid->addWidget(control, row, 1);
    ++row;
  };
  addRow(QStringLiteral("Ma&terial:"), recordMaterial_);
  addRow(QStringLiteral("G&roup:"), recordGroup_);
  addRow(QStringLiteral("O&peration:"), operation_);
  addRow(QStringLiteral("Dept&h of cut:"), depth_);
  addRow(QStringLiteral("Too&l grade:"), grade_);
  for (size_t k = 0; k < kRangeFields.size(); ++k) {
    auto* edit = new QLineEdit(record);
    const QString name = QString::fromUtf16(kRangeFields[k].Name);
    edit->setObjectName(QStringLiteral("txt") + name);
    ranges_[k] = edit;
    addRow(name + u':', edit);
  }
  connect(recordMaterial_, &QComboBox::activated, this, [this](int i) {
    form_.ChooseRecordMaterial(i);
    RefreshRecord();
  });
  connect(recordGroup_, &QComboBox::activated, this, [this](int i) {
    form_.ChooseRecordGroup(i);
    RefreshRecord();
  });
  connect(operation_, &QComboBox::currentTextChanged, this, [this](const QString& t) { form_.Record.Operation = t; });
  connect(depth_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.Record.DepthofCut = t; });
  connect(grade_, &QComboBox::currentTextChanged, this, [this](const QString& t) { form_.Record.ToolGrade = t; });

  auto* buttons = new QHBoxLayout;
  QPushButton* add = CommandButton(record, QStringLiteral("&Add"), "cmdAdd");
  add->setToolTip(QStringLiteral("Add an entry from above. Then change and update the data from the right."));
  QPushButton* update = CommandButton(record, QStringLiteral("&Update"), "cmdUpdate");
  update->setToolTip(QStringLiteral("Updates the data set from above."));
  QPushButton* del = CommandButton(record, QStringLiteral("&Delete"), "cmdDelete");
  del->setToolTip(QStringLiteral("Delete the currently sellected data from the table below."));
  QPushButton* exit = CommandButton(record, QStringLiteral("&Exit"), "cmdExit");
  connect(add, &QPushButton::clicked, this, [this] { Act(&CuttingDataEditorForm::Add); });
  connect(update, &QPushButton::clicked, this, [this] { Update(); });
  connect(del, &QPushButton::clicked, this, [this] { Act(&CuttingDataEditorForm::Delete); });
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  for (QPushButton* b : {add, update, del, exit}) buttons->addWidget(b);
  recordGrid->addLayout(buttons, row++, 0, 1, 2);
  auto* recordHint = new QLabel(kRecordInstruction, record);
  recordHint->setWordWrap(true);
  recordGrid->addWidget(recordHint, row++, 0, 1, 2);
  recordGrid->setRowStretch(row, 1);
  record->setMaximumWidth(320);
  middle->addWidget(record);
  layout->addLayout(middle, 1);

  QSize size(1400, 900);
  if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableGeometry().size() * 0.94);
  resize(size.expandedTo(minimumSizeHint()));
  RefreshGrid(true);
  Refresh();
}

void CuttingDatabaseDialog::Act(bool (CuttingDataEditorForm::*action)(QString*)) {
  QString error;
  if (!(form_.*action)(&error)) prompter_.ShowMessage(error, kCaption, MessageIcon::Exclamation);
  RefreshGrid(true);
  Refresh();
}

void CuttingDatabaseDialog::Update() {
  QStringList texts;
  for (QLineEdit* edit : ranges_) texts << edit->text();
  QString error;
  if (!form_.ReadRangeTexts(texts, &error)) {
    prompter_.ShowMessage(error, kCaption, MessageIcon::Exclamation);
    return;
  }
  Act(&CuttingDataEditorForm::Update);
}

void CuttingDatabaseDialog::MoveTo(int row) {
  if (row < 0 || row >= static_cast<int>(form_.Rows().size()) || row == form_.CurrentRow()) return;
  form_.MoveTo(row);
  Refresh();
}

void CuttingDatabaseDialog::RefreshGrid(bool reload) {
  QString error;
  if (!model_->Show(db_, form_.ViewQuery(), &error, reload))
    prompter_.ShowMessage(error, kCaption, MessageIcon::Exclamation);
  model_->Fit(grid_, 140);
}

void CuttingDatabaseDialog::RefreshRecord() {
  const CuttingDataRecord& r = form_.Record;
  ShowItems(recordMaterial_, form_.MaterialTexts(), form_.RecordMaterial());
  ShowItems(recordGroup_, form_.Groups(), form_.RecordGroup());
  ShowItems(operation_, form_.OperationTypes(), static_cast<int>(form_.OperationTypes().indexOf(r.Operation)),
            &r.Operation);
  Show(depth_, r.DepthofCut);
  ShowItems(grade_, form_.ToolGrades(), static_cast<int>(form_.ToolGrades().indexOf(r.ToolGrade)), &r.ToolGrade);
  for (size_t k = 0; k < kRangeFields.size(); ++k) Show(ranges_[k], RangeText(r.*kRangeFields[k].Member));
}

void CuttingDatabaseDialog::Refresh() {
  ShowItems(aboveMaterial_, form_.MaterialTexts(), form_.AboveMaterial());
  ShowItems(aboveGroup_, form_.Groups(), form_.AboveGroup());
  ShowItems(aboveOperation_, form_.OperationTypes(),
       static_cast<int>(form_.OperationTypes().indexOf(form_.AboveOperation)), &form_.AboveOperation);
  RefreshRecord();
  position_->setText(form_.Caption());
  const int current = form_.CurrentRow();
  // Selecting the form's row in the view moves the form nowhere: it is there.
  if (grid_->currentIndex().row() != current) {
    if (current < 0) grid_->clearSelection();
    else grid_->selectRow(current);
  }
}

void OpenCuttingDatabase(WindowContext& context, QWidget* parent) {
  RunDatabaseEditor<CuttingDataEditorForm>(context, CuttingDatabaseDialog::kCaption,
                                           [&](CuttingDataEditorForm& form, const CuttingDatabase& db) {
                                             CuttingDatabaseDialog dialog(form, db, context.Prompt, parent);
                                             dialog.exec();
                                           });
}

}  // namespace arvex
