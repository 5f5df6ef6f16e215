#include "machine/machinesetup.h"

#include "platform/units.h"
#include "machine/machinefile.h"
#include "platform/numtext.h"
#include "platform/profilefile.h"

#include <QFileInfo>

namespace arvex {

namespace {

constexpr int kSubTools1Field = 27;
constexpr int kSubTools2Field = 30;
const QString kEjectPartSuffix = QStringLiteral(",Eject Part");

// The order in which the writer stores the 69 fields: both spindles in
// field order, then each live spindle with its name last, then the bar data.
constexpr std::array<int, kMachineSetupFieldCount> kWriteOrder = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
    23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45,
    46, 47, 48, 49, 54, 50, 51, 52, 53, 55, 57, 58, 59, 60, 56, 62, 63, 64, 65, 61, 66, 67, 68};

QString IntegerText(std::int16_t v) { return NumberText(static_cast<double>(v)); }

template <class R>
QString ValueText(const R& r, const QString& key, bool lengthsInMillimetres, const std::vector<RecordKey<R>>& keys) {
  for (const RecordKey<R>& k : keys) {
    if (key != QLatin1String(k.Key)) continue;
    if (k.Text) return r.*k.Text;
    if (k.Integer) return IntegerText(r.*k.Integer);
    double v = r.*k.Number;
    if (k.Length && lengthsInMillimetres) v /= kMillimetresPerInch;
    return NumberText(v);
  }
  return {};
}

QString SingleLengthText(float v, bool lengthsInMillimetres) {
  if (lengthsInMillimetres) v = static_cast<float>(static_cast<double>(v) / kMillimetresPerInch);
  return NumberText(v);
}

}  // namespace

const std::array<MachineSetupField, kMachineSetupFieldCount>& MachineSetupFields() {
  static const std::array<MachineSetupField, kMachineSetupFieldCount> fields = {{
      {"MainSpindle", "Tools1"},          {"MainSpindle", "Time1to1"},        {"MainSpindle", "ToolSetTime1"},
      {"MainSpindle", "Tools2"},          {"MainSpindle", "Time2to2"},        {"MainSpindle", "ToolSetTime2"},
      {"MainSpindle", "Time1to2"},        {"MainSpindle", "MaxSplSpeed"},     {"MainSpindle", "SplStartStop"},
      {"MainSpindle", "SplForRev"},       {"MainSpindle", "SplChange3k"},     {"MainSpindle", "SplRef"},
      {"MainSpindle", "SplIndex"},        {"MainSpindle", "CatchFrMain"},     {"MainSpindle", "ColletOpenClose"},
      {"MainSpindle", "HeadstockStroke"}, {"MainSpindle", "RapidMultZ"},      {"MainSpindle", "RapidZBeginEnd"},
      {"MainSpindle", "RapidMultExtra"},  {"MainSpindle", "OtherDesc1"},      {"MainSpindle", "OtherTime1"},
      {"MainSpindle", "Other1BeginEnd"},  {"MainSpindle", "OtherDesc2"},      {"MainSpindle", "OtherTime2"},
      {"MainSpindle", "Other2BeginEnd"},  {"MainSpindle", "RemnantLength"},   {"MainSpindle", "SetUpTime"},
      {"SubSpindle", "Tools1"},           {"SubSpindle", "Time1to1"},         {"SubSpindle", "ToolSetTime1"},
      {"SubSpindle", "Tools2"},           {"SubSpindle", "Time2to2"},         {"SubSpindle", "ToolSetTime2"},
      {"SubSpindle", "Time1to2"},         {"SubSpindle", "MaxSplSpeed"},      {"SubSpindle", "SplStartStop"},
      {"SubSpindle", "SplForRev"},        {"SubSpindle", "SplChange3k"},      {"SubSpindle", "SplRef"},
      {"SubSpindle", "SplIndex"},         {"SubSpindle", "CatchFrSub"},       {"SubSpindle", "TransferFrMain"},
      {"SubSpindle", "OtherDesc1"},       {"SubSpindle", "OtherTime1"},       {"SubSpindle", "OtherDesc2"},
      {"SubSpindle", "OtherTime2"},
      {"LiveSpindle1", "MaxSplSpeed"},    {"LiveSpindle1", "SplStartStop"},   {"LiveSpindle1", "SplForRev"},
      {"LiveSpindle1", "SplChange3k"},
      {"LiveSpindle2", "MaxSplSpeed"},    {"LiveSpindle2", "SplStartStop"},   {"LiveSpindle2", "SplForRev"},
      {"LiveSpindle2", "SplChange3k"},
      {"LiveSpindle1", "Name"},           {"LiveSpindle2", "Name"},           {"LiveSpindle3", "Name"},
      {"LiveSpindle3", "MaxSplSpeed"},    {"LiveSpindle3", "SplStartStop"},   {"LiveSpindle3", "SplForRev"},
      {"LiveSpindle3", "SplChange3k"},
      {"LiveSpindle4", "Name"},
      {"LiveSpindle4", "MaxSplSpeed"},    {"LiveSpindle4", "SplStartStop"},   {"LiveSpindle4", "SplForRev"},
      {"LiveSpindle4", "SplChange3k"},
      {"LiveSpindle4", "CutOffWidth"},    {"LiveSpindle4", "BarLengthInch"},  {"LiveSpindle4", "BarLoadTimeSec"},
  }};
  return fields;
}

