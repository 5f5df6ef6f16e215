#include "platform/numtext.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <cstdio>
#include <string>
#include <vector>

namespace arvex {

namespace {

NumberLocale& MutableLocale() {
  static NumberLocale locale;
  return locale;
}

// A finite, non-negative decimal: Digits[0].Digits[1..] x 10^Exponent, with no
// trailing zeros in Digits (the value 0 is Digits "0", Exponent 0).
struct Decimal {
  bool Negative = false;
  std::string Digits = "0";
  int Exponent = 0;
  bool IsZero() const { return Digits == "0"; }
};

Decimal ToDecimal(double value, int significant) {
  Decimal d;
  if (!std::isfinite(value) || value == 0.0) return d;
  d.Negative = value < 0;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(value));
  // buf: "d.dddde+XX" or "de+XX" when significant == 1
  std::string s(buf);
  const auto ePos = s.find('e');
  std::string mantissa = s.substr(0, ePos);
  d.Exponent = std::stoi(s.substr(ePos + 1));
  d.Digits.clear();
  for (char c : mantissa)
    if (c != '.') d.Digits.push_back(c);
  while (d.Digits.size() > 1 && d.Digits.back() == '0') d.Digits.pop_back();
  return d;
}

Decimal ToDecimal(std::int64_t value) {
  Decimal d;
  if (value == 0) return d;
  d.Negative = value < 0;
  // Magnitude as unsigned so that the most negative value has a text.
  std::uint64_t magnitude = d.Negative ? (~static_cast<std::uint64_t>(value) + 1)
                                       : static_cast<std::uint64_t>(value);
  d.Digits = std::to_string(magnitude);
  d.Exponent = static_cast<int>(d.Digits.size()) - 1;
  while (d.Digits.size() > 1 && d.Digits.back() == '0') d.Digits.pop_back();
  return d;
}

// The classic text of a decimal with at most `significant` digits: fixed
// notation for exponents -4 .. significant-1, "E" notation otherwise.
std::string PlainText(const Decimal& d, int significant) {
  if (d.IsZero()) return "0";
  std::string out = d.Negative ? "-" : "";
  const int e = d.Exponent;
  const int n = static_cast<int>(d.Digits.size());
  if (e < -4 || e >= significant) {
    out += d.Digits[0];
    if (n > 1) {
      out += '.';
      out += d.Digits.substr(1);
    }
    out += 'E';
    out += e < 0 ? '-' : '+';
    const int a = e < 0 ? -e : e;
    if (a < 10) out += '0';
    out += std::to_string(a);
    return out;
  }
  if (e >= 0) {
    if (n <= e + 1) {
      out += d.Digits;
      out.append(static_cast<size_t>(e + 1 - n), '0');
    } else {
      out += d.Digits.substr(0, static_cast<size_t>(e + 1));
      out += '.';
      out += d.Digits.substr(static_cast<size_t>(e + 1));
    }
  } else {
    out += '.';
    out.append(static_cast<size_t>(-e - 1), '0');
    out += d.Digits;
  }
  return out;
}

QString StrOf(const Decimal& d, int significant) {
  std::string text = PlainText(d, significant);
  if (!d.Negative || d.IsZero()) text.insert(text.begin(), ' ');
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Increments a string of decimal digits by one unit in its last place.
void IncrementDigits(std::string& s) {
  for (auto i = s.size(); i-- > 0;) {
    if (s[i] == '9') {
      s[i] = '0';
    } else {
      ++s[i];
      return;
    }
  }
  s.insert(s.begin(), '1');
}

// Rounds d (sign ignored) half away from zero to `places` decimals and
// returns the integer digits (no leading zeros, "" for 0) and exactly
// `places` fraction digits.
void RoundToPlaces(const Decimal& d, int places, std::string* intDigits,
                   std::string* fracDigits) {
  std::string scaled;  // round(|d| * 10^places), "" for 0
  if (!d.IsZero()) {
    const int n = static_cast<int>(d.Digits.size());
    const int keep = d.Exponent + places + 1;
    if (keep <= 0) {
      if (keep == 0 && d.Digits[0] >= '5') scaled = "1";
    } else {
      scaled = d.Digits.substr(0, static_cast<size_t>(std::min(n, keep)));
      if (keep > n) scaled.append(static_cast<size_t>(keep - n), '0');
      if (keep < n && d.Digits[static_cast<size_t>(keep)] >= '5') IncrementDigits(scaled);
    }
  }
  const auto len = static_cast<int>(scaled.size());
  if (len > places) {
    *intDigits = scaled.substr(0, static_cast<size_t>(len - places));
    *fracDigits = scaled.substr(static_cast<size_t>(len - places));
  } else {
    intDigits->clear();
    *fracDigits = std::string(static_cast<size_t>(places - len), '0') + scaled;
  }
}

// ---- pictures ----------------------------------------------------------------

enum class TokenKind { DigitZero, DigitHash, Point, Comma, Percent, Literal };

struct Token {
  TokenKind Kind;
  QString Text;  // for literals
};

std::vector<QString> SplitSections(QStringView picture) {
  std::vector<QString> sections(1);
  bool quoted = false;
  for (qsizetype i = 0; i < picture.size(); ++i) {
    const QChar c = picture[i];
    if (quoted) {
      sections.back() += c;
      if (c == u'"') quoted = false;
    } else if (c == u'"') {
      quoted = true;
      sections.back() += c;
    } else if (c == u'\\' && i + 1 < picture.size()) {
      sections.back() += c;
      sections.back() += picture[++i];
    } else if (c == u';') {
      sections.emplace_back();
    } else {
      sections.back() += c;
    }
  }
  if (sections.size() > 3) sections.resize(3);
  return sections;
}

std::vector<Token> Tokenize(const QString& section) {
  std::vector<Token> tokens;
  bool seenPoint = false;
  for (qsizetype i = 0; i < section.size(); ++i) {
    const QChar c = section[i];
    if (c == u'\\') {
      if (i + 1 < section.size()) tokens.push_back({TokenKind::Literal, QString(section[++i])});
    } else if (c == u'"') {
      QString text;
      while (++i < section.size() && section[i] != u'"') text += section[i];
      tokens.push_back({TokenKind::Literal, text});
    } else if (c == u'0') {
      tokens.push_back({TokenKind::DigitZero, {}});
    } else if (c == u'#') {
      tokens.push_back({TokenKind::DigitHash, {}});
    } else if (c == u'.' && !seenPoint) {
      seenPoint = true;
      tokens.push_back({TokenKind::Point, {}});
    } else if (c == u',') {
      tokens.push_back({TokenKind::Comma, {}});
    } else if (c == u'%') {
      tokens.push_back({TokenKind::Percent, {}});
    } else {
      tokens.push_back({TokenKind::Literal, QString(c)});
    }
  }
  return tokens;
}

bool IsDigitToken(const Token& t) {
  return t.Kind == TokenKind::DigitZero || t.Kind == TokenKind::DigitHash;
}

// Formats the magnitude of d with one picture section. *allZero tells
// whether every digit written was a zero (the caller then drops a minus).
QString FormatSection(Decimal d, const QString& section, bool* allZero) {
  const std::vector<Token> tokens = Tokenize(section);
  const NumberLocale& locale = CurrentNumberLocale();

  qsizetype pointIndex = -1;
  bool percent = false;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].Kind == TokenKind::Point && pointIndex < 0) pointIndex = static_cast<qsizetype>(i);
    if (tokens[i].Kind == TokenKind::Percent) percent = true;
  }
  const size_t intEnd = pointIndex < 0 ? tokens.size() : static_cast<size_t>(pointIndex);

  std::vector<size_t> intSlots;   // token indices of integer digit placeholders
  std::vector<size_t> fracSlots;  // token indices of fraction digit placeholders
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (!IsDigitToken(tokens[i])) continue;
    (i < intEnd ? intSlots : fracSlots).push_back(i);
  }
  // Grouping: a comma between two integer digit placeholders.
  bool grouping = false;
  if (!intSlots.empty()) {
    for (size_t i = intSlots.front(); i < intSlots.back(); ++i)
      if (tokens[i].Kind == TokenKind::Comma) grouping = true;
  }
  if (percent && !d.IsZero()) d.Exponent += 2;

  std::string intDigits;
  std::string fracDigits;
  RoundToPlaces(d, static_cast<int>(fracSlots.size()), &intDigits, &fracDigits);
  *allZero = intDigits.find_first_not_of('0') == std::string::npos &&
             fracDigits.find_first_not_of('0') == std::string::npos;

  // Required integer digits: from the first "0" placeholder to the point.
  size_t required = 0;
  for (size_t k = 0; k < intSlots.size(); ++k) {
    if (tokens[intSlots[k]].Kind == TokenKind::DigitZero) {
      required = intSlots.size() - k;
      break;
    }
  }
  if (intDigits.size() < required) intDigits.insert(0, required - intDigits.size(), '0');

  // Optional fraction digits: trailing zeros under "#" placeholders go.
  size_t fracCount = fracDigits.size();
  while (fracCount > 0 && tokens[fracSlots[fracCount - 1]].Kind == TokenKind::DigitHash &&
         fracDigits[fracCount - 1] == '0')
    --fracCount;

  QString out;
  const auto nInt = intSlots.size();
  const auto nDigits = intDigits.size();
  // Digits are right-aligned on the integer placeholders; the first
  // placeholder takes every digit that has no placeholder of its own.
  size_t nextDigit = 0;
  auto emitDigit = [&](size_t i) {
    out += QChar(intDigits[i]);
    const size_t right = nDigits - 1 - i;
    if (grouping && right > 0 && right % 3 == 0) out += locale.Group;
  };
  size_t intSlot = 0;
  size_t fracSlot = 0;
  for (size_t i = 0; i < tokens.size(); ++i) {
    const Token& t = tokens[i];
    if (IsDigitToken(t) && i < intEnd) {
      // Placeholder k (0-based from the left) shows digit k - (nInt - nDigits).
      const long long own = static_cast<long long>(intSlot) - static_cast<long long>(nInt) +
                            static_cast<long long>(nDigits);
      if (intSlot == 0) {
        while (static_cast<long long>(nextDigit) < own) emitDigit(nextDigit++);
      }
      if (own >= 0 && static_cast<size_t>(own) == nextDigit && nextDigit < nDigits)
        emitDigit(nextDigit++);
      ++intSlot;
    } else if (IsDigitToken(t)) {
      if (fracSlot < fracCount) out += QChar(fracDigits[fracSlot]);
      ++fracSlot;
    } else if (t.Kind == TokenKind::Point) {
      // Without integer placeholders the integer digits still stand in
      // front of the point (".####" with 12.5 gives "12.5").
      if (nInt == 0)
        while (nextDigit < nDigits) emitDigit(nextDigit++);
      out += locale.Decimal;
    } else if (t.Kind == TokenKind::Percent) {
      out += u'%';
    } else if (t.Kind == TokenKind::Literal) {
      out += t.Text;
    }
    // Commas only group; they are never written themselves.
  }
  return out;
}

