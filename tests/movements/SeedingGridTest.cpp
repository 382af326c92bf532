#include "movements/SeedingGrid.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/FileIO.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

// Section 1 with tables 1 and 2, section 2 with table 1: the file's own example.
SeedingGrid ExampleGrid() {
  SeedingGrid grid(2, 3);
  grid.SetSectionTables(1, 2);
  grid.SetSectionTables(2, 1);
  grid.Set(1, 1, 1);
  grid.Set(2, 1, 2);
  grid.Set(1, 2, 13);
  grid.Set(2, 2, 14);
  grid.Set(3, 1, 3);
  grid.Set(4, 1, 4);
  return grid;
}

TEST(SeedingGrid, StartsWithoutTablesAndMarksSectionTables) {
  SeedingGrid grid(3, 34);
  EXPECT_EQ(grid.Rows(), 6);
  EXPECT_EQ(grid.At(6, 34), SeedingGrid::kNoTable);
  grid.SetSectionTables(2, 5);
  EXPECT_EQ(grid.At(3, 5), SeedingGrid::kWaiting);
  EXPECT_EQ(grid.At(4, 5), SeedingGrid::kWaiting);
  EXPECT_EQ(grid.At(4, 6), SeedingGrid::kNoTable);
  EXPECT_EQ(grid.At(1, 1), SeedingGrid::kNoTable);
}

TEST(SeedingGrid, CellsOutsideTheGridAreRefused) {
  SeedingGrid grid(4, 15);
  for (auto [row, column] : {std::pair{0, 1}, {9, 1}, {1, 0}, {1, 16}}) {
    EXPECT_FALSE(grid.Contains(row, column));
    EXPECT_THROW(grid.Set(row, column, 1), std::out_of_range);
    EXPECT_THROW((void)grid.At(row, column), std::out_of_range);
  }
  EXPECT_TRUE(grid.Contains(8, 15));
}

TEST(SeedingGrid, LinesGoSectionBySectionWithEvenSectionsReversed) {
  EXPECT_EQ(SeedingGridToLines(ExampleGrid()),
            (std::vector<std::string>{"1\t1\t1\t2", "1\t2\t13\t14", "2\t1\t4\t3"}));
}

TEST(SeedingGrid, OnlyTheFirstLineDecidesWhetherATableIsWritten) {
  SeedingGrid grid(4, 2);
  for (int s = 1; s <= 4; ++s) grid.SetSectionTables(s, 1);
  for (int row = 1; row <= 8; ++row) grid.Set(row, 1, static_cast<std::uint16_t>(row));
  grid.Set(2, 2, 20);  // second line only: no table
  EXPECT_EQ(SeedingGridToLines(grid),
            (std::vector<std::string>{"1\t1\t1\t2", "2\t1\t4\t3", "3\t1\t5\t6", "4\t1\t8\t7"}));
}

TEST(SeedingGrid, FileIsCrLfLinesWithTabs) {
  EXPECT_EQ(SeedingFileBytes(SeedingGridToLines(ExampleGrid())),
            "1\t1\t1\t2\r\n1\t2\t13\t14\r\n2\t1\t4\t3\r\n");
  EXPECT_EQ(SeedingFileBytes({}), "");
}

TEST(SeedingGrid, DefaultPathIsUnderTheDocumentsFolder) {
  EXPECT_EQ(DefaultSeedingFilePath("/home/arbitre/Documents"),
            "/home/arbitre/Documents/Magic Files/Mouvement/Equilibrage_MCF.txt");
  EXPECT_EQ(DefaultSeedingFilePath("/home/arbitre/Documents/"),
            "/home/arbitre/Documents/Magic Files/Mouvement/Equilibrage_MCF.txt");
}

class SaveSeedingFileTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::FakePlatform platform;
  std::vector<std::string> lines = SeedingGridToLines(ExampleGrid());
};

TEST_F(SaveSeedingFileTest, WritesTheConfirmedFile) {
  platform.documentsFolder = "/home/arbitre/Documents";
  const std::string target = dir.File("Equilibrage.txt");
  platform.fileAnswers = {target};
  EXPECT_EQ(SaveSeedingFile(platform, lines, "/opt/ked/"), target);
  const auto dialogs = platform.CallsOf("SaveFileDialog");
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].dialog.filter, "Fichier équilibrage (*.txt)");
  EXPECT_EQ(dialogs[0].dialog.initialDirectory, "/opt/ked/");
  EXPECT_EQ(dialogs[0].dialog.fileName,
            "/home/arbitre/Documents/Magic Files/Mouvement/Equilibrage_MCF.txt");
  EXPECT_EQ(ReadFileBytes(target), "1\t1\t1\t2\r\n1\t2\t13\t14\r\n2\t1\t4\t3\r\n");
  EXPECT_EQ(platform.Count("MessageBox"), 0u);
}

TEST_F(SaveSeedingFileTest, CancelWritesNothing) {
  platform.fileAnswers = {""};
  EXPECT_EQ(SaveSeedingFile(platform, lines), std::nullopt);
  EXPECT_EQ(platform.Count("SaveFileDialog"), 1u);
  EXPECT_EQ(platform.Count("MessageBox"), 0u);
}

TEST_F(SaveSeedingFileTest, MissingFolderIsReportedAndNothingWritten) {
  const std::string target = dir.File("absent/Equilibrage_MCF.txt");
  platform.fileAnswers = {target};
  EXPECT_EQ(SaveSeedingFile(platform, lines), std::nullopt);
  const auto boxes = platform.CallsOf("MessageBox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Error);
  EXPECT_EQ(boxes[0].text, "Impossible de créer le fichier " + target);
  EXPECT_FALSE(FileExists(target));
}

}  // namespace
}  // namespace ked
