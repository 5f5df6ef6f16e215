// The calculator's key trap, the tap drill boxes and the triangle boxes take
// whatever the user types: no sequence of keys or texts may crash them, and
// an overflow never reaches the calculator's readout.
#include "platform/scriptedprompter.h"
#include "shop/calculator.h"
#include "shop/tapdrillform.h"
#include "shop/triangleform.h"
#include "workspace.h"

#include <cstdint>

using namespace arvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  Workspace ws;
  ScriptedPrompter prompter;
  ws.Study.Header.Metric = (size % 2) ? -1 : 0;

  CalculatorForm calc(ws, prompter);
  for (QChar key : text) {
    calc.KeyPress(key);
    if (key == u'~') calc.Negate();
    const QString readout = calc.Readout().toLower();
    if (readout.contains(QStringLiteral("inf")) || readout.contains(QStringLiteral("nan"))) __builtin_trap();
  }
  calc.Close();

  // The texts split at "|" fill the boxes in turn.
  const QStringList parts = text.split(u'|');
  TapDrillForm tap(ws, prompter);
  TriangleForm tri(ws);
  for (qsizetype i = 0; i < parts.size(); ++i) {
    switch (i % 8) {
      case 0: tap.Text1 = parts[i]; tap.LostFocus(TapDrillForm::Box::Text1); break;
      case 1: tap.Text2 = parts[i]; tap.KeyUp(TapDrillForm::Box::Text2); break;
      case 2: tap.Text3 = parts[i]; tap.ClickRollTap(); break;
      default: {
        const int box = static_cast<int>(i % 8) - 3;
        tri.Text1[static_cast<std::size_t>(box)] = parts[i];
        tri.LostFocus(box);
        tri.Calculate();
      }
    }
  }
  tap.Close();
  tri.Close();
  return 0;
}
