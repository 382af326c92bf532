#pragma once
// Fixed-point numbers with four decimals, as the balancing statistics are kept:
// a count of ten-thousandths, every step rounded to the nearest, halves to even.
#include <cstdint>
#include <string>

#include "platform/LocaleFormat.h"

namespace ked {

struct Decimal4 {
  int64_t raw = 0;  // ten-thousandths: 3,5 is 35000

  static constexpr int64_t kScale = 10000;
  static constexpr Decimal4 FromRaw(int64_t r) { return Decimal4{r}; }
  static constexpr Decimal4 FromInt(int64_t v) { return Decimal4{v * kScale}; }
  auto operator<=>(const Decimal4&) const = default;
};

// numerator / denominator to the nearest integer, halves to even (denominator > 0).
int64_t DivideHalfEven(int64_t numerator, int64_t denominator);

// sqrt(value), exactly rounded to the nearest ten-thousandth (value >= 0).
Decimal4 SquareRoot(Decimal4 value);

// Shortest form with at most four decimals, no trailing zeros, no grouping,
// the locale's decimal separator: 3,5; 2,8723; 11.
std::string Decimal4Text(Decimal4 value, const LocaleFormat& locale);

}  // namespace ked
