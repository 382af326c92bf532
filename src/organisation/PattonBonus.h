#pragma once
// The Swiss Patton bonus for a number of teams and rounds, and whether that
// number of rounds suits that number of teams.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/LocaleFormat.h"

namespace ked::orga {

// The bonus in hundredths: 18 for 18 teams and 6 rounds (0,18). A zero divisor
// (1 team, or 3 rounds) throws RuntimeFailure with the runtime's message.
int PattonBonus(int teams, int rounds);

// "0,18": two decimals with the locale's separator.
std::string BonusText(int hundredths, const LocaleFormat& locale);

enum class PattonAdvice { Red, Orange, Yellow, Green };

// The advice for 9 to 32 teams and 5 to 8 rounds; nothing outside.
std::optional<PattonAdvice> AdviceFor(int teams, int rounds);

// Windows colour value (blue, green, red bytes): red 255, orange 33023...
uint32_t AdviceColour(PattonAdvice advice);
// Ten characters each, for a fixed-pitch label: " Interdit ", " Jouable  ", "Recommandé".
const char* AdviceText(PattonAdvice advice);
// "red", "orange", "yellow", "green".
const char* AdviceName(PattonAdvice advice);

}  // namespace ked::orga
