// The scale and GaNa windows with damaged report templates and fields typed out
// of range: the preview or the engine's message, the template left as it was.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <memory>

#include "platform/FileIO.h"
#include "scales/ui/TUtilGhaF.h"
#include "scales/ui/TUtil_FPV.h"
#include "support/BadBytes.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked::test {
namespace {

class ScalesRobustness : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"Impress_Pv.frf", "ghanafm.frf", "ghanagk.frf"})
      std::filesystem::copy_file(std::string(KED_TEST_BIN_DIR) + "/" + name, folder.File(name));
    vp = std::make_unique<TUtil_FPV>(context);
    gana = std::make_unique<TUtilGhaF>(context);
    vp->show();
    gana->show();
  }
  void Click(QWidget& window, const char* name) {
    QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
  }

  TempDir folder;
  FakePlatform platform;
  AppContext context{platform, folder.Folder(), LocaleFormat::French(), {}};
  std::unique_ptr<TUtil_FPV> vp;
  std::unique_ptr<TUtilGhaF> gana;
};

TEST_F(ScalesRobustness, DamagedTemplatesAreReportedOrPrintedAndKept) {
  struct Print { const char* file; QWidget* window; const char* button; } prints[] = {
      {"Impress_Pv.frf", vp.get(), "Button1"},
      {"ghanafm.frf", gana.get(), "BpFiches"},
      {"ghanagk.frf", gana.get(), "BpVierge"},
  };
  for (const Print& p : prints) {
    const std::string path = folder.File(p.file);
    const std::string sound = ReadFileBytes(path).value_or("");
    ASSERT_FALSE(sound.empty()) << p.file;
    for (const auto& c : BadContents(sound)) {
      SCOPED_TRACE(std::string(p.file) + ": " + c.what);
      ASSERT_TRUE(WriteFileBytes(path, c.bytes));
      platform.Clear();
      Click(*p.window, p.button);
      if (platform.Count("ShowReportPreview") == 0) {
        ASSERT_EQ(platform.Count("MessageBox"), 1u);
        EXPECT_EQ(platform.calls.back().kind, MessageKind::Error);
        EXPECT_FALSE(platform.calls.back().text.empty());
      }
      EXPECT_EQ(ReadFileBytes(path).value_or("<lost>"), c.bytes);
    }
    ASSERT_TRUE(WriteFileBytes(path, sound));
  }
}

TEST_F(ScalesRobustness, FieldsTypedOutOfRangeStayInRangeAndPrint) {
  struct Field { QWidget* window; const char* spin; } fields[] = {
      {vp.get(), "SpDonnes"}, {vp.get(), "SpImps"}, {gana.get(), "NbEtuis"}};
  for (const Field& f : fields) {
    QSpinBox* spin = f.window->findChild<QSpinBox*>(f.spin);
    ASSERT_NE(spin, nullptr) << f.spin;
    for (const char* typed : {"0", "-1", "99999", "2147483647", "zz", ""}) {
      spin->setFocus();
      spin->selectAll();
      QTest::keyClicks(spin, typed);
      EXPECT_GE(spin->value(), spin->minimum()) << f.spin << " " << typed;
      EXPECT_LE(spin->value(), spin->maximum()) << f.spin << " " << typed;
    }
  }
  for (const char* typed : {"25:99", "99:99", "", "abc", "23:59"}) {
    QLineEdit* start = gana->findChild<QLineEdit*>("Ho1");
    ASSERT_NE(start, nullptr);
    start->selectAll();
    QTest::keyClicks(start, typed);
  }
  platform.Clear();
  Click(*vp, "Button1");
  Click(*gana, "BpFiches");
  EXPECT_EQ(platform.Count("ShowReportPreview"), 2u);
}

}  // namespace
}  // namespace ked::test