int MachineSetupFieldIndex(const QString& section, const QString& key) {
  const auto& fields = MachineSetupFields();
  for (int i = 0; i < kMachineSetupFieldCount; ++i) {
    if (section.compare(QLatin1String(fields[static_cast<size_t>(i)].Section), Qt::CaseInsensitive) == 0 &&
        key.compare(QLatin1String(fields[static_cast<size_t>(i)].Key), Qt::CaseInsensitive) == 0)
      return i;
  }
  return -1;
}

QString& MachineSetupTexts::Field(const QString& section, const QString& key) {
  const int i = MachineSetupFieldIndex(section, key);
  if (i < 0) {
    thread_local QString scratch;
    scratch.clear();
    return scratch;
  }
  return Fields[static_cast<size_t>(i)];
}

QString MachineSetupTexts::Field(const QString& section, const QString& key) const {
  const int i = MachineSetupFieldIndex(section, key);
  return i < 0 ? QString() : Fields[static_cast<size_t>(i)];
}

MachineSetupTexts SetupTextsFromMachine(const MachineDefinition& machine) {
  MachineSetupTexts texts;
  texts.HasSubSpindle = machine.HasSubSpindle != 0;
  texts.HasLiveTools = machine.HasLiveTools != 0;
  const bool mm = machine.LengthsInMillimetres;
  const auto& fields = MachineSetupFields();
  for (size_t i = 0; i < fields.size(); ++i) {
    const QString section = QLatin1String(fields[i].Section);
    const QString key = QLatin1String(fields[i].Key);
    QString& text = texts.Fields[i];
    if (section == QLatin1String("MainSpindle")) {
      text = ValueText(machine.MainSpindle, key, mm, MainSpindleKeys());
    } else if (section == QLatin1String("SubSpindle")) {
      text = ValueText(machine.SubSpindle, key, mm, SubSpindleKeys());
    } else if (key == QLatin1String("CutOffWidth")) {
      text = SingleLengthText(machine.CutOffWidth, mm);
    } else if (key == QLatin1String("BarLengthInch")) {
      text = SingleLengthText(machine.BarLengthInch, mm);
    } else if (key == QLatin1String("BarLoadTimeSec")) {
      text = IntegerText(machine.BarLoadTimeSec);
    } else {
      text = ValueText(machine.LiveSpindle(section.right(1).toInt()), key, mm, LiveSpindleKeys());
    }
  }
  texts.ToolImages = {machine.MainToolImage, machine.SubToolImage};
  const std::array<const std::array<QString, 31>*, 3> holders = {&machine.ODHolders, &machine.IDHolders,
                                                                 &machine.LiveHolders};
  for (size_t kind = 0; kind < 3; ++kind)
    for (int slot = 1; slot <= 30; ++slot)
      if (const QString& name = (*holders[kind])[static_cast<size_t>(slot)]; !name.isEmpty())
        texts.Holders[kind] << name;
  return texts;
}

bool ReadMachineSetupTexts(const QString& path, MachineSetupTexts* texts) {
  MachineDefinition machine;
  if (!ReadMachineDefinition(path, /*metric=*/false, &machine)) return false;
  *texts = SetupTextsFromMachine(machine);
  return true;
}

bool WriteMachineSetup(const QString& path, const MachineSetupTexts& texts, FileError* error) {
  ProfileFile profile;
  if (QFileInfo::exists(path) && !profile.Load(path, error)) return false;  // never replace what cannot be read
  const QString machine = MachineSectionOfFile(path);

  profile.SetValue(machine, QStringLiteral("HasSubSpindle"), texts.HasSubSpindle ? QStringLiteral("1") : QStringLiteral("0"));
  profile.SetValue(machine, QStringLiteral("HasLiveTools"), texts.HasLiveTools ? QStringLiteral("1") : QStringLiteral("0"));
  const auto& fields = MachineSetupFields();
  for (int index : kWriteOrder) {
    QString value = texts.Fields[static_cast<size_t>(index)];
    if ((index == kSubTools1Field || index == kSubTools2Field) && value.endsWith(kEjectPartSuffix))
      value.chop(kEjectPartSuffix.size());
    const MachineSetupField& f = fields[static_cast<size_t>(index)];
    profile.SetValue(QLatin1String(f.Section), QLatin1String(f.Key), value);
  }
  const QString bar = QLatin1String(kBarDataSection);
  profile.SetValue(bar, QStringLiteral("MainToolImage"), texts.ToolImages[0]);
  profile.SetValue(bar, QStringLiteral("SubToolImage"), texts.ToolImages[1]);
  for (int slot = 1; slot <= 30; ++slot) {
    for (int kind = 0; kind < 3; ++kind) {
      const QStringList& list = texts.Holders[static_cast<size_t>(kind)];
      profile.SetValue(machine, HolderKey(slot, kind), slot <= list.size() ? list[slot - 1] : QString());
    }
  }
  return profile.Save(path, error);
}

QString MachineSavedMessage(const QString& path) { return u'\'' + path + QStringLiteral("' was saved!"); }

}  // namespace arvex
