#include "balancing/Decimal4.h"

#include <cmath>

namespace ked {

int64_t DivideHalfEven(int64_t numerator, int64_t denominator) {
  int64_t q = numerator / denominator;
  int64_t r = numerator % denominator;
  if (r < 0) {  // floor division, remainder in [0, denominator)
    q -= 1;
    r += denominator;
  }
  const int64_t twice = 2 * r;
  if (twice > denominator || (twice == denominator && (q & 1) != 0)) ++q;
  return q;
}

namespace {
// floor(sqrt(v)) for v >= 0, exact for every 64-bit value.
uint64_t IntegerSqrt(uint64_t v) {
  uint64_t s = static_cast<uint64_t>(std::sqrt(static_cast<long double>(v)));
  while (s > 0 && s > v / s) --s;
  while ((s + 1) <= v / (s + 1)) ++s;
  return s;
}
}  // namespace

Decimal4 SquareRoot(Decimal4 value) {
  // The result is the integer nearest y = sqrt(10000 * raw), that is
  // (floor(2y) + 1) / 2 with 2y = sqrt(40000 * raw). 40000 * raw is even, never an
  // odd square, so 2y is never an odd integer: no exact half can occur.
  if (value.raw <= 0) return Decimal4{};
  const uint64_t x = 40000ull * static_cast<uint64_t>(value.raw);
  return Decimal4::FromRaw(static_cast<int64_t>((IntegerSqrt(x) + 1) / 2));
}

std::string Decimal4Text(Decimal4 value, const LocaleFormat& locale) {
  const bool negative = value.raw < 0;
  const uint64_t magnitude =
      negative ? 0 - static_cast<uint64_t>(value.raw) : static_cast<uint64_t>(value.raw);
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / Decimal4::kScale);
  std::string decimals = std::to_string(magnitude % Decimal4::kScale + Decimal4::kScale).substr(1);
  while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
  if (!decimals.empty()) text += locale.decimalSeparator + decimals;
  return text;
}

}  // namespace ked
