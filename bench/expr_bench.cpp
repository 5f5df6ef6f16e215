// The formula evaluator on a typical formula and on the worst texts of the
// longest length allowed (32,767 characters): the most rounds a stage can
// take, the most nested evaluations, the most growth.
#include "expr/expressionevaluator.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace {

constexpr qsizetype kLongest = 32767;

// head, then piece repeated while the text stays within limit with tail.
QString Longest(const QString& head, const QString& piece, const QString& tail = {}, qsizetype limit = kLongest) {
  QString text = head;
  while (text.size() + piece.size() + tail.size() <= limit) text += piece;
  return text + tail;
}

QString Nested(int depth, const QString& inner) {
  return QString(depth, u'(') + inner + QString(depth, u')');
}

void BM_Evaluate(benchmark::State& state, const QString& formula) {
  arvex::ExpressionEvaluator evaluator;
  bool error = false;
  for (auto _ : state) {
    QString text = formula;
    benchmark::DoNotOptimize(evaluator.Evaluate(text));
    error = text.size() != formula.size();
  }
  state.counters["chars"] = static_cast<double>(formula.size());
  state.SetLabel(error ? "error" : "value");
}

}  // namespace

BENCHMARK_CAPTURE(BM_Evaluate, typical, QStringLiteral("(1+.2+.5-(2*4))/2"));
BENCHMARK_CAPTURE(BM_Evaluate, functions, QStringLiteral("SQR(3^2+4^2)*SIN(PI/6)+ARCTANH(.5)-LOG(e)"));
BENCHMARK_CAPTURE(BM_Evaluate, sum_16384_terms, Longest(QStringLiteral("1"), QStringLiteral("+1")));
BENCHMARK_CAPTURE(BM_Evaluate, differences_16384_terms, Longest(QStringLiteral("9"), QStringLiteral("-1")));
BENCHMARK_CAPTURE(BM_Evaluate, products_16384_factors, Longest(QStringLiteral("1"), QStringLiteral("*1")));
BENCHMARK_CAPTURE(BM_Evaluate, mods_8192, Longest(QStringLiteral("7"), QStringLiteral("MOD5")));
BENCHMARK_CAPTURE(BM_Evaluate, powers_16384, Longest(QStringLiteral("1"), QStringLiteral("^1")));
BENCHMARK_CAPTURE(BM_Evaluate, comparisons_16384, Longest(QStringLiteral("1"), QStringLiteral("=1")));
BENCHMARK_CAPTURE(BM_Evaluate, ands_6553, Longest(QStringLiteral("1"), QStringLiteral("AND1")));
BENCHMARK_CAPTURE(BM_Evaluate, factorials_32767, Longest({}, QStringLiteral("!")));
BENCHMARK_CAPTURE(BM_Evaluate, functions_10922, Longest({}, QStringLiteral("ABS")));
BENCHMARK_CAPTURE(BM_Evaluate, quoted_comparisons_4681, Longest(QStringLiteral("\"A\""), QStringLiteral("=\"A\"")));
BENCHMARK_CAPTURE(BM_Evaluate, groups_8191, Longest(QStringLiteral("1"), QStringLiteral("+(1)")));
BENCHMARK_CAPTURE(BM_Evaluate, nested_groups_5461, Longest(QStringLiteral("1"), QStringLiteral("+(1+1)")));
BENCHMARK_CAPTURE(BM_Evaluate, nesting_100_around_a_long_sum,
                  Nested(100, Longest(QStringLiteral("1"), QStringLiteral("+1"), {}, kLongest - 200)));
BENCHMARK_CAPTURE(BM_Evaluate, nesting_100_at_every_term,
                  Longest(QStringLiteral("1"), QStringLiteral("+") + Nested(100, QStringLiteral("1+1"))));
BENCHMARK_CAPTURE(BM_Evaluate, sign_runs, Longest(QStringLiteral("1"), QStringLiteral("+-"), QStringLiteral("1")));
BENCHMARK_CAPTURE(BM_Evaluate, exponent_signs_after_a_sum,
                  Longest(QStringLiteral("1-1-1-1-1-1-1-1-1-1-1-1-1-1-1-1"), QStringLiteral("E+")));
BENCHMARK_CAPTURE(BM_Evaluate, constants_e_growing_past_the_limit, Longest({}, QStringLiteral("e")));
BENCHMARK_CAPTURE(BM_Evaluate, constants_today_4681, Longest(QStringLiteral("@TODAY"), QStringLiteral("+@TODAY")));
BENCHMARK_CAPTURE(BM_Evaluate, one_long_number, Longest(QStringLiteral("1+"), QStringLiteral("0"), QStringLiteral("1")));
BENCHMARK_CAPTURE(BM_Evaluate, too_deep, Nested(16383, QStringLiteral("1")));

BENCHMARK_MAIN();
