#include "scales/VpScale.h"

#include <cmath>

namespace ked {

int VpMargin(uint8_t deals, uint8_t imps) {
  if (imps == 0) return 0;
  const double tau = (std::sqrt(5.0) - 1.0) / 2.0;
  // The IMP difference at which the scale reaches its maximum.
  const double full = 15.0 * std::sqrt(static_cast<double>(deals));
  // No deals: no scale to speak of; the whole margin rather than a division by zero.
  if (full == 0.0) return 1000;
  const double x = 3.0 * imps / full;
  const double r = (1.0 - std::pow(tau, x)) / (1.0 - std::pow(tau, 3.0));
  // Two decimals first, exact halves to even (the default rounding mode).
  const double d = std::nearbyint(10.0 * r / 0.01) * 0.01;
  const double hundredths = d * 100.0;
  if (hundredths > 1000.0) return 1000;
  return static_cast<int>(std::lround(hundredths));
}

std::string WinnerVp(int margin, const LocaleFormat& locale) {
  return FormatFixed((1000 + margin) / 100.0, 2, false, locale);
}

std::string LoserVp(int margin, const LocaleFormat& locale) {
  return FormatFixed((1000 - margin) / 100.0, 2, false, locale);
}

std::string VpScaleTitle(int deals) {
  return "BAREME POUR MATCHS DE " + std::to_string(deals) + " DONNES";
}

}  // namespace ked
