// The program started on a damaged "Util_Ked.ini", and the export given a damaged
// "Util_Ked.bck": it starts, says what it cannot do, and loses no file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "MainWindowFixture.h"
#include "platform/FileIO.h"
#include "platform/IniFile.h"
#include "shell/ui/TUtilFMod.h"
#include "support/BadBytes.h"

namespace ked {
namespace {

const std::string kIni =
    "[Compta]\r\nCt_Nm1=du Nord\r\n[Assist_MCF]\r\nCt_Nm10=0102030405(Paul)\r\n"
    "[MiseAjour]\r\nDate=15/10/2011\r\nNoValide=1\r\n";

class StartOnDamagedFiles : public ::testing::Test, public test::MainWindowFixture {};

TEST_F(StartOnDamagedFiles, ADamagedConfigurationStartsWithTheDefaultsAndIsNotLost) {
  auto cases = test::BadContents(kIni);
  cases.push_back({"absurd date", "[MiseAjour]\r\nDate=31/02/99999999\r\nNoValide=1\r\n"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    windows.reset();
    platform.Clear();
    const std::string ini = folder.File("Util_Ked.ini");
    ASSERT_TRUE(WriteFileBytes(ini, c.bytes));
    Start();
    EXPECT_TRUE(Main().windowTitle().contains("pour le comité ")) << Main().windowTitle().toStdString();
    EXPECT_FALSE(Main().terminateRequested());
    // The configuration window shows it, locked, and leaves the file alone.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(windows->config.get(), &activate);
    EXPECT_FALSE(windows->config->findChild<QPushButton*>("BtEnregistrer")->isEnabled());
    const std::string before = ReadFileBytes(ini).value_or("<lost>");
    EXPECT_GE(before.size(), c.bytes.size());  // at most a line added at start
    // The update switch writes its lines and nothing else.
    Item("Nepasvrifierautomatiquementlamisejour1")->trigger();
    std::string expected = before;
    if (Main().updateSwitchAction()->isChecked())
      expected = IniWithValue(expected, "MiseAjour", "Date",
                              GetPrivateProfileString("MiseAjour", "Date", "", ini));
    expected = IniWithValue(expected, "MiseAjour", "NoValide",
                            GetPrivateProfileString("MiseAjour", "NoValide", "", ini));
    EXPECT_EQ(ReadFileBytes(ini).value_or("<lost>"), expected);
  }
}

TEST_F(StartOnDamagedFiles, ADamagedArchiveIsReportedAndTheFormsInPlaceStay) {
  const std::string sound =
      ReadFileBytes(std::string(KED_TEST_BIN_DIR) + "/Util_Ked.bck").value_or("");
  ASSERT_FALSE(sound.empty());
  const std::string form =
      ReadFileBytes(std::string(KED_SOURCE_DIR) + "/forms/ProblemeArbitrage.doc").value_or("");
  Start();
  const std::string target = folder.File("problemearbitrage.doc");
  for (const auto& c : test::BadContents(sound)) {
    SCOPED_TRACE(c.what + std::string(" ") + std::to_string(c.bytes.size()));
    ASSERT_TRUE(WriteFileBytes(folder.File("Util_Ked.bck"), c.bytes));
    ASSERT_TRUE(WriteFileBytes(target, "le formulaire du directeur"));
    platform.Clear();
    Button("BtPbDoc")->click();
    const auto boxes = platform.CallsOf("MessageBox");
    ASSERT_FALSE(boxes.empty());
    const std::string kept = ReadFileBytes(target).value_or("<lost>");
    if (platform.Count("ShellOpen") == 0) {
      EXPECT_EQ(boxes.back().kind, MessageKind::Error);
      EXPECT_FALSE(boxes.back().text.empty());
    }
    // Either the director's copy as it was, or the whole form: never a piece.
    EXPECT_TRUE(kept == "le formulaire du directeur" || kept == form) << kept.size();
    EXPECT_EQ(ReadFileBytes(folder.File("Util_Ked.bck")).value_or("<lost>"), c.bytes);
  }
}

}  // namespace
}  // namespace ked
