#include "mainwindow/headerform.h"

#include "cutting/materiallists.h"
#include "machine/machinefile.h"
#include "platform/numtext.h"
#include "platform/prompter.h"
#include "platform/settingsstore.h"
#include "platform/textinput.h"
#include "session/studysession.h"
#include "workspace.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace arvex {

namespace {

const QString kEditHeader = QStringLiteral("Edit Header");
const QString kEditShape = QStringLiteral("Material Shape");

}  // namespace

HeaderForm::HeaderForm(Workspace& ws, Prompter& prompter, QSettings& store)
    : ws_(ws), prompter_(prompter), store_(store) {
  listenId_ = ws_.Changes.Listen([this](const StudyNotice& notice) {
    if (notice.Event != StudyEvent::Undone && notice.Event != StudyEvent::Redone) return;
    ShowStudy();
    if (onChanged_) onChanged_();
  });
}

HeaderForm::~HeaderForm() { ws_.Changes.Forget(listenId_); }

void HeaderForm::Changed() { ws_.Changes.MarkDirty(ws_.Study); }

bool HeaderForm::Refuses(const QString& text) { return RefuseDoubleQuote(text, prompter_); }

// ---- loading -------------------------------------------------------------------

void HeaderForm::ShowStudy() {
  const TimeStudyHeader& h = ws_.Study.Header;
  metric_ = h.IsMetric();
  shape_ = static_cast<int>(std::find(kShapes.begin(), kShapes.end(), h.MaterialShape) - kShapes.begin());
  if (shape_ >= static_cast<int>(kShapes.size())) shape_ = -1;
  texts_ = {h.Customer, h.Engineer, h.PartName, h.PartNo, h.Material, h.MaterialSize, h.PartLength};
  notes_ = h.Notes;
  subSpindleUsed_ = h.SubSpindleUsed != 0;
  partsCatcherUsed_ = h.PartsCatcherUsed != 0;
  machineIndex_ = -1;
  // Machine files are found ignoring the case of their names.
  for (int i = 0; i < machines_.size() && machineIndex_ < 0 && !h.MachineName.isEmpty(); ++i)
    if (machines_[i].compare(h.MachineName, Qt::CaseInsensitive) == 0) machineIndex_ = i;
}

void HeaderForm::Load() {
  const TimeStudyHeader& h = ws_.Study.Header;
  materialEntries_ = MaterialDisplayTexts(ws_.Materials);
  const bool dirty = ws_.Study.Dirty;

  machines_ = ListMachines(ws_.AppFolder);
  ShowStudy();
  if (!h.MachineName.isEmpty() && machineIndex_ < 0) prompter_.ShowMessage(kMachineMissing);

  if (texts_[kEngineer].isEmpty()) {
    const QString engineer = ReadSetting(store_, kSettingsSection, kEngineerKey, QString());
    texts_[kEngineer] = engineer;
    ws_.Changes.Apply(ws_.Study, {kEditHeader, {}}, [&](TimeStudy& st) {
      if (st.Header.Engineer == engineer) return false;
      st.Header.Engineer = engineer;
      return true;
    });
  }
  // Filling the boxes is no change of the study.
  ws_.Study.Dirty = dirty;
}

// ---- editing -------------------------------------------------------------------

bool HeaderForm::KeyPress(QChar typed) { return RefuseDoubleQuote(typed, prompter_); }

bool HeaderForm::SetText(int box, const QString& text) {
  if (box < 0 || box >= kTextBoxCount) return false;
  QString& current = texts_[static_cast<size_t>(box)];
  if (text == current) return true;
  if (Refuses(text)) return false;
  current = text;
  Changed();
  return true;
}

bool HeaderForm::SetMaterialText(const QString& text) { return SetText(4, text); }

bool HeaderForm::SetNotes(const QString& text) {
  if (text == notes_) return true;
  if (Refuses(text)) return false;
  notes_ = text;
  Changed();
  return true;
}

void HeaderForm::ChooseMaterial(int index) {
  if (index < 0 || index >= materialEntries_.size()) return;
  texts_[4] = materialEntries_[index];
  Changed();
}

void HeaderForm::ChooseMachine(int index) {
  if (index < 0 || index >= machines_.size()) return;
  machineIndex_ = index;
  if (LoadMachineDefinition(ws_, machines_[index], prompter_)) {
    ws_.Changes.MachineLoaded();
    if (ws_.Machine.HasSubSpindle == 0) subSpindleUsed_ = false;
  }
  Changed();
}

