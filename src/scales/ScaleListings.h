#pragma once
// The calculators' results as ked-cli prints them, one line per row, UTF-8.
#include <string>

#include "platform/LocaleFormat.h"

namespace ked {

// "<winner> <loser>", "10,33 9,67"
std::string VpLine(int deals, int imps, const LocaleFormat& locale);
// The printed scale: kVpScaleRows lines "<i> <winner> <loser>".
std::string VpScaleListing(int deals, const LocaleFormat& locale);
// "1-14 15-28 29-42" then "14:00:00 15:55:30 17:51:00 19:46:30".
std::string GanaListing(int boards, bool screens, int startSecondsOfDay,
                        const LocaleFormat& locale);

}  // namespace ked
