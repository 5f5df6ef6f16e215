// arvex eval [--json] FORMULA: the formula evaluated as the cutting-length
// field evaluates it (every "," read as "." first).
#include "commands.h"
#include "jsontext.h"

#include "expr/expressionevaluator.h"
#include "platform/numtext.h"

namespace arvex {

int RunEvalCommand(CliContext& ctx) {
  const bool json = TakeFlag(ctx.Args, QStringLiteral("--json"));
  // A formula may begin with "-" ("-3+2"), so only "--" followed by a letter
  // is an option, and everything after "--" is formula.
  QStringList parts;
  bool optionsEnded = false;
  for (const QString& arg : std::as_const(ctx.Args)) {
    if (!optionsEnded && arg == QStringLiteral("--")) {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 2 && arg.startsWith(QStringLiteral("--")) && arg[2].isLetter()) {
      ctx.Fail(QStringLiteral("unknown option ") + arg + QStringLiteral(" (try arvex eval --help)"));
      return 2;
    } else {
      parts << arg;
    }
  }
  if (parts.isEmpty()) {
    ctx.Fail(QStringLiteral("eval needs a formula (try arvex eval --help)"));
    return 2;
  }
  // Blanks are ignored by the evaluator, so a formula split by the shell
  // ("1 + 2") is taken whole.
  QString formula = parts.join(u' ');
  formula.replace(u',', u'.');
  const QString before = formula;
  ExpressionEvaluator evaluator;
  const double value = evaluator.Evaluate(formula);
  const bool error = formula != before;
  const QString text = NumberText(value);
  if (json) {
    ctx.Out << "{\"value\": " << JsonNumber(text) << ", \"text\": \"" << text << "\", \"error\": "
            << (error ? "true" : "false") << "}\n";
  } else {
    ctx.Out << text << "\n";
    if (error) ctx.Err << "arvex: the formula is in error; its value is 0\n";
  }
  ctx.Out.flush();
  ctx.Err.flush();
  return 0;
}

}  // namespace arvex
