// The memory file "Equilibre.txt" and the typed order lines, damaged: the memory
// opens or reports it cannot, a bad line is refused, nothing crashes.
#include <gtest/gtest.h>

#include "balancing/BalancingMemory.h"
#include "balancing/BalancingStudy.h"
#include "platform/FileIO.h"
#include "support/BadBytes.h"
#include "support/TempDir.h"

namespace ked {
namespace {

const std::string kSound =
    "4 1 0100 1-3-4-2-\r\n10 2 0000010000+0000100000 1-9-3-7-5-6-4-8-2-10-\r\n";

TEST(BalancingMemoryRobustness, DamagedMemoryOpensAndTakesTheNextStudy) {
  BalancingStudy study;
  ResetStudy(study);
  ScoreStudy(study);
  for (const auto& c : test::BadContents(kSound)) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    const std::string path = dir.File(kBalancingMemoryFileName);
    ASSERT_TRUE(WriteFileBytes(path, c.bytes));
    auto lines = OpenMemory(path);
    ASSERT_TRUE(lines.has_value());
    const size_t found = FindStudy(*lines, StudyKey(study));
    if (found) {
      // What the window does with a memorised line: take it or refuse it.
      (void)ParseInitialOrder(MemorisedOrder((*lines)[found - 1]), study.tableCount);
    }
    StoreStudy(*lines, found, study);
    ASSERT_TRUE(WriteMemory(path, *lines));
    const auto again = OpenMemory(path);
    ASSERT_TRUE(again.has_value());
    EXPECT_NE(FindStudy(*again, StudyKey(study)), 0u);
  }
}

TEST(BalancingMemoryRobustness, AFolderInPlaceOfTheFileIsNoMemory) {
  test::TempDir dir;
  EXPECT_FALSE(OpenMemory(dir.Folder()).has_value());
  EXPECT_FALSE(WriteMemory(dir.Folder(), {"x"}));
}

TEST(BalancingOrderRobustness, BadLinesAreRefused) {
  const char* refused[] = {
      "",         "-",          "1-2-3-",        "1-2-3-4-5-6-7-8-9-10-11-", "1-1-3-4-5-6-7-8-9-10-",
      "0-2-3-4-5-6-7-8-9-10-",  "-1-2-3-4-5-6-7-8-9-10-",  "1-2-3-4-5-6-7-8-9-99999999999999-",
      "a-b-c-d-e-f-g-h-i-j-",   "1-2-3-4-5-6-7-8-9-11-",   "1 2 3 4 5 6 7 8 9 10",
  };
  for (const char* line : refused)
    EXPECT_FALSE(ParseInitialOrder(line, 10).has_value()) << line;
  for (const auto& c : test::BadContents("1-7-8-2-6-9-3-5-10-4-")) {
    const auto seating = ParseInitialOrder(c.bytes, 10);
    if (!seating) continue;
    // Taken: a true permutation of the ranks.
    std::vector<bool> seen(11, false);
    for (int t = 1; t <= 10; ++t) {
      ASSERT_GE((*seating)[t], 1) << c.what;
      ASSERT_LE((*seating)[t], 10) << c.what;
      EXPECT_FALSE(seen[(*seating)[t]]) << c.what;
      seen[(*seating)[t]] = true;
    }
  }
  EXPECT_TRUE(ParseInitialOrder("1-7-8-2-6-9-3-5-10-4-", 10).has_value());
}

}  // namespace
}  // namespace ked
