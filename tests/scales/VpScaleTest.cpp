#include <gtest/gtest.h>

#include "scales/VpScale.h"

namespace ked {
namespace {

std::string Pair(int deals, int imps) {
  const LocaleFormat fr = LocaleFormat::French();
  const int margin = VpMargin(static_cast<uint8_t>(deals), static_cast<uint8_t>(imps));
  return WinnerVp(margin, fr) + "/" + LoserVp(margin, fr);
}

// Winner/loser at 1, 5, 10, 20, 30 and 50 IMPs.
TEST(VpScale, TellingValues) {
  const int imps[] = {1, 5, 10, 20, 30, 50};
  const struct {
    int deals;
    const char* vp[6];
  } rows[] = {
      // clang-format off
      {2,  {"10,86/9,14", "13,78/6,22", "16,46/3,54", "19,73/0,27", "20,00/0,00", "20,00/0,00"}},
      {14, {"10,33/9,67", "11,58/8,42", "12,97/7,03", "15,26/4,74", "17,04/2,96", "19,47/0,53"}},
      {16, {"10,31/9,69", "11,48/8,52", "12,80/7,20", "15,00/5,00", "16,73/3,27", "19,16/0,84"}},
      {32, {"10,22/9,78", "11,07/8,93", "12,05/7,95", "13,78/6,22", "15,23/4,77", "17,50/2,50"}},
      {48, {"10,18/9,82", "10,88/9,12", "11,70/8,30", "13,18/6,82", "14,46/5,54", "16,55/3,45"}},
      // clang-format on
  };
  for (const auto& row : rows)
    for (int k = 0; k < 6; ++k)
      EXPECT_EQ(Pair(row.deals, imps[k]), row.vp[k])
          << row.deals << " donnes, " << imps[k] << " IMPs";
  // The cap reached exactly (x = 3), and the last printed rows of long matches.
  EXPECT_EQ(Pair(16, 60), "20,00/0,00");
  EXPECT_EQ(Pair(34, 87), "19,98/0,02");
  EXPECT_EQ(Pair(48, 87), "19,18/0,82");
}

TEST(VpScale, FirstDifferenceAtTwentyThenStaysThere) {
  const struct { int deals, first; } cases[] = {{2, 22}, {14, 57}, {16, 60}, {32, 85}, {48, 104}};
  for (const auto& c : cases) {
    int first = -1;
    for (int m = 0; m <= 255; ++m) {
      const int margin = VpMargin(static_cast<uint8_t>(c.deals), static_cast<uint8_t>(m));
      if (first < 0 && margin == 1000) first = m;
      if (first >= 0) {
        EXPECT_EQ(margin, 1000) << c.deals << " donnes, " << m << " IMPs";
      }
    }
    EXPECT_EQ(first, c.first) << c.deals << " donnes";
  }
}

TEST(VpScale, MarginGrowsFromZeroAndBothSidesAddUpToTwenty) {
  const LocaleFormat fr = LocaleFormat::French();
  for (int n = 2; n <= 48; ++n) {
    EXPECT_EQ(VpMargin(static_cast<uint8_t>(n), 0), 0);
    int previous = 0;
    for (int m = 1; m <= 90; ++m) {
      const int margin = VpMargin(static_cast<uint8_t>(n), static_cast<uint8_t>(m));
      EXPECT_GE(margin, previous) << n << " donnes, " << m << " IMPs";
      EXPECT_LE(margin, 1000);
      previous = margin;
      const double total =
          *ParseFloat(WinnerVp(margin, fr), fr) + *ParseFloat(LoserVp(margin, fr), fr);
      EXPECT_NEAR(total, 20.0, 1e-9);
    }
  }
}

TEST(VpScale, NoDealsGivesTheWholeMarginInsteadOfDividingByZero) {
  EXPECT_EQ(VpMargin(0, 0), 0);
  EXPECT_EQ(VpMargin(0, 5), 1000);
}

TEST(VpScale, TitleAndTextsFollowTheLocale) {
  EXPECT_EQ(VpScaleTitle(14), "BAREME POUR MATCHS DE 14 DONNES");
  LocaleFormat english = LocaleFormat::French();
  english.decimalSeparator = ".";
  EXPECT_EQ(WinnerVp(526, english), "15.26");
  EXPECT_EQ(LoserVp(526, english), "4.74");
  EXPECT_EQ(WinnerVp(0, LocaleFormat::French()), "10,00");
}

}  // namespace
}  // namespace ked
