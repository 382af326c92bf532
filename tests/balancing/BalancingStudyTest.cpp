#include "balancing/BalancingStudy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace ked {
namespace {

std::vector<int> Row(const Seating& s, int n) { return std::vector<int>(s.begin() + 1, s.begin() + n + 1); }

std::vector<int> MRow(const BalancingStudy& study) {
  std::vector<int> m;
  for (int t = 1; t <= study.tableCount; ++t) m.push_back(study.at(t).M);
  return m;
}

BalancingStudy DefaultStudy() {
  BalancingStudy study;
  ResetStudy(study);
  return study;
}

TEST(SerpentineOrderTest, EveryTableCount) {
  const std::vector<std::vector<int>> expected = {
      {1, 2, 3},
      {1, 3, 4, 2},
      {1, 4, 5, 2, 3},
      {1, 4, 5, 2, 3, 6},
      {1, 5, 6, 2, 4, 7, 3},
      {1, 6, 7, 2, 5, 8, 3, 4},
      {1, 6, 7, 2, 5, 8, 3, 4, 9},
      {1, 7, 8, 2, 6, 9, 3, 5, 10, 4},
      {1, 8, 9, 2, 7, 10, 3, 6, 11, 4, 5},
      {1, 8, 9, 2, 7, 10, 3, 6, 11, 4, 5, 12},
      {1, 9, 10, 2, 8, 11, 3, 7, 12, 4, 6, 13, 5},
      {1, 10, 11, 2, 9, 12, 3, 8, 13, 4, 7, 14, 5, 6},
      {1, 10, 11, 2, 9, 12, 3, 8, 13, 4, 7, 14, 5, 6, 15},
      {1, 11, 12, 2, 10, 13, 3, 9, 14, 4, 8, 15, 5, 7, 16, 6},
      {1, 12, 13, 2, 11, 14, 3, 10, 15, 4, 9, 16, 5, 8, 17, 6, 7},
  };
  for (int n = kMinBalancingTables; n <= kMaxBalancingTables; ++n)
    EXPECT_EQ(Row(SerpentineOrder(n), n), expected[n - kMinBalancingTables]) << n << " tables";
}

TEST(SeatingTextTest, InitialAndTableOrderOfTheSerpentine) {
  const Seating e = SerpentineOrder(10);
  EXPECT_EQ(InitialOrderText(e, 10), "1-7-8-2-6-9-3-5-10-4-");
  EXPECT_EQ(TableOrderText(e, 10), "1+4+7+10+8+5+2+3+6+9+");
}

TEST(SeatingTextTest, ParsedTextGivesBackTheSeating) {
  std::mt19937 random(3);
  for (int n = kMinBalancingTables; n <= kMaxBalancingTables; ++n) {
    Seating e{};
    for (int t = 1; t <= n; ++t) e[t] = t;
    std::shuffle(e.begin() + 1, e.begin() + n + 1, random);
    const auto parsed = ParseInitialOrder(InitialOrderText(e, n), n);
    ASSERT_TRUE(parsed.has_value()) << n;
    EXPECT_EQ(Row(*parsed, n), Row(e, n));
  }
}

TEST(ParseInitialOrderTest, AcceptsOnlyNDistinctRanksEachFollowedByADash) {
  struct Case {
    const char* text;
    bool accepted;
  };
  const Case cases[] = {
      {"1-3-4-2-", true},
      {"1-3-4-2", false},      // the last rank has no "-"
      {"1-3-3-2-", false},     // repeat: only three ranks
      {"1-3-4-5-", false},     // 5 exceeds N
      {"1-3-4-2-x", true},     // characters after the last "-" are ignored
      {"1-3-4-5-2-", true},    // a rank above N is skipped; the next one counts again
      {"1-3-4-2-2-", false},   // the last token is a repeat
      {"1-3-x-4-2-", false},   // not a whole number
      {"1-3--4-2-", false},    // empty token
      {"1-3-4-18-2-", false},  // no table could hold 18
      {"1-3-0-4-2-", false},
      {"", false},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseInitialOrder(c.text, 4);
    EXPECT_EQ(parsed.has_value(), c.accepted) << c.text;
    if (parsed && c.accepted) {
      EXPECT_EQ(Row(*parsed, 4), (std::vector<int>{1, 3, 4, 2})) << c.text;
    }
  }
}

TEST(ParseInitialOrderTest, ReadsAt255Characters) {
  // 3 tables, then filler: the final "-" beyond character 255 is not read.
  std::string text = "1-2-3-" + std::string(249, ' ');
  EXPECT_TRUE(ParseInitialOrder(text + "-", 3).has_value());  // 256 characters: the filler token is cut
  EXPECT_FALSE(ParseInitialOrder("1-2-" + std::string(251, ' ') + "3-", 3).has_value());
}

TEST(ScoreStudyTest, WorkedCases) {
  const LocaleFormat fr = LocaleFormat::French();
  BalancingStudy study = DefaultStudy();
  ScoreStudy(study);
  EXPECT_EQ(MRow(study), (std::vector<int>{9, 3, 5, 10, 4, 1, 7, 8, 2, 6}));
  EXPECT_EQ(Decimal4Text(study.mean, fr), "5,5");
  EXPECT_EQ(Decimal4Text(study.standardDeviation, fr), "2,8723");

  study.sessionCount = 2;
  ScoreStudy(study);
  EXPECT_EQ(MRow(study), (std::vector<int>{15, 12, 8, 15, 14, 5, 8, 15, 10, 8}));
  EXPECT_EQ(Decimal4Text(study.mean, fr), "11");
  EXPECT_EQ(Decimal4Text(study.standardDeviation, fr), "3,4928");
}

TEST(ScoreStudyTest, OnePositionInOneSessionGivesTheSameDeviationForEverySeating) {
  BalancingStudy study = DefaultStudy();
  ScoreStudy(study);
  const Decimal4 sd = study.standardDeviation;
  std::mt19937 random(11);
  for (int i = 0; i < 50; ++i) {
    Seating e = study.Ranks();
    std::shuffle(e.begin() + 1, e.begin() + 11, random);
    study.SetRanks(e);
    ScoreStudy(study);
    EXPECT_EQ(study.standardDeviation, sd);
  }
}

TEST(ScoreStudyTest, TurningTheSeatingTurnsTheSums) {
  BalancingStudy study = DefaultStudy();
  study.sessionCount = 3;
  study.at(2).SSS = 1;
  ScoreStudy(study);
  const BalancingStudy before = study;
  Seating turned{};
  for (int t = 1; t <= 10; ++t) turned[t] = before.at(t % 10 + 1).E;
  study.SetRanks(turned);
  ScoreStudy(study);
  for (int t = 1; t <= 10; ++t) EXPECT_EQ(study.at(t).M, before.at(t % 10 + 1).M) << t;
  EXPECT_EQ(study.mean, before.mean);
  EXPECT_EQ(study.standardDeviation, before.standardDeviation);
}

TEST(ScoreStudyTest, NoPositionNotPlayedGivesZeros) {
  BalancingStudy study = DefaultStudy();
  study.at(6).S = 0;
  ScoreStudy(study);
  EXPECT_EQ(MRow(study), std::vector<int>(10, 0));
  EXPECT_EQ(study.mean.raw, 0);
  EXPECT_EQ(study.standardDeviation.raw, 0);
}

TEST(ScoreStudyTest, RowsOutOfUseAndColumnsAboveNDoNotCount) {
  BalancingStudy study = DefaultStudy();
  study.at(3).SSS = 1;   // third session not in use
  study.at(12).S = 1;    // above N
  study.at(12).E = 99;
  ScoreStudy(study);
  EXPECT_EQ(MRow(study), (std::vector<int>{9, 3, 5, 10, 4, 1, 7, 8, 2, 6}));
}

TEST(ScoreStudyTest, MeanIsFlagsTimesHalfOfNPlusOne) {
  std::mt19937 random(5);
  for (int i = 0; i < 200; ++i) {
    BalancingStudy study;
    study.tableCount = kMinBalancingTables + static_cast<int>(random() % 15);
    study.sessionCount = 1 + static_cast<int>(random() % 3);
    int flags = 0;
    for (int s = 1; s <= 3; ++s)
      for (int t = 1; t <= kMaxBalancingTables; ++t) {
        const bool set = random() % 4 == 0;
        study.SetFlag(s, t, set);
        if (set && s <= study.sessionCount && t <= study.tableCount) ++flags;
      }
    Seating e{};
    for (int t = 1; t <= study.tableCount; ++t) e[t] = t;
    std::shuffle(e.begin() + 1, e.begin() + study.tableCount + 1, random);
    study.SetRanks(e);
    ScoreStudy(study);
    EXPECT_EQ(study.mean.raw,
              DivideHalfEven(int64_t{5000} * flags * (study.tableCount + 1), 1));
  }
}

TEST(ResetStudyTest, TouchesOnlyTheThreeDefaultFlags) {
  BalancingStudy study;
  study.tableCount = 14;
  study.sessionCount = 3;
  study.at(6).SSS = 1;
  study.at(2).S = 1;
  study.at(13).E = 5;
  ResetStudy(study);
  EXPECT_EQ(study.tableCount, 10);
  EXPECT_EQ(study.sessionCount, 1);
  EXPECT_EQ(Row(study.Ranks(), 10), (std::vector<int>{1, 7, 8, 2, 6, 9, 3, 5, 10, 4}));
  EXPECT_EQ(study.at(6).S, 1);
  EXPECT_EQ(study.at(5).SS, 1);
  EXPECT_EQ(study.at(6).SSS, 0);
  EXPECT_EQ(study.at(2).S, 1);
  EXPECT_EQ(study.at(13).E, 5);
}

}  // namespace
}  // namespace ked
