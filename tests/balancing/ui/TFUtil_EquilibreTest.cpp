#include "balancing/ui/TFUtil_Equilibre.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>

#include "platform/FileIO.h"
#include "report/ReportDocument.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

// A platform whose pending events can act on the window while the search runs.
class SearchPlatform : public test::FakePlatform {
 public:
  std::function<void()> duringSearch;
  std::function<void()> atPowerOff;
  void ProcessPendingEvents() override {
    FakePlatform::ProcessPendingEvents();
    if (duringSearch) duringSearch();
  }
  bool RequestPowerOff() override {
    if (atPowerOff) atPowerOff();
    return FakePlatform::RequestPowerOff();
  }
};

class EquilibreWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(std::string(KED_TEST_BIN_DIR) + "/Equilibrage.frf",
                               dir.File("Equilibrage.frf"));
    window.show();
    window.FormActivate();
  }

  template <typename W>
  W* Find(const QString& name) {
    W* w = window.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QString Text(const QString& label) { return Find<QLabel>(label)->text(); }
  bool Shown(const QString& name) { return !Find<QWidget>(name)->isHidden(); }
  void Click(const QString& button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
  void StepSessions(int steps) {
    QSpinBox* arrows = Find<QSpinBox>("UpDownSeances");
    for (int i = 0; i < std::abs(steps); ++i) steps > 0 ? arrows->stepUp() : arrows->stepDown();
  }
  std::vector<int> Row(const char* prefix) {
    std::vector<int> row;
    for (int t = 1; t <= window.Study().tableCount; ++t)
      row.push_back(Text(QString(prefix) + QString::number(t)).toInt());
    return row;
  }
  std::string MemoryPath() { return dir.File("Equilibre.txt"); }
  std::string ReportText() {
    std::string all;
    for (const auto& page : fake.previews.back()->pages)
      for (const auto& item : page.items) all += item.text + "|";
    return all;
  }

  test::TempDir dir;
  SearchPlatform fake;
  AppContext context{fake, dir.Folder(), LocaleFormat::French(), {}};
  TFUtil_Equilibre window{context};
};

const std::vector<int> kSerpentine10 = {1, 7, 8, 2, 6, 9, 3, 5, 10, 4};

TEST_F(EquilibreWindowTest, OpensOnTheDefaultStudy) {
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Util_Ked Equilibrage des Sections"));
  for (int t = 1; t <= 17; ++t) {
    const QString n = QString::number(t);
    EXPECT_EQ(Shown("T" + n), t <= 10) << t;
    EXPECT_EQ(Shown("E" + n), t <= 10) << t;
    EXPECT_EQ(Shown("S" + n), t <= 10) << t;
    EXPECT_FALSE(Shown("SS" + n)) << t;
    EXPECT_FALSE(Shown("SSS" + n)) << t;
  }
  EXPECT_EQ(Row("E"), kSerpentine10);
  EXPECT_TRUE(Find<QCheckBox>("S6")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("SS5")->isChecked());
  EXPECT_EQ(Find<QLineEdit>("EditNbre")->text(), "10");
  EXPECT_EQ(Find<QLineEdit>("EditSeances")->text(), "1");
  EXPECT_TRUE(Text("Moyen").isEmpty());
  EXPECT_TRUE(Text("Ecart").isEmpty());
  for (const char* hidden : {"Label5", "Edit2", "Edition", "Modification", "ArretPC", "ProgressBar1"})
    EXPECT_FALSE(Shown(hidden)) << hidden;
}

TEST_F(EquilibreWindowTest, TableCountArrowsLaySerpentineAndSectionA) {
  Find<QSpinBox>("UpDownNbre")->stepUp();
  EXPECT_EQ(Find<QLineEdit>("EditNbre")->text(), "11");
  EXPECT_EQ(Row("E"), (std::vector<int>{1, 8, 9, 2, 7, 10, 3, 6, 11, 4, 5}));
  EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "1-8-9-2-7-10-3-6-11-4-5-");
  EXPECT_EQ(Find<QSpinBox>("SpEd_A")->value(), 11);
  EXPECT_TRUE(Shown("T11"));
  EXPECT_FALSE(Shown("T12"));
}

