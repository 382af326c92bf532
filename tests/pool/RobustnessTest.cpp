// Team lists and "poules.ini" as a user or a download can damage them: every one
// gives a result or a failure with its message, never a crash or a pool of more
// teams than the program holds.
#include <gtest/gtest.h>

#include "support/BadBytes.h"

#include "platform/FileIO.h"
#include "pool/PoolIni.h"
#include "pool/TeamList.h"
#include "support/TempDir.h"

namespace ked {
namespace {

std::string Eighteen() {
  return ReadFileBytes(std::string(KED_SOURCE_DIR) + "/tests/pool/data/eighteen.txt").value_or("");
}

std::string Random(size_t size, unsigned seed) { return test::RandomBytes(size, seed); }

void ExpectSound(const TeamListImport& import, const std::string& what) {
  SCOPED_TRACE(what);
  EXPECT_LE(import.pool.count, kPoolMaxTeams + 1);
  if (import.success) {
    EXPECT_EQ(import.failure, ImportFailure::None);
  } else {
    EXPECT_NE(import.failure, ImportFailure::None);
    // The program's messages, or the runtime's; only Incomplete stays silent.
    if (import.failure != ImportFailure::Incomplete) {
      EXPECT_FALSE(import.message.empty());
    }
  }
}

TEST(TeamListRobustness, DamagedListsFailWithTheirMessage) {
  const std::string good = Eighteen();
  ASSERT_FALSE(good.empty());
  std::string nuls = good;
  for (size_t i = 40; i < nuls.size(); i += 37) nuls[i] = '\0';
  struct Case {
    const char* what;
    std::string bytes;
    ImportFailure failure;
  } cases[] = {
      {"empty", "", ImportFailure::Incomplete},
      {"one newline", "\r\n", ImportFailure::Incomplete},
      {"random bytes", Random(4096, 1), ImportFailure::Incomplete},
      {"only NULs", std::string(5000, '\0'), ImportFailure::Incomplete},
      {"title marker only", "#INTITULE\r\n", ImportFailure::Incomplete},
      {"not a PAS line", "#INTITULE\r\nXYZ;;;;a;b;c\r\n", ImportFailure::WrongFileType},
      {"no team marker", "#INTITULE\r\nPAS;;;;T;j;A\r\n1;2;3\r\n", ImportFailure::Incomplete},
      {"letters as numbers",
       "#INTITULE\r\nPAS;;;;T;j;A\r\n#INSCRITS_GROUPE\r\n1;deux;0;0;1;;;C;N;P\r\n\r\n",
       ImportFailure::NotAnInteger},
      {"number beyond int",
       "#INTITULE\r\nPAS;;;;T;j;A\r\n#INSCRITS_GROUPE\r\n1;99999999999999999999;0;0;1;;;C;N;P\r\n\r\n",
       ImportFailure::NotAnInteger},
      {"thirty teams",
       [] {
         std::string f = "#INTITULE\r\nPAS;;;;T;j;A\r\n#INSCRITS_GROUPE\r\n";
         for (int i = 1; i <= 30; ++i) f += std::to_string(i) + ";" + std::to_string(i) + ";0;0;1;;;C;N;P\r\n";
         return f + "\r\n";
       }(),
       ImportFailure::TooManyTeams},
  };
  for (const Case& c : cases) {
    const TeamListImport import = ParseTeamList(c.bytes);
    ExpectSound(import, c.what);
    EXPECT_FALSE(import.success) << c.what;
    EXPECT_EQ(import.failure, c.failure) << c.what;
  }
  // NULs and a multi-megabyte tail: read as text, no crash.
  ExpectSound(ParseTeamList(nuls), "NULs inside");
  ExpectSound(ParseTeamList(good + Random(6 << 20, 2)), "6 MB of noise after the list");
  ExpectSound(ParseTeamList(std::string(6 << 20, 'x')), "6 MB on one line");
}

// Every cut of a sound list: the list up to its last byte is still read, shorter
// ones succeed with fewer teams or fail, never beyond 18 teams.
TEST(TeamListRobustness, EveryTruncationIsSound) {
  const std::string good = Eighteen();
  ASSERT_FALSE(good.empty());
  int failed = 0;
  for (size_t n = 0; n < good.size(); ++n) {
    const TeamListImport import = ParseTeamList(std::string_view(good).substr(0, n));
    ExpectSound(import, "cut at " + std::to_string(n));
    failed += !import.success;
  }
  EXPECT_GT(failed, 0);
  EXPECT_TRUE(ParseTeamList(good).success);
}

TEST(TeamListRobustness, UnreadableFilesFailWithTheRuntimeMessage) {
  test::TempDir dir;
  for (const std::string& path : {dir.File("absent.txt"), dir.Folder()}) {
    const TeamListImport import = ImportTeamList(path);
    EXPECT_FALSE(import.success) << path;
    EXPECT_FALSE(import.message.empty()) << path;
  }
}

TEST(PoolIniRobustness, DamagedFileReadsAsAFolderOrNothingAndIsRewritten) {
  const std::string cases[] = {"", std::string(3000, '\0'), Random(2 << 20, 3),
                               "[Repertoire]\r\nLecture", "[Repertoire\r\nLecture=/x/\r\n",
                               "[Repertoire]\r\nLecture=" + std::string(1 << 20, 'a') + "\r\n"};
  for (const std::string& bytes : cases) {
    test::TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File(kPoolIniFile), bytes));
    (void)ReadImportDirectory(dir.Folder());
    ASSERT_TRUE(WriteImportDirectory(dir.Folder(), "/srv/listes/"));
    EXPECT_EQ(ReadImportDirectory(dir.Folder()), "/srv/listes/") << bytes.size();
  }
}

}  // namespace
}  // namespace ked