void HeaderForm::SetSubSpindleUsed(bool used) {
  subSpindleUsed_ = used;
  Changed();
}

void HeaderForm::SetPartsCatcherUsed(bool used) { partsCatcherUsed_ = used; }

void HeaderForm::ChooseShape(int shape) {
  if (shape < 0 || shape >= static_cast<int>(kShapes.size())) return;
  shape_ = shape;
  const QString& caption = kShapes[static_cast<size_t>(shape)];
  ws_.Changes.Apply(ws_.Study, {kEditShape, {}}, [&](TimeStudy& st) {
    if (st.Header.MaterialShape == caption) return false;
    st.Header.MaterialShape = caption;
    return true;
  });
}

void HeaderForm::SetMetric(bool metric) { metric_ = metric; }

void HeaderForm::CalculatorClosed() { calculatorResult_ = ws_.LastCalcText; }

// ---- Continue --------------------------------------------------------------------

HeaderForm::ContinueOutcome HeaderForm::Continue() {
  // Every box is stored, whatever the checks below decide.
  const QString machine = machineIndex_ >= 0 ? machines_[machineIndex_] : QString();
  ws_.Changes.Apply(ws_.Study, {kEditHeader, {}}, [&](TimeStudy& st) {
    TimeStudyHeader h = st.Header;
    // Any value other than 0 reads as metric; keep the stored one.
    h.Metric = metric_ ? (h.IsMetric() ? h.Metric : std::int16_t{-1}) : std::int16_t{0};
    h.Customer = texts_[kCustomer];
    h.Engineer = texts_[kEngineer];
    h.PartName = texts_[kPartName];
    h.PartNo = texts_[kPartNo];
    h.Material = texts_[4];
    h.MaterialSize = texts_[kMaterialSize];
    if (shape_ >= 0) h.MaterialShape = kShapes[static_cast<size_t>(shape_)];
    h.PartLength = NumberText(ParseNumber(texts_[kPartLength]));
    h.Notes = notes_;
    h.MachineName = machine;
    h.SubSpindleUsed = subSpindleUsed_ ? 1 : 0;
    h.PartsCatcherUsed = partsCatcherUsed_ ? 1 : 0;
    // A new study is proposed a file named after the customer and the part
    // number, in the time-study folder (where the file dialogs start).
    QString path = st.FilePath;
    if (path.isEmpty()) {
      path = h.Customer + u'-' + h.PartNo + QStringLiteral(".rvx");
      if (!QDir::isAbsolutePath(path)) path = StudyFolder(store_) + u'/' + path;
    }
    const bool changed = !(h == st.Header) || path != st.FilePath;
    st.Header = std::move(h);
    st.FilePath = path;
    return changed;
  });
  // The boxes show what was stored.
  texts_[kPartLength] = ws_.Study.Header.PartLength;

  WriteSetting(store_, kSettingsSection, kEngineerKey, ws_.Study.Header.Engineer);

  if (!(Val(ws_.Study.Header.PartLength) > 0)) {
    prompter_.ShowMessage(kPartLengthNeeded);
    return ContinueOutcome::NeedPartLength;
  }
  if (ws_.Study.Header.MachineName.isEmpty()) {
    prompter_.ShowMessage(kMachineNeeded);
    return ContinueOutcome::NeedMachine;
  }
  // The material's group for the cutting-data look-ups: the group the
  // chosen entry's material stores. A text that is no entry keeps the group
  // of an earlier look-up.
  if (const std::optional<int> group = GroupOfMaterialEntry(ws_.Materials, ws_.Study.Header.Material))
    ws_.MaterialGroupIndex = static_cast<std::int16_t>(*group);
  if (ws_.MaterialGroupIndex == 0) prompter_.ShowMessage(kMaterialUnknown);
  return ContinueOutcome::Closed;
}

void HeaderForm::Closed() {
  const TimeStudyHeader& h = ws_.Study.Header;
  if (h.MachineName.isEmpty()) return;
  const bool sameMachine = ws_.Machine.LoadedName.compare(h.MachineName, Qt::CaseInsensitive) == 0;
  if (sameMachine && ws_.Machine.LengthsInMillimetres == h.IsMetric()) return;
  // A machine whose file is gone was reported when the study was read.
  if (!QFileInfo(MachineFilePath(ws_.AppFolder, h.MachineName)).isFile()) return;
  ReloadStudyMachine(ws_, prompter_);
}

}  // namespace arvex
