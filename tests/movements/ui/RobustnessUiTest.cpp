// The movements window on a damaged "Mouvements.txt", typed values out of range
// and a seeding file that cannot be written: a message, never a crash.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "movements/SeedingGrid.h"
#include "movements/ui/TFMouvChoix.h"
#include "platform/FileIO.h"
#include "support/BadBytes.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

class MovementsWindowRobustness : public ::testing::Test {
 protected:
  void Create(const std::string& catalogue) {
    ASSERT_TRUE(WriteFileBytes(folder.File("Mouvements.txt"), catalogue));
    window = std::make_unique<TFMouvChoix>(context);
    window->show();
  }
  QSpinBox* Spin(const char* name) {
    QSpinBox* spin = window->findChild<QSpinBox*>(name);
    EXPECT_NE(spin, nullptr) << name;
    return spin;
  }
  void Type(const char* name, const char* keys) {
    QSpinBox* spin = Spin(name);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, keys);
  }
  void Click(const char* name) {
    QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton);
  }

  test::TempDir folder;
  test::FakePlatform platform;
  AppContext context{platform, folder.Folder(), LocaleFormat::French(), {}};
  std::unique_ptr<TFMouvChoix> window;
};

TEST_F(MovementsWindowRobustness, DamagedCatalogueShowsWhatItHolds) {
  const std::string sound =
      ReadFileBytes(std::string(KED_TEST_BIN_DIR) + "/Mouvements.txt").value_or("");
  ASSERT_FALSE(sound.empty());
  auto cases = test::BadContents(sound);
  cases.push_back({"a 5 MB block", "**2;26;\r\n" + std::string(5 << 20, 'a') + "\r\n"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    platform.Clear();
    Create(c.bytes);
    for (const char* pairs : {"28", "16", "26"}) Type("SpPaires", pairs);
    EXPECT_FALSE(window->findChild<QPlainTextEdit*>("Memo1")->toPlainText().isEmpty());
    EXPECT_EQ(platform.Count("ShowMessage"), 0u);
    EXPECT_EQ(ReadFileBytes(folder.File("Mouvements.txt")).value_or("<lost>"), c.bytes);
  }
}

TEST_F(MovementsWindowRobustness, TypedValuesStayInTheirRange) {
  Create("**2;26;\r\nun\r\n");
  for (const char* name : {"SpPaires", "SpSeance", "SpEd_Section", "SpEd_T", "SpEd_A", "SpEd_B"}) {
    for (const char* typed : {"99999", "-3", "zz", "0"}) {
      Type(name, typed);
      QSpinBox* spin = Spin(name);
      EXPECT_GE(spin->value(), spin->minimum()) << name << " " << typed;
      EXPECT_LE(spin->value(), spin->maximum()) << name << " " << typed;
    }
  }
  // Whatever was typed, the seeding file is either refused with a message or written.
  const std::string target = folder.File("seeding.txt");
  platform.fileAnswers = {target};
  Click("Button1");
  EXPECT_TRUE(FileExists(target) || platform.Count("ShowMessage") + platform.Count("MessageBox") > 0);
}

TEST_F(MovementsWindowRobustness, AnUnwritableSeedingFileIsReported) {
  Create("**2;26;\r\nun\r\n");
  Type("SpEd_T", "13");
  for (const std::string& target : {folder.Folder(), folder.File("absent/dossier/seeding.txt")}) {
    platform.Clear();
    platform.fileAnswers = {target};
    Click("Button1");
    const auto boxes = platform.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u) << target;
    EXPECT_EQ(boxes[0].kind, MessageKind::Error);
    EXPECT_EQ(boxes[0].text, CannotCreateFileMessage(target));
  }
}

}  // namespace
}  // namespace ked
