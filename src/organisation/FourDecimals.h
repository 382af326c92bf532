#pragma once
// Fixed-point values with four decimals, held as a count of ten-thousandths,
// as the runtime's currency type keeps them.
#include <cstdint>

namespace ked::orga {

// The real value rounded to the nearest ten-thousandth, an exact half to the
// even neighbour. A value out of the 64-bit range, an infinity or a NaN fails
// with the runtime's "Opération en virgule flottante incorrecte".
int64_t ToTenThousandths(long double value);

// A four-decimal value rounded to a whole number, an exact half to the even one.
int64_t RoundTenThousandths(int64_t tenThousandths);

// Quotient of two integers as the runtime's floating point gives it: a zero
// divisor fails with "Division par zéro en virgule flottante", or with
// "Opération en virgule flottante incorrecte" when the dividend is zero too.
long double Divide(long double dividend, long double divisor);

}  // namespace ked::orga
