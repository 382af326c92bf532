#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <algorithm>

#include "platform/ui/QtText.h"
#include "scales/ui/ReportTexts.h"
#include "scales/ui/TUtil_FPV.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked::test {
namespace {

class VpWindow : public ::testing::Test {
 protected:
  void Open(const std::string& folder) {
    context =
        std::make_unique<AppContext>(AppContext{platform, folder, LocaleFormat::French(), {}});
    window = std::make_unique<TUtil_FPV>(*context);
    window->show();
  }
  void SetUp() override { Open(std::string(KED_TEST_BIN_DIR) + "/"); }

  QSpinBox* Spin(const char* name) { return window->findChild<QSpinBox*>(name); }
  QString Box(const char* name) { return window->findChild<QLineEdit*>(name)->text(); }
  // Types into a spin field as the director does: select all, then the keys.
  void Type(const char* name, const QString& keys) {
    QSpinBox* spin = Spin(name);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, keys);
  }
  void Print() { QTest::mouseClick(window->findChild<QPushButton*>("Button1"), Qt::LeftButton); }

  FakePlatform platform;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TUtil_FPV> window;
};

TEST_F(VpWindow, StartsAtFourteenDealsAndNoDifference) {
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Calcul des barêmes : IMPs -> PV"));
  EXPECT_EQ(Spin("SpDonnes")->value(), 14);
  EXPECT_EQ(Spin("SpDonnes")->minimum(), 2);
  EXPECT_EQ(Spin("SpDonnes")->maximum(), 48);
  EXPECT_EQ(Spin("SpImps")->value(), 0);
  EXPECT_EQ(Spin("SpImps")->maximum(), 90);
  EXPECT_EQ(Box("EdGagnant"), "10,00");
  EXPECT_EQ(Box("EdPerdant"), "10,00");
  ASSERT_NE(window->findChild<QPushButton*>("BitBtn1"), nullptr);
  EXPECT_EQ(window->findChild<QPushButton*>("Button1")->text(), "Impression");
}

TEST_F(VpWindow, TypingEitherFieldShowsBothVp) {
  const struct {
    const char* deals;
    const char* imps;
    const char* winner;
    const char* loser;
  } cases[] = {
      {"14", "1", "10,33", "9,67"}, {"16", "20", "15,00", "5,00"}, {"16", "60", "20,00", "0,00"},
      {"2", "30", "20,00", "0,00"}, {"48", "50", "16,55", "3,45"}, {"32", "0", "10,00", "10,00"},
  };
  for (const auto& c : cases) {
    Type("SpImps", c.imps);
    Type("SpDonnes", c.deals);
    EXPECT_EQ(Box("EdGagnant"), c.winner) << c.deals << " donnes, " << c.imps << " IMPs";
    EXPECT_EQ(Box("EdPerdant"), c.loser) << c.deals << " donnes, " << c.imps << " IMPs";
  }
}

TEST_F(VpWindow, AnEmptyFieldKeepsTheResultsAndImpsTakeTwoDigits) {
  Type("SpDonnes", "16");
  Type("SpImps", "20");
  Type("SpImps", "");
  QTest::keyClick(Spin("SpImps"), Qt::Key_Delete);
  EXPECT_TRUE(Spin("SpImps")->cleanText().isEmpty());
  EXPECT_EQ(Box("EdGagnant"), "15,00");
  EXPECT_EQ(Box("EdPerdant"), "5,00");
  Type("SpImps", "123");
  EXPECT_LE(Spin("SpImps")->cleanText().size(), 2);
}

// A value typed below the range, on the way to a longer one, counts as the minimum.
TEST_F(VpWindow, ATypedValueBelowTheRangeCountsAsTheMinimum) {
  Type("SpImps", "10");
  Type("SpDonnes", "1");
  EXPECT_EQ(Spin("SpDonnes")->cleanText(), "1");
  EXPECT_EQ(Box("EdGagnant"), "16,46");
  EXPECT_EQ(Box("EdPerdant"), "3,54");
}

TEST_F(VpWindow, PrintsTheEightyEightRowsOfTheScale) {
  Type("SpDonnes", "34");
  Print();
  ASSERT_EQ(platform.Count("ShowReportPreview"), 1u);
  EXPECT_EQ(platform.CallsOf("ShowReportPreview")[0].text,
            std::string(KED_TEST_BIN_DIR) + "/Impress_Pv.frf");
  EXPECT_EQ(platform.Count("MessageBox"), 0u);
  const ReportDocument& report = *platform.previews.back();
  ASSERT_EQ(report.pages.size(), 1u) << "le barème tient sur une page";
  const auto texts = PageTexts(report.pages[0]);
  EXPECT_EQ(texts[0], "BAREME POUR MATCHS DE 34 DONNES");
  // Each row prints its difference, then the winner's and the loser's VP.
  auto row = std::find(texts.begin(), texts.end(), "0");
  ASSERT_NE(row, texts.end());
  EXPECT_EQ(texts.end() - row, 88 * 3);
  EXPECT_EQ(*(row + 1), "10,00");
  EXPECT_EQ(*(texts.end() - 3), "87");
  EXPECT_EQ(*(texts.end() - 2), "19,98");
  EXPECT_EQ(*(texts.end() - 1), "0,02");
}

TEST_F(VpWindow, ValueCallbackAnswersOnlyItsNames) {
  Type("SpDonnes", "16");
  ReportValue value;
  window->frReport1GetValue("Nbr_Donnes", value);
  EXPECT_EQ(std::get<std::string>(value), "BAREME POUR MATCHS DE 16 DONNES");
  for (const char* other : {"nbr_donnes", "D_i", "Titre", ""}) {
    ReportValue untouched = 7LL;
    window->frReport1GetValue(other, untouched);
    EXPECT_EQ(std::get<long long>(untouched), 7LL) << other;
  }
}

TEST(VpWindowWithoutTemplate, PreviewsWithoutAMessage) {
  TempDir empty;
  FakePlatform platform;
  AppContext context{platform, empty.Folder(), LocaleFormat::French(), {}};
  TUtil_FPV window(context);
  QTest::mouseClick(window.findChild<QPushButton*>("Button1"), Qt::LeftButton);
  EXPECT_EQ(platform.Count("ShowMessage"), 0u);
  EXPECT_EQ(platform.Count("MessageBox"), 0u);
  ASSERT_EQ(platform.Count("ShowReportPreview"), 1u);
  EXPECT_EQ(AllTexts(*platform.previews.back()), "");
}

}  // namespace
}  // namespace ked::test
