#pragma once
// The victory-point scale of a team match: the IMP difference turned into VP
// on 20, by the World Bridge Federation's continuous scale.
#include <cstdint>
#include <string>

#include "platform/LocaleFormat.h"

namespace ked {

// The window's ranges: match lengths and IMP differences.
inline constexpr int kVpMinDeals = 2;
inline constexpr int kVpMaxDeals = 48;
inline constexpr int kVpMaxImps = 90;

// The printed scale has one row per IMP difference from 0 to 87.
inline constexpr int kVpScaleRows = 88;

// The winner's excess over 10 VP, in hundredths: 0 to 1000.
int VpMargin(uint8_t deals, uint8_t imps);

// "20,00" to "10,00" and "0,00" to "10,00"; they always add up to 20,00.
std::string WinnerVp(int margin, const LocaleFormat& locale);
std::string LoserVp(int margin, const LocaleFormat& locale);

// "BAREME POUR MATCHS DE 14 DONNES"
std::string VpScaleTitle(int deals);

}  // namespace ked
