#pragma once
// Small pools for the round-order tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "pool/Utildec.h"

namespace ked::test {

// Teams numbered 1..n in this order, with these entity codes; the last one is
// the ghost when `withGhost`.
inline Pool PoolWithEntities(const std::vector<int>& entities, bool withGhost = false) {
  Pool pool;
  pool.title = "Essai";
  for (int e : entities) {
    t_equipe team;
    team.num = static_cast<uint8_t>(++pool.count);
    team.entite = e;
    team.nom1 = "Equipe" + std::to_string(pool.count);
    pool.teams[pool.count] = team;
  }
  if (withGhost) {
    t_equipe& ghost = pool.teams[pool.count];
    ghost = t_equipe{ghost.num, 0, 0, 0, 0, "", kGhostName, ""};
    pool.ghost = pool.count;
  }
  return pool;
}

// A pool of n teams with entity codes drawn from a few close groups, so that
// priorities tie often; the last team is the ghost when asked.
inline Pool RandomPool(std::mt19937& random, int n, bool withGhost) {
  std::uniform_int_distribution<int> group(0, 3), member(0, 2);
  std::vector<int> entities;
  for (int i = 0; i < n; ++i) entities.push_back(100 * (group(random) + 1) + member(random));
  return PoolWithEntities(entities, withGhost);
}

// "v h (p)" for each table of a round, as the examples are written.
inline std::string RoundText(const RoundTable& table, int round, int tables) {
  std::string text;
  for (int t = 1; t <= tables; ++t) {
    const MatchCell& c = table.at(round, t);
    if (t > 1) text += ", ";
    text += std::to_string(c.visitor) + " v " + std::to_string(c.home) + " (" +
            std::to_string(c.priority) + ")";
  }
  return text;
}

// Every cell filled, every pair once, every team once per round, the ghost at
// the last table.
inline void ExpectRoundRobin(const RoundTable& t, int n, uint8_t ghost) {
  std::set<std::pair<int, int>> met;
  for (int r = 1; r <= n - 1; ++r) {
    std::set<int> seen;
    for (int j = 1; j <= n / 2; ++j) {
      const MatchCell& c = t.at(r, j);
      ASSERT_NE(c.priority, 0) << "round " << r << " table " << j;
      EXPECT_TRUE(seen.insert(c.home).second);
      EXPECT_TRUE(seen.insert(c.visitor).second);
      EXPECT_TRUE(met.insert({std::min(c.home, c.visitor), std::max(c.home, c.visitor)}).second);
      if (ghost != 0 && (c.home == ghost || c.visitor == ghost)) {
        EXPECT_EQ(j, n / 2);
      }
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(n));
  }
  EXPECT_EQ(met.size(), static_cast<size_t>(n * (n - 1) / 2));
}

}  // namespace ked::test
