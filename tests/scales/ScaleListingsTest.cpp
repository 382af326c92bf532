#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "scales/ScaleListings.h"

namespace ked {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(ScaleListings, OneDifference) {
  EXPECT_EQ(VpLine(14, 1, LocaleFormat::French()), "10,33 9,67");
  EXPECT_EQ(VpLine(16, 60, LocaleFormat::French()), "20,00 0,00");
}

TEST(ScaleListings, TheScaleHasEightyEightRowsWhateverTheDeals) {
  for (int deals : {2, 14, 34, 48}) {
    const auto lines = Lines(VpScaleListing(deals, LocaleFormat::French()));
    ASSERT_EQ(lines.size(), 88u) << deals;
    EXPECT_EQ(lines.front(), "0 10,00 10,00");
    EXPECT_EQ(lines[20], "20 " + VpLine(deals, 20, LocaleFormat::French()));
  }
  EXPECT_EQ(Lines(VpScaleListing(2, LocaleFormat::French())).back(), "87 20,00 0,00");
  EXPECT_EQ(Lines(VpScaleListing(34, LocaleFormat::French())).back(), "87 19,98 0,02");
  EXPECT_EQ(Lines(VpScaleListing(48, LocaleFormat::French())).back(), "87 19,18 0,82");
}

TEST(ScaleListings, GanaSeriesThenTheFourTimes) {
  EXPECT_EQ(GanaListing(14, true, 14 * 3600, LocaleFormat::French()),
            "1-14 15-28 29-42\n14:00:00 15:55:30 17:51:00 19:46:30\n");
  EXPECT_EQ(GanaListing(32, true, 14 * 3600, LocaleFormat::French()),
            "1-32 33-64 65-96\n14:00:00 18:24:00 22:48:00 03:12:00\n");
  EXPECT_EQ(GanaListing(1, false, 9 * 3600, LocaleFormat::French()),
            "1-1 2-2 3-3\n09:00:00 09:07:30 09:15:00 09:22:30\n");
}

}  // namespace
}  // namespace ked