TEST_F(EquilibreWindowTest, SessionRowsShowWithTheSessionCountAndKeepTheirFlags) {
  StepSessions(1);
  EXPECT_TRUE(Shown("SS1"));
  EXPECT_FALSE(Shown("SSS1"));
  StepSessions(1);
  EXPECT_TRUE(Shown("SSS10"));
  EXPECT_FALSE(Shown("SSS11"));
  QTest::mouseClick(Find<QCheckBox>("SSS2"), Qt::LeftButton);
  EXPECT_EQ(window.Study().at(2).SSS, 1);
  StepSessions(-2);
  EXPECT_FALSE(Shown("SS1"));
  EXPECT_FALSE(Shown("SSS1"));
  EXPECT_EQ(window.Study().at(2).SSS, 1);
  EXPECT_EQ(window.Study().sessionCount, 1);
}

TEST_F(EquilibreWindowTest, ScoreShowsSumsCaptionsAndTableOrder) {
  Click("Calcul");
  EXPECT_EQ(Row("M"), (std::vector<int>{9, 3, 5, 10, 4, 1, 7, 8, 2, 6}));
  EXPECT_EQ(Text("Moyen"), "Moyenne = 5,5");
  EXPECT_EQ(Text("Ecart"), "EcartType = 2,8723");
  EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "1+4+7+10+8+5+2+3+6+9+");
  for (const char* shown : {"Label5", "Edit2", "Edition", "Modification"}) EXPECT_TRUE(Shown(shown));
  // Later changes keep them until the next reset.
  Find<QSpinBox>("UpDownNbre")->stepUp();
  EXPECT_TRUE(Shown("Modification"));
  window.FormActivate();
  EXPECT_FALSE(Shown("Modification"));
  EXPECT_TRUE(Text("Ecart").isEmpty());
}

