#include <gtest/gtest.h>

#include <random>

#include "pool/PerfectMatchings.h"
#include "pool/PoulOpt.h"

namespace ked {
namespace {

// Every canonical round of n teams, in lexicographic order, listed plainly.
std::vector<std::vector<uint8_t>> AllRounds(int n) {
  std::vector<std::vector<uint8_t>> out;
  std::vector<uint8_t> order;
  std::vector<bool> used(n + 1, false);
  auto walk = [&](auto& self) -> void {
    int first = 1;
    while (first <= n && used[first]) ++first;
    if (first > n) {
      out.push_back(order);
      return;
    }
    used[first] = true;
    for (int partner = first + 1; partner <= n; ++partner) {
      if (used[partner]) continue;
      used[partner] = true;
      order.push_back(static_cast<uint8_t>(first));
      order.push_back(static_cast<uint8_t>(partner));
      self(self);
      order.resize(order.size() - 2);
      used[partner] = false;
    }
    used[first] = false;
  };
  walk(walk);
  return out;
}

bool Uses(const std::vector<uint8_t>& round, int a, int b) {
  for (size_t k = 0; k < round.size(); k += 2)
    if ((round[k] == a && round[k + 1] == b) || (round[k] == b && round[k + 1] == a)) return true;
  return false;
}

TEST(PerfectMatchings, CountListAndFirstHoldingAgreeWithAPlainList) {
  std::mt19937 random(5);
  for (int n = 2; n <= 10; n += 2) {
    const auto all = AllRounds(n);
    ASSERT_EQ(all.size(), CountPairings(n));
    for (int trial = 0; trial < 40; ++trial) {
      // Forbid a random share of the matches.
      PerfectMatchings fast(n);
      std::vector<std::pair<int, int>> forbidden;
      std::bernoulli_distribution drop(trial % 4 * 0.15);
      for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
          if (drop(random)) {
            forbidden.emplace_back(a, b);
            fast.Forbid(a, b);
          }
      std::vector<std::vector<uint8_t>> left;
      for (const auto& round : all) {
        bool ok = true;
        for (auto [a, b] : forbidden) ok = ok && !Uses(round, a, b);
        if (ok) left.push_back(round);
      }
      SCOPED_TRACE("n=" + std::to_string(n) + " trial " + std::to_string(trial));
      ASSERT_EQ(fast.Count(), left.size());
      const auto listed = fast.List();
      ASSERT_EQ(listed.size(), left.size());
      for (size_t i = 0; i < left.size(); ++i)
        EXPECT_TRUE(std::equal(left[i].begin(), left[i].end(), listed[i].order.begin()));

      // Required pairs taken from some round, reversed at times.
      if (left.empty()) continue;
      std::uniform_int_distribution<size_t> pick(0, left.size() - 1), howMany(0, n / 2);
      const auto& source = left[pick(random)];
      std::vector<TeamPair> required;
      const size_t count = howMany(random);
      for (size_t k = 0; k < count; ++k) {
        const size_t pair = (k * 7 + trial) % (n / 2);
        TeamPair p{source[2 * pair], source[2 * pair + 1]};
        if (k % 2) std::swap(p.first, p.second);
        if (std::find(required.begin(), required.end(), p) == required.end() &&
            std::find(required.begin(), required.end(), TeamPair{p.second, p.first}) == required.end())
          required.push_back(p);
      }
      const auto first = fast.FirstHolding(required);
      auto expected = std::find_if(left.begin(), left.end(), [&](const auto& round) {
        for (auto [a, b] : required)
          if (!Uses(round, a, b)) return false;
        return true;
      });
      ASSERT_TRUE(first.has_value());
      ASSERT_NE(expected, left.end());
      EXPECT_TRUE(std::equal(expected->begin(), expected->end(), first->order.begin()));
    }
  }
}

TEST(PerfectMatchings, NothingHoldsAPairThatCannotBeCompleted) {
  PerfectMatchings four(4);
  four.Forbid(3, 4);
  EXPECT_EQ(four.Count(), 2u);
  EXPECT_FALSE(four.FirstHolding({{1, 2}}).has_value());
  const auto round = four.FirstHolding({{4, 1}});
  ASSERT_TRUE(round.has_value());
  EXPECT_EQ(round->order[0], 1);
  EXPECT_EQ(round->order[1], 4);
  EXPECT_EQ(round->order[2], 2);
  EXPECT_EQ(round->order[3], 3);
}

}  // namespace
}  // namespace ked
