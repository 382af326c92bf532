#include <gtest/gtest.h>

#include <random>
#include <set>

#include "PoolFixtures.h"
#include "pool/Serpentine.h"

namespace ked {
namespace {

using test::PoolWithEntities;
using test::RoundText;

TEST(ProximityScore, SameEntityOrSameHundreds) {
  struct Case {
    int a, b, score;
  };
  const Case cases[] = {{1000, 1000, 10}, {1050, 1000, 5}, {1100, 1050, 0}, {250, 299, 5},
                        {-50, 50, 5},     {-150, -199, 5}, {-100, 0, 0},    {99, 100, 0},
                        {-7, -7, 10}};
  for (const Case& c : cases) {
    t_equipe a, b;
    a.entite = c.a;
    b.entite = c.b;
    EXPECT_EQ(ProximityScore(a, b), c.score) << c.a << " " << c.b;
    EXPECT_EQ(ProximityScore(b, a), c.score) << c.a << " " << c.b;
  }
}

TEST(BuildSerpentine, SixUnrelatedTeams) {
  const RoundTable t = BuildSerpentine(PoolWithEntities({100, 200, 300, 400, 500, 600}));
  EXPECT_EQ(RoundText(t, 1, 3), "1 v 2 (49), 4 v 3 (48), 5 v 6 (47)");
  EXPECT_EQ(RoundText(t, 2, 3), "3 v 1 (49), 2 v 6 (48), 4 v 5 (47)");
  EXPECT_EQ(RoundText(t, 3, 3), "1 v 6 (49), 3 v 5 (48), 2 v 4 (47)");
  EXPECT_EQ(RoundText(t, 4, 3), "5 v 1 (49), 6 v 4 (48), 3 v 2 (47)");
  EXPECT_EQ(RoundText(t, 5, 3), "1 v 4 (49), 5 v 2 (48), 6 v 3 (47)");
  EXPECT_EQ(t.at(6, 1), MatchCell{});
  EXPECT_EQ(t.at(1, 4), MatchCell{});
}

TEST(BuildSerpentine, FiveTeamsAndTheGhost) {
  // The ghost's entity code is 0: the real teams share it.
  const RoundTable t = BuildSerpentine(PoolWithEntities({0, 0, 0, 0, 0, 0}, true));
  EXPECT_EQ(RoundText(t, 1, 3), "1 v 2 (1049), 4 v 3 (1048), 5 v 6 (1047)");
  EXPECT_EQ(RoundText(t, 2, 3), "3 v 1 (1049), 4 v 5 (1047), 2 v 6 (1048)");
  EXPECT_EQ(RoundText(t, 3, 3), "2 v 4 (1047), 3 v 5 (1048), 1 v 6 (1049)");
  EXPECT_EQ(RoundText(t, 4, 3), "5 v 1 (1049), 3 v 2 (1047), 6 v 4 (1048)");
  EXPECT_EQ(RoundText(t, 5, 3), "1 v 4 (1049), 5 v 2 (1048), 6 v 3 (1047)");
}

TEST(BuildSerpentine, EighteenTeams) {
  std::vector<int> entities(18);
  for (int i = 0; i < 18; ++i) entities[i] = 1000 * (i + 1);
  const RoundTable t = BuildSerpentine(PoolWithEntities(entities));
  auto pairs = [&](int round) {
    std::string text;
    for (int j = 1; j <= 9; ++j)
      text += std::to_string(t.at(round, j).visitor) + "v" + std::to_string(t.at(round, j).home) + " ";
    return text;
  };
  EXPECT_EQ(pairs(1), "1v2 4v3 5v6 8v7 9v10 12v11 13v14 16v15 17v18 ");
  EXPECT_EQ(pairs(2), "3v1 2v6 4v7 5v10 8v11 9v14 12v15 13v18 16v17 ");
  EXPECT_EQ(pairs(17), "1v4 5v2 8v3 9v6 12v7 13v10 16v11 17v14 18v15 ");
  EXPECT_EQ(t.at(1, 9).priority, 41);
}

TEST(BuildSerpentine, PrioritiesOfCloseTeams) {
  // Teams 1-2 at table 1, 3-4 at table 2, 5-6 at table 3 in round 1.
  const RoundTable t = BuildSerpentine(PoolWithEntities({1000, 1000, 1000, 1050, 1100, 1050}));
  EXPECT_EQ(t.at(1, 1).priority, 1049);
  EXPECT_EQ(t.at(1, 2).priority, 548);
  EXPECT_EQ(t.at(1, 3).priority, 47);
}

TEST(BuildSerpentine, TwoTeamsAndNone) {
  const RoundTable two = BuildSerpentine(PoolWithEntities({100, 300}));
  EXPECT_EQ(RoundText(two, 1, 1), "1 v 2 (49)");
  EXPECT_EQ(two.at(2, 1), MatchCell{});
  EXPECT_EQ(BuildSerpentine(Pool{}), RoundTable{});
}

TEST(BuildSerpentine, EverySizeIsARoundRobin) {
  std::mt19937 random(7);
  for (int n = 2; n <= 18; n += 2) {
    for (bool ghost : {false, true}) {
      SCOPED_TRACE(n);
      const Pool pool = test::RandomPool(random, n, ghost);
      test::ExpectRoundRobin(BuildSerpentine(pool), n, pool.ghost);
    }
  }
}

TEST(MoveGhostTable, ExchangesWholeCells) {
  RoundTable t;
  t.at(1, 1) = {49, 2, 6};
  t.at(1, 2) = {48, 3, 4};
  t.at(1, 3) = {47, 1, 5};
  RoundTable moved = t;
  MoveGhostTable(moved, 1, 3, 6);
  EXPECT_EQ(moved.at(1, 3), (MatchCell{49, 2, 6}));
  EXPECT_EQ(moved.at(1, 1), (MatchCell{47, 1, 5}));
  RoundTable same = t;
  MoveGhostTable(same, 1, 3, 0);
  EXPECT_EQ(same, t);
  MoveGhostTable(same, 1, 3, 5);  // already last
  EXPECT_EQ(same, t);
}

}  // namespace
}  // namespace ked