TEST_F(EquilibreWindowTest, ManualOrderTakesAValidLineAndRefusesAnother) {
  QLineEdit* edit = Find<QLineEdit>("Edit1");
  edit->setText("1-2-3-4-5-6-7-8-9-10-");
  Click("Manuel");
  EXPECT_EQ(Row("E"), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(fake.Count("MessageBox"), 0u);

  edit->setText("1-2-3-4-5-6-7-8-9-10");
  Click("Manuel");
  ASSERT_EQ(fake.Count("MessageBox"), 1u);
  const test::Call box = fake.CallsOf("MessageBox")[0];
  EXPECT_EQ(box.text, "La ligne n'est pas valide");
  EXPECT_EQ(box.kind, MessageKind::Error);
  EXPECT_EQ(box.buttons, MessageButtons{BtnYes});
  EXPECT_EQ(Row("E"), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(EquilibreWindowTest, ActivationResetsExceptDuringTheSearch) {
  Find<QSpinBox>("UpDownNbre")->stepUp();
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&window, &activate);
  EXPECT_EQ(window.Study().tableCount, 10);

  StepSessions(1);
  int resetsSeen = 0;
  fake.duringSearch = [&] {
    QEvent again(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &again);
    if (window.Study().sessionCount != 2) ++resetsSeen;
  };
  Click("Optimisation");
  EXPECT_EQ(resetsSeen, 0);
  EXPECT_EQ(window.Study().sessionCount, 2);
}

TEST_F(EquilibreWindowTest, FocusBackFromItsOwnBoxDoesNotReset) {
  Find<QSpinBox>("UpDownNbre")->stepUp();
  Find<QLineEdit>("Edit1")->setText("1-2-");
  Click("Manuel");
  ASSERT_EQ(fake.Count("MessageBox"), 1u);
  QEvent back(QEvent::WindowActivate);
  QApplication::sendEvent(&window, &back);
  EXPECT_EQ(window.Study().tableCount, 11);
  QEvent later(QEvent::WindowActivate);
  QApplication::sendEvent(&window, &later);
  EXPECT_EQ(window.Study().tableCount, 10);
}

TEST_F(EquilibreWindowTest, SearchFindsTheBestSeatingAndStoresIt) {
  StepSessions(1);
  std::vector<std::string> disabled;
  fake.duringSearch = [&] {
    if (!disabled.empty()) return;
    for (const char* name : {"UpDownNbre", "UpDownSeances", "S1", "SS17", "SSS3", "Affichage",
                             "Manuel", "Calcul", "Optimisation", "Edition", "Modification"})
      if (!Find<QWidget>(name)->isEnabled()) disabled.push_back(name);
    EXPECT_TRUE(Shown("ProgressBar1"));
    EXPECT_TRUE(Shown("ArretPC"));
    EXPECT_FALSE(Shown("Edit2"));
    EXPECT_EQ(Text("NbVerif"), "362880");
  };
  Click("Optimisation");
  EXPECT_EQ(disabled.size(), 11u);
  // Pending events run at most once per 128 tests; skipped seatings count in bulk.
  EXPECT_GT(fake.pendingEventRuns, 0);
  EXPECT_LE(fake.pendingEventRuns, 362880 / 128);
  EXPECT_EQ(Text("Verif"), "362880");
  EXPECT_EQ(Row("E"), (std::vector<int>{1, 9, 3, 7, 5, 6, 4, 8, 2, 10}));
  EXPECT_EQ(Row("M"), (std::vector<int>{11, 10, 12, 10, 12, 11, 10, 12, 10, 12}));
  EXPECT_EQ(Text("Moyen"), "Moyenne = 11");
  EXPECT_EQ(Text("Ecart"), "EcartType = 0,8944");
  EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "1+9+3+7+5+6+4+8+2+10+");
  EXPECT_TRUE(Shown("Edit2"));
  EXPECT_FALSE(Shown("ProgressBar1"));
  EXPECT_FALSE(Shown("ArretPC"));
  EXPECT_TRUE(Find<QWidget>("Calcul")->isEnabled());
  EXPECT_EQ(*ReadFileBytes(MemoryPath()), "10 2 0000010000+0000100000 1-9-3-7-5-6-4-8-2-10-\r\n");
  EXPECT_EQ(fake.Count("MessageBox"), 0u);
  EXPECT_EQ(fake.Count("RequestPowerOff"), 0u);
}

TEST_F(EquilibreWindowTest, PowerOffIsRequestedOnlyAfterTheStudyIsStored) {
  StepSessions(1);
  fake.duringSearch = [&] {
    QCheckBox* box = Find<QCheckBox>("ArretPC");
    if (!box->isChecked()) QTest::mouseClick(box, Qt::LeftButton);
  };
  std::string storedAtPowerOff;
  fake.atPowerOff = [&] { storedAtPowerOff = ReadFileBytes(MemoryPath()).value_or(""); };
  Click("Optimisation");
  EXPECT_EQ(fake.Count("RequestPowerOff"), 1u);
  EXPECT_EQ(storedAtPowerOff, "10 2 0000010000+0000100000 1-9-3-7-5-6-4-8-2-10-\r\n");
  EXPECT_FALSE(Shown("ArretPC"));
  // The memorised study: the hidden box keeps its tick and is read all the same.
  fake.duringSearch = nullptr;
  fake.boxAnswers.push_back(BtnYes);
  Click("Optimisation");
  EXPECT_EQ(fake.Count("RequestPowerOff"), 2u);
}

TEST_F(EquilibreWindowTest, MemorisedStudyAnsweredYesRunsNoSearch) {
  const std::string memory =
      "4 1 0100 1-3-4-2-\r\n10 2 0000010000+0000100000 1-9-3-7-5-6-4-8-2-10-\r\n";
  ASSERT_TRUE(WriteFileBytes(MemoryPath(), memory));
  StepSessions(1);
  fake.boxAnswers.push_back(BtnYes);
  Click("Optimisation");
  ASSERT_EQ(fake.Count("MessageBox"), 1u);
  const test::Call box = fake.CallsOf("MessageBox")[0];
  EXPECT_EQ(box.kind, MessageKind::Confirmation);
  EXPECT_EQ(box.buttons, MessageButtons{BtnYes | BtnNo});
  EXPECT_EQ(box.text,
            "L'étude ayant déjà été faite \rDésirez vous utiliser les \rdonnées mémorisées ?");
  EXPECT_EQ(fake.pendingEventRuns, 0);
  EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "1-9-3-7-5-6-4-8-2-10-");
  EXPECT_EQ(Text("Ecart"), "EcartType = 0,8944");
  EXPECT_EQ(*ReadFileBytes(MemoryPath()), memory);
}

