#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include "platform/FileIO.h"
#include "support/TempDir.h"

namespace ked {
namespace {

const std::string kFile =
    "; réglages du comité\r\n"
    "[Compta]\r\n"
    "Ct_Nm1 = de Lut\xE8" "ce \r\n"
    "Ct_Eg0=6\r\n"
    "\r\n"
    "[Frais]\r\n"
    "Fr_A=97,6\r\n"
    "Fr_Quote=\"  entre guillemets  \"\r\n";

TEST(IniLookup, FindsSectionsAndKeysWithoutRegardToCaseAndTrimsValues) {
  EXPECT_EQ(IniLookup(kFile, "compta", "CT_NM1"), "de Lutèce");
  EXPECT_EQ(IniLookup(kFile, "Frais", "Fr_A"), "97,6");
  EXPECT_EQ(IniLookup(kFile, "Frais", "Fr_Quote"), "  entre guillemets  ");
  EXPECT_EQ(IniLookup(kFile, "Frais", "Ct_Eg0"), std::nullopt);  // key of another section
  EXPECT_EQ(IniLookup(kFile, "Absent", "Fr_A"), std::nullopt);
}

TEST(IniLookup, ReadsWindows1252AsUtf8) {
  const std::string content = "[Entit\xE9]\r\nCt_Nm1=de l'\xC9toile\r\n";
  EXPECT_EQ(IniLookup(content, "Entité", "Ct_Nm1"), "de l'Étoile");
  EXPECT_EQ(IniLookup(content, "ENTITÉ", "ct_nm1"), "de l'Étoile");
}

TEST(IniWithValue, ReplacingAKeyLeavesEveryOtherLineAsItWas) {
  const std::string out = IniWithValue(kFile, "COMPTA", "Ct_Eg0", "12,5");
  std::string expected = kFile;
  expected.replace(expected.find("Ct_Eg0=6"), 8, "Ct_Eg0=12,5");
  EXPECT_EQ(out, expected);
}

TEST(IniWithValue, NewKeyGoesAtTheEndOfItsSectionBeforeTheBlankLine) {
  const std::string out = IniWithValue(kFile, "Compta", "Ct_Eg1", "12");
  std::string expected = kFile;
  expected.insert(expected.find("\r\n\r\n[Frais]") + 2, "Ct_Eg1=12\r\n");
  EXPECT_EQ(out, expected);
}

TEST(IniWithValue, NewSectionIsAppended) {
  EXPECT_EQ(IniWithValue(kFile, "MiseAjour", "NoValide", "1"),
            kFile + "[MiseAjour]\r\nNoValide=1\r\n");
  EXPECT_EQ(IniWithValue("[A]\r\nx=1", "B", "y", "2"), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(IniWithValue("[A]\r\nx=1", "A", "y", "2"), "[A]\r\nx=1\r\ny=2");
  EXPECT_EQ(IniWithValue("", "Entité", "Ct_Nm1", "é"), "[Entit\xE9]\r\nCt_Nm1=\xE9\r\n");
}

TEST(PrivateProfile, WriteCreatesTheFileAndReadsBackWithDefaults) {
  test::TempDir dir;
  const std::string path = dir.File("Util_Ked.ini");
  EXPECT_EQ(GetPrivateProfileString("Compta", "Ct_Nm1", "de Belmorie", path), "de Belmorie");
  ASSERT_TRUE(WritePrivateProfileString("Compta", "Ct_Nm1", "du Nord", path));
  ASSERT_TRUE(WritePrivateProfileString("Frais", "Fr_A", "98", path));
  EXPECT_EQ(GetPrivateProfileString("compta", "ct_nm1", "", path), "du Nord");
  EXPECT_EQ(*ReadFileBytes(path), "[Compta]\r\nCt_Nm1=du Nord\r\n[Frais]\r\nFr_A=98\r\n");
  EXPECT_FALSE(WritePrivateProfileString("A", "b", "c", dir.File("absent/x.ini")));
}

}  // namespace
}  // namespace ked
