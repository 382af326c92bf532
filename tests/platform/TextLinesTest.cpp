#include "platform/TextLines.h"

#include <gtest/gtest.h>

#include "platform/FileIO.h"
#include "platform/HelpFile.h"
#include "support/TempDir.h"

namespace ked {
namespace {

TEST(SplitLines, EndsOfLineAndTheLastLine) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitLines(""), V{});
  EXPECT_EQ(SplitLines("a\r\nb\nc"), (V{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (V{"a", ""}));
  EXPECT_EQ(SplitLines("a\rb\n"), (V{"a\rb"}));  // a lone CR stays in its line
}

TEST(ReadCp1252Lines, ReadsTheFileAsUtf8) {
  test::TempDir dir;
  WriteFileBytes(dir.File("m.txt"), "**1;24;\r\nMitchell \xE9largi\r\n");
  EXPECT_EQ(ReadCp1252Lines(dir.File("m.txt")),
            (std::vector<std::string>{"**1;24;", "Mitchell élargi"}));
  EXPECT_EQ(ReadCp1252Lines(dir.File("absent.txt")), std::nullopt);
}

TEST(FindHelpPage, PagesByHelpNumber) {
  const std::string help = "[1] Accueil\r\n<p>un</p>\r\n[4]Rapport\r\n<p>quatre</p>\r\n[x] pas un titre\r\n";
  auto four = FindHelpPage(help, 4);
  ASSERT_TRUE(four);
  EXPECT_EQ(four->title, "Rapport");
  EXPECT_EQ(four->body, "<p>quatre</p>\n[x] pas un titre\n");
  EXPECT_EQ(FindHelpPage(help, 9)->number, 1);  // unknown number: the first page
  EXPECT_EQ(FindHelpPage("", 1), std::nullopt);
}

TEST(FindHelpPage, TheInstalledHelpHasAPageForEveryHelpNumber) {
  auto content = ReadFileBytes(std::string(KED_TEST_BIN_DIR) + "/Util_Ked.hlp");
  ASSERT_TRUE(content);
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(FindHelpPage(*content, n)->number, n);
}

}  // namespace
}  // namespace ked
