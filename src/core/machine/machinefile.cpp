#include "machine/machinefile.h"

#include "platform/units.h"
#include "platform/numtext.h"
#include "platform/profilefile.h"
#include "platform/prompter.h"
#include "platform/textfile.h"
#include "workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace arvex {

namespace {

using SR = SpindleRecord;
using LR = LiveSpindleRecord;

template <class R>
RecordKey<R> TextKey(const char* key, const char* def, QString R::*m) {
  return {key, def, m, nullptr, nullptr, false};
}
template <class R>
RecordKey<R> NumberKey(const char* key, double R::*m, bool length = false) {
  return {key, "0", nullptr, m, nullptr, length};
}
template <class R>
RecordKey<R> IntegerKey(const char* key, std::int16_t R::*m) {
  return {key, "0", nullptr, nullptr, m, false};
}

// Integer fields: the leading number, halves to even; a value beyond the
// 16-bit range is held at its end rather than wrapped.
std::int16_t IntegerOf(const QString& text) {
  const double v = RoundHalfEven(Val(text));
  if (v >= 32767) return 32767;
  if (v <= -32768) return -32768;
  return static_cast<std::int16_t>(v);
}

// Reads the keys of one section into record.
template <class R>
void ReadSection(const ProfileFile& profile, const QString& section, const std::vector<RecordKey<R>>& keys,
                 double lengthFactor, R& record) {
  for (const RecordKey<R>& k : keys) {
    const QString text = profile.Value(section, QLatin1String(k.Key), QLatin1String(k.Default));
    if (k.Text) record.*k.Text = text;
    else if (k.Integer) record.*k.Integer = IntegerOf(text);
    else record.*k.Number = Val(text) * (k.Length ? lengthFactor : 1.0);
  }
}

float SingleOf(double v) {
  constexpr double kMax = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(v, -kMax, kMax));
}

}  // namespace

const std::vector<SpindleKey>& MainSpindleKeys() {
  static const std::vector<SpindleKey> keys = {
      TextKey("Tools1", "", &SR::Tools1),
      NumberKey("Time1to1", &SR::Time1to1),
      IntegerKey("ToolSetTime1", &SR::ToolSetTime1),
      TextKey("Tools2", "", &SR::Tools2),
      NumberKey("Time2to2", &SR::Time2to2),
      IntegerKey("ToolSetTime2", &SR::ToolSetTime2),
      NumberKey("Time1to2", &SR::Time1to2),
      IntegerKey("MaxSplSpeed", &SR::MaxSplSpeed),
      NumberKey("SplStartStop", &SR::SplStartStop),
      NumberKey("SplForRev", &SR::SplForRev),
      NumberKey("SplChange3k", &SR::SplChange3k),
      NumberKey("SplRef", &SR::SplRef),
      NumberKey("SplIndex", &SR::SplIndex),
      NumberKey("CatchFrMain", &SR::CatchFrMain),
      TextKey("OtherDesc1", "0", &SR::OtherDesc1),
      NumberKey("OtherTime1", &SR::OtherTime1),
      TextKey("Other1BeginEnd", "B", &SR::Other1BeginEnd),
      TextKey("OtherDesc2", "0", &SR::OtherDesc2),
      NumberKey("OtherTime2", &SR::OtherTime2),
      TextKey("Other2BeginEnd", "B", &SR::Other2BeginEnd),
      NumberKey("ColletOpenClose", &SR::ColletOpenClose),
      NumberKey("HeadstockStroke", &SR::HeadstockStroke, true),
      NumberKey("RapidMultZ", &SR::RapidMultZ, true),
      TextKey("RapidZBeginEnd", "B", &SR::RapidZBeginEnd),
      NumberKey("RapidMultExtra", &SR::RapidMultExtra),
      NumberKey("RemnantLength", &SR::RemnantLength, true),
      IntegerKey("SetUpTime", &SR::SetUpTime),
  };
  return keys;
}

