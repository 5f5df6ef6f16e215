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

namespace {

// The sign clean-up as it reads: repeatedly the first "++" becomes "+",
// else the first "-+" "-", else the first "--" "+".
QString CleanSignsStepByStep(QString t) {
  while (true) {
    if (const auto i = t.indexOf(u"++"); i >= 0) t.replace(i, 2, QStringLiteral("+"));
    else if (const auto j = t.indexOf(u"-+"); j >= 0) t.replace(j, 2, QStringLiteral("-"));
    else if (const auto k = t.indexOf(u"--"); k >= 0) t.replace(k, 2, QStringLiteral("+"));
    else return t;
  }
}

// The input's bytes as a run of digits, signs and "*" between 7 and 3: the
// evaluator folds whole runs of signs at once, which must give what folding
// pair by pair gives.
void CheckSignFolding(const uint8_t* data, size_t size, arvex::ExpressionEvaluator& evaluator) {
  static const char kAlphabet[] = "++--+-12*";
  QString text = QStringLiteral("7");
  for (size_t i = 0; i < size && i < 24; ++i) text += QLatin1Char(kAlphabet[data[i] % 9]);
  text += u'3';
  QString direct = text;
  QString stepped = CleanSignsStepByStep(text);
  if (evaluator.Evaluate(direct) != evaluator.Evaluate(stepped)) __builtin_trap();
  if (direct.startsWith(u'%') != stepped.startsWith(u'%')) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  const QString formula = size > 0 && data[0] == 0xFF
                              ? QString::fromUtf8(bytes + 1, static_cast<qsizetype>(size - 1))
                              : QString::fromLatin1(bytes, static_cast<qsizetype>(size));
  arvex::ExpressionEvaluator evaluator(QDate(2024, 1, 1));
  CheckSignFolding(data, size, evaluator);
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
