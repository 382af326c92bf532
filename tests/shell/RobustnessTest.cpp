// The committee's "Util_Ked.ini" damaged or holding absurd values: every setting
// keeps its default or a number, the caption a text; nothing crashes.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/FileIO.h"
#include "shell/CommitteeConfig.h"
#include "shell/ConfigurationForm.h"
#include "support/BadBytes.h"
#include "support/TempDir.h"

namespace ked {
namespace {

const std::string kSound =
    "[Compta]\r\nCt_Nm1=du Nord\r\n[MiseAjour]\r\nDate=15/10/2011\r\nNoValide=1\r\n";

TEST(CommitteeConfigRobustness, DamagedFilesKeepTheDefaults) {
  auto cases = test::BadContents(kSound);
  cases.push_back({"absurd values",
                   "[MiseAjour]\r\nDate=99/99/99999\r\nNoValide=peut-etre\r\n"
                   "[Compta]\r\nCt_Nm1=" + std::string(100000, 'x') + "\r\n"});
  cases.push_back({"numbers beyond double", "[Frais]\r\nFrA=1e999\r\nFrB=-1e999\r\nFrC=nan\r\n"});
  cases.push_back({"dates far away", "[MiseAjour]\r\nDate=01/01/0001\r\nNoValide=1\r\n"});
  cases.push_back({"dates far away", "[MiseAjour]\r\nDate=31/12/9999\r\nNoValide=1\r\n"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File("Util_Ked.ini"), c.bytes));
    const CommitteeConfig config = ReadCommitteeConfig(dir.File("Util_Ked.ini"), LocaleFormat::French());
    CommitteeConfig copy = config;
    for (size_t i = 0; i < kConfigNumberCount; ++i)
      (void)ConfigNumberText(ConfigNumber(copy, i), LocaleFormat::French());
    EXPECT_FALSE(config.committeeName.empty());
  }
}

TEST(CommitteeConfigRobustness, TypedAmountsOutOfReachAreRefused) {
  const char* refused[] = {"", "abc", "1e999", "12,34,56", "--1", "1 000 000 000 000 000 000 000 000"};
  for (const char* text : refused) {
    const auto value = ParseCurrency(text, LocaleFormat::French());
    if (!value) continue;
    EXPECT_TRUE(std::isfinite(*value)) << text;
  }
  EXPECT_FALSE(ParseCurrency("abc", LocaleFormat::French()).has_value());
}

}  // namespace
}  // namespace ked