const std::vector<SpindleKey>& SubSpindleKeys() {
  static const std::vector<SpindleKey> keys = {
      TextKey("Tools1", "", &SR::Tools1),
      NumberKey("Time1to1", &SR::Time1to1),
      IntegerKey("ToolSetTime1", &SR::ToolSetTime1),
      TextKey("Tools2", "0", &SR::Tools2),
      NumberKey("Time2to2", &SR::Time2to2),
      IntegerKey("ToolSetTime2", &SR::ToolSetTime2),
      NumberKey("Time1to2", &SR::Time1to2),
      IntegerKey("MaxSplSpeed", &SR::MaxSplSpeed),
      NumberKey("SplStartStop", &SR::SplStartStop),
      NumberKey("SplForRev", &SR::SplForRev),
      NumberKey("SplChange3k", &SR::SplChange3k),
      NumberKey("SplRef", &SR::SplRef),
      NumberKey("SplIndex", &SR::SplIndex),
      NumberKey("CatchFrSub", &SR::CatchFrSub),
      NumberKey("TransferFrMain", &SR::TransferFrMain),
      TextKey("OtherDesc1", "0", &SR::OtherDesc1),
      NumberKey("OtherTime1", &SR::OtherTime1),
      TextKey("OtherDesc2", "0", &SR::OtherDesc2),
      NumberKey("OtherTime2", &SR::OtherTime2),
  };
  return keys;
}

const std::vector<LiveSpindleKey>& LiveSpindleKeys() {
  static const std::vector<LiveSpindleKey> keys = {
      TextKey("Name", "0", &LR::Name),
      IntegerKey("MaxSplSpeed", &LR::MaxSplSpeed),
      NumberKey("SplStartStop", &LR::SplStartStop),
      NumberKey("SplForRev", &LR::SplForRev),
      NumberKey("SplChange3k", &LR::SplChange3k),
  };
  return keys;
}

QString HolderKey(int slot, int kind) {
  static const char* const kKinds[] = {"OD", "ID", "Live"};
  return QString::number(slot) + QLatin1String(kKinds[std::clamp(kind, 0, 2)]);
}

void ReadMachineDefinition(const ProfileFile& profile, const QString& machineName, bool metric,
                           MachineDefinition* machine) {
  MachineDefinition m;
  m.LoadedName = machineName;
  m.LengthsInMillimetres = metric;
  const double lengthFactor = metric ? kMillimetresPerInch : 1.0;

  m.HasSubSpindle = IntegerOf(profile.Value(machineName, QStringLiteral("HasSubSpindle"), QStringLiteral("0")));
  m.HasLiveTools = IntegerOf(profile.Value(machineName, QStringLiteral("HasLiveTools"), QStringLiteral("0")));

  ReadSection(profile, QStringLiteral("MainSpindle"), MainSpindleKeys(), lengthFactor, m.MainSpindle);
  ReadSection(profile, QStringLiteral("SubSpindle"), SubSpindleKeys(), lengthFactor, m.SubSpindle);
  for (int n = 1; n <= 4; ++n)
    ReadSection(profile, QStringLiteral("LiveSpindle") + QString::number(n), LiveSpindleKeys(), lengthFactor,
                m.LiveSpindle(n));

  const QString bar = QLatin1String(kBarDataSection);
  // Single fields: stored as Single, then multiplied in double precision
  // and stored as Single again.
  m.CutOffWidth = SingleOf(Val(profile.Value(bar, QStringLiteral("CutOffWidth"), QStringLiteral(".099"))));
  if (metric) m.CutOffWidth = SingleOf(static_cast<double>(m.CutOffWidth) * kMillimetresPerInch);
  m.BarLengthInch = SingleOf(Val(profile.Value(bar, QStringLiteral("BarLengthInch"), QStringLiteral("144"))));
  if (metric) m.BarLengthInch = SingleOf(static_cast<double>(m.BarLengthInch) * kMillimetresPerInch);
  m.BarLoadTimeSec = IntegerOf(profile.Value(bar, QStringLiteral("BarLoadTimeSec"), QStringLiteral("50")));
  m.MainToolImage = profile.Value(bar, QStringLiteral("MainToolImage"));
  m.SubToolImage = profile.Value(bar, QStringLiteral("SubToolImage"));

  m.SubSpindle.Tools1 += QStringLiteral(",") + kEjectPartTool;

  m.SplitToolLists();

  for (int slot = 1; slot <= 30; ++slot) {
    const auto i = static_cast<size_t>(slot);
    m.ODHolders[i] = profile.Value(machineName, HolderKey(slot, 0));
    m.IDHolders[i] = profile.Value(machineName, HolderKey(slot, 1));
    m.LiveHolders[i] = profile.Value(machineName, HolderKey(slot, 2));
  }
  *machine = std::move(m);
}

