// Number text must take any input: Val and ParseNumber on arbitrary text,
// Format on arbitrary pictures; Val(Str(x)) must give back x and
// Val(ExactNumberText(x)) x bit for bit.
#include "platform/numtext.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const double v = arvex::Val(text);
  (void)arvex::ParseNumber(text);
  if (std::isfinite(v)) {
    const double back = arvex::Val(arvex::Str(v));
    // Str keeps 15 digits: the round trip is exact to that precision.
    if (std::fabs(v) > 1e-300 && std::fabs(back - v) > std::fabs(v) * 1e-14) __builtin_trap();
  }
  double x = 0;
  if (size >= sizeof(double)) std::memcpy(&x, data, sizeof(double));
  // The exact number text of any finite double reads back bit for bit.
  if (std::isfinite(x) &&
      std::bit_cast<std::uint64_t>(arvex::Val(arvex::ExactNumberText(x))) != std::bit_cast<std::uint64_t>(x))
    __builtin_trap();
  (void)arvex::Format(x, text);
  (void)arvex::Format(static_cast<float>(x), text);
  (void)arvex::Format(v, text.left(40));
  return 0;
}
