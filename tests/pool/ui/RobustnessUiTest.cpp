// The pool window given damaged team lists and a damaged "Poules.frf": the
// program's message or a silent refusal, the pool already loaded kept and
// printable, no file of the user or of the program changed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "platform/FileIO.h"
#include "pool/TeamList.h"
#include "pool/ui/TPoulFPrg.h"
#include "report/ReportDocument.h"
#include "support/BadBytes.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

const std::string kEighteen = std::string(KED_SOURCE_DIR) + "/tests/pool/data/eighteen.txt";

class PoolWindowRobustness : public ::testing::Test {
 protected:
  PoolWindowRobustness() {
    std::filesystem::copy_file(std::string(KED_SOURCE_DIR) + "/install/Poules.frf",
                               folder.File("Poules.frf"));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);
  }
  void Import(const std::string& path) {
    fake.fileAnswers.push_back(path);
    QTest::mouseClick(window.findChild<QPushButton*>("Button1"), Qt::LeftButton);
  }
  void Print() { QTest::mouseClick(window.findChild<QPushButton*>("Edition"), Qt::LeftButton); }

  test::TempDir folder, lists;
  test::FakePlatform fake;
  AppContext context{fake, folder.Folder(), LocaleFormat::French(), {}};
  TPoulFPrg window{context};
};

TEST_F(PoolWindowRobustness, DamagedListsAreRefusedAndThePoolStays) {
  const std::string sound = ReadFileBytes(kEighteen).value_or("");
  ASSERT_FALSE(sound.empty());
  auto cases = test::BadContents(sound);
  cases.push_back({"nineteen teams", [&] {
                     std::string f = sound;
                     const size_t at = f.find("#INSCRITS_GROUPE\r\n") + 18;
                     return f.insert(at, "99;1;0;0;1;;;C;N;P\r\n");
                   }()});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Import(kEighteen);
    ASSERT_TRUE(window.PoolLoaded());
    const std::string path = lists.File("liste.txt");
    ASSERT_TRUE(WriteFileBytes(path, c.bytes));
    fake.Clear();
    Import(path);
    const auto read = ParseTeamList(c.bytes);
    if (read.success) {
      EXPECT_TRUE(window.PoolLoaded());
    } else if (read.failure == ImportFailure::Incomplete) {
      EXPECT_EQ(fake.Count("MessageBox"), 0u);
    } else {
      ASSERT_EQ(fake.Count("MessageBox"), 1u);
      EXPECT_EQ(fake.CallsOf("MessageBox")[0].text, read.message);
    }
    EXPECT_EQ(ReadFileBytes(path).value_or("<lost>"), c.bytes);  // never written back
    // Whatever was refused, the pool still prints.
    fake.Clear();
    Print();
    EXPECT_EQ(fake.Count("ShowReportPreview") + fake.Count("MessageBox"), 1u);
  }
}

TEST_F(PoolWindowRobustness, AFolderOrAVanishedFileGivesTheRuntimeMessage) {
  for (const std::string& path : {lists.Folder(), lists.File("parti.txt")}) {
    fake.Clear();
    Import(path);
    ASSERT_EQ(fake.Count("MessageBox"), 1u) << path;
    EXPECT_EQ(fake.CallsOf("MessageBox")[0].kind, MessageKind::Error);
    EXPECT_FALSE(fake.CallsOf("MessageBox")[0].text.empty());
  }
}

TEST_F(PoolWindowRobustness, DamagedTemplateIsReportedOrPrintedAndKept) {
  Import(kEighteen);
  ASSERT_TRUE(window.PoolLoaded());
  const std::string sound = ReadFileBytes(folder.File("Poules.frf")).value_or("");
  for (const auto& c : test::BadContents(sound)) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(WriteFileBytes(folder.File("Poules.frf"), c.bytes));
    fake.Clear();
    Print();
    const auto boxes = fake.CallsOf("MessageBox");
    if (fake.Count("ShowReportPreview") == 0) {
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0].kind, MessageKind::Error);
      EXPECT_FALSE(boxes[0].text.empty());
    }
    EXPECT_EQ(ReadFileBytes(folder.File("Poules.frf")).value_or("<lost>"), c.bytes);
  }
}

}  // namespace
}  // namespace ked
