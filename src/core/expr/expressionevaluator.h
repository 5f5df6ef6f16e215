#pragma once
// The formula evaluator of the cutting-length field: a text-rewriting
// evaluator whose stage order is the operator precedence.
//
// The formula text is rewritten stage by stage: constants, parentheses (each
// group evaluated by a nested evaluation), functions, "!", sign clean-up,
// "^", "* / \ MOD", "+ -", "= > <", "AND", "OR". Each operation reads the
// number left and right of its operator out of the text and splices its
// result back in as number text (15 significant digits), so every
// intermediate result is rounded the way the user would see it.
//
// Limits: a formula (and every text it is rewritten into) holds at most
// 32,767 characters, and parentheses nest at most 100 deep; beyond either
// the evaluation is in error. Every evaluation ends in bounded time.

#include <QDate>
#include <QString>

#include <optional>

namespace arvex {

class ExpressionEvaluator {
 public:
  // "@TODAY" is the date of the first evaluation; it is not refreshed later.
  ExpressionEvaluator() = default;
  // "@TODAY" is the given date (tests, reproducible batch runs).
  explicit ExpressionEvaluator(QDate today);

  // Evaluates the formula. On success returns its value and leaves the text
  // unchanged; on an evaluation error returns 0 and puts "%" in front of
  // expression. A text that already begins with "%" is itself an error.
  // Numeric faults (overflow, a zero divisor or a logarithm out of range
  // inside a function, values too large for 32-bit integers) are errors too.
  double Evaluate(QString& expression);

 private:
  QDate today_;
  // The replacement text of "@TODAY", made at the first evaluation.
  std::optional<QString> todayText_;
};

}  // namespace arvex
