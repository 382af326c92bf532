#include "balancing/BalancingMemory.h"

#include <gtest/gtest.h>

#include "platform/FileIO.h"
#include "support/TempDir.h"

namespace ked {
namespace {

BalancingStudy TwoSessionStudy() {
  BalancingStudy study;
  ResetStudy(study);
  study.sessionCount = 2;
  return study;
}

TEST(StudyKeyTest, RowsInUseOnly) {
  BalancingStudy study = TwoSessionStudy();
  study.at(3).SSS = 1;
  EXPECT_EQ(StudyKey(study), "10 2 0000010000+0000100000");
  study.sessionCount = 1;
  EXPECT_EQ(StudyKey(study), "10 1 0000010000");
  study.sessionCount = 3;
  EXPECT_EQ(StudyKey(study), "10 3 0000010000+0000100000+0010000000");
  study.tableCount = 4;
  EXPECT_EQ(StudyKey(study), "4 3 0000+0000+0010");
}

TEST(MemoryLinesTest, FindStoreAndReadBack) {
  BalancingStudy study = TwoSessionStudy();
  const std::string key = StudyKey(study);
  std::vector<std::string> lines = {"10 1 0000010000 1-7-8-2-6-9-3-5-10-4-",
                                    key + " 1-2-3-4-5-6-7-8-9-10-", "4 1 0100 1-3-4-2-",
                                    key + " 1-7-8-2-6-9-3-5-10-4-"};
  EXPECT_EQ(FindStudy(lines, key), 4u);  // the last line that begins with the key
  EXPECT_EQ(FindStudy(lines, "10 3 0000010000+0000100000+0000000000"), 0u);
  EXPECT_EQ(FindStudy({}, key), 0u);

  Seating best{};
  const int ranks[] = {1, 9, 3, 7, 5, 6, 4, 8, 2, 10};
  for (int t = 1; t <= 10; ++t) best[t] = ranks[t - 1];
  study.SetRanks(best);
  StoreStudy(lines, 4, study);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], "10 2 0000010000+0000100000 1-9-3-7-5-6-4-8-2-10-");
  EXPECT_EQ(MemorisedOrder(lines[3]), "1-9-3-7-5-6-4-8-2-10-");
  study.sessionCount = 1;
  StoreStudy(lines, 0, study);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[4], "10 1 0000010000 1-9-3-7-5-6-4-8-2-10-");
  EXPECT_EQ(MemorisedOrder("10 1 0000010000"), "");
}

TEST(MemoryFileTest, CreatedEmptyThenWrittenWholeWithCrLf) {
  test::TempDir dir;
  const std::string path = dir.File(kBalancingMemoryFileName);
  auto lines = OpenMemory(path);
  ASSERT_TRUE(lines.has_value());
  EXPECT_TRUE(lines->empty());
  EXPECT_TRUE(FileExists(path));

  BalancingStudy study = TwoSessionStudy();
  StoreStudy(*lines, FindStudy(*lines, StudyKey(study)), study);
  study.sessionCount = 1;
  StoreStudy(*lines, FindStudy(*lines, StudyKey(study)), study);
  ASSERT_TRUE(WriteMemory(path, *lines));
  EXPECT_EQ(*ReadFileBytes(path),
            "10 2 0000010000+0000100000 1-7-8-2-6-9-3-5-10-4-\r\n"
            "10 1 0000010000 1-7-8-2-6-9-3-5-10-4-\r\n");

  // Running the first study again replaces its line in place.
  study.sessionCount = 2;
  Seating turned = study.Ranks();
  std::swap(turned[2], turned[3]);
  study.SetRanks(turned);
  lines = OpenMemory(path);
  ASSERT_EQ(lines->size(), 2u);
  StoreStudy(*lines, FindStudy(*lines, StudyKey(study)), study);
  ASSERT_TRUE(WriteMemory(path, *lines));
  EXPECT_EQ(*ReadFileBytes(path),
            "10 2 0000010000+0000100000 1-8-7-2-6-9-3-5-10-4-\r\n"
            "10 1 0000010000 1-7-8-2-6-9-3-5-10-4-\r\n");
}

TEST(MemoryFileTest, ReadsLineFeedsAndALastLineWithoutEnd) {
  test::TempDir dir;
  const std::string path = dir.File(kBalancingMemoryFileName);
  ASSERT_TRUE(WriteFileBytes(path, "4 1 0100 1-3-4-2-\n5 1 01000 1-2-3-4-5-\r\nbad"));
  const auto lines = OpenMemory(path);
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, (std::vector<std::string>{"4 1 0100 1-3-4-2-", "5 1 01000 1-2-3-4-5-", "bad"}));
}

TEST(MemoryFileTest, AFolderThatDoesNotExistFails) {
  test::TempDir dir;
  const std::string path = dir.File("absent/" + std::string(kBalancingMemoryFileName));
  EXPECT_FALSE(OpenMemory(path).has_value());
  EXPECT_FALSE(WriteMemory(path, {"x"}));
}

}  // namespace
}  // namespace ked
