#include "movements/SeedingFileBuilder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ked {
namespace {

// "1 1 1 2; 1 2 13 14" → {"1\t1\t1\t2", "1\t2\t13\t14"}: spaces stand for tabs.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream ss(text);
  std::string item;
  while (std::getline(ss, item, ';')) {
    if (item.front() == ' ') item.erase(0, 1);
    for (char& c : item)
      if (c == ' ') c = '\t';
    lines.push_back(item);
  }
  return lines;
}

MovementSetting Setting(int pairs, MovementKind kind, int tablesA, int rounds, int tablesB = 0,
                        MovementKind kindB = MovementKind::Mitchell) {
  MovementSetting s;
  s.pairs = pairs;
  s.kindA = kind;
  s.tablesA = tablesA;
  s.rounds = rounds;
  s.tablesB = tablesB;
  s.kindB = kindB;
  return s;
}

struct FileCase {
  const char* name;
  MovementSetting setting;
  const char* lines;
};

class SeedingFileCases : public ::testing::TestWithParam<FileCase> {};

TEST_P(SeedingFileCases, GivesTheFileLines) {
  const SeedingFileResult r = BuildSeedingFile(GetParam().setting);
  EXPECT_TRUE(r.coherent);
  ASSERT_TRUE(r.HasFile()) << r.message;
  EXPECT_EQ(r.lines, Lines(GetParam().lines));
}