bool ReadMachineDefinition(const QString& path, bool metric, MachineDefinition* machine) {
  if (!QFileInfo(path).isFile()) return false;
  ProfileFile profile;
  FileError error;
  if (!profile.Load(path, &error)) return false;
  ReadMachineDefinition(profile, MachineSectionOfFile(path), metric, machine);
  return true;
}

QString MachineFilePath(const QString& appFolder, const QString& name) {
  const QString exact = appFolder + name + QStringLiteral(".ini");
  if (QFileInfo::exists(exact)) return exact;
  const QString wanted = name + QStringLiteral(".ini");
  QStringList entries = QDir(appFolder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  for (const QString& entry : entries)
    if (entry.compare(wanted, Qt::CaseInsensitive) == 0) return appFolder + entry;
  return exact;
}

bool LoadMachineDefinition(Workspace& ws, const QString& name, Prompter& prompter) {
  const QString path = MachineFilePath(ws.AppFolder, name);
  if (!QFileInfo(path).isFile()) {
    prompter.ShowMessage(QStringLiteral("The machine file does not exist! ") + path);
    return false;
  }
  ProfileFile profile;
  FileError error;
  if (!profile.Load(path, &error)) {
    prompter.ShowMessage(QStringLiteral("The machine file ") + path + QStringLiteral(" could not be read: ") +
                             error.Description,
                         kProgramTitle, MessageIcon::Exclamation);
    return false;
  }
  MachineDefinition machine;
  ReadMachineDefinition(profile, MachineSectionOfFile(path), ws.Study.Header.IsMetric(), &machine);
  machine.LoadedName = name;
  ws.Machine = std::move(machine);
  return true;
}

QString MachineNameProblem(const QString& name) {
  if (name.trimmed().isEmpty()) return QStringLiteral("Type a name for the machine.");
  static const QString kForbidden = QStringLiteral("\\/:*?\"<>|[]");
  QString bad;
  for (const QChar c : name)
    if ((kForbidden.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F) && !bad.contains(c)) bad += c;
  if (!bad.isEmpty())
    return QStringLiteral("The machine name \"") + name + QStringLiteral("\" cannot be a file name: it holds ") +
           NameCharacters(bad) + u'.';
  if (name != name.trimmed())
    return QStringLiteral("The machine name \"") + name +
           QStringLiteral("\" cannot be a file name: it begins or ends with a blank.");
  if (name.endsWith(u'.'))
    return QStringLiteral("The machine name \"") + name +
           QStringLiteral("\" cannot be a file name: it ends with a point.");
  static const QRegularExpression kDevice(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                          QRegularExpression::CaseInsensitiveOption);
  if (kDevice.match(name).hasMatch())
    return QStringLiteral("The machine name \"") + name +
           QStringLiteral("\" cannot be a file name: it is the name of a device.");
  return {};
}

QString MachineSectionOfFile(const QString& path) {
  QString name = QFileInfo(path).fileName();
  name.chop(4);
  return name;
}

QStringList ListMachines(const QString& appFolder) {
  QStringList names;
  const QStringList entries =
      QDir(appFolder).entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Hidden, QDir::NoSort);
  for (QString entry : entries) {
    if (entry.size() <= 4) continue;
    entry.chop(4);
    names << entry;
  }
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
  return names;
}

}  // namespace arvex
