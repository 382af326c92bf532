#include "balancing/BalancingSearch.h"
#include "balancing/BalancingMemory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

namespace ked {
namespace {

// The plain search, as the command is described: the walk over free ranks,
// every seating scored from scratch, the first strictly better one kept.
struct PlainResult {
  BalancingStudy best;
  uint64_t tests = 0;
  std::vector<std::string> improvements;  // seatings that became the best, in order
};

PlainResult PlainSearch(const BalancingStudy& start) {
  PlainResult result{start, 0, {}};
  BalancingStudy study = start;
  const int n = study.tableCount;
  std::array<int, kMaxBalancingTables + 2> seating{};
  auto used = [&](int rank, int level) {
    for (int t = 1; t < level; ++t)
      if (seating[t] == rank) return true;
    return false;
  };
  seating[1] = 1;
  int level = 2;
  while (level > 1) {
    int v = 1;
    while (v <= n && used(v, level)) ++v;
    if (v <= n) {
      seating[level++] = v;
      if (level > n) {
        for (int t = 1; t <= n; ++t) study.at(t).E = seating[t];
        ScoreStudy(study);
        if (result.best.standardDeviation > study.standardDeviation) {
          result.best = study;
          result.improvements.push_back(InitialOrderText(study.Ranks(), n));
        }
        ++result.tests;
      }
    } else {
      level -= 2;
      while (level >= 2) {
        int w = seating[level] + 1;
        while (w <= n && used(w, level)) ++w;
        if (w <= n) {
          seating[level++] = w;
          break;
        }
        --level;
      }
    }
  }
  return result;
}

BalancingStudy DefaultStudy() {
  BalancingStudy study;
  ResetStudy(study);
  return study;
}

std::vector<int> MRow(const BalancingStudy& study) {
  std::vector<int> m;
  for (int t = 1; t <= study.tableCount; ++t) m.push_back(study.at(t).M);
  return m;
}

TEST(SeatingCountTest, IsNMinusOneFactorial) {
  EXPECT_EQ(SeatingCount(3), 2u);
  EXPECT_EQ(SeatingCount(10), 362880u);
  EXPECT_EQ(SeatingCount(13), 479001600u);
  EXPECT_EQ(SeatingCount(17), 20922789888000u);
}

TEST(ProgressShiftTest, BringsTheTotalIntoThirtyTwoBits) {
  EXPECT_EQ(ProgressShift(SeatingCount(13)), 0);
  EXPECT_EQ(ProgressShift(uint64_t{INT_MAX}), 0);
  EXPECT_EQ(ProgressShift(uint64_t{INT_MAX} + 1), 1);
  EXPECT_EQ(ProgressShift(SeatingCount(14)), 2);
  EXPECT_EQ(ProgressShift(SeatingCount(17)), 14);
}

TEST(DeviationOfSumsTest, AgreesWithScoreStudy) {
  std::mt19937 random(17);
  for (int i = 0; i < 5000; ++i) {
    BalancingStudy study;
    study.tableCount = kMinBalancingTables + static_cast<int>(random() % 15);
    study.sessionCount = 3;
    for (int s = 1; s <= 3; ++s)
      for (int t = 1; t <= study.tableCount; ++t) study.SetFlag(s, t, random() % 3 == 0);
    Seating e{};
    for (int t = 1; t <= study.tableCount; ++t) e[t] = t;
    std::shuffle(e.begin() + 1, e.begin() + study.tableCount + 1, random);
    study.SetRanks(e);
    ScoreStudy(study);
    int64_t sum = 0, squares = 0;
    for (int t = 1; t <= study.tableCount; ++t) {
      sum += study.at(t).M;
      squares += int64_t{study.at(t).M} * study.at(t).M;
    }
    ASSERT_EQ(DeviationOfSums(sum, squares, study.tableCount), study.standardDeviation);
  }
}

TEST(SearchBestSeatingTest, TwoSessionsOfTenTables) {
  BalancingStudy study = DefaultStudy();
  study.sessionCount = 2;
  ScoreStudy(study);
  ASSERT_EQ(study.standardDeviation.raw, 34928);
  std::vector<uint64_t> reported;
  const uint64_t tests =
      SearchBestSeating(study, {[&](uint64_t t) { reported.push_back(t); }, nullptr});
  EXPECT_EQ(tests, 362880u);
  EXPECT_EQ(InitialOrderText(study.Ranks(), 10), "1-9-3-7-5-6-4-8-2-10-");
  EXPECT_EQ(MRow(study), (std::vector<int>{11, 10, 12, 10, 12, 11, 10, 12, 10, 12}));
  EXPECT_EQ(study.mean.raw, 110000);
  EXPECT_EQ(study.standardDeviation.raw, 8944);
  ASSERT_FALSE(reported.empty());
  EXPECT_EQ(reported.back(), 362880u / 128 * 128);
  for (size_t i = 0; i < reported.size(); ++i) {
    EXPECT_EQ(reported[i] % 128, 0u);
    if (i > 0) {
      EXPECT_GT(reported[i], reported[i - 1]);
    }
  }
}

TEST(SearchBestSeatingTest, EqualDeviationsKeepTheStartingSeating) {
  BalancingStudy study = DefaultStudy();
  ScoreStudy(study);
  int improvements = 0;
  EXPECT_EQ(SearchBestSeating(study, {nullptr, [&](const BalancingStudy&) { ++improvements; }}),
            362880u);
  EXPECT_EQ(InitialOrderText(study.Ranks(), 10), "1-7-8-2-6-9-3-5-10-4-");
  EXPECT_EQ(improvements, 0);
}

TEST(SearchBestSeatingTest, ThreeTablesTestTwoSeatingsAndSmallStudiesReportNoProgress) {
  for (int n = 3; n <= 6; ++n) {
    BalancingStudy study = DefaultStudy();
    study.tableCount = n;
    study.SetRanks(SerpentineOrder(n));
    study.at(2).S = 1;
    ScoreStudy(study);
    int progress = 0;
    EXPECT_EQ(SearchBestSeating(study, {[&](uint64_t) { ++progress; }, nullptr}), SeatingCount(n));
    EXPECT_EQ(progress, 0) << n;
  }
}

TEST(SearchBestSeatingTest, GivesUpBeyondItsBudgetLeavingTheStudyAsItWas) {
  BalancingStudy study;
  study.tableCount = 10;
  study.sessionCount = 2;
  for (int t : {1, 3, 6, 9}) study.SetFlag(1, t, true);
  for (int t : {2, 5, 6, 8, 9}) study.SetFlag(2, t, true);
  study.SetRanks(SerpentineOrder(10));
  ScoreStudy(study);
  const BalancingStudy start = study;
  uint64_t tests = 0;
  EXPECT_FALSE(SearchBestSeatingWithin(study, {}, 1000, tests));
  EXPECT_LT(tests, SeatingCount(10));
  EXPECT_EQ(InitialOrderText(study.Ranks(), 10), InitialOrderText(start.Ranks(), 10));
  EXPECT_EQ(MRow(study), MRow(start));
  EXPECT_EQ(study.standardDeviation, start.standardDeviation);

  BalancingStudy unlimited = start, exact = start;
  EXPECT_TRUE(SearchBestSeatingWithin(unlimited, {}, 0, tests));
  EXPECT_EQ(tests, SeatingCount(10));
  SearchBestSeating(exact);
  EXPECT_EQ(InitialOrderText(unlimited.Ranks(), 10), InitialOrderText(exact.Ranks(), 10));
  EXPECT_LT(unlimited.standardDeviation, start.standardDeviation);
  EXPECT_EQ(SearchStepBudget(15), 0u);
  EXPECT_EQ(SearchStepBudget(16), kSearchStepBudget);
}

// A study of random shape and starting seating (rank 1 anywhere: a typed order).
BalancingStudy RandomStudy(std::mt19937& random, int n) {
  BalancingStudy study;
  study.tableCount = n;
  study.sessionCount = 1 + static_cast<int>(random() % 3);
  const int density = 2 + static_cast<int>(random() % 5);
  for (int s = 1; s <= 3; ++s)
    for (int t = 1; t <= kMaxBalancingTables; ++t) study.SetFlag(s, t, random() % density == 0);
  Seating e{};
  for (int t = 1; t <= n; ++t) e[t] = t;
  std::shuffle(e.begin() + 1, e.begin() + n + 1, random);
  study.SetRanks(e);
  ScoreStudy(study);
  return study;
}

void ExpectSameAsPlain(const BalancingStudy& start) {
  const int n = start.tableCount;
  const PlainResult plain = PlainSearch(start);
  BalancingStudy fast = start;
  std::vector<std::string> improvements;
  const uint64_t tests = SearchBestSeating(
      fast, {nullptr, [&](const BalancingStudy& s) {
               improvements.push_back(InitialOrderText(s.Ranks(), n));
             }});
  SCOPED_TRACE(StudyLine(start));
  EXPECT_EQ(tests, plain.tests);
  EXPECT_EQ(InitialOrderText(fast.Ranks(), n), InitialOrderText(plain.best.Ranks(), n));
  EXPECT_EQ(MRow(fast), MRow(plain.best));
  EXPECT_EQ(fast.mean, plain.best.mean);
  EXPECT_EQ(fast.standardDeviation, plain.best.standardDeviation);
  EXPECT_EQ(improvements, plain.improvements);
}

TEST(SearchBestSeatingTest, SameResultAsThePlainSearchOnGeneratedStudies) {
  std::mt19937 random(2024);
  for (int round = 0; round < 700; ++round) {
    const int n = 3 + round % 7;  // 3 to 9 tables
    ExpectSameAsPlain(RandomStudy(random, n));
  }
  for (int round = 0; round < 12; ++round) ExpectSameAsPlain(RandomStudy(random, 10));
}

// Shapes where the shortcuts and the symmetries of the search matter most.
TEST(SearchBestSeatingTest, SameResultAsThePlainSearchOnSpecialShapes) {
  struct Shape {
    int tables;
    std::vector<std::vector<int>> rows;  // positions not played, by session
  };
  const Shape shapes[] = {
      {7, {{1, 2, 4}}},             // a difference set: every seating alike
      {7, {{1, 2, 4}, {3}}},        // nearly so
      {9, {{1, 2, 3, 4, 5, 6, 7, 8, 9}}},  // every position: all sums equal
      {8, {{3}, {3}}},              // one position, twice
      {9, {{2, 9}}},                // mirror pair
      {8, {{1}, {5}}},
      {9, {{1}, {2}, {3}}},
      {10, {{6}, {5}}},
  };
  std::mt19937 random(99);
  for (const Shape& shape : shapes) {
    BalancingStudy study;
    study.tableCount = shape.tables;
    study.sessionCount = static_cast<int>(shape.rows.size());
    for (int s = 1; s <= study.sessionCount; ++s)
      for (int t : shape.rows[s - 1]) study.SetFlag(s, t, true);
    for (int start = 0; start < 2; ++start) {
      Seating e{};
      for (int t = 1; t <= shape.tables; ++t) e[t] = t;
      if (start == 1) std::shuffle(e.begin() + 1, e.begin() + shape.tables + 1, random);
      study.SetRanks(e);
      ScoreStudy(study);
      ExpectSameAsPlain(study);
    }
  }
}

}  // namespace
}  // namespace ked
