// The movement catalogue "Mouvements.txt", damaged or absurd: read as text, the
// event's block found or not, nothing crashes.
#include <gtest/gtest.h>

#include "movements/MovementCatalogue.h"
#include "platform/FileIO.h"
#include "support/BadBytes.h"
#include "support/TempDir.h"

namespace ked {
namespace {

TEST(CatalogueRobustness, DamagedCataloguesReadWithOrWithoutTheEvent) {
  const std::string sound =
      ReadFileBytes(std::string(KED_TEST_BIN_DIR) + "/Mouvements.txt").value_or("");
  ASSERT_FALSE(sound.empty());
  auto cases = test::BadContents(sound);
  cases.push_back({"header without block", "**2;26;"});
  cases.push_back({"header only stars", "**\r\n**;\r\n***;;;\r\n"});
  cases.push_back({"headers of huge numbers", "**99999999999999;26;\r\nx\r\n**2;-26;\r\ny\r\n"});
  cases.push_back({"a 5 MB block", "**2;26;\r\n" + std::string(5 << 20, 'a') + "\r\n"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    const std::string path = dir.File(kCatalogueFileName);
    ASSERT_TRUE(WriteFileBytes(path, c.bytes));
    const auto lines = ReadCatalogueLines(path);
    ASSERT_TRUE(lines.has_value());
    for (auto [sessions, pairs] : {std::pair{2, 26}, {1, 16}, {3, 0}, {0, -1}}) {
      const auto entry = CatalogueEntry(*lines, sessions, pairs);
      if (!entry) continue;
      for (const std::string& line : *entry) EXPECT_NE(line.rfind("**", 0), 0u);
    }
  }
}

TEST(CatalogueRobustness, AbsentOrFolderIsUnreadable) {
  test::TempDir dir;
  EXPECT_FALSE(ReadCatalogueLines(dir.File("absent.txt")).has_value());
  EXPECT_FALSE(ReadCatalogueLines(dir.Folder()).has_value());
}

}  // namespace
}  // namespace ked
