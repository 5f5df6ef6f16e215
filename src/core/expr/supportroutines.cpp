#include "expr/supportroutines.h"

#include "platform/numtext.h"

#include <QDate>

#include <array>
#include <cstdio>
#include <limits>
#include <vector>

namespace arvex {

QString Compact(QStringView text) {
  QString out;
  out.reserve(text.size());
  for (QChar c : text)
    if (c != u' ') out += c;
  return out;
}

int InCount(QStringView text, QStringView pattern) {
  if (pattern.isEmpty()) return 0;
  int count = 0;
  for (qsizetype i = text.indexOf(pattern); i >= 0; i = text.indexOf(pattern, i + pattern.size())) ++count;
  return count;
}

int ASCII(QStringView text) { return text.isEmpty() ? -1 : text.front().unicode(); }

int PMatch(QStringView text) {
  if (text.isEmpty() || text.front() != u'(') return 0;
  int depth = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'(') {
      ++depth;
    } else if (text[i] == u')' && --depth == 0) {
      return static_cast<int>(i + 1);
    }
  }
  return 0;
}

int QInstrB(int start, QStringView text, QStringView pattern) {
  if (start < 1 || pattern.isEmpty() || text.size() < pattern.size()) return 0;
  const qsizetype last = std::min<qsizetype>(start - 1, text.size() - pattern.size());
  const qsizetype found = text.lastIndexOf(pattern, last);
  return found < 0 ? 0 : static_cast<int>(found + 1);
}

int MaxInt(int a, int b) { return a > b ? a : b; }
int MinInt(int a, int b) { return a < b ? a : b; }

namespace {

// 0! .. 170!, each the double nearest to the exact integer: the product is
// carried exactly in base 10^9 and read once through the number text
// routines, so that no rounding error accumulates over the 170 steps.
std::array<double, 171> MakeFactorials() {
  std::array<double, 171> table{};
  std::vector<std::uint32_t> limbs{1};  // little-endian, base 10^9
  table[0] = 1;
  for (int n = 1; n <= 170; ++n) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs) {
      const std::uint64_t v = static_cast<std::uint64_t>(limb) * static_cast<std::uint64_t>(n) + carry;
      limb = static_cast<std::uint32_t>(v % 1000000000u);
      carry = v / 1000000000u;
    }
    while (carry > 0) {
      limbs.push_back(static_cast<std::uint32_t>(carry % 1000000000u));
      carry /= 1000000000u;
    }
    std::string digits = std::to_string(limbs.back());
    for (auto it = limbs.rbegin() + 1; it != limbs.rend(); ++it) {
      char part[16];
      std::snprintf(part, sizeof part, "%09u", static_cast<unsigned>(*it));
      digits += part;
    }
    table[static_cast<size_t>(n)] = Val(QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size())));
  }
  return table;
}

// Reads 1 to maxDigits decimal digits at text[*i]; advances *i.
std::optional<int> ReadDigits(QStringView text, qsizetype* i, int minDigits, int maxDigits) {
  int value = 0;
  int count = 0;
  while (*i < text.size() && count < maxDigits && text[*i] >= u'0' && text[*i] <= u'9') {
    value = value * 10 + (text[*i].unicode() - u'0');
    ++*i;
    ++count;
  }
  if (count < minDigits) return std::nullopt;
  return value;
}

}  // namespace

double Factorial(int n) {
  static const std::array<double, 171> table = MakeFactorials();
  if (n < 0 || n > 170) return std::numeric_limits<double>::quiet_NaN();
  return table[static_cast<size_t>(n)];
}

std::optional<std::int32_t> Date2Num(QStringView dateText) {
  qsizetype i = 0;
  const auto month = ReadDigits(dateText, &i, 1, 2);
  if (!month || i >= dateText.size()) return std::nullopt;
  const QChar separator = dateText[i];
  if (separator != u'-' && separator != u'/') return std::nullopt;
  ++i;
  const auto day = ReadDigits(dateText, &i, 1, 2);
  if (!day || i >= dateText.size() || dateText[i] != separator) return std::nullopt;
  ++i;
  const auto year = ReadDigits(dateText, &i, 4, 4);
  if (!year || i != dateText.size()) return std::nullopt;
  const QDate date(*year, *month, *day);
  if (!date.isValid()) return std::nullopt;
  // Day 0 is 30 December 1899, the epoch of spreadsheet serial days.
  static const qint64 epoch = QDate(1899, 12, 30).toJulianDay();
  return static_cast<std::int32_t>(date.toJulianDay() - epoch);
}

}  // namespace arvex