TEST_F(EquilibreWindowTest, MemorisedStudyAnsweredNoIsSearchedAgainAndReplacedInPlace) {
  ASSERT_TRUE(WriteFileBytes(MemoryPath(),
                             "10 2 0000010000+0000100000 1-2-3-4-5-6-7-8-9-10-\r\n4 1 0100 1-3-4-2-\r\n"));
  StepSessions(1);
  fake.boxAnswers.push_back(BtnNo);
  Click("Optimisation");
  EXPECT_GT(fake.pendingEventRuns, 0);
  EXPECT_EQ(*ReadFileBytes(MemoryPath()),
            "10 2 0000010000+0000100000 1-9-3-7-5-6-4-8-2-10-\r\n4 1 0100 1-3-4-2-\r\n");
}

TEST_F(EquilibreWindowTest, BadMemorisedLineKeepsTheSeatingOnScreen) {
  ASSERT_TRUE(WriteFileBytes(MemoryPath(), "10 1 0000010000 1-2-2-\r\n"));
  fake.boxAnswers.push_back(BtnYes);
  Click("Optimisation");
  ASSERT_EQ(fake.Count("MessageBox"), 2u);
  EXPECT_EQ(fake.CallsOf("MessageBox")[1].text, "La ligne n'est pas valide");
  EXPECT_EQ(Row("E"), kSerpentine10);
  EXPECT_EQ(Text("Ecart"), "EcartType = 2,8723");
  EXPECT_EQ(*ReadFileBytes(MemoryPath()), "10 1 0000010000 1-7-8-2-6-9-3-5-10-4-\r\n");
}

TEST_F(EquilibreWindowTest, BeyondFifteenTablesTheUsualStudyRunsOnA64BitScale) {
  QSpinBox* tables = Find<QSpinBox>("UpDownNbre");
  for (int i = 0; i < 6; ++i) tables->stepUp();
  StepSessions(1);
  QCheckBox* ss5 = Find<QCheckBox>("SS5");  // the neighbour of S6 stays
  ASSERT_TRUE(ss5->isChecked());
  int maximum = 0;
  fake.duringSearch = [&] { maximum = Find<QProgressBar>("ProgressBar1")->maximum(); };
  Click("Optimisation");
  EXPECT_EQ(Text("NbVerif"), "1307674368000");
  EXPECT_EQ(maximum, static_cast<int>(1307674368000ull >> 10));
  EXPECT_EQ(fake.Count("MessageBox"), 0u);
  EXPECT_NE(ReadFileBytes(MemoryPath())->find("16 2 "), std::string::npos);
}

TEST_F(EquilibreWindowTest, StudiesBeyondReachAreGivenUp) {
  window.searchStepBudget = 1000;
  QSpinBox* tables = Find<QSpinBox>("UpDownNbre");
  for (int i = 0; i < 6; ++i) tables->stepUp();
  ASSERT_EQ(window.Study().tableCount, 16);
  StepSessions(1);
  for (const char* box : {"S2", "S9", "S13", "SS3", "SS11"})
    QTest::mouseClick(Find<QCheckBox>(box), Qt::LeftButton);
  Click("Optimisation");
  ASSERT_EQ(fake.Count("MessageBox"), 1u);
  EXPECT_EQ(fake.CallsOf("MessageBox")[0].kind, MessageKind::Warning);
  EXPECT_EQ(fake.CallsOf("MessageBox")[0].text, kSearchOutOfReachMessage);
  EXPECT_EQ(Row("E"), (std::vector<int>{1, 11, 12, 2, 10, 13, 3, 9, 14, 4, 8, 15, 5, 7, 16, 6}));
  EXPECT_EQ(*ReadFileBytes(MemoryPath()), "");
  EXPECT_FALSE(Shown("ArretPC"));
  EXPECT_FALSE(Shown("ProgressBar1"));
  EXPECT_TRUE(Find<QWidget>("Optimisation")->isEnabled());
  EXPECT_EQ(fake.Count("RequestPowerOff"), 0u);
}

