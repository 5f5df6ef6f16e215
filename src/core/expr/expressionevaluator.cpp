#include "expr/expressionevaluator.h"

#include "expr/supportroutines.h"
#include "platform/numtext.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace arvex {

namespace {

// Text positions are 16-bit: no text, the formula or any text it is rewritten
// into, may hold more characters.
constexpr qsizetype kMaxTextLength = 32767;
// Parentheses nest at most this deep; each level is one nested evaluation.
constexpr int kMaxNesting = 100;
// The longest value text is 22 characters ("-1.23456789012345E-300"); a plain
// number may carry a "+" in front of it.
constexpr qsizetype kMaxPlainNumberLength = 23;

// Ends one evaluation in error: a stated error of the formula, a numeric
// fault (overflow, NaN, a zero divisor, a logarithm out of range, a value
// too large for a 32-bit integer) or a text grown past kMaxTextLength.
// Caught only by ExpressionEvaluator::Evaluate.
struct FormulaError {};

[[noreturn]] void Fail() { throw FormulaError{}; }

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsExponentLetter(QChar c) { return c == u'D' || c == u'E'; }
bool IsSign(QChar c) { return c == u'+' || c == u'-'; }

// The numeric value of a text: its leading number, 0 when there is none. A
// number too large for a double is a fault.
double NumberOf(QStringView text) {
  double value = 0;
  if (!ValChecked(text, &value)) Fail();
  return value;
}

// A result must be a finite double.
double Finite(double value) {
  if (!std::isfinite(value)) Fail();
  return value;
}

// The text equals the value text of its own numeric value, or "+" and it.
bool IsPlainNumber(QStringView text) {
  if (text.size() > kMaxPlainNumberLength) return false;
  double value = 0;
  if (!ValChecked(text, &value)) return false;
  const QString valueText = NumberText(value);
  if (text == valueText) return true;
  return text.size() == valueText.size() + 1 && text.front() == u'+' && text.mid(1) == valueText;
}

std::int32_t ToLong(double value) {
  const std::optional<std::int32_t> n = ToInt32(value);
  if (!n) Fail();
  return *n;
}

// ---- checked arithmetic of the function formulas ------------------------------

double Square(double x) { return Finite(x * x); }
double Divide(double a, double b) {
  if (b == 0) Fail();
  return Finite(a / b);
}
double Ln(double x) {
  if (!(x > 0)) Fail();
  return std::log(Finite(x));
}
double Root(double x) {
  if (x < 0) Fail();
  return std::sqrt(Finite(x));
}
double Exp(double x) { return Finite(std::exp(x)); }
double Sgn(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }
double HalfPi() { return 2 * std::atan(1.0); }

struct Function {
  QStringView Name;
  double (*Body)(double x);
};

// The order matters: a longer name is taken before every shorter name it
// contains ("ARCSINH" before "ARCSIN", "SINH" and "SIN"; "SECH" before "SEC").
const std::array<Function, 29> kFunctions = {{
    {u"ARCSINH", [](double x) { return Ln(x + Root(Square(x) + 1)); }},
    {u"ARCCOSH",
     [](double x) {
       if (std::fabs(x) < 1) Fail();
       return Ln(x + Root(Square(x) - 1));
     }},
    {u"ARCTANH",
     [](double x) {
       if (std::fabs(x) == 1) Fail();
       return Ln(Divide(1 + x, 1 - x)) / 2;
     }},
    {u"ARCSECH",
     [](double x) {
       if (std::fabs(x) > 1) Fail();
       return Ln(Divide(Root(1 - Square(x)) + 1, x));
     }},
    {u"ARCCSCH",
     [](double x) {
       if (x == 0) Fail();
       return Ln(Divide(Sgn(x) * Root(Square(x) + 1) + 1, x));
     }},
    {u"ARCCOTH",
     [](double x) {
       if (std::fabs(x) == 1) Fail();
       return Ln(Divide(x + 1, x - 1)) / 2;
     }},
    {u"ARCSIN",
     [](double x) {
       if (std::fabs(x) > 1) Fail();
       return std::atan(Divide(x, Root(1 - Square(x))));
     }},
    {u"ARCCOS",
     [](double x) {
       if (std::fabs(x) > 1) Fail();
       return -std::atan(Divide(x, Root(1 - Square(x)))) + HalfPi();
     }},
    {u"ARCSEC",
     [](double x) {
       if (std::fabs(x) <= 1) Fail();
       return std::atan(Divide(x, Root(Square(x) - 1))) + Sgn(Sgn(x) - 1) * HalfPi();
     }},
    {u"ARCCSC",
     [](double x) {
       if (std::fabs(x) <= 1) Fail();
       return std::atan(Divide(x, Root(Square(x) - 1))) + (Sgn(x) - 1) * HalfPi();
     }},
    {u"ARCCOT", [](double x) { return std::atan(x) + HalfPi(); }},
    {u"SINH", [](double x) { return (Exp(x) - Exp(-x)) / 2; }},
    {u"TANH", [](double x) { return Divide(Exp(x) - Exp(-x), Exp(x) + Exp(-x)); }},
    {u"SECH", [](double x) { return Divide(2, Exp(x) + Exp(-x)); }},
    {u"CSCH", [](double x) { return Divide(2, Exp(x) - Exp(-x)); }},
    {u"COTH",
     [](double x) {
       if (x == 0) Fail();
       return Divide(Exp(x) + Exp(-x), Exp(x) - Exp(-x));
     }},
    {u"SEC",
     [](double x) {
       if (std::fabs(x) == HalfPi()) Fail();
       return Divide(1, std::cos(x));
     }},
    {u"CSC",
     [](double x) {
       if (x == 0) Fail();
       return Divide(1, std::sin(x));
     }},
    {u"COT",
     [](double x) {
       if (std::fabs(x) == HalfPi() || x == 0) Fail();
       return Divide(1, std::tan(x));
     }},
    {u"SIN",
     [](double x) {
       if (x == 0) Fail();
       return std::sin(x);
     }},
    {u"COS", [](double x) { return std::cos(x); }},
    {u"TAN",
     [](double x) {
       if (std::fabs(x) == HalfPi()) Fail();
       return std::tan(x);
     }},
    {u"ATN", [](double x) { return std::atan(x); }},
    {u"LOG", [](double x) { return Ln(x); }},
    {u"EXP", [](double x) { return Exp(x); }},
    {u"SQR", [](double x) { return Root(x); }},
    {u"CLG", [](double x) { return Ln(x) / std::log(10.0); }},
    {u"ABS", [](double x) { return std::fabs(x); }},
    {u"NOT", [](double x) { return static_cast<double>(~ToLong(x)); }},
}};

// Every repeating stage removes, in each round, the operator (or name) it
// found, and the number text it splices in never forms a new one: number
// texts hold no letters but "E", which always stands between a digit and a
// sign; a "-" in front of a number text follows a character that is no digit
// and stays so. A stage therefore runs at most as many rounds as its text
// had characters. The budget states that bound: a round beyond it would be a
// round without progress, and ends the evaluation in error instead.
class RoundBudget {
 public:
  explicit RoundBudget(qsizetype textLength) : left_(textLength + 1) {}
  void Next() {
    if (--left_ < 0) Fail();
  }

