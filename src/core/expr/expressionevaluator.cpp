#include "expr/expressionevaluator.h"

#include "platform/numtext.h"

namespace arvex {

// Placeholder until the evaluator lands: the leading number of the text.
double ExpressionEvaluator::Evaluate(QString& expression) { return Val(expression); }

}  // namespace arvex
