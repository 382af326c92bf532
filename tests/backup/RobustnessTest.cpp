// The template archive "Util_Ked.bck" damaged as a disk or a copy can leave it:
// listed and restored to an error or to whole files, a file already in the target
// folder never replaced by a piece, the archive itself never written.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "backup/ArchiveListing.h"
#include "backup/ArchiveRestore.h"
#include "platform/FileIO.h"
#include "support/BadBytes.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked::backup {
namespace {
namespace fs = std::filesystem;

const char* kForms[] = {"appel.doc", "crendarb.doc", "ProblemeArbitrage.doc",
                        "FicheArbitrage.xls", "DocumentComptable.xls", "commis.doc"};

TEST(ArchiveRobustness, DamagedArchivesRestoreWholeFilesOrNothing) {
  const std::string installed = std::string(KED_TEST_BIN_DIR) + "/Util_Ked.bck";
  const std::string sound = ReadFileBytes(installed).value_or("");
  ASSERT_FALSE(sound.empty()) << installed;
  std::set<std::string> forms;
  for (const char* form : kForms)
    forms.insert(ReadFileBytes(std::string(KED_SOURCE_DIR) + "/forms/" + form).value_or(""));
  for (const auto& c : test::BadContents(sound)) {
    SCOPED_TRACE(std::string(c.what) + ", " + std::to_string(c.bytes.size()) + " bytes");
    test::TempDir dir;
    test::FakePlatform platform;
    const std::string archive = dir.File("Util_Ked.bck");
    ASSERT_TRUE(WriteFileBytes(archive, c.bytes));
    fs::create_directory(dir.File("cible"));
    const std::string mine = dir.File("cible/appel.doc");
    ASSERT_TRUE(WriteFileBytes(mine, "le formulaire du directeur"));
    (void)ListArchive(archive, platform);
    (void)RestoreInto(archive, dir.File("cible") + "/", platform);
    for (const auto& entry : fs::directory_iterator(dir.File("cible"))) {
      const std::string bytes = ReadFileBytes(entry.path().string()).value_or("<unreadable>");
      if (entry.path().string() == mine && bytes == "le formulaire du directeur") continue;
      // No piece of a form and no left-over temporary file.
      EXPECT_TRUE(forms.count(bytes)) << entry.path().filename() << " holds a piece";
    }
    EXPECT_EQ(ReadFileBytes(archive).value_or("<lost>"), c.bytes);
  }
}

}  // namespace
}  // namespace ked::backup
