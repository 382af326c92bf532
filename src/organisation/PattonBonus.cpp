#include "organisation/PattonBonus.h"

#include "organisation/FourDecimals.h"

namespace ked::orga {

int PattonBonus(int teams, int rounds) {
  const int factor = rounds == 5 ? 3 : rounds - 3;
  const long double quotient = Divide(static_cast<long double>(rounds) * 150,
                                      (static_cast<long double>(teams) - 1) * factor);
  // Held with four decimals first, as the runtime's currency does.
  return static_cast<int>(RoundTenThousandths(ToTenThousandths(quotient)));
}

std::string BonusText(int hundredths, const LocaleFormat& locale) {
  return FormatFixed(hundredths / 100.0, 2, false, locale);
}

namespace {

struct AdviceBand {
  int rounds;
  int fromTeams, toTeams;
  PattonAdvice advice;
};

// Teams 9 to 32; a count in no band of its row is red.
constexpr AdviceBand kAdviceBands[] = {
    {5, 11, 11, PattonAdvice::Orange}, {5, 12, 13, PattonAdvice::Green},
    {5, 14, 14, PattonAdvice::Yellow}, {5, 15, 15, PattonAdvice::Orange},
    {6, 14, 14, PattonAdvice::Orange}, {6, 15, 15, PattonAdvice::Yellow},
    {6, 16, 18, PattonAdvice::Green},  {6, 19, 19, PattonAdvice::Yellow},
    {6, 20, 20, PattonAdvice::Orange}, {7, 19, 19, PattonAdvice::Orange},
    {7, 20, 20, PattonAdvice::Yellow}, {7, 21, 24, PattonAdvice::Green},
    {7, 25, 25, PattonAdvice::Yellow}, {7, 26, 26, PattonAdvice::Orange},
    {8, 25, 25, PattonAdvice::Orange}, {8, 26, 29, PattonAdvice::Yellow},
    {8, 30, 31, PattonAdvice::Green},  {8, 32, 32, PattonAdvice::Yellow},
};

}  // namespace

std::optional<PattonAdvice> AdviceFor(int teams, int rounds) {
  if (teams < 9 || teams > 32 || rounds < 5 || rounds > 8) return std::nullopt;
  for (const AdviceBand& band : kAdviceBands)
    if (band.rounds == rounds && teams >= band.fromTeams && teams <= band.toTeams) return band.advice;
  return PattonAdvice::Red;
}

uint32_t AdviceColour(PattonAdvice advice) {
  switch (advice) {
    case PattonAdvice::Red: return 0x0000FF;
    case PattonAdvice::Orange: return 0x0080FF;
    case PattonAdvice::Yellow: return 0x00FFFF;
    case PattonAdvice::Green: return 0x00FF00;
  }
  return 0;
}

const char* AdviceText(PattonAdvice advice) {
  switch (advice) {
    case PattonAdvice::Red: return " Interdit ";
    case PattonAdvice::Orange: return " Jouable  ";
    case PattonAdvice::Yellow:
    case PattonAdvice::Green: return "Recommandé";
  }
  return "";
}

const char* AdviceName(PattonAdvice advice) {
  switch (advice) {
    case PattonAdvice::Red: return "red";
    case PattonAdvice::Orange: return "orange";
    case PattonAdvice::Yellow: return "yellow";
    case PattonAdvice::Green: return "green";
  }
  return "";
}

}  // namespace ked::orga
