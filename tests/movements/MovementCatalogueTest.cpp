#include "movements/MovementCatalogue.h"

#include <gtest/gtest.h>

#include "movements/SectionPlan.h"
#include "platform/FileIO.h"
#include "support/TempDir.h"

namespace ked {
namespace {

using Lines = std::vector<std::string>;

TEST(MovementCatalogue, HeaderNamesSessionsThenPairs) {
  EXPECT_EQ(CatalogueHeader(2, 26), "**2;26;");
}

TEST(MovementCatalogue, BlockRunsToTheNextHeader) {
  const Lines file = {"avant", "**2;26;", "un", "deux", "trois", "**2;28;", "autre"};
  EXPECT_EQ(CatalogueEntry(file, 2, 26), (Lines{"un", "deux", "trois"}));
  EXPECT_EQ(CatalogueEntry(file, 2, 28), (Lines{"autre"}));
}

TEST(MovementCatalogue, HeaderMustBeTheWholeLine) {
  const Lines file = {"**2;26; ", "faux", "**2;2", "faux", "**1;8;", "bon"};
  EXPECT_EQ(CatalogueEntry(file, 2, 26), std::nullopt);
  EXPECT_EQ(CatalogueEntry(file, 1, 8), (Lines{"bon"}));
  EXPECT_EQ(CatalogueEntry(file, 3, 8), std::nullopt);
}

TEST(MovementCatalogue, AnyLineStartingWithTwoStarsEndsTheBlock) {
  const Lines file = {"**1;10;", "a", "* b", "** note", "c"};
  EXPECT_EQ(CatalogueEntry(file, 1, 10), (Lines{"a", "* b"}));
}

TEST(MovementCatalogue, HeaderOnTheLastLineGivesAnEmptyBlock) {
  EXPECT_EQ(CatalogueEntry(Lines{"x", "**3;40;"}, 3, 40), Lines{});
}

TEST(MovementCatalogue, FileIsReadAsWindows1252WithCrLf) {
  test::TempDir dir;
  const std::string path = dir.File("Mouvements.txt");
  ASSERT_TRUE(WriteFileBytes(path, "**1;8;\r\nHowell entrelac\xE9s de 4 tables : 7X3\r\nfin"));
  EXPECT_EQ(ReadCatalogueLines(path),
            (Lines{"**1;8;", "Howell entrelacés de 4 tables : 7X3", "fin"}));
  EXPECT_EQ(ReadCatalogueLines(dir.File("absent.txt")), std::nullopt);
}

// The installed catalogue: every block's proposal lines read back as a movement.
TEST(MovementCatalogue, InstalledCatalogueHasABlockForEveryEvent) {
  const auto lines = ReadCatalogueLines(std::string(KED_SOURCE_DIR) + "/install/Mouvements.txt");
  ASSERT_TRUE(lines);
  for (int sessions = 1; sessions <= 3; ++sessions)
    for (int pairs = 5; pairs <= 72; ++pairs)
      EXPECT_TRUE(CatalogueEntry(*lines, sessions, pairs)) << sessions << " " << pairs;
}

bool IsMovementLine(const std::string& line) {
  return (line.rfind("Mitchell", 0) == 0 || line.rfind("Howell", 0) == 0) &&
         line.find(" : ") != std::string::npos && line.find('X') != std::string::npos;
}

// Each proposal (a run of movement lines) as the window extracts it and builds its file.
TEST(MovementCatalogue, InstalledProposalsGiveASeedingFile) {
  const auto lines = ReadCatalogueLines(std::string(KED_SOURCE_DIR) + "/install/Mouvements.txt");
  ASSERT_TRUE(lines);
  int proposals = 0;
  for (int sessions = 1; sessions <= 3; ++sessions) {
    for (int pairs = 5; pairs <= 72; ++pairs) {
      const auto block = CatalogueEntry(*lines, sessions, pairs);
      ASSERT_TRUE(block);
      for (size_t i = 0; i < block->size();) {
        if (!IsMovementLine((*block)[i])) {
          ++i;
          continue;
        }
        std::string selection;
        int sections = 0;
        for (; i < block->size() && IsMovementLine((*block)[i]); ++i, ++sections)
          selection += (*block)[i] + "\r\n";
        SectionPlan plan;
        plan.SetPairs(pairs);
        const Extraction e = ExtractSelection(selection);
        ASSERT_FALSE(e.error) << selection;
        plan.Apply(e.settings);
        EXPECT_EQ(plan.SectionCount().value, sections) << selection;
        const SeedingFileResult file = BuildSeedingFile(plan.ToSetting());
        EXPECT_TRUE(file.HasFile()) << pairs << " paires: " << selection << file.message;
        ++proposals;
      }
    }
  }
  EXPECT_GT(proposals, 200);
}

}  // namespace
}  // namespace ked
