// The profile-file reader must take any bytes, the machine loader must make
// a sound definition of whatever it reads, and a value written under a key
// must read back as written (line breaks as blanks, at most 511 characters)
// without disturbing any other line.
#include "machine/machinefile.h"
#include "machine/machinesetup.h"
#include "platform/profilefile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

using namespace arvex;

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

QString Sanitized(QString value) {
  value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  value.replace(u'\r', u' ');
  value.replace(u'\n', u' ');
  return value.left(kMaxProfileValueLength);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  ProfileFile profile = ProfileFile::FromBytes(bytes);

  // The text form is a fixed point.
  const QString text = profile.Text();
  Check(ProfileFile::FromText(text).Text() == text);

  MachineDefinition machine;
  ReadMachineDefinition(profile, QStringLiteral("M"), (size & 1) != 0, &machine);
  Check(machine.SubTools1List.size() >= 3 && machine.SubTools1List.back() == kEjectPartTool);
  Check(machine.MainTools1List.size() >= 2 && machine.MainTools1List.front().isEmpty());
  Check(machine.ODHolders[0].isEmpty());
  for (size_t slot = 1; slot <= 30; ++slot) Check(machine.ODHolders[slot].size() <= kMaxProfileValueLength);
  const MachineSetupTexts texts = SetupTextsFromMachine(machine);
  Check(texts.Fields[27].endsWith(QStringLiteral("Eject Part")));

  // Section, key and value taken from the input itself: the first three
  // lines of the decoded text.
  const QStringList parts = DecodeWindows1252(bytes).split(u'\n');
  if (parts.size() < 3) return 0;
  const QString section = parts[0], key = parts[1], value = parts.mid(2).join(u'\n');
  const QString before = profile.Text();
  profile.SetValue(section, key, value);
  const std::optional<QString> back = ProfileFile::FromText(profile.Text()).Find(section, key);
  if (profile.Text() == before) return 0;  // a name that cannot stand on a line
  Check(back.has_value() && *back == Sanitized(value));
  // Setting the same value again changes nothing.
  const QString once = profile.Text();
  profile.SetValue(section, key, value);
  Check(profile.Text() == once);
  return 0;
}