QString FormatDecimal(const Decimal& d, QStringView picture, int generalDigits) {
  if (picture.isEmpty()) {
    std::string text = PlainText(d, generalDigits);
    QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    out.replace(u'.', CurrentNumberLocale().Decimal);
    return out;
  }
  const std::vector<QString> sections = SplitSections(picture);
  bool allZero = false;
  if (d.Negative && !d.IsZero()) {
    if (sections.size() >= 2 && !sections[1].isEmpty()) return FormatSection(d, sections[1], &allZero);
    QString text = FormatSection(d, sections[0], &allZero);
    return allZero ? text : QStringLiteral("-") + text;
  }
  if (d.IsZero() && sections.size() >= 3 && !sections[2].isEmpty())
    return FormatSection(d, sections[2], &allZero);
  return FormatSection(d, sections[0], &allZero);
}

// Reads the classic leading number. Returns false on overflow.
bool ParseLeading(QStringView text, double* value) {
  *value = 0;
  qsizetype i = 0;
  const qsizetype n = text.size();
  auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; };
  auto skipBlanks = [&] {
    while (i < n && isBlank(text[i])) ++i;
  };
  auto peek = [&]() -> QChar {
    skipBlanks();
    return i < n ? text[i] : QChar();
  };

  // "&H" hexadecimal and "&O" octal integers.
  if (peek() == u'&' && i + 1 < n) {
    const QChar kind = text[i + 1].toUpper();
    if (kind == u'H' || kind == u'O') {
      const int base = kind == u'H' ? 16 : 8;
      i += 2;
      std::uint64_t acc = 0;
      int count = 0;
      while (true) {
        const QChar c = peek();
        const int digit = c.isNull() ? -1 : (c.isDigit() ? c.digitValue() : (base == 16 && c.toUpper() >= u'A' && c.toUpper() <= u'F' ? c.toUpper().unicode() - u'A' + 10 : -1));
        if (digit < 0 || digit >= base) break;
        acc = acc * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        ++i;
        if (++count > 22) return false;
      }
      if (acc > 0xFFFFFFFFull) return false;
      // Up to 16 bits is an Integer, up to 32 bits a Long, both signed.
      if (acc <= 0xFFFF) *value = static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(acc)));
      else *value = static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(acc)));
      return true;
    }
  }

  std::string number;
  const QChar sign = peek();
  if (sign == u'+' || sign == u'-') {
    if (sign == u'-') number += '-';
    ++i;
  }
  bool anyDigit = false;
  bool point = false;
  while (true) {
    const QChar c = peek();
    if (c >= u'0' && c <= u'9') {
      number += static_cast<char>(c.unicode());
      anyDigit = true;
      ++i;
    } else if (c == u'.' && !point) {
      number += '.';
      point = true;
      ++i;
    } else {
      break;
    }
  }
  if (!anyDigit) return true;
  int exponentSign = 1;
  {
    const QChar c = peek();
    if (c == u'E' || c == u'e' || c == u'D' || c == u'd') {
      const qsizetype save = i;
      ++i;
      std::string exponent = "e";
      const QChar s = peek();
      if (s == u'+' || s == u'-') {
        if (s == u'-') {
          exponent += '-';
          exponentSign = -1;
        }
        ++i;
      }
      bool expDigit = false;
      while (true) {
        const QChar e = peek();
        if (e >= u'0' && e <= u'9') {
          if (exponent.size() < 12) exponent += static_cast<char>(e.unicode());
          else if (exponentSign > 0) return false;  // absurd exponent: overflow
          expDigit = true;
          ++i;
        } else {
          break;
        }
      }
      if (expDigit) number += exponent;
      else i = save;
    }
  }
  double result = 0;
  const auto r = std::from_chars(number.data(), number.data() + number.size(), result,
                                 std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    // Too small is zero; too large is an overflow.
    *value = 0;
    return std::fabs(result) < 1.0 && exponentSign < 0;
  }
  if (r.ec != std::errc()) return true;
  if (!std::isfinite(result)) return false;
  *value = result;
  return true;
}

}  // namespace

