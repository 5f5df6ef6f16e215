// Drives the cutting conditions form with arbitrary event sequences: field
// texts, key presses, key releases, focus changes, the RMS button and
// operation selection. Every arithmetic path must stay defined behaviour
// (no float or integer conversion out of range), whatever is typed.
//
// Input: byte 0 metric flag, byte 1 live flag, then events of
// [kind, field, length, text bytes...].

#include "cutting/cuttingconditions.h"
#include "formevents.h"
#include "machine/machinedefinition.h"
#include "platform/scriptedprompter.h"
#include "workspace.h"

#include <cstddef>
#include <cstdint>

using namespace arvex;

namespace {

constexpr std::string_view kAlphabet = "0123456789.,eE-+*/()^miMI\" xD&H!";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 2) return 0;
  Workspace ws;
  ws.Study.Header.Metric = (data[0] & 1) ? -1 : 0;
  ws.Machine.MainSpindle.MaxSplSpeed = 6000;
  ws.Machine.SubSpindle.MaxSplSpeed = 5000;
  ws.Machine.LiveSpindle1.MaxSplSpeed = 4000;
  ws.Machine.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02"));
  Operation& op = ws.Study.Op(kMainSpindle, 1);
  op.ToolNo = QStringLiteral("T01");
  op.OpName = (data[1] & 1) ? QStringLiteral("Live Cross Mill") : QStringLiteral("OD Turn");
  ScriptedPrompter prompter;
  CuttingConditionsForm form(ws, prompter, (data[0] & 2) ? kSubSpindle : kMainSpindle);
  form.SelectOperation(1);

  FormEvents events(data, size, 2, kAlphabet);
  FormEvent e;
  while (events.Next(&e)) {
    const int kind = e.Kind % 8;
    const int field = e.Field % (kCuttingFieldCount + 1);
    const size_t length = e.Length;
    const QString& text = e.Text;
    prompter.QueueAnswer((events.LastByte() & 1) ? Answer::Yes : Answer::No);
    switch (kind) {
      case 0: form.SetFieldText(field, text); break;
      case 1:
        if (!text.isEmpty()) form.KeyPress(field, text[0]);
        break;
      case 2: form.KeyUp(field, (length & 1) ? kEnterKeyCode : 0); break;
      case 3: form.LostFocus(field); break;
      case 4: form.GotFocus(field); break;
      case 5:
        prompter.QueueText(text);
        prompter.QueueText(text.mid(1));
        form.SurfaceFinishFeed();
        break;
      case 6: form.SelectOperation(static_cast<int>(length) % 3); break;
      default: form.SetOperationNameText(text); break;
    }
    prompter.Clear();
  }
  return 0;
}
