#include "organisation/FourDecimals.h"

#include <cmath>

#include "organisation/RuntimeFailure.h"
#include "platform/RuntimeConvert.h"

namespace ked::orga {

int64_t ToTenThousandths(long double value) {
  const long double scaled = value * 10000.0L;
  // 2^63: the first value a 64-bit integer cannot hold.
  constexpr long double kLimit = 9223372036854775808.0L;
  if (!(scaled > -kLimit && scaled < kLimit)) throw RuntimeFailure(kInvalidFloatOperationMessage);
  // The default rounding mode sends exact halves to the even neighbour.
  return std::llrintl(scaled);
}

int64_t RoundTenThousandths(int64_t v) {
  int64_t whole = v / 10000;
  const int64_t rest = v % 10000;  // same sign as v
  const int64_t half = rest < 0 ? -rest : rest;
  if (half > 5000 || (half == 5000 && whole % 2 != 0)) whole += v < 0 ? -1 : 1;
  return whole;
}

long double Divide(long double dividend, long double divisor) {
  if (divisor == 0)
    throw RuntimeFailure(dividend == 0 ? kInvalidFloatOperationMessage : kDivisionByZeroMessage);
  return dividend / divisor;
}

}  // namespace ked::orga
