#pragma once
// Small string and number routines of the formula evaluator. Positions are
// 1-based, as the evaluator's text positions are.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace arvex {

// The text with every blank (U+0020) removed.
QString Compact(QStringView text);

// The number of occurrences of pattern in text, counted without overlap
// ("aaa" holds "aa" once). 0 for an empty pattern.
int InCount(QStringView text, QStringView pattern);

// The character code of the first character; -1 for an empty text.
int ASCII(QStringView text);

// For a text that begins with "(", the 1-based position of the ")" that
// closes it; 0 when the text does not begin with "(" or the group is not
// closed.
int PMatch(QStringView text);

// The 1-based position of the last occurrence of pattern that begins at or
// before position start (a backward search); 0 when there is none, when
// start < 1 or when the pattern is empty.
int QInstrB(int start, QStringView text, QStringView pattern);

int MaxInt(int a, int b);
int MinInt(int a, int b);

// n! as a double, correctly rounded (the nearest double to the exact
// product), for 0 <= n <= 170; NaN outside that range.
double Factorial(int n);

// The whole day number of a date written "MM-DD-YYYY" (or with "/"): the
// count of days since 30 December 1899, which is day 0, so 1 January 1900 is
// day 2 and 1 January 2024 is day 45292 (the serial day numbers of
// spreadsheets and of the classic desktop date type). Dates before the epoch
// are negative. nullopt for a text that is not a valid date.
std::optional<std::int32_t> Date2Num(QStringView dateText);

}  // namespace arvex