 private:
  qsizetype left_;
};

// One evaluation of one text; a parenthesised group gets its own.
class Evaluation {
 public:
  Evaluation(QStringView todayText, int depth) : todayText_(todayText), depth_(depth) {}

  double Run(QStringView expression) {
    text_ = Compact(expression);
    if (text_.size() > kMaxTextLength) Fail();
    ReplaceConstants();
    for (QChar& c : text_) c = c.toUpper();
    CheckParentheses();
    Parentheses();
    if (IsPlainNumber(text_)) return NumberOf(text_);
    if (Functions() || Factorials()) return result_;
    CleanSigns();
    if (Powers() || Multiplicative() || Additive() || Comparisons() || Logical()) return result_;
    // Characters no stage consumed are ignored from the first one that cannot
    // belong to a number.
    return NumberOf(text_);
  }

 private:
  struct Operand {
    double Value;
    qsizetype End;  // index of the first character of the right rest
  };

  // "PI", "e" and "@TODAY", case-sensitive, before the upper-casing. An
  // occurrence after an odd number of double quotes is inside a quoted text:
  // it stays, and so does every later occurrence of the same name.
  void ReplaceConstants() {
    const std::array<std::pair<QStringView, QStringView>, 3> constants = {{
        {u"PI", u"3.14159265358979323846"},
        {u"e", u"2.71828182845904523536"},
        {u"@TODAY", todayText_},
    }};
    for (const auto& [name, replacement] : constants) {
      // Quotes are counted incrementally: replacements hold none, and the
      // text before a replacement holds no occurrence of the name.
      qsizetype counted = 0;
      int quotes = 0;
      for (qsizetype at = text_.indexOf(name); at >= 0; at = text_.indexOf(name, counted)) {
        quotes += InCount(QStringView(text_).mid(counted, at + 1 - counted), u"\"");
        if (quotes % 2 != 0) break;
        text_.replace(at, name.size(), replacement.data(), replacement.size());
        if (text_.size() > kMaxTextLength) Fail();
        counted = at + replacement.size();
      }
    }
  }

