// Ini files and text files as a disk or an editor can leave them: a lookup gives
// the value or the default, a write changes its line and keeps every other byte.
#include <gtest/gtest.h>

#include "platform/FileIO.h"
#include "platform/IniFile.h"
#include "platform/TextLines.h"
#include "support/BadBytes.h"
#include "support/TempDir.h"

namespace ked {
namespace {

const std::string kSound = "[MiseAjour]\r\nDate=15/10/2011\r\nNoValide=1\r\n[Compta]\r\nCt_Nm1=du Nord\r\n";

TEST(IniRobustness, DamagedFilesReadAsDefaultsAndTakeAWrite) {
  auto cases = test::BadContents(kSound);
  cases.push_back({"section never closed", "[MiseAjour\r\nNoValide=1\r\n"});
  cases.push_back({"key without =", "[MiseAjour]\r\nNoValide\r\n"});
  cases.push_back({"a 2 MB value", "[MiseAjour]\r\nNoValide=" + std::string(2 << 20, '1') + "\r\n"});
  cases.push_back({"lone quote", "[MiseAjour]\r\nNoValide=\"\r\n"});
  cases.push_back({"LF only", "[MiseAjour]\nNoValide=1\n"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    const std::string path = dir.File("Util_Ked.ini");
    ASSERT_TRUE(WriteFileBytes(path, c.bytes));
    (void)GetPrivateProfileString("MiseAjour", "NoValide", "0", path);
    (void)IniSnapshot(path).Get("Compta", "Ct_Nm1", "de Belmorie");
    ASSERT_TRUE(WritePrivateProfileString("Essai", "Cle", "valeur", path));
    EXPECT_EQ(GetPrivateProfileString("Essai", "Cle", "", path), "valeur");
    // The rest of the file is still there.
    EXPECT_GE(ReadFileBytes(path)->size(), c.bytes.size());
  }
}

TEST(IniRobustness, AFolderInPlaceOfTheFileReadsAsEmptyAndRefusesTheWrite) {
  test::TempDir dir;
  EXPECT_EQ(GetPrivateProfileString("MiseAjour", "NoValide", "0", dir.Folder()), "0");
  EXPECT_FALSE(WritePrivateProfileString("MiseAjour", "NoValide", "1", dir.Folder()));
}

TEST(TextLinesRobustness, EveryByteIsInSomeLine) {
  for (const auto& c : test::BadContents(kSound)) {
    size_t bytes = 0;
    for (const std::string& line : SplitLines(c.bytes)) bytes += line.size();
    EXPECT_LE(bytes, c.bytes.size()) << c.what;
  }
}

}  // namespace
}  // namespace ked
