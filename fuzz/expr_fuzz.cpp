// The formula evaluator must take any text: it ends with a finite value and
// the caller's text unchanged, or with 0 and the text marked once with "%".
// Bytes are read as Latin-1 (every byte one character); a leading 0xFF byte
// reads the rest as UTF-8 instead, to reach other characters.
#include "expr/expressionevaluator.h"
#include "platform/numtext.h"

#include <QDate>
#include <QString>

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  const QString formula = size > 0 && data[0] == 0xFF
                              ? QString::fromUtf8(bytes + 1, static_cast<qsizetype>(size - 1))
                              : QString::fromLatin1(bytes, static_cast<qsizetype>(size));
  arvex::ExpressionEvaluator evaluator(QDate(2024, 1, 1));
  QString text = formula;
  const double value = evaluator.Evaluate(text);
  if (!std::isfinite(value)) __builtin_trap();
  if (text != formula) {
    if (text != u'%' + formula || value != 0) __builtin_trap();
    return 0;
  }
  // The value text of a result is a plain number and evaluates to itself.
  QString valueText = arvex::NumberText(value);
  double back = 0;
  if (arvex::ValChecked(valueText, &back)) {
    const QString copy = valueText;
    if (evaluator.Evaluate(valueText) != back || valueText != copy) __builtin_trap();
  }
  return 0;
}