  // Unbalanced parentheses, a leading "%" (an error mark) and groups nested
  // deeper than kMaxNesting are errors. Depth counts open groups; a stray
  // ")" closes nothing.
  void CheckParentheses() const {
    int open = 0;
    int close = 0;
    int depth = 0;
    for (QChar c : text_) {
      if (c == u'(') {
        ++open;
        if (++depth > kMaxNesting) Fail();
      } else if (c == u')') {
        ++close;
        if (depth > 0) --depth;
      }
    }
    if (open != close || text_.startsWith(u'%')) Fail();
  }

  // Each group is replaced by its value text: a plain number directly, any
  // other text through a nested evaluation whose error is this one's.
  void Parentheses() {
    for (qsizetype at = text_.indexOf(u'('); at >= 0; at = text_.indexOf(u'(', at + 1)) {
      const int close = PMatch(QStringView(text_).mid(at));
      if (close == 0) Fail();  // ")(": this "(" is closed by no ")" after it
      const QStringView inner = QStringView(text_).mid(at + 1, close - 2);
      double value = 0;
      if (IsPlainNumber(inner)) {
        value = NumberOf(inner);
      } else {
        if (depth_ >= kMaxNesting) Fail();
        value = Evaluation(todayText_, depth_ + 1).Run(inner);
      }
      const QString valueText = NumberText(value);
      text_.replace(at, close, valueText);
      if (text_.size() > kMaxTextLength) Fail();
    }
  }

  // Each function of the table, while its name occurs: the name and the
  // number directly after it become the function's value.
  bool Functions() {
    for (const Function& f : kFunctions) {
      RoundBudget budget(text_.size());
      for (qsizetype at = text_.indexOf(f.Name); at >= 0; at = text_.indexOf(f.Name, at)) {
        budget.Next();
        const Operand x = ReadRight(at + f.Name.size());
        if (Splice(at, x.End, f.Body(x.Value))) return true;
      }
    }
    return false;
  }

  // "!" takes the run of at most 4 digits directly before it.
  bool Factorials() {
    RoundBudget budget(text_.size());
    qsizetype at = text_.indexOf(u'!');
    while (at >= 0) {
      budget.Next();
      qsizetype first = at;
      while (first > 0 && IsDigit(text_[first - 1])) {
        --first;
        if (at - first == 5) Fail();
      }
      const double n = NumberOf(QStringView(text_).mid(first, at - first));
      if (n > 170 || n < 0) Fail();
      if (Splice(first, at + 1, Factorial(static_cast<int>(RoundHalfEven(n))))) return true;
      at = text_.indexOf(u'!', first);
    }
    return false;
  }

  // Repeatedly the first "++" becomes "+", else the first "-+" "-", else the
  // first "--" "+"; "+-" stays. Runs of signs never interact, and each run
  // ends up the same way whatever the others do: its "+" after a "-" and its
  // repeated "+" go, then pairs of "-" fold into "+". So each run is reduced
  // at once from its first sign and its count of "-".
  void CleanSigns() {
    QString out;
    out.reserve(text_.size());
    for (qsizetype i = 0; i < text_.size();) {
      if (!IsSign(text_[i])) {
        out += text_[i++];
        continue;
      }
      const bool leadingPlus = text_[i] == u'+';
      qsizetype minus = 0;
      for (; i < text_.size() && IsSign(text_[i]); ++i)
        if (text_[i] == u'-') ++minus;
      if (!leadingPlus && minus == 1) out += u'-';
      else if (minus % 2 == 0) out += u'+';
      else out += u"+-";
    }
    text_ = out;
  }

  // "^" from left to right: 2^3^2 is 64.
  bool Powers() {
    RoundBudget budget(text_.size());
    qsizetype from = 0;
    for (qsizetype at = text_.indexOf(u'^'); at >= 0; at = text_.indexOf(u'^', from)) {
      budget.Next();
      if (at == 0) Fail();
      const qsizetype start = LeftStart(at);
      const double base = LeftValue(start, at);
      const Operand exponent = ReadRight(at + 1);
      // A negative base with a fractional exponent is NaN, 0 to a negative
      // power and overflow are infinite: faults.
      if (Splice(start, exponent.End, std::pow(base, exponent.Value))) return true;
      from = start;
    }
    return false;
  }

