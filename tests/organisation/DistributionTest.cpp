#include "organisation/Distribution.h"

#include <gtest/gtest.h>

#include <numeric>

#include "organisation/RuntimeFailure.h"
#include "platform/RuntimeConvert.h"

namespace ked::orga {
namespace {

struct Expected {
  int64_t share;  // ten-thousandths
  bool red;
  int places;
};

void ExpectShares(int places, const std::vector<int>& entries, const std::vector<Expected>& want) {
  const std::vector<CentreShare> got = DistributePlaces(places, entries);
  ASSERT_EQ(got.size(), want.size());
  for (size_t n = 0; n < want.size(); ++n) {
    SCOPED_TRACE("centre " + std::to_string(n + 1));
    EXPECT_EQ(got[n].share, want[n].share);
    EXPECT_EQ(got[n].nearHalf, want[n].red);
    EXPECT_EQ(got[n].places, want[n].places);
  }
}

TEST(DistributePlaces, TieOfTwoHalvesGoesToTheLaterCentre) {
  ExpectShares(3, {1, 1}, {{15000, true, 1}, {15000, true, 2}});
}

TEST(DistributePlaces, LargestRemaindersTakeThePlacesLeft) {
  // Qa 5, Qo 1: four places over 12, 20 and 9 entries.
  ExpectShares(4, {12, 20, 9}, {{11707, false, 1}, {19512, false, 2}, {8780, false, 1}});
}

TEST(DistributePlaces, TieBetweenMiddleCentresGoesToTheHigherNumber) {
  ExpectShares(10, {30, 25, 25, 20},
               {{30000, false, 3}, {25000, true, 2}, {25000, true, 3}, {20000, false, 2}});
}

TEST(DistributePlaces, BoundsOfTheRedBandAreGreen) {
  // 17 places over 50 entries: 0.34 each; 33 over 50: 0.66; 0.3402 and 0.6598 are red.
  struct Case { int places; int entries; int total; bool red; } cases[] = {
      {17, 1, 50, false}, {33, 1, 50, false}, {1701, 1, 5000, true}, {3299, 1, 5000, true},
      {1, 1, 2, true}, {0, 1, 2, false}};
  for (const Case& c : cases) {
    const auto got = DistributePlaces(c.places, {c.entries, c.total - c.entries});
    EXPECT_EQ(got[0].nearHalf, c.red) << c.places << "/" << c.total;
  }
}

TEST(DistributePlaces, ACentreWithoutEntriesGetsNothing) {
  ExpectShares(3, {2, 0, 1}, {{20000, false, 2}, {0, false, 0}, {10000, false, 1}});
}

TEST(DistributePlaces, PlacesAlwaysAddUp) {
  for (int places = 0; places <= 70; places += 7)
    for (const std::vector<int>& entries :
         {std::vector<int>{1, 2, 3, 4, 5, 6}, {100, 1}, {7, 7, 7}, {13, 0, 29, 41, 3}}) {
      int given = 0;
      for (const CentreShare& c : DistributePlaces(places, entries)) given += c.places;
      EXPECT_EQ(given, places);
    }
}

TEST(DistributePlaces, MoreExOfficioThanPlacesGivesNothingMore) {
  // Qa 3, Qo 5: minus two places, shares toward zero, all green.
  ExpectShares(-2, {1, 2}, {{-6667, false, 0}, {-13333, false, -1}});
}

TEST(ShareText, SixDecimalsWithTheLocaleSeparator) {
  const LocaleFormat fr = LocaleFormat::French();
  EXPECT_EQ(ShareText(15000, fr), "1,500000");
  EXPECT_EQ(ShareText(8780, fr), "0,878000");
  EXPECT_EQ(ShareText(0, fr), "0,000000");
  EXPECT_EQ(ShareText(-13333, fr), "-1,333300");
}

TEST(DistributePlaces, NoEntriesFailsWithTheRuntimeMessage) {
  for (int places : {3, 0}) {
    try {
      DistributePlaces(places, {0, 0});
      ADD_FAILURE() << places;
    } catch (const RuntimeFailure& e) {
      EXPECT_STREQ(e.what(), kInvalidFloatOperationMessage);
    }
  }
}

}  // namespace
}  // namespace ked::orga
