#include "mainwindow/mainwindowform.h"

#include "document/syncedit.h"
#include "engine/comparison.h"
#include "platform/numtext.h"
#include "platform/prompter.h"
#include "session/filedialogs.h"
#include "session/recentfiles.h"
#include "session/studysession.h"
#include "workspace.h"

#include <QSettings>

namespace arvex {

namespace {

const QString kListTimeFormat = QStringLiteral("00.00");

QString Side(int side) { return side == kSubSpindle ? QStringLiteral("Sub") : QStringLiteral("Main"); }

}  // namespace

MainWindowForm::MainWindowForm(Workspace& ws, Prompter& prompter, QSettings& store, MainWindowHost& host)
    : ws_(ws), prompter_(prompter), store_(store), host_(host) {
  listenId_ = ws_.Changes.Listen([this](const StudyNotice& notice) {
    if (notice.Event == StudyEvent::Replaced) {
      labels_ = {};
      editorEnabled_ = {false, false};
    }
    if (notice.Event == StudyEvent::Saved) {
      recent_ = LoadRecentFiles(store_);
      Changed();
      return;
    }
    FillList();
  });
}

MainWindowForm::~MainWindowForm() { ws_.Changes.Forget(listenId_); }

void MainWindowForm::Changed() {
  if (onChanged_) onChanged_();
}

// ---- texts --------------------------------------------------------------------

QString MainWindowForm::Caption() {
  return kProgramTitle + QStringLiteral("  V") + QString::number(ARVEX_VERSION_MAJOR) + u'.' +
         QString::number(ARVEX_VERSION_MINOR) + u'.' + QString::number(ARVEX_VERSION_PATCH);
}

QString MainWindowForm::AboutText() {
  return Caption() + QStringLiteral("\n\nCycle time estimates for CNC sliding-headstock lathes: main spindle, "
                                    "sub spindle and live tools.");
}

QStringList MainWindowForm::GroupChoices() {
  QStringList items;
  for (int n = 1; n <= kGroupChoiceCount; ++n) {
    const QString number = QString::number(n);
    items << u'B' + number + QStringLiteral("-C") + number;
  }
  return items;
}

QString MainWindowForm::PrintToolTip(const QString& printer) { return QStringLiteral("Print to -") + printer; }
QString MainWindowForm::PreviewToolTip(const QString& printer) {
  return QStringLiteral("Print Preview as -") + printer;
}

QString MainWindowForm::FileLabel() const { return ws_.Study.FilePath; }

QStringList MainWindowForm::RecentCaptions() const { return RecentFileCaptions(recent_); }

// ---- reading lines ----------------------------------------------------------------

bool MainWindowForm::IsOperationLine(const QString& line) {
  return line.contains(u')') && !line.contains(kMarkerText);
}

bool MainWindowForm::IsMarkerLine(const QString& line) { return line.contains(kMarkerText); }

int MainWindowForm::OperationNumber(const QString& line) {
  return static_cast<int>(Val(QStringView(line).left(line.indexOf(u')'))));
}

int MainWindowForm::MarkerNumber(const QString& line) {
  return static_cast<int>(Val(QStringView(line).mid(line.indexOf(kMarkerText) + kMarkerText.size())));
}

const QString* MainWindowForm::SelectedLine(int side) const {
  const int i = Selection(side);
  const QStringList& lines = Lines(side);
  if (i < 0 || i >= lines.size()) return nullptr;
  return &lines[i];
}

int MainWindowForm::LineOfOperation(int side, int n) const {
  const QStringList& lines = Lines(side);
  for (qsizetype i = 0; i < lines.size(); ++i)
    if (IsOperationLine(lines[i]) && OperationNumber(lines[i]) == n) return static_cast<int>(i);
  return -1;
}

int MainWindowForm::LineOfMarker(int side, int n) const {
  const QStringList& lines = Lines(side);
  for (qsizetype i = 0; i < lines.size(); ++i)
    if (IsMarkerLine(lines[i]) && MarkerNumber(lines[i]) == n) return static_cast<int>(i);
  return -1;
}

// ---- the lists ----------------------------------------------------------------------

void MainWindowForm::BuildList(int side) {
  const TimeStudy& st = ws_.Study;
  const int count = st.Count(side);
  QStringList& lines = lines_[Index(side)];
  lines.clear();
  lines.reserve(count + kMaxSyncs + 1);
  int marker = 0;
  auto markersAt = [&](int place) {
    if (syncsHidden_) return;
    for (int k = 1; k <= kMaxSyncs; ++k)
      if (st.Sync(side, k) == place) lines << kMarkerText + Str(++marker);
  };
  float running = 0;
  for (int i = 1; i <= count; ++i) {
    markersAt(i);
    const Operation& op = st.Op(side, i);
    running += static_cast<float>(op.CutTime);
    lines << QString::number(i) + QStringLiteral(") ") + op.Group + u' ' + Format(op.CutTime, kListTimeFormat) +
                 QStringLiteral(" : ") + Format(running, kListTimeFormat) + QStringLiteral("  ") + op.ToolNo + u'-' +
                 op.OpName;
    // The running figure is the cutting time within the operation's group.
    if (i < count && st.Op(side, i + 1).Group != op.Group) running = 0;
  }
  markersAt(count + 1);
  lines << kFinalLine;
}

void MainWindowForm::FillList() {
  const std::array<int, 2> remembered = selection_;
  GetTime(ws_);
  const TimeStudy& st = ws_.Study;
  if (st.MainOpCount == 0 && st.SubOpCount == 0) {
    lines_ = {};
    selection_ = {-1, -1};
    timeline_ = {};
    Changed();
    return;
  }
  labels_ = ws_.Comparison.Labels;
  timeline_ = ComputeTimeline(st, ws_.Comparison);
  groupChoice_ = 0;
  BuildList(kMainSpindle);
  BuildList(kSubSpindle);
  for (size_t s = 0; s < 2; ++s)
    selection_[s] = remembered[s] < lines_[s].size() ? remembered[s] : -1;
  Changed();
}

void MainWindowForm::Load() {
  recent_ = LoadRecentFiles(store_);
  FillList();
}

// ---- selecting and editing --------------------------------------------------------------

void MainWindowForm::ListGotFocus(int side) { ws_.Study.CurrentSpindle = static_cast<std::int16_t>(side); }

void MainWindowForm::ClickLine(int side, int index) {
  if (index < -1 || index >= Lines(side).size()) return;
  selection_[Index(side)] = index;
  const QString* line = SelectedLine(side);
  if (line && IsMarkerLine(*line)) {
    const int other = side == kMainSpindle ? kSubSpindle : kMainSpindle;
    if (side == kMainSpindle) {
      const int n = MarkerNumber(*line);
      if (n >= 1 && n <= kGroupChoiceCount) ChooseGroup(n - 1);
    }
    const int twin = static_cast<int>(Lines(other).indexOf(*line));
    if (twin >= 0) selection_[Index(other)] = twin;
  }
  Changed();
}

void MainWindowForm::DoubleClickLine(int side) {
  const QString* line = SelectedLine(side);
  if (!line || !IsOperationLine(*line)) return;
  TimeStudy& st = ws_.Study;
  st.CurrentSpindle = static_cast<std::int16_t>(side);
  const auto n = static_cast<std::int16_t>(OperationNumber(*line));
  (side == kMainSpindle ? st.EditMainOp : st.EditSubOp) = n;
  host_.ShowOperationEditor();
}

void MainWindowForm::ClickTimeline(const TimelineFrame& frame, const QPointF& point) {
  const TimelineHit hit = HitTimeline(timeline_, frame, point);
  if (hit.What != TimelineHit::Part::Operation) return;
  const int line = LineOfOperation(hit.Spindle, hit.Operation);
  if (line < 0) return;
  selection_[Index(hit.Spindle)] = line;
  // The list shows the selection before it takes the focus, so that the
  // focus does not choose a line of its own.
  Changed();
  host_.FocusList(hit.Spindle);
}

QString MainWindowForm::TimelineToolTip(const TimelineFrame& frame, const QPointF& point) const {
  return arvex::TimelineToolTip(timeline_, ws_.Study, ws_.Comparison, HitTimeline(timeline_, frame, point));
}

void MainWindowForm::ListKeyDown(int side, int keyCode) {
  if (keyCode != 13 && keyCode != 46) return;
  host_.ProcessPendingEvents();
  if (keyCode == 13) {
    DoubleClickLine(side);
    return;
  }
  const int index = Selection(side);
  const QString* line = SelectedLine(side);
  if (!line || !IsOperationLine(*line)) return;
  const Answer answer =
      prompter_.Ask(kDeleteQuestion + *line, kProgramTitle, Buttons::YesNo, Answer::No, MessageIcon::Question);
  if (answer != Answer::Yes) return;
  const int n = OperationNumber(*line);
  ws_.Changes.Apply(ws_.Study, {QStringLiteral("Delete Operation ") + QString::number(n), {}}, [&](TimeStudy& st) {
    st.CurrentSpindle = static_cast<std::int16_t>(side);
    if (!st.DeleteOperation(n)) return false;
    st.RecountOps();
    return true;
  });
  const int last = static_cast<int>(Lines(side).size()) - 1;
  selection_[Index(side)] = std::min(index, last);
  host_.FocusList(side);
  Changed();
}

void MainWindowForm::EditorButton(int side) {
  TimeStudy& st = ws_.Study;
  st.CurrentSpindle = static_cast<std::int16_t>(side);
  const QString* line = SelectedLine(side);
  if (line && IsOperationLine(*line))
    (side == kMainSpindle ? st.EditMainOp : st.EditSubOp) = static_cast<std::int16_t>(OperationNumber(*line));
  host_.FocusList(side);
  host_.ShowOperationEditor();
}

// ---- moving and copying ----------------------------------------------------------

void MainWindowForm::Move(int side, int step) {
  const QString* line = SelectedLine(side);
  if (!line || *line == kFinalLine) return;
  TimeStudy& st = ws_.Study;
  const QString direction = step < 0 ? QStringLiteral(" Up") : QStringLiteral(" Down");
  if (IsOperationLine(*line)) {
    const int m = OperationNumber(*line);
    // Up exchanges m - 1 and m, Down m and m + 1; syncs stay at their places.
    const int first = step < 0 ? m - 1 : m;
    if (first < 1 || first + 1 > st.Count(side)) return;
    const bool moved = ws_.Changes.Apply(
        st, {QStringLiteral("Move Operation ") + QString::number(m) + direction, {}},
        [&](TimeStudy& s) { return s.SwapOperations(side, first); });
    // The selection follows the operation, so that the next press moves it
    // on (the line one above may be a sync marker).
    if (moved) selection_[Index(side)] = LineOfOperation(side, m + step);
  } else if (IsMarkerLine(*line)) {
    const int n = MarkerNumber(*line);
    if (n < 1 || n > kMaxSyncs) return;
    const int v = st.Sync(side, n);
    if (step > 0) {
      const int next = st.Sync(side, n + 1);
      if (v >= st.Count(side) + 1 || (next > 0 && v + 1 > next)) return;
    } else {
      if (v < 2 || v - 1 < st.Sync(side, n - 1)) return;
    }
    const bool moved =
        ws_.Changes.Apply(st, {QStringLiteral("Move Sync ") + QString::number(n) + direction, {}}, [&](TimeStudy& s) {
          s.Sync(side, n) = static_cast<std::int16_t>(v + step);
          return true;
        });
    if (moved) selection_[Index(side)] = LineOfMarker(side, n);
  }
  Changed();
}

void MainWindowForm::MoveUp(int side) { Move(side, -1); }
void MainWindowForm::MoveDown(int side) { Move(side, +1); }

void MainWindowForm::Copy(int from) {
  const int to = from == kMainSpindle ? kSubSpindle : kMainSpindle;
  host_.FocusList(from);
  const int index = Selection(from);
  const QString* line = SelectedLine(from);
  if (!line || !IsOperationLine(*line)) return;
  const int n = OperationNumber(*line);
  if (n == 0) return;
  const bool copied = ws_.Changes.Apply(
      ws_.Study, {QStringLiteral("Copy Operation ") + QString::number(n) + QStringLiteral(" to ") + Side(to), {}},
      [&](TimeStudy& st) { return st.CopyToOtherList(from, n); });
  if (!copied) {
    prompter_.ShowMessage(QStringLiteral("The ") + Side(to) + QStringLiteral(" Spindle list holds ") +
                              QString::number(kMaxOperations) +
                              QStringLiteral(" operations already; the operation was not copied."),
                          kProgramTitle, MessageIcon::Exclamation);
    return;
  }
  selection_[Index(from)] = index;
  selection_[Index(to)] = static_cast<int>(Lines(to).size()) - 2;
  Changed();
}

void MainWindowForm::CopyMainToSub() { Copy(kMainSpindle); }
void MainWindowForm::CopySubToMain() { Copy(kSubSpindle); }

// ---- syncs -----------------------------------------------------------------------------

int MainWindowForm::SyncPlace(int side) const {
  const int index = Selection(side);
  const QString* line = SelectedLine(side);
  if (!line) return 0;
  if (index == Lines(side).size() - 1 && *line == kFinalLine) return ws_.Study.Count(side) + 1;
  if (line->contains(u')')) return OperationNumber(*line);
  return 0;
}

void MainWindowForm::AddSync() {
  const int a = SyncPlace(kMainSpindle);
  const int b = SyncPlace(kSubSpindle);
  if (a == 0 || b == 0) return;
  ws_.Changes.Apply(ws_.Study, {QStringLiteral("Add Sync"), {}}, [&](TimeStudy& st) {
    return arvex::AddSync(st, a, b, prompter_) == AddSyncResult::Added;
  });
  Changed();
}

void MainWindowForm::RemoveSync() {
  const QString* line = SelectedLine(kMainSpindle);
  const int n = line && IsMarkerLine(*line) ? MarkerNumber(*line) : 0;
  if (n < 1 || n > kMaxSyncs) {
    FillList();
    return;
  }
  ws_.Changes.Apply(ws_.Study, {QStringLiteral("Remove Sync ") + QString::number(n), {}}, [&](TimeStudy& st) {
    for (int k = n; k <= kMaxSyncs; ++k) {
      st.Sync(kMainSpindle, k) = st.Sync(kMainSpindle, k + 1);
      st.Sync(kSubSpindle, k) = st.Sync(kSubSpindle, k + 1);
    }
    return true;
  });
}

void MainWindowForm::ToggleSyncs() {
  syncsHidden_ = !syncsHidden_;
  FillList();
}

void MainWindowForm::ChooseGroup(int index) {
  if (index < 0 || index >= kGroupChoiceCount) return;
  groupChoice_ = index;
  const auto [b, c] = GroupLabelTexts(ws_.Comparison, index + 1);
  labels_[1] = b;
  labels_[2] = c;
  Changed();
}

// ---- commands -----------------------------------------------------------------------------

void MainWindowForm::UpdateEditorButtons() {
  editorEnabled_ = {!ws_.Study.Header.MachineName.isEmpty(), ws_.Study.Header.SubSpindleUsed != 0};
  Changed();
}

void MainWindowForm::HeaderData() {
  host_.ShowHeaderWindow();
  UpdateEditorButtons();
}

bool MainWindowForm::ConfirmClear() {
  if (!ws_.Study.Dirty) return true;
  return prompter_.Ask(kNewQuestion, kProgramTitle, Buttons::YesNo, Answer::No, MessageIcon::Question) ==
         Answer::Yes;
}

void MainWindowForm::New() {
  if (!ConfirmClear()) return;
  NewStudy(ws_);
  HeaderData();
}

void MainWindowForm::AfterOpen() {
  host_.ProcessPendingEvents();
  HeaderData();
}

void MainWindowForm::Open() {
  if (!ConfirmClear()) return;
  if (syncsHidden_) ToggleSyncs();
  const QString folder = ws_.Study.FilePath.isEmpty() ? StudyFolder(store_) : ws_.Study.FilePath;
  const QString path = OpenFileDialog(prompter_, kOpenStudyTitle, folder);
  // Reading a study clears Dirty; a cancelled dialog or a file that could
  // not be read leaves the study, and whether it holds unsaved work, as it
  // was.
  if (!path.isEmpty() && OpenStudy(ws_, path, prompter_).FileRead) AddRecentFile(store_, ws_.Study.FilePath);
  recent_ = LoadRecentFiles(store_);
  AfterOpen();
}

void MainWindowForm::Save() {
  SaveStudy(ws_, prompter_, store_);
  recent_ = LoadRecentFiles(store_);
  Changed();
}

void MainWindowForm::OpenRecent(int index) {
  if (index < 0 || index >= recent_.size()) return;
  if (!ConfirmClear()) return;
  const QString path = recent_[index];
  if (!OpenStudy(ws_, path, prompter_).FileRead) return;
  PromoteRecentFile(store_, path);
  recent_ = LoadRecentFiles(store_);
  AfterOpen();
}

void MainWindowForm::OpenAtStartUp(const QString& path) {
  if (!OpenStudy(ws_, path, prompter_).FileRead) return;
  AddRecentFile(store_, ws_.Study.FilePath);
  recent_ = LoadRecentFiles(store_);
  AfterOpen();
}

void MainWindowForm::MachineSetupClosed() { ReloadStudyMachine(ws_, prompter_); }

bool MainWindowForm::CloseRequested() {
  if (!ws_.Study.Dirty) return true;
  const Answer answer =
      prompter_.Ask(kCloseQuestion, kCloseCaption, Buttons::YesNoCancel, Answer::Yes, MessageIcon::Question);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::No) return true;
  // Yes: the program ends only once the study is safely written.
  return SaveStudy(ws_, prompter_, store_) == SaveOutcome::Saved;
}

}  // namespace arvex