  // The first position from `from` of any of the given operators, 1-based,
  // or the text's length when there is none. An operator standing last
  // counts as none, as it does for a missing one.
  template <typename IsOperatorAt>
  int FirstOperator(qsizetype from, IsOperatorAt isOperatorAt) const {
    for (qsizetype i = from; i < text_.size(); ++i)
      if (isOperatorAt(i)) return static_cast<int>(i + 1);
    return static_cast<int>(text_.size());
  }

  // "*", "/", "\" and "MOD", leftmost first.
  bool Multiplicative() {
    RoundBudget budget(text_.size());
    qsizetype from = 0;
    while (true) {
      const int p = FirstOperator(from, [this](qsizetype i) {
        const QChar c = text_[i];
        return c == u'*' || c == u'/' || c == u'\\' || QStringView(text_).mid(i, 3) == u"MOD";
      });
      if (p == text_.size()) return false;
      if (p == 1) Fail();
      budget.Next();
      const qsizetype at = p - 1;
      const qsizetype start = LeftStart(at);
      const double a = LeftValue(start, at);
      const QChar op = text_[at];
      // MOD reads its right operand after its "D".
      const Operand b = ReadRight(op == u'M' ? at + 3 : at + 1);
      double value = 0;
      if (op == u'*') {
        value = a * b.Value;
      } else if (op == u'/') {
        if (b.Value == 0) Fail();
        value = a / b.Value;
      } else {
        if (b.Value == 0) Fail();
        // Both rounded to 32-bit integers, halves to even; a divisor that
        // rounds to 0 divides by zero all the same.
        const std::int32_t n = ToLong(a);
        const std::int32_t d = ToLong(b.Value);
        if (d == 0) Fail();
        if (op == u'\\') {
          if (n == std::numeric_limits<std::int32_t>::min() && d == -1) Fail();  // quotient overflows
          value = n / d;  // truncated toward zero
        } else {
          value = d == -1 ? 0 : n % d;  // the sign of the dividend
        }
      }
      if (Splice(start, b.End, value)) return true;
      from = start;
    }
  }

  // "+" and "-", leftmost first. A "+" after "D" or "E" is an exponent sign;
  // a "-" is an operator only after a digit.
  bool Additive() {
    RoundBudget budget(text_.size());
    qsizetype from = 0;
    while (true) {
      // A text that is one negative number is the result.
      if (text_.startsWith(u'-') && IsPlainNumber(text_)) {
        result_ = NumberOf(text_);
        return true;
      }
      const int p = FirstOperator(from, [this](qsizetype i) {
        const QChar c = text_[i];
        if (i == 0) return false;
        if (c == u'+') return !IsExponentLetter(text_[i - 1]);
        return c == u'-' && IsDigit(text_[i - 1]);
      });
      if (p == text_.size()) return false;
      budget.Next();
      const qsizetype at = p - 1;
      const qsizetype start = LeftStart(at);
      const double a = LeftValue(start, at);
      const Operand b = ReadRight(at + 1);
      if (Splice(start, b.End, text_[at] == u'+' ? a + b.Value : a - b.Value)) return true;
      from = start;
    }
  }

  // "=", ">" and "<", leftmost first; true is -1, false 0. After a double
  // quote the operands are quoted texts, compared by character code.
  bool Comparisons() {
    RoundBudget budget(text_.size());
    qsizetype from = 0;
    while (true) {
      const int p = FirstOperator(from, [this](qsizetype i) {
        const QChar c = text_[i];
        return c == u'=' || c == u'>' || c == u'<';
      });
      if (p == text_.size()) return false;
      if (p == 1) Fail();
      budget.Next();
      const qsizetype at = p - 1;
      const QChar op = text_[at];
      qsizetype start = 0;
      qsizetype end = 0;
      int order = 0;  // <0, 0, >0: left against right
      if (text_[at - 1] == u'"') {
        // Left text: from the quote before it up to P - 2; right text: from
        // P + 2 up to the next quote. A quote that is not there is an error.
        const int open = QInstrB(p - 2, text_, u"\"");
        if (open == 0) Fail();
        const qsizetype close = text_.indexOf(u'"', p + 1);
        if (close < 0) Fail();
        const QStringView left = QStringView(text_).mid(open, p - 2 - open);
        const QStringView right = QStringView(text_).mid(p + 1, close - (p + 1));
        order = left.compare(right, Qt::CaseSensitive);
        start = open - 1;
        end = close + 1;
      } else {
        start = LeftStart(at);
        const double a = LeftValue(start, at);
        const Operand b = ReadRight(at + 1);
        order = a < b.Value ? -1 : (a > b.Value ? 1 : 0);
        end = b.End;
      }
      const bool holds = op == u'=' ? order == 0 : (op == u'>' ? order > 0 : order < 0);
      if (Splice(start, end, holds ? -1 : 0)) return true;
      from = start;
    }
  }

