#pragma once
// Sharing the places of a qualification stage among the centres where the
// qualifying competition is played, in proportion to their entries.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/LocaleFormat.h"

namespace ked::orga {

inline constexpr int kMinCentres = 2;
inline constexpr int kMaxCentres = 6;
inline constexpr uint32_t kShareRed = 0x0000FF;    // Windows colour values
inline constexpr uint32_t kShareGreen = 0x008000;

struct CentreShare {
  int64_t share = 0;  // exact share, in ten-thousandths
  bool nearHalf = false;  // fraction strictly between 0.34 and 0.66: shown red
  int places = 0;
};

// One share per centre, in order; the places given out add up to `places` when
// it is 0 or more. A total of zero entries throws RuntimeFailure with the
// runtime's message.
std::vector<CentreShare> DistributePlaces(int places, const std::vector<int>& entries);

// "1,500000": the share with six decimals and the locale's separator.
std::string ShareText(int64_t tenThousandths, const LocaleFormat& locale);

}  // namespace ked::orga
