#include "machine/machinesetupform.h"

#include "machine/machinefile.h"
#include "platform/prompter.h"
#include "platform/textinput.h"
#include "workspace.h"

#include <QDir>
#include <QFileInfo>

namespace arvex {

namespace {

struct KeyLabel {
  const char* Key;
  const char* Label;
  const char* Unit;
};

// Labels and units of the spindle and live spindle keys; the live
// spindles share the spindle's speed and time labels.
constexpr KeyLabel kKeyLabels[] = {
    {"Tools1", "Tools ToolPost 1(TP1):", ""},
    {"Time1to1", "Index time TP1-TP1:", "sec"},
    {"ToolSetTime1", "TP1 Tool Set Time (Min):", "min"},
    {"Tools2", "Tools ToolPost 2(TP2):", ""},
    {"Time2to2", "Index time TP2-TP2:", "sec"},
    {"ToolSetTime2", "TP2 Tool Set Time (Min):", "min"},
    {"Time1to2", "Index time TP1-TP2:", "sec"},
    {"MaxSplSpeed", "Max Spl. Speed:", "RPM"},
    {"SplStartStop", "Spl. Start/Stop:", "sec"},
    {"SplChange3k", "Spl.change speed >3k:", "sec"},
    {"SplForRev", "Spl. For/Rev:", "sec"},
    {"SplRef", "Spl. Referance to 0:", "sec"},
    {"SplIndex", "Spl. index:", "sec"},
    {"CatchFrMain", "Part Catcher from main:", "sec"},
    {"OtherDesc1", "Other1 -desc/time", ""},
    {"OtherTime1", "Other1 -desc/time", "sec"},
    {"Other1BeginEnd", "Other1 Begin,End of cycle (BorE):", ""},
    {"OtherDesc2", "Other2 -desc/time", ""},
    {"OtherTime2", "Other2 -desc/time", "sec"},
    {"Other2BeginEnd", "Other2 Begin,End of cycle (BorE):", ""},
    {"ColletOpenClose", "Collet Open /Close:", "sec"},
    {"HeadstockStroke", "Z -axis stroke:", "in"},
    {"RapidMultZ", "Speed for Zaxis feeding stock (IPM):", "in/min"},
    {"RapidZBeginEnd", "Rapid Z Begin,End,Not in cycle (BorEorN):", ""},
    {"RapidMultExtra", "Rapid multiplier for extra rapids:", ""},
    {"RemnantLength", "Bar remnant min. length:", "in"},
    {"SetUpTime", "Machine Setup -collets ect. /less tools (Min):", "min"},
    {"CatchFrSub", "Part Catcher from Sub:", "sec"},
    {"TransferFrMain", "Part Transfer from Main:", "sec"},
    {"Name", "Name:", ""},
    {"CutOffWidth", "Cut-off Width with facing(.094+.005):", "in"},
    {"BarLengthInch", "Bar Length -Inch (144):", "in"},
    {"BarLoadTimeSec", "Barfeed Load Time in Sec. (50):", "sec"},
};

const KeyLabel* LabelOf(int field) {
  if (field < 0 || field >= kMachineSetupFieldCount) return nullptr;
  const char* key = MachineSetupFields()[static_cast<size_t>(field)].Key;
  for (const KeyLabel& k : kKeyLabels)
    if (qstrcmp(k.Key, key) == 0) return &k;
  return nullptr;
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

QString MachineSetupForm::FieldLabel(int field) {
  const KeyLabel* k = LabelOf(field);
  return k ? QString::fromLatin1(k->Label) : QString();
}

QString MachineSetupForm::FieldUnit(int field) {
  const KeyLabel* k = LabelOf(field);
  return k ? QString::fromLatin1(k->Unit) : QString();
}

const MachineSetupForm::PageColumns& MachineSetupForm::FieldLayout(int page) {
  static const QString posts = QStringLiteral("Tool posts");
  static const QString spindle = QStringLiteral("Spindle");
  static const QString cycle = QStringLiteral("Cycle items");
  static const std::array<PageColumns, 3> layouts = {{
      {{{posts, {0, 1, 2, 3, 4, 5, 6}}, {spindle, {7, 8, 9, 10, 11, 12}}},
       {{cycle, {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
        {QStringLiteral("Setup and bar stock"), {25, 26, 66, 67, 68}}}},
      {{{posts, {27, 28, 29, 30, 31, 32, 33}}, {spindle, {34, 35, 36, 37, 38, 39}}},
       {{cycle, {40, 41, 42, 43, 44, 45}}}},
      // Each drive with its name first, as the file's reader reads it.
      {{{kLiveCaptions[0], {54, 46, 47, 48, 49}}, {kLiveCaptions[1], {55, 50, 51, 52, 53}}},
       {{kLiveCaptions[2], {56, 57, 58, 59, 60}}, {kLiveCaptions[3], {61, 62, 63, 64, 65}}}},
  }};
  static const PageColumns none;
  return page >= kMainPage && page <= kLivePage ? layouts[static_cast<size_t>(page)] : none;
}

MachineSetupForm::MachineSetupForm(Workspace& ws, Prompter& prompter) : ws_(ws), prompter_(prompter) {}

bool MachineSetupForm::PageEnabled(int page) const {
  if (page == kSubPage) return texts_.HasSubSpindle;
  if (page == kLivePage) return texts_.HasLiveTools;
  return page >= 0 && page < kPageCount;
}

QString MachineSetupForm::HolderCountText(int kind) const {
  const auto n = texts_.Holders[static_cast<size_t>(kind)].size();
  QString text = QString::number(n) + QStringLiteral(" of ") + QString::number(kHolderSlots);
  if (n > kHolderSlots) text += QStringLiteral(": the entries after the 30th are not saved");
  return text;
}

void MachineSetupForm::Load() {
  machines_ = ListMachines(ws_.AppFolder);
  name_.clear();
  machineIndex_ = -1;
  shownMachine_.clear();
  texts_ = MachineSetupTexts();
  entries_ = {};
  selection_ = {-1, -1, -1};
  page_ = kMainPage;
}

void MachineSetupForm::ChooseMachine(int index) {
  if (index < 0 || index >= machines_.size()) return;
  const QString name = machines_[index];
  const QString path = MachineFilePath(ws_.AppFolder, name);
  MachineSetupTexts texts;
  if (!QFileInfo(path).isFile()) {
    prompter_.ShowMessage(QStringLiteral("The machine file does not exist! ") + QDir::toNativeSeparators(path));
    return;
  }
  if (!ReadMachineSetupTexts(path, &texts)) {
    prompter_.ShowMessage(QStringLiteral("The machine file ") + QDir::toNativeSeparators(path) +
                              QStringLiteral(" could not be read."),
                          kProgramTitle, MessageIcon::Exclamation);
    return;
  }
  machineIndex_ = index;
  name_ = name;
  shownMachine_ = name;
  texts_ = std::move(texts);
  for (int kind = 0; kind < kHolderKinds; ++kind)
    selection_[static_cast<size_t>(kind)] = texts_.Holders[static_cast<size_t>(kind)].isEmpty() ? -1 : 0;
  if (!PageEnabled(page_)) page_ = kMainPage;
}

void MachineSetupForm::SetMachineName(const QString& name) {
  name_ = name;
  machineIndex_ = -1;
  for (int i = 0; i < machines_.size() && machineIndex_ < 0; ++i)
    if (machines_[i] == name) machineIndex_ = i;
}

void MachineSetupForm::SetHasSubSpindle(bool has) {
  texts_.HasSubSpindle = has;
  if (!PageEnabled(page_)) page_ = kMainPage;
}

void MachineSetupForm::SetHasLiveTools(bool has) {
  texts_.HasLiveTools = has;
  if (!PageEnabled(page_)) page_ = kMainPage;
}

void MachineSetupForm::ChoosePage(int page) {
  if (PageEnabled(page)) page_ = page;
}

void MachineSetupForm::SetField(int field, const QString& text) {
  if (field < 0 || field >= kMachineSetupFieldCount) return;
  texts_.Fields[static_cast<size_t>(field)] = text;
}

void MachineSetupForm::SetToolImage(int which, const QString& path) {
  if (which < 0 || which > 1) return;
  texts_.ToolImages[static_cast<size_t>(which)] = path;
}

void MachineSetupForm::ChooseToolImage(int which) {
  if (which < 0 || which > 1) return;
  FileRequest request{kImageDialogTitle, kImageFilter, false, texts_.ToolImages[static_cast<size_t>(which)], false};
  if (request.Proposal.isEmpty()) request.Proposal = ws_.AppFolder;
  if (const auto path = prompter_.ChooseFile(request)) SetToolImage(which, QDir::toNativeSeparators(*path));
}

bool MachineSetupForm::HolderKeyPress(QChar typed) { return RefuseDoubleQuote(typed, prompter_); }

bool MachineSetupForm::SetHolderEntry(int kind, const QString& text) {
  if (kind < 0 || kind >= kHolderKinds) return false;
  QString& entry = entries_[static_cast<size_t>(kind)];
  if (text == entry) return true;
  if (RefuseDoubleQuote(text, prompter_)) return false;
  entry = text;
  return true;
}

void MachineSetupForm::SelectHolder(int kind, int row) {
  if (kind < 0 || kind >= kHolderKinds) return;
  const QStringList& list = texts_.Holders[static_cast<size_t>(kind)];
  selection_[static_cast<size_t>(kind)] = row >= 0 && row < list.size() ? row : -1;
}

void MachineSetupForm::AddHolder(int kind) {
  if (kind < 0 || kind >= kHolderKinds) return;
  texts_.Holders[static_cast<size_t>(kind)] << entries_[static_cast<size_t>(kind)];
  entries_[static_cast<size_t>(kind)].clear();
}

void MachineSetupForm::RemoveHolder(int kind) {
  if (kind < 0 || kind >= kHolderKinds) return;
  QStringList& list = texts_.Holders[static_cast<size_t>(kind)];
  int& selected = selection_[static_cast<size_t>(kind)];
  if (selected < 0 || selected >= list.size()) return;
  entries_[static_cast<size_t>(kind)] = list.takeAt(selected);
  if (list.isEmpty()) selected = -1;
  else if (selected >= list.size()) selected = static_cast<int>(list.size()) - 1;
}

bool MachineSetupForm::Save() {
  const QString name = name_.trimmed();
  if (const QString problem = MachineNameProblem(name); !problem.isEmpty()) {
    prompter_.ShowMessage(problem + QStringLiteral(" Nothing was saved."), kCaption, MessageIcon::Exclamation);
    return false;
  }
  name_ = name;
  const QString path = MachineFilePath(ws_.AppFolder, name);
  const QString shownPath = QDir::toNativeSeparators(path);
  // Typing the name of another machine would replace that machine's values
  // with the ones shown.
  if (QFileInfo::exists(path) && !SameName(name, shownMachine_) &&
      prompter_.Ask(QStringLiteral("The machine '") + name + QStringLiteral("' exists already (") + shownPath +
                        QStringLiteral("). Replace its values with the ones shown?"),
                    kCaption, Buttons::YesNo, Answer::No, MessageIcon::Question) != Answer::Yes)
    return false;
  FileError error;
  if (!WriteMachineSetup(path, texts_, &error)) {
    QString why = error.Description;
    if (!why.endsWith(u'.')) why += u'.';
    prompter_.ShowMessage(QStringLiteral("The machine file ") + shownPath + QStringLiteral(" could not be saved: ") +
                              why + QStringLiteral(" The file on disk is unchanged."),
                          kCaption, MessageIcon::Exclamation);
    return false;
  }
  shownMachine_ = name;
  prompter_.ShowMessage(MachineSavedMessage(shownPath));
  return true;
}

}  // namespace arvex
