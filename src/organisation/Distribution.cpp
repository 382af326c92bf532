#include "organisation/Distribution.h"

#include <cstddef>

#include "organisation/FourDecimals.h"

namespace ked::orga {

std::vector<CentreShare> DistributePlaces(int places, const std::vector<int>& entries) {
  long double total = 0;
  for (int e : entries) total += e;

  std::vector<CentreShare> shares(entries.size());
  std::vector<int64_t> fraction(entries.size());
  int remaining = places;
  for (std::size_t n = 0; n < entries.size(); ++n) {
    CentreShare& c = shares[n];
    c.share = ToTenThousandths(Divide(static_cast<long double>(places) * entries[n], total));
    fraction[n] = c.share % 10000;  // sign of the share, as the runtime's Frac
    c.nearHalf = fraction[n] > 3400 && fraction[n] < 6600;
    c.places = static_cast<int>(c.share / 10000);  // toward zero
    remaining -= c.places;
  }
  // Largest remainder; on a tie the highest-numbered centre wins.
  while (remaining > 0 && !shares.empty()) {
    std::size_t best = 0;
    for (std::size_t n = 0; n < shares.size(); ++n)
      if (fraction[n] >= fraction[best]) best = n;
    ++shares[best].places;
    fraction[best] = 0;
    --remaining;
  }
  return shares;
}

std::string ShareText(int64_t tenThousandths, const LocaleFormat& locale) {
  return FormatFixed(static_cast<double>(tenThousandths) / 10000.0, 6, false, locale);
}

}  // namespace ked::orga
