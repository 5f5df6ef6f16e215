// Drives the Auto Set form with arbitrary event sequences: field texts, key
// presses, leaving fields, option clicks, "Pick Tap" with any tap result,
// and "Add to CutData Exit" at any place. No sequence may crash, loop
// without end, or push an operation out of a list: the operations of a
// list are checked to survive every generation in order.
//
// Input: byte 0 flags (metric, live, sub spindle, prefilled list length in
// bits 3..7), then events of [kind, field, length, text bytes...].

#include "autoset/autosetform.h"
#include "formevents.h"
#include "machine/machinedefinition.h"
#include "platform/scriptedprompter.h"
#include "workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace arvex;

namespace {

constexpr std::string_view kAlphabet = "0123456789.,eE-+miMI\" xD&H";

// An application folder with a small center drill table, made once.
const QString& AppFolder() {
  static QTemporaryDir dir;
  static const QString path = [] {
    QFile file(dir.path() + QStringLiteral("/CEN-INFO.TXT"));
    if (file.open(QIODevice::WriteOnly))
      file.write("[INCH]\r\n\"#1\",.125,118,.047,.047,60\r\n\"#4\",.3125,118,.125,.125,60\r\n"
                 "[METRIC]\r\n\"A2\",5,118,2,2.5,60\r\n[END]\r\n");
    return dir.path() + QDir::separator();
  }();
  return path;
}

float FloatFrom(const std::uint8_t* data, size_t n) {
  float value = 0;
  std::memcpy(&value, data, n < sizeof value ? n : sizeof value);
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 1) return 0;
  Workspace ws;
  ws.AppFolder = AppFolder();
  ws.Study.Header.Metric = (data[0] & 1) ? -1 : 0;
  ws.Study.CurrentSpindle = (data[0] & 4) ? kSubSpindle : kMainSpindle;
  ws.Machine.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02"));
  ws.Machine.MainTools2List = SplitToolString(QStringLiteral("Turret,T11"));
  ws.Machine.SubTools1List = SplitToolString(QStringLiteral("Back,T21"));
  const int spindle = ws.Study.CurrentSpindle;
  const int prefilled = (data[0] >> 3) * 100 / 31;
  for (int i = 1; i <= prefilled; ++i) {
    ws.Study.Op(spindle, i).ToolNo = QStringLiteral("K");
    ws.Study.Op(spindle, i).OpName = QString::number(i);
  }
  ScriptedPrompter prompter;
  AutoSetForm form(ws, prompter);
  form.Load();
  form.SetLive(data[0] & 2);

  FormEvents events(data, size, 1, kAlphabet);
  FormEvent e;
  while (events.Next(&e)) {
    const int kind = e.Kind % 10;
    const int arrayIndex = e.Field % 7;
    const int fieldIndex = (e.Field / 7) % 10;
    const size_t length = e.Length;
    const QString& text = e.Text;
    const std::uint8_t* raw = e.Raw;
    const size_t n = e.Size;
    const AutoSetField field{static_cast<AutoSetArray>(arrayIndex), fieldIndex};
    switch (kind) {
      case 0:
      case 1: form.Change(field, text); break;
      case 2:
        if (!text.isEmpty()) form.KeyPress(field, text[0]);
        break;
      case 3: form.LostFocus(field); break;
      case 4: form.ChooseKind(static_cast<int>(length % 7) - 1); break;
      case 5: form.SetFirstToolIndex(static_cast<int>(length % 8) - 1); break;
      case 6:
        form.ClickCenterType((length & 1) ? CenterType::Spot : CenterType::CenterDrill);
        form.ClickPeckPattern(static_cast<PeckPattern>(length % 4));
        break;
      case 7:
        ws.ChosenTapText = text;
        ws.TapDrillResult = {FloatFrom(raw, n), FloatFrom(raw + (n > 4 ? 4 : n), n > 4 ? n - 4 : 0), 0.2f};
        form.PickTap();
        break;
      case 8: form.SetLive(length & 1); break;
      default: {
        // The stored operations must come out in the same order, none lost.
        std::vector<QString> before;
        for (int p = 1; p <= kMaxOperations; ++p)
          if (ws.Study.Op(spindle, p).ToolNo == u"K") before.push_back(ws.Study.Op(spindle, p).OpName);
        const std::optional<int> place =
            (length % 3 == 0) ? std::nullopt : std::optional<int>(static_cast<int>(length * 5) - 10);
        form.Generate(place);
        std::vector<QString> after;
        for (int p = 1; p <= kMaxOperations; ++p)
          if (ws.Study.Op(spindle, p).ToolNo == u"K") after.push_back(ws.Study.Op(spindle, p).OpName);
        if (before != after || !ws.Study.Op(spindle, kMaxOperations + 1).IsBlank()) std::abort();
        break;
      }
    }
    prompter.Clear();
  }
  return 0;
}