const NumberLocale& CurrentNumberLocale() { return MutableLocale(); }

void SetNumberLocale(const NumberLocale& locale) { MutableLocale() = locale; }

NumberLocale SystemNumberLocale() {
  const QLocale system = QLocale::system();
  NumberLocale locale;
  const QString decimal = system.decimalPoint();
  const QString group = system.groupSeparator();
  if (!decimal.isEmpty()) locale.Decimal = decimal.front();
  if (!group.isEmpty()) locale.Group = group.front();
  if (locale.Group == locale.Decimal) locale.Group = locale.Decimal == u',' ? u'.' : u',';
  return locale;
}

ScopedNumberLocale::ScopedNumberLocale(const NumberLocale& locale)
    : previous_(CurrentNumberLocale()) {
  SetNumberLocale(locale);
}

ScopedNumberLocale::~ScopedNumberLocale() { SetNumberLocale(previous_); }

QString Str(double value) { return StrOf(ToDecimal(value, 15), 15); }
QString Str(float value) { return StrOf(ToDecimal(static_cast<double>(value), 7), 7); }
QString Str(std::int64_t value) { return StrOf(ToDecimal(value), 19); }

QString NumberText(double value) {
  const std::string text = PlainText(ToDecimal(value, 15), 15);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString NumberText(float value) {
  const std::string text = PlainText(ToDecimal(static_cast<double>(value), 7), 7);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

// Digits and exponent of the shortest "d.ddde+XX" text of a value.
template <typename T>
QString ExactText(T value) {
  if (!std::isfinite(value)) return QStringLiteral("0");
  if (value == 0) return std::signbit(value) ? QStringLiteral("-0") : QStringLiteral("0");
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  const std::string s(buf, r.ptr);
  Decimal d;
  d.Negative = s.front() == '-';
  const auto ePos = s.find('e');
  d.Digits.clear();
  for (size_t i = d.Negative ? 1 : 0; i < ePos; ++i)
    if (s[i] != '.') d.Digits.push_back(s[i]);
  while (d.Digits.size() > 1 && d.Digits.back() == '0') d.Digits.pop_back();
  d.Exponent = std::stoi(s.substr(ePos + 1));
  const std::string text = PlainText(d, 15);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ExactNumberText(double value) { return ExactText(value); }
QString ExactNumberText(float value) { return ExactText(value); }

double Val(QStringView text) {
  double value = 0;
  if (!ParseLeading(text, &value)) return 0;
  return value;
}

bool ValChecked(QStringView text, double* value) { return ParseLeading(text, value); }

double ParseNumber(QStringView text) {
  if (CurrentNumberLocale().Decimal == u',') {
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0) {
      QString copy = text.toString();
      copy[comma] = u'.';
      return Val(copy);
    }
  }
  return Val(text);
}

QString Format(double value, QStringView picture) {
  return FormatDecimal(ToDecimal(value, 15), picture, 15);
}

QString Format(float value, QStringView picture) {
  return FormatDecimal(ToDecimal(static_cast<double>(value), 7), picture, 7);
}

QString Format(std::int64_t value, QStringView picture) {
  return FormatDecimal(ToDecimal(value), picture, 19);
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double lower = std::floor(value);
  const double diff = value - lower;
  if (diff > 0.5) return lower + 1;
  if (diff < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1;
}

std::optional<std::int16_t> ToInt16(double value) {
  const double r = RoundHalfEven(value);
  if (!std::isfinite(r) || r < -32768.0 || r > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(r);
}

bool FitsSingle(double value) {
  return std::isfinite(value) && std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max());
}

std::optional<std::int32_t> ToInt32(double value) {
  const double r = RoundHalfEven(value);
  if (!std::isfinite(r) || r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(r);
}

std::int16_t ToInt16Or(double value, std::int16_t fallback) {
  return ToInt16(value).value_or(fallback);
}

}  // namespace arvex
