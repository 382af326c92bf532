#include "balancing/BalancingSeeding.h"

#include <gtest/gtest.h>

namespace ked {
namespace {

constexpr const char* kSerpentineOrder = "1+4+7+10+8+5+2+3+6+9+";

std::vector<std::string> Lines(const std::string& order, BalancingSections sections) {
  auto lines = BalancingSeedingLines(order, sections);
  EXPECT_TRUE(std::holds_alternative<std::vector<std::string>>(lines));
  return std::get<std::vector<std::string>>(lines);
}

std::vector<std::string> SectionOne(std::initializer_list<std::pair<int, int>> numbers) {
  std::vector<std::string> lines;
  int t = 1;
  for (auto [a, b] : numbers)
    lines.push_back("1\t" + std::to_string(t++) + "\t" + std::to_string(a) + "\t" + std::to_string(b));
  return lines;
}

TEST(BalancingSeedingTest, CompleteSectionFollowsTheTableOrder) {
  EXPECT_EQ(Lines(kSerpentineOrder, {10, 0, 0, false}),
            SectionOne({{1, 2}, {13, 14}, {16, 15}, {4, 3}, {12, 11}, {17, 18}, {5, 6}, {9, 10},
                        {20, 19}, {8, 7}}));
}

TEST(BalancingSeedingTest, IncompleteTableTakesTheHighestNumber) {
  EXPECT_EQ(Lines(kSerpentineOrder, {10, 0, 0, true}),
            SectionOne({{1, 2}, {12, 13}, {15, 14}, {4, 3}, {11, 10}, {16, 17}, {5, 6}, {8, 9},
                        {19, 18}, {20, 7}}));
}

TEST(BalancingSeedingTest, TwoSectionsAreNumberedTogether) {
  const auto lines = Lines(kSerpentineOrder, {10, 10, 0, false});
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], "1\t1\t1\t2");
  EXPECT_EQ(lines[3], "1\t4\t8\t7");
  EXPECT_EQ(lines[10], "2\t1\t4\t3");  // second line first
  EXPECT_EQ(lines[13], "2\t4\t5\t6");
  // Every number from 1 to 40 given once.
  std::vector<int> seen(41, 0);
  for (const auto& line : lines) {
    int s, t, a, b;
    ASSERT_EQ(std::sscanf(line.c_str(), "%d\t%d\t%d\t%d", &s, &t, &a, &b), 4);
    ++seen[a];
    ++seen[b];
  }
  for (int n = 1; n <= 40; ++n) EXPECT_EQ(seen[n], 1) << n;
}

TEST(BalancingSeedingTest, TablesBeyondTheOrderAreNumberedColumnByColumn) {
  // Section A larger than the study, section C after an empty B: the order's
  // columns first, then every column left.
  EXPECT_EQ(Lines("1+3+2+", {5, 0, 2, false}),
            (std::vector<std::string>{"1\t1\t1\t2", "1\t2\t7\t8", "1\t3\t6\t5", "1\t4\t12\t11",
                                      "1\t5\t13\t14", "3\t1\t3\t4", "3\t2\t9\t10"}));
}

TEST(BalancingSeedingTest, RefusesABadOrderAndAnIncompleteEmptySection) {
  struct Case {
    const char* order;
    BalancingSections sections;
    const char* message;
  };
  const Case cases[] = {
      {"1+4+x+", {10, 0, 0, false}, kBadTableOrderMessage},
      {"1+35+", {10, 0, 0, false}, kBadTableOrderMessage},
      {kSerpentineOrder, {0, 5, 0, true}, kNoIncompleteTableMessage},
  };
  for (const Case& c : cases) {
    const auto result = BalancingSeedingLines(c.order, c.sections);
    ASSERT_TRUE(std::holds_alternative<std::string>(result)) << c.order;
    EXPECT_EQ(std::get<std::string>(result), c.message);
  }
  EXPECT_TRUE(Lines("", {0, 0, 0, false}).empty());
}

}  // namespace
}  // namespace ked
