#pragma once
// The formula evaluator of the cutting-length field: a text-rewriting
// evaluator whose stage order is the operator precedence.

#include <QString>

namespace arvex {

class ExpressionEvaluator {
 public:
  // Evaluates the formula. On success returns its value and leaves the text
  // unchanged; on an evaluation error returns 0 and puts "%" in front of
  // expression.
  double Evaluate(QString& expression);
};

}  // namespace arvex
