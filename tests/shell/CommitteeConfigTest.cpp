#include "shell/CommitteeConfig.h"

#include <gtest/gtest.h>

#include "platform/FileIO.h"
#include "support/TempDir.h"

namespace ked {
namespace {

const LocaleFormat fr = LocaleFormat::French();

TEST(CommitteeConfig, WithoutAFileEveryValueTakesItsDefault) {
  test::TempDir dir;
  const CommitteeConfig c = ReadCommitteeConfig(dir.File("Util_Ked.ini"), fr);
  EXPECT_EQ(c.captionName, "de Belmorie");
  EXPECT_EQ(c.committeeName, "de Belmorie");
  EXPECT_FALSE(c.updateCheckOff);
  EXPECT_EQ(c.updateCheckOffDate, 0);
  EXPECT_DOUBLE_EQ(c.frA, 97.6);
  EXPECT_DOUBLE_EQ(c.frEt, 0.49);
  EXPECT_EQ(c.tableFees[8], 200);
  EXPECT_EQ(c.entryFees[7], 100);
  EXPECT_EQ(c.ftp[0], "");
  // The contacts are a ten-digit number followed by a first name in parentheses.
  for (const std::string& contact : {c.magicContestContact, c.refereeContact}) {
    ASSERT_GT(contact.size(), 12u);
    EXPECT_EQ(contact.find_first_not_of("0123456789"), 10u) << contact;
    EXPECT_EQ(contact[10], '(');
    EXPECT_EQ(contact.back(), ')');
  }
}

TEST(CommitteeConfig, ReadsTheFileUnderTheLocalesRules) {
  test::TempDir dir;
  const std::string path = dir.File("Util_Ked.ini");
  ASSERT_TRUE(WriteFileBytes(path,
                             "[Compta]\r\nCt_Nm1=du Nord\r\nCt_Eg0=1234,5\r\nCt_Ins8=7\r\n"
                             "[Entit\xE9]\r\nCt_Nm1=de l'Est\r\n"
                             "[MiseAjour]\r\nNoValide=2\r\nDate=15/10/2011\r\n"
                             "[Frais]\r\nFr_A=98,25\r\nFr_B=68.3x\r\n"
                             "[Smtp]\r\nCt_Nm9=arbitre@example.org\r\n"));
  const CommitteeConfig c = ReadCommitteeConfig(path, fr);
  EXPECT_EQ(c.captionName, "du Nord");
  EXPECT_EQ(c.committeeName, "de l'Est");
  EXPECT_TRUE(c.updateCheckOff);  // any integer but 0
  EXPECT_EQ(c.updateCheckOffDate, 40831);
  EXPECT_DOUBLE_EQ(c.tableFees[0], 1234.5);
  EXPECT_DOUBLE_EQ(c.entryFees[8], 7);
  EXPECT_DOUBLE_EQ(c.frA, 98.25);
  EXPECT_DOUBLE_EQ(c.frB, 68.3);  // unreadable: default
  EXPECT_EQ(c.smtp[3], "arbitre@example.org");
}

TEST(CommitteeConfig, PointDecimalsDoNotReadUnderAFrenchLocale) {
  test::TempDir dir;
  const std::string path = dir.File("Util_Ked.ini");
  ASSERT_TRUE(WriteFileBytes(path, "[Frais]\r\nFr_A=99.5\r\nFr_Ki=0.45\r\nFr_F=210\r\n"
                                   "[MiseAjour]\r\nNoValide=oui\r\nDate=2011-10-15\r\n"));
  const CommitteeConfig c = ReadCommitteeConfig(path, fr);
  EXPECT_DOUBLE_EQ(c.frA, 97.6);
  EXPECT_DOUBLE_EQ(c.frKi, 0.4);
  EXPECT_DOUBLE_EQ(c.frF, 210);  // integers read in any locale
  EXPECT_FALSE(c.updateCheckOff);
  EXPECT_EQ(c.updateCheckOffDate, 0);
}

TEST(CommitteeConfig, ValuesAreWrittenAsTheFileStoresThem) {
  EXPECT_EQ(IniNumberText(97.6, fr), "97,6");
  EXPECT_EQ(IniNumberText(2, fr), "2");
  EXPECT_EQ(IniBoolText(true), "1");
  EXPECT_EQ(IniBoolText(false), "0");
  EXPECT_EQ(IniDateText(40831, fr), "15/10/2011");
  EXPECT_EQ(FeeKeys().size(), 15u);
  EXPECT_STREQ(FeeKeys().front().key, "Fr_A");
  EXPECT_STREQ(FeeKeys().back().key, "Fr_Re");
}

}  // namespace
}  // namespace ked