using K = MovementKind;
INSTANTIATE_TEST_SUITE_P(
    Movements, SeedingFileCases,
    ::testing::Values(
        FileCase{"Mitchell26", Setting(26, K::Mitchell, 13, 13),
                 "1 1 1 2; 1 2 13 14; 1 3 25 26; 1 4 4 3; 1 5 12 11; 1 6 24 23; 1 7 8 7; "
                 "1 8 9 10; 1 9 20 19; 1 10 16 15; 1 11 5 6; 1 12 17 18; 1 13 21 22"},
        FileCase{"Mitchell25MissingPairAtLastTable", Setting(25, K::Mitchell, 13, 13),
                 "1 1 1 2; 1 2 13 14; 1 3 24 25; 1 4 4 3; 1 5 12 11; 1 6 23 22; 1 7 8 7; "
                 "1 8 9 10; 1 9 20 19; 1 10 16 15; 1 11 5 6; 1 12 17 18; 1 13 26 21"},
        FileCase{"Howell14", Setting(14, K::Howell, 7, 13),
                 "1 1 1 2; 1 2 9 10; 1 3 7 13; 1 4 4 14; 1 5 12 11; 1 6 8 6; 1 7 3 5"},
        FileCase{"Howell13MissingPair14", Setting(13, K::Howell, 7, 13),
                 "1 1 14 1; 1 2 8 9; 1 3 6 12; 1 4 3 13; 1 5 11 10; 1 6 7 5; 1 7 2 4"},
        FileCase{"Interwoven16", Setting(16, K::Entrelaces, 8, 7),
                 "1 1 15 2; 1 2 14 3; 1 3 10 7; 1 4 12 5; 1 5 11 6; 1 6 8 9; 1 7 4 13; 1 8 1 16"},
        FileCase{"Extended20", Setting(20, K::Elargi, 10, 11),
                 "1 1 1 2; 1 2 12 13; 1 3 16 17; 1 4 4 3; 1 5 15 14; 1 6 11 10; 1 7 8 7; "
                 "1 8 19 18; 1 9 5 6; 1 10 20 9"},
        FileCase{"PartialHowell14", Setting(14, K::Partiel, 7, 9),
                 "1 1 5 1; 1 2 6 12; 1 3 7 3; 1 4 13 14; 1 5 10 2; 1 6 8 11; 1 7 9 4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SeedingFile, TwoMitchellSectionsGiveTheSecondLineFirstInSectionTwo) {
  const SeedingFileResult r = BuildSeedingFile(Setting(40, K::Mitchell, 10, 10, 10));
  ASSERT_TRUE(r.HasFile()) << r.message;
  ASSERT_EQ(r.lines.size(), 20u);
  EXPECT_EQ(std::vector<std::string>(r.lines.begin(), r.lines.begin() + 2),
            Lines("1 1 1 2; 1 2 17 18"));
  EXPECT_EQ(std::vector<std::string>(r.lines.begin() + 10, r.lines.begin() + 12),
            Lines("2 1 4 3; 2 2 20 19"));
}

TEST(SeedingFile, EveryNumberIsGivenOnce) {
  for (const auto& s : {Setting(40, K::Mitchell, 10, 10, 10), Setting(25, K::Mitchell, 13, 13),
                        Setting(16, K::Entrelaces, 8, 7), Setting(14, K::Partiel, 7, 9)}) {
    const SeedingFileResult r = BuildSeedingFile(s);
    ASSERT_TRUE(r.HasFile());
    std::vector<bool> seen(2 * r.lines.size() + 1, false);
    for (const auto& line : r.lines) {
      std::stringstream ss(line);
      int section, table, a, b;
      ss >> section >> table >> a >> b;
      for (int n : {a, b}) {
        ASSERT_GE(n, 1);
        ASSERT_LT(n, static_cast<int>(seen.size()));
        EXPECT_FALSE(seen[n]) << n << " given twice";
        seen[n] = true;
      }
    }
  }
}

struct MessageCase {
  const char* name;
  MovementSetting setting;
  const char* message;
};

class SeedingFileMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(SeedingFileMessages, GivesNoFile) {
  const SeedingFileResult r = BuildSeedingFile(GetParam().setting);
  EXPECT_EQ(r.message, GetParam().message);
  EXPECT_TRUE(r.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Movements, SeedingFileMessages,
    ::testing::Values(
        MessageCase{"MitchellWithUnplayedPositions", Setting(26, K::Mitchell, 13, 12),
                    kUnplayedPositionsMessage},
        MessageCase{"UnknownHowell", Setting(16, K::Howell, 8, 9), kNoCoherentMovementMessage},
        MessageCase{"InterwovenWithFifteenPositions", Setting(30, K::Entrelaces, 15, 14),
                    kNoCoherentMovementMessage},
        MessageCase{"NoOrderForThreePositions", Setting(6, K::Mitchell, 3, 3),
                    kNoCoherentMovementMessage},
        // Inputs that would place numbers outside the grid.
        MessageCase{"ExtendedTooSmall", Setting(4, K::Elargi, 2, 6), kNoCoherentMovementMessage},
        MessageCase{"ExtendedTooWide", Setting(28, K::Elargi, 14, 4), kNoCoherentMovementMessage},
        MessageCase{"InterwovenBeyondTheGrid", Setting(40, K::Entrelaces, 20, 13),
                    kNoCoherentMovementMessage},
        MessageCase{"OddFieldPlacedBeyondTheGrid", Setting(35, K::Elargi, 17, 14),
                    kNoCoherentMovementMessage},
        MessageCase{"SectionWiderThanTheGrid", Setting(52, K::Mitchell, 10, 10, 16),
                    kNoCoherentMovementMessage},
        // A Howell start known for an interwoven Howell leaves seats empty in a plain one.
        MessageCase{"HowellWithEmptySeats", Setting(24, K::Howell, 12, 11),
                    kNoCoherentMovementMessage},
        MessageCase{"PartialHowellNumbersBelowOne", Setting(6, K::Partiel, 14, 4),
                    kNoCoherentMovementMessage}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SeedingFile, EventTablesRoundUp) {
  EXPECT_EQ(EventTables(25), 13);
  EXPECT_EQ(EventTables(26), 13);
  EXPECT_EQ(EventTables(27), 14);
}

}  // namespace
}  // namespace ked