  // "AND" (all of them), then "OR", bit by bit on 32-bit integers.
  bool Logical() {
    for (const QStringView op : {QStringView(u"AND"), QStringView(u"OR")}) {
      RoundBudget budget(text_.size());
      qsizetype from = 0;
      for (qsizetype at = text_.indexOf(op); at >= 0; at = text_.indexOf(op, from)) {
        budget.Next();
        const qsizetype start = LeftStart(at);
        const std::int32_t a = ToLong(LeftValue(start, at));
        const Operand b = ReadRight(at + op.size());
        const std::int32_t c = ToLong(b.Value);
        if (Splice(start, b.End, op == u"AND" ? (a & c) : (a | c))) return true;
        from = start;
      }
    }
    return false;
  }

  // Left-operand reading for an operator at index at: the index where the
  // operand starts. A sign after a digit or "." is the operator before the
  // operand; a sign after anything else belongs to the number, and one after
  // "D" or "E" is an exponent sign.
  qsizetype LeftStart(qsizetype at) const {
    bool exponentAllowed = true;
    bool sign = false;
    for (qsizetype j = at - 1; j >= 0; --j) {
      const QChar c = text_[j];
      if (IsDigit(c) || c == u'.') continue;
      if (IsSign(c) && !sign && j > 0) {
        const QChar before = text_[j - 1];
        if (IsDigit(before) || before == u'.') return j + 1;
        sign = true;
        continue;
      }
      if (IsExponentLetter(c) && exponentAllowed) {
        sign = false;
        exponentAllowed = false;
        continue;
      }
      if (IsSign(c)) return sign ? j + 1 : j;
      return j + 1;
    }
    return 0;
  }

  double LeftValue(qsizetype start, qsizetype at) const {
    return NumberOf(QStringView(text_).mid(start, at - start));
  }

  // Right-operand reading after index from - 1. The operand's value is the
  // numeric value of the whole rest of the text; the reading decides how
  // much of it the operand consumes.
  Operand ReadRight(qsizetype from) const {
    const QStringView rest = QStringView(text_).mid(from);
    const double x = NumberOf(rest);
    if (IsPlainNumber(rest)) return {x, text_.size()};
    qsizetype i = 0;
    if (!rest.isEmpty() && IsSign(rest[0])) {
      if (!((rest[0] == u'+' && x > 0) || (rest[0] == u'-' && x < 0))) return {x, from};
      i = 1;
    }
    bool point = false;
    bool exponent = false;
    for (; i < rest.size(); ++i) {
      const QChar c = rest[i];
      if (IsDigit(c)) continue;
      if (c == u'.' && !point) {
        point = true;
        continue;
      }
      if (IsExponentLetter(c) && !exponent) {
        exponent = true;
        continue;
      }
      if (IsSign(c) && i > 0 && IsExponentLetter(rest[i - 1])) continue;
      break;
    }
    return {x, from + i};
  }

  // Replaces text_[start, end) by the value text of value. Returns true when
  // the text is then that value text alone: the evaluation ends with it.
  bool Splice(qsizetype start, qsizetype end, double value) {
    const QString valueText = NumberText(Finite(value));
    text_.replace(start, end - start, valueText);
    if (text_.size() > kMaxTextLength) Fail();
    if (text_.size() != valueText.size()) return false;
    result_ = NumberOf(text_);
    return true;
  }

  QStringView todayText_;
  int depth_;
  QString text_;
  double result_ = 0;
};

// The "@TODAY" text: the date as text, through the day-number routine, as
// value text. Day numbers count from 30 December 1899 as day 0 (Date2Num),
// the serial day numbers of spreadsheets: 1 January 2024 is 45292. (The value text, without the leading blank of the number
// text: a blank in the middle of a formula would split the number after an
// operator, so that 10+@TODAY read as 10 followed by the day's digits.)
QString TodayText(QDate today) {
  const QString dateText = today.toString(QStringLiteral("MM-dd-yyyy"));
  return NumberText(static_cast<double>(Date2Num(dateText).value_or(0)));
}

}  // namespace

ExpressionEvaluator::ExpressionEvaluator(QDate today) : today_(today) {}

double ExpressionEvaluator::Evaluate(QString& expression) {
  if (!todayText_) todayText_ = TodayText(today_.isValid() ? today_ : QDate::currentDate());
  try {
    if (expression.size() > kMaxTextLength) Fail();
    return Evaluation(*todayText_, 0).Run(expression);
  } catch (const FormulaError&) {
    expression.prepend(u'%');
    return 0;
  }
}

}  // namespace arvex
