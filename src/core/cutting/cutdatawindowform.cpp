#include "cutting/cutdatawindowform.h"

#include "autoset/toolpositions.h"
#include "cutting/operationnamelist.h"
#include "cutting/operationnamerules.h"
#include "machine/machinedefinition.h"
#include "platform/prompter.h"
#include "platform/textinput.h"
#include "workspace.h"

#include <algorithm>

namespace arvex {

namespace {

// The two tool posts of a spindle, in the order the tool combo lists them.
std::array<int, 2> PostsOf(int spindle) {
  return spindle == kSubSpindle ? std::array<int, 2>{kSubPost1, kSubPost2}
                                : std::array<int, 2>{kMainPost1, kMainPost2};
}

void AppendHolders(QStringList& entries, const QString& heading, const std::array<QString, 31>& holders) {
  entries << heading;
  // Each list is taken up to its first empty slot.
  for (size_t i = 1; i < holders.size() && !holders[i].isEmpty(); ++i) entries << holders[i];
}

}  // namespace

CutDataWindowForm::CutDataWindowForm(Workspace& ws, Prompter& prompter, CutDataWindowHost& host, int spindle)
    : ws_(ws),
      prompter_(prompter),
      host_(host),
      spindle_(spindle == kSubSpindle ? kSubSpindle : kMainSpindle),
      conditions_(ws, prompter, spindle_) {
  listenId_ = ws_.Changes.Listen([this](const StudyNotice&) {
    if (ownChanges_ == 0) StudyChanged();
  });
}

CutDataWindowForm::~CutDataWindowForm() { ws_.Changes.Forget(listenId_); }

// ---- opening ------------------------------------------------------------------

void CutDataWindowForm::Open() {
  if (ws_.Study.Header.MachineName.isEmpty()) prompter_.ShowMessage(kNoMachineMessage);
  ws_.Study.CurrentSpindle = static_cast<std::int16_t>(spindle_);
  BuildToolEntries();
  BuildLines();
  names_ = LoadOperationNames(ws_.AppFolder, prompter_);
  BuildHolderEntries();

  // The recommended data of the study's material group. Without the
  // database the grid and the type list stay empty; the window works on.
  QString error;
  if (db_.Open(ws_.AppFolder, &error)) {
    if (!grid_.Open(ws_.MaterialGroupIndex, &error)) prompter_.ShowMessage(error);
  } else {
    prompter_.ShowMessage(error);
  }

  const int n = spindle_ == kSubSpindle ? ws_.Study.EditSubOp : ws_.Study.EditMainOp;
  SelectLine(n >= 1 && n <= kLineCount ? n - 1 : 0);
}

const QString& CutDataWindowForm::Caption() const { return spindle_ == kSubSpindle ? kSubCaption : kMainCaption; }

const QString& CutDataWindowForm::MaterialText() const { return ws_.Study.Header.Material; }

QString CutDataWindowForm::LineText(int number) const {
  const Operation& op = ws_.Study.Op(spindle_, number);
  // An empty slot reads "7)-)".
  if (op.IsBlank()) return QString::number(number) + QStringLiteral(")-)");
  return QString::number(number) + u')' + op.ToolNo + u'-' + op.OpName;
}

void CutDataWindowForm::BuildLines() {
  lines_.clear();
  lines_.reserve(kLineCount);
  for (int n = 1; n <= kLineCount; ++n) lines_ << LineText(n);
}

void CutDataWindowForm::BuildToolEntries() {
  tools_.clear();
  toolHeadings_.clear();
  toolIndex_ = -1;
  // Without a machine the combo stays empty, whatever was loaded before.
  if (ws_.Study.Header.MachineName.isEmpty()) return;
  tools_ = ToolPositionEntries(ws_.Study, ws_.Machine, spindle_);
  for (const int post : PostsOf(spindle_)) {
    const QStringList& list = ws_.Machine.ToolList(post);
    if (list.size() < 2) continue;
    toolHeadings_.push_back(true);
    toolHeadings_.insert(toolHeadings_.end(), static_cast<size_t>(list.size() - 2), false);
  }
  toolHeadings_.resize(static_cast<size_t>(tools_.size()), false);
}

bool CutDataWindowForm::IsToolHeading(int index) const {
  return index >= 0 && static_cast<size_t>(index) < toolHeadings_.size() && toolHeadings_[static_cast<size_t>(index)];
}

void CutDataWindowForm::BuildHolderEntries() {
  const MachineDefinition& m = ws_.Machine;
  holders_.clear();
  AppendHolders(holders_, kOdHoldersHeading, m.ODHolders);
  holders_ << QStringLiteral(" ");
  AppendHolders(holders_, kIdHoldersHeading, m.IDHolders);
  holders_ << QStringLiteral(" ");
  AppendHolders(holders_, kLiveHoldersHeading, m.LiveHolders);
}

const Operation& CutDataWindowForm::CurrentOperation() const { return ws_.Study.Op(spindle_, OperationNumber()); }

void CutDataWindowForm::ShowGrid(bool ok, const QString& error) {
  if (!ok) prompter_.ShowMessage(error);
}

// ---- the operation list ---------------------------------------------------------

void CutDataWindowForm::SelectLine(int line) {
  line_ = std::clamp(line, 0, kLineCount - 1);
  const int n = OperationNumber();
  (spindle_ == kSubSpindle ? ws_.Study.EditSubOp : ws_.Study.EditMainOp) = static_cast<std::int16_t>(n);
  conditions_.SelectOperation(n);
  const Operation& op = CurrentOperation();

  // The name: its entry, or the name added to the list when the file
  // lacks it; an empty name leaves the combo empty.
  nameIndex_ = op.OpName.isEmpty() ? -1 : static_cast<int>(names_.indexOf(op.OpName));
  if (nameIndex_ < 0 && !op.OpName.isEmpty()) {
    names_ << op.OpName;
    nameIndex_ = static_cast<int>(names_.size()) - 1;
  }

  // The tool: the first entry of its number; a heading stored as the tool
  // is found as itself.
  toolIndex_ = -1;
  if (!op.ToolNo.isEmpty()) {
    const QString prefix = op.ToolNo + u'-';
    for (int i = 0; i < tools_.size(); ++i) {
      if (tools_[i].startsWith(prefix) || (IsToolHeading(i) && tools_[i] == op.ToolNo)) {
        toolIndex_ = i;
        break;
      }
    }
    if (toolIndex_ < 0) prompter_.ShowMessage(QStringLiteral("Tool ") + op.ToolNo + QStringLiteral(" not found!"));
  }

  holderText_ = op.ToolHolder;
  holderHint_ = false;
  typeIndex_ = -1;
  QString error;
  if (db_.IsOpen()) ShowGrid(grid_.ShowForOperationName(op.OpName, &error), error);
}

void CutDataWindowForm::ListKeyDown(int keyCode) {
  if (keyCode == kEnterKey) host_.FocusToolCombo();
  else if (keyCode == kDeleteKey) DeleteOperation();
}

// ---- changes of the study -------------------------------------------------------------

bool CutDataWindowForm::EditOperation(const QString& mergeField, const std::function<void(Operation&)>& edit) {
  const int n = OperationNumber();
  ++ownChanges_;
  const bool changed = ws_.Changes.Apply(ws_.Study, OperationEdit(spindle_, n, mergeField), [&](TimeStudy& st) {
    Operation& op = st.Op(spindle_, n);
    const Operation before = op;
    edit(op);
    if (op == before) return false;
    // A name or a tool given to an empty slot makes it an operation.
    st.RecountOps();
    return true;
  });
  --ownChanges_;
  if (changed) lines_[line_] = LineText(n);
  return changed;
}

bool CutDataWindowForm::EditList(const QString& label, const std::function<bool(TimeStudy&)>& edit) {
  ++ownChanges_;
  const bool changed = ws_.Changes.Apply(ws_.Study, {label, {}}, [&](TimeStudy& st) {
    const TimeStudy::OperationList ops = st.Ops[static_cast<size_t>(spindle_)];
    const TimeStudy::SyncColumn syncs = st.Syncs[static_cast<size_t>(spindle_)];
    st.CurrentSpindle = static_cast<std::int16_t>(spindle_);
    if (!edit(st)) return false;
    st.RecountOps();
    return st.Ops[static_cast<size_t>(spindle_)] != ops || st.Syncs[static_cast<size_t>(spindle_)] != syncs;
  });
  --ownChanges_;
  return changed;
}

void CutDataWindowForm::StudyChanged() {
  BuildHolderEntries();
  ListChanged(line_);
  if (onChanged_) onChanged_();
}

// ---- the combos --------------------------------------------------------------------------

void CutDataWindowForm::RelabelTool() {
  if (toolIndex_ < 0 || IsToolHeading(toolIndex_)) return;
  QString& entry = tools_[toolIndex_];
  entry = ToolNumberOfEntry(entry) + u'-' + CurrentOperation().OpName;
}

void CutDataWindowForm::ChooseTool(int index) {
  if (index < 0 || index >= tools_.size()) return;
  toolIndex_ = index;
  const QString tool = ToolNumberOfEntry(tools_[index]);
  EditOperation(QStringLiteral("tool"), [&](Operation& op) { op.ToolNo = tool; });
  RelabelTool();
}

void CutDataWindowForm::StoreOperationName(const QString& name) {
  EditOperation(QStringLiteral("name"), [&](Operation& op) { op.OpName = name; });
  RelabelTool();
  typeIndex_ = -1;
  QString error;
  if (db_.IsOpen()) ShowGrid(grid_.ShowForOperationName(name, &error), error);
}

void CutDataWindowForm::ChooseOperationName(int index) {
  if (index < 0 || index >= names_.size()) return;
  if (!conditions_.SetOperationNameText(names_[index])) return;
  nameIndex_ = index;
  StoreOperationName(names_[index]);
}

bool CutDataWindowForm::SetOperationNameText(const QString& text) {
  if (!conditions_.SetOperationNameText(text)) return false;
  nameIndex_ = static_cast<int>(names_.indexOf(text));
  // A typed name is the operation's name as it stands, whether or not the
  // list holds it, so what the user sees is what is kept.
  StoreOperationName(text);
  return true;
}

bool CutDataWindowForm::ComboKeyPress(QChar typed) { return RefuseDoubleQuote(typed, prompter_); }

void CutDataWindowForm::StoreHolder(const QString& holder) {
  EditOperation(QStringLiteral("holder"), [&](Operation& op) { op.ToolHolder = holder; });
}

void CutDataWindowForm::HolderGotFocus() {
  if (!holderText_.isEmpty()) return;
  const QString heading = HolderHeadingForName(OperationNameText());
  if (heading.isEmpty()) return;
  holderText_ = heading;
  holderHint_ = true;
}

void CutDataWindowForm::ChooseHolder(int index) {
  if (index < 0 || index >= holders_.size()) return;
  holderText_ = holders_[index];
  holderHint_ = false;
  StoreHolder(holderText_);
}

bool CutDataWindowForm::SetHolderText(const QString& text) {
  if (RefuseDoubleQuote(text, prompter_)) return false;
  holderText_ = text;
  holderHint_ = false;
  StoreHolder(text);
  return true;
}

void CutDataWindowForm::HolderLostFocus() {
  // The heading shown on focus is a hint for the list, not a holder: only
  // a text the user chose or typed is stored.
  if (holderHint_) {
    holderText_ = CurrentOperation().ToolHolder;
    holderHint_ = false;
    return;
  }
  StoreHolder(holderText_);
}

void CutDataWindowForm::ChooseOperationType(int index) {
  const QStringList& types = grid_.OperationTypes();
  if (index < 0 || index >= types.size()) return;
  typeIndex_ = index;
  QString error;
  ShowGrid(grid_.ShowOperationType(types[index], &error), error);
}

// ---- the fields ----------------------------------------------------------------------------
// The cutting conditions form changes the study itself; the window's own
// changes are not news to the form.

bool CutDataWindowForm::SetFieldText(int field, const QString& text) { return conditions_.SetFieldText(field, text); }

bool CutDataWindowForm::FieldKeyPress(int field, QChar typed) { return conditions_.KeyPress(field, typed); }

void CutDataWindowForm::FieldKeyUp(int field, int keyCode) {
  ++ownChanges_;
  conditions_.KeyUp(field, keyCode);
  --ownChanges_;
}

void CutDataWindowForm::FieldGotFocus(int field) { conditions_.GotFocus(field); }

void CutDataWindowForm::FieldLostFocus(int field) {
  ++ownChanges_;
  conditions_.LostFocus(field);
  --ownChanges_;
}

void CutDataWindowForm::SurfaceFinishFeed() {
  ++ownChanges_;
  conditions_.SurfaceFinishFeed();
  --ownChanges_;
}

// ---- the buttons ---------------------------------------------------------------------------

bool CutDataWindowForm::CanInsertHere() {
  if (ws_.Study.CanInsert(spindle_, OperationNumber(), 1)) return true;
  prompter_.ShowMessage(kListFullMessage, kProgramTitle, MessageIcon::Exclamation);
  return false;
}

void CutDataWindowForm::ListChanged(int line) {
  BuildToolEntries();
  BuildLines();
  SelectLine(line);
}

void CutDataWindowForm::AddOperationBefore() {
  if (!CanInsertHere()) return;
  const int n = OperationNumber();
  EditList(QStringLiteral("Insert Operation ") + QString::number(n),
           [&](TimeStudy& st) { return st.InsertOperations(n, 1); });
  ListChanged(line_);
}

void CutDataWindowForm::DeleteOperation() {
  const int n = OperationNumber();
  const Answer answer =
      prompter_.Ask(kDeleteQuestion + lines_[line_], kProgramTitle, Buttons::YesNo, Answer::No, MessageIcon::Question);
  if (answer != Answer::Yes) return;
  EditList(QStringLiteral("Delete Operation ") + QString::number(n),
           [&](TimeStudy& st) { return st.DeleteOperation(n); });
  ListChanged(line_);
}

void CutDataWindowForm::AutoSetting() {
  ws_.Study.CurrentSpindle = static_cast<std::int16_t>(spindle_);
  // Auto Set changes the study through ws.Changes; the form reads it again
  // once the window has closed.
  ++ownChanges_;
  host_.ShowAutoSet(OperationNumber());
  --ownChanges_;
  StudyChanged();
}

void CutDataWindowForm::CopyToMemory() { memory_ = CurrentOperation(); }

void CutDataWindowForm::PasteFromMemory() {
  if (!CanInsertHere()) return;
  const int n = OperationNumber();
  const Operation pasted = memory_.value_or(Operation{});
  EditList(QStringLiteral("Paste Operation ") + QString::number(n), [&](TimeStudy& st) {
    if (!st.InsertOperations(n, 1)) return false;
    st.Op(spindle_, n) = pasted;
    return true;
  });
  ListChanged(line_);
}

void CutDataWindowForm::MoveUp() {
  const int n = OperationNumber();
  if (n <= 1) return;
  EditList(QStringLiteral("Move Operation ") + QString::number(n) + QStringLiteral(" Up"),
           [&](TimeStudy& st) { return st.SwapOperations(spindle_, n - 1); });
  ListChanged(line_ - 1);
}

void CutDataWindowForm::MoveDown() {
  const int n = OperationNumber();
  if (n >= kLineCount) return;
  EditList(QStringLiteral("Move Operation ") + QString::number(n) + QStringLiteral(" Down"),
           [&](TimeStudy& st) { return st.SwapOperations(spindle_, n); });
  ListChanged(line_ + 1);
}

void CutDataWindowForm::ShowTools() {
  ws_.Study.CurrentSpindle = static_cast<std::int16_t>(spindle_);
  if (ToolImageToShow(ws_, spindle_, prompter_)) host_.ShowToolImage();
}

void CutDataWindowForm::OperationNamesSetup() {
  host_.ShowOperationNames();
  names_ = LoadOperationNames(ws_.AppFolder, prompter_);
  SelectLine(line_);
}

}  // namespace arvex
