#pragma once
// Number text: the one place where numbers become text and text becomes
// numbers. Every figure the user sees or types goes through these routines.
//
//  - Str:        the classic conversion with a leading blank for values >= 0,
//                no zero before the point (" .5", "-.25"), 15 significant
//                digits for a double and 7 for a float, "E" form outside
//                1E-4 .. 1E15 (1E-4 .. 1E7 for a float).
//  - Val:        the leading-number parse: blanks are ignored, then sign,
//                digits, one point and an "E"/"D" exponent; "12abc" is 12,
//                "" is 0. "&H" and "&O" read hexadecimal and octal integers.
//  - ParseNumber: Val after turning the first comma into a point when the
//                number locale writes a decimal comma.
//  - Format:     picture formats with up to three sections
//                (positive;negative;zero), "0" required and "#" optional
//                digits, "." decimal point, "," grouping, "%" percent,
//                quoted and backslash literals. The value's decimal text
//                (15 digits, 7 for a float) is rounded half away from zero.
//  - RoundHalfEven and the 16/32-bit integer conversions (halves to even,
//                out of range is a failure the caller must handle).

#include <QChar>
#include <QString>
#include <QStringView>

#include <concepts>
#include <cstdint>
#include <optional>

namespace arvex {

// Decimal point and digit-group characters that Format writes and that
// ParseNumber accepts. Str and Val never depend on it.
struct NumberLocale {
  QChar Decimal = u'.';
  QChar Group = u',';
};

// The number locale of the process; "." and "," until SetNumberLocale.
const NumberLocale& CurrentNumberLocale();
void SetNumberLocale(const NumberLocale& locale);
// The separators of the user's system locale (QLocale::system()).
NumberLocale SystemNumberLocale();

// Sets a number locale for the lifetime of the object (tests, batch runs).
class ScopedNumberLocale {
 public:
  explicit ScopedNumberLocale(const NumberLocale& locale);
  ~ScopedNumberLocale();
  ScopedNumberLocale(const ScopedNumberLocale&) = delete;
  ScopedNumberLocale& operator=(const ScopedNumberLocale&) = delete;

 private:
  NumberLocale previous_;
};

// ---- Str -------------------------------------------------------------------
QString Str(double value);
QString Str(float value);
QString Str(std::int64_t value);
template <std::integral T>
  requires(!std::same_as<T, bool>)
QString Str(T value) {
  return Str(static_cast<std::int64_t>(value));
}

// Str without its leading blank (".5", "-3.15", "1E+20"): the "value text".
QString NumberText(double value);
QString NumberText(float value);

// The shortest text in the same classic form (no leading blank, no zero
// before the point, "E" exponent outside 1E-4 .. 1E15) that Val reads back
// to exactly the same value: as many digits as the value needs, up to 17
// for a double and 9 for a float. Negative zero keeps its sign ("-0"); a
// value that is not finite gives "0". Used where a stored number must
// never lose a bit (the time-study file).
QString ExactNumberText(double value);
QString ExactNumberText(float value);

// ---- Val -------------------------------------------------------------------
// The leading number of text; 0 when there is none. A value too large for a
// double reads as 0.
double Val(QStringView text);
// As Val; returns false (and leaves *value at 0) when the number overflows.
bool ValChecked(QStringView text, double* value);

// Val after turning the first "," into "." when the number locale uses a
// decimal comma.
double ParseNumber(QStringView text);

// ---- Format ----------------------------------------------------------------
QString Format(double value, QStringView picture);
QString Format(float value, QStringView picture);
QString Format(std::int64_t value, QStringView picture);
template <std::integral T>
  requires(!std::same_as<T, bool>)
QString Format(T value, QStringView picture) {
  return Format(static_cast<std::int64_t>(value), picture);
}

// ---- Rounding ----------------------------------------------------------------
// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);
// Nearest 16-bit integer, halves to even; nullopt when out of range or not a
// finite number (the classic overflow).
std::optional<std::int16_t> ToInt16(double value);
// The same for a 32-bit integer.
std::optional<std::int32_t> ToInt32(double value);
// ToInt16, or fallback on overflow ("the failing assignment is skipped and the
// previous value stays").
std::int16_t ToInt16Or(double value, std::int16_t fallback);
// Whether value can be stored in a Single: finite and no larger in magnitude
// than the largest Single (beyond it, the classic overflow).
bool FitsSingle(double value);

}  // namespace arvex
