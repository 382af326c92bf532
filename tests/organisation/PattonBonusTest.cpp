#include "organisation/PattonBonus.h"

#include <gtest/gtest.h>

#include "organisation/RuntimeFailure.h"
#include "platform/RuntimeConvert.h"

namespace ked::orga {
namespace {

TEST(PattonBonus, ExamplesAndExactHalvesToEven) {
  const LocaleFormat fr = LocaleFormat::French();
  struct Case { int teams, rounds; const char* bonus; } cases[] = {
      {18, 6, "0,18"}, {11, 6, "0,30"}, {30, 8, "0,08"}, {18, 5, "0,15"}, {9, 5, "0,31"},
      // Exact halves go to the even neighbour.
      {21, 5, "0,12"}, {25, 6, "0,12"}, {16, 7, "0,18"}, {22, 7, "0,12"}, {26, 7, "0,10"}};
  for (const Case& c : cases)
    EXPECT_EQ(BonusText(PattonBonus(c.teams, c.rounds), fr), c.bonus)
        << c.teams << " teams, " << c.rounds << " rounds";
}

TEST(PattonBonus, AZeroDivisorFailsWithTheRuntimeMessage) {
  struct Case { int teams, rounds; const char* message; } cases[] = {
      {1, 6, kDivisionByZeroMessage},
      {18, 3, kDivisionByZeroMessage},
      {1, 0, kInvalidFloatOperationMessage},  // 0 / 0
  };
  for (const Case& c : cases) {
    try {
      PattonBonus(c.teams, c.rounds);
      ADD_FAILURE() << c.teams << " teams, " << c.rounds;
    } catch (const RuntimeFailure& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

// The advice row of a number of rounds from 9 to 32 teams, one letter per count:
// R red, O orange, Y yellow, G green.
std::string AdviceRow(int rounds) {
  std::string row;
  for (int teams = 9; teams <= 32; ++teams) {
    auto advice = AdviceFor(teams, rounds);
    if (!advice) return row + "?";
    row += "ROYG"[static_cast<int>(*advice)];
  }
  return row;
}

TEST(PattonAdvice, WholeTableFromNineToThirtyTwoTeams) {
  // Teams 9 to 32, left to right.
  EXPECT_EQ(AdviceRow(5), "RROGGYORRRRRRRRRRRRRRRRR");
  EXPECT_EQ(AdviceRow(6), "RRRRROYGGGYORRRRRRRRRRRR");
  EXPECT_EQ(AdviceRow(7), "RRRRRRRRRROYGGGGYORRRRRR");
  EXPECT_EQ(AdviceRow(8), "RRRRRRRRRRRRRRRROYYYYGGY");
}

TEST(PattonAdvice, NothingOutsideTheTable) {
  for (auto [teams, rounds] : {std::pair{8, 6}, {33, 8}, {18, 4}, {18, 9}, {1, 6}})
    EXPECT_EQ(AdviceFor(teams, rounds), std::nullopt) << teams << " teams, " << rounds;
}

TEST(PattonAdvice, ColoursAndTenCharacterTexts) {
  using A = PattonAdvice;
  struct Case { A advice; uint32_t colour; const char* text; } cases[] = {
      {A::Red, 255, " Interdit "}, {A::Orange, 33023, " Jouable  "},
      {A::Yellow, 65535, "Recommandé"}, {A::Green, 65280, "Recommandé"}};
  for (const Case& c : cases) {
    EXPECT_EQ(AdviceColour(c.advice), c.colour);
    EXPECT_STREQ(AdviceText(c.advice), c.text);
  }
}

}  // namespace
}  // namespace ked::orga