TEST_F(EquilibreWindowTest, ReportAnswersEveryVariable) {
  Click("Calcul");
  Click("Edition");
  ASSERT_EQ(fake.Count("ShowReportPreview"), 1u);
  EXPECT_EQ(fake.CallsOf("ShowReportPreview")[0].text, dir.File("Equilibrage.frf"));
  const std::string text = ReportText();
  EXPECT_NE(text.find("10 tables, 9 tours, 1 séance(s)"), std::string::npos) << text;
  EXPECT_NE(text.find("Ordre initial des équipes : 1-7-8-2-6-9-3-5-10-4-"), std::string::npos);
  EXPECT_NE(text.find("Moyenne = 5,5"), std::string::npos);
  EXPECT_NE(text.find("EcartType = 2,8723"), std::string::npos);
  // The rows: table 6 holds rank 9, position 6 not played, sum 1.
  EXPECT_NE(text.find("|Rang|1|7|8|2|6|9|3|5|10|4|"), std::string::npos) << text;
  EXPECT_NE(text.find("|S|0|0|0|0|0|1|0|0|0|0|"), std::string::npos) << text;
  EXPECT_NE(text.find("|SS|0|0|0|0|1|0|"), std::string::npos) << text;
  EXPECT_NE(text.find("|M|9|3|5|10|4|1|7|8|2|6|"), std::string::npos) << text;
}

TEST_F(EquilibreWindowTest, SeedingFileThroughTheSaveDialog) {
  Click("Calcul");
  const std::string path = dir.File("seeding.txt");
  fake.fileAnswers.push_back(path);
  Click("Modification");
  ASSERT_EQ(fake.Count("SaveFileDialog"), 1u);
  const FileDialogRequest request = fake.CallsOf("SaveFileDialog")[0].dialog;
  EXPECT_EQ(request.initialDirectory, dir.Folder());
  EXPECT_EQ(request.fileName, fake.documentsFolder + "/Magic Files/Mouvement/Equilibrage_MCF.txt");
  EXPECT_EQ(*ReadFileBytes(path),
            "1\t1\t1\t2\r\n1\t2\t13\t14\r\n1\t3\t16\t15\r\n1\t4\t4\t3\r\n1\t5\t12\t11\r\n"
            "1\t6\t17\t18\r\n1\t7\t5\t6\r\n1\t8\t9\t10\r\n1\t9\t20\t19\r\n1\t10\t8\t7\r\n");

  // Cancelled: nothing written.
  std::filesystem::remove(path);
  Click("Modification");
  EXPECT_FALSE(FileExists(path));

  // Incomplete with no table in section A: refused.
  Find<QSpinBox>("SpEd_A")->setValue(0);
  QTest::mouseClick(Find<QRadioButton>("RadGp_F_Incompletes"), Qt::LeftButton);
  Click("Modification");
  EXPECT_EQ(fake.Count("SaveFileDialog"), 2u);
  ASSERT_EQ(fake.Count("MessageBox"), 1u);
  EXPECT_EQ(fake.CallsOf("MessageBox")[0].kind, MessageKind::Warning);
}

TEST_F(EquilibreWindowTest, HelpOpensTheDocumentAndCloseHides) {
  Click("Aide");
  ASSERT_EQ(fake.Count("ShellOpen"), 1u);
  EXPECT_EQ(fake.CallsOf("ShellOpen")[0].text, dir.Folder() + "Equilibrage.pdf");
  Click("BitBtn1");
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace ked
