#include "movements/ui/TFMouvChoix.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "platform/FileIO.h"
#include "platform/ui/QtText.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

class TFMouvChoixTest : public ::testing::Test {
 protected:
  test::TempDir folder;
  test::FakePlatform platform;
  AppContext context{platform, folder.Folder(), LocaleFormat::French(), {}};
  std::unique_ptr<TFMouvChoix> window;

  void Create(const std::string& catalogue = "") {
    if (!catalogue.empty()) {
      ASSERT_TRUE(WriteFileBytes(folder.File("Mouvements.txt"), catalogue));
    }
    window = std::make_unique<TFMouvChoix>(context);
    window->show();
  }
  template <class T>
  T* Get(const char* name) {
    T* w = window->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QSpinBox* Spin(const char* name) { return Get<QSpinBox>(name); }
  int Value(const char* name) { return Spin(name)->value(); }
  void Type(const char* name, int value) {
    QSpinBox* spin = Spin(name);
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
  }
  void Click(const char* name) { QTest::mouseClick(Get<QPushButton>(name), Qt::LeftButton); }
  QString MemoText() { return Get<QPlainTextEdit>("Memo1")->toPlainText(); }
  int CheckedKind(const char* group) {
    const auto radios = Get<QGroupBox>(group)->findChildren<QRadioButton*>();
    for (int i = 0; i < radios.size(); ++i)
      if (radios[i]->isChecked()) return radios[i]->objectName().section('_', -1).toInt();
    return -1;
  }
  // Selects memo lines first to last (from 0) as a user's drag would.
  void SelectLines(int first, int last) {
    auto* memo = Get<QPlainTextEdit>("Memo1");
    QTextCursor c(memo->document()->findBlockByNumber(first));
    const QTextBlock end = memo->document()->findBlockByNumber(last);
    c.setPosition(end.position() + end.length() - 1, QTextCursor::KeepAnchor);
    memo->setTextCursor(c);
  }
  // The user's own text in the memo, lines 0 to `last` selected.
  void ExtractFromMemo(const std::string& text, int last) {
    Get<QPlainTextEdit>("Memo1")->setPlainText(Q(text));
    SelectLines(0, last);
    Click("Bt_Analyser");
  }
  void ChooseKind(const char* radio) {
    auto* button = Get<QRadioButton>(radio);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
  }
};

const char* kCatalogue =
    "Notes\r\n**2;26;\r\nun\r\ndeux\r\ntrois\r\n**2;28;\r\nquatre\r\n**1;16;\r\n"
    "Howell entrelac\xE9s de 8 tables : 7X4\r\n";

TEST_F(TFMouvChoixTest, CreationShowsTheDefaults) {
  Create(kCatalogue);
  EXPECT_EQ(window->windowTitle(), QString("Util_Ked Choisir Mouvements Inter-Séances"));
  EXPECT_EQ(MemoText(),
            "Choisir le nombre de:\n - Paires, \n - Séances (attention 2 séances sur une "
            "journée et 3 séances sur un week end).\n          avec 1 séance pouvant être "
            "composée de plusieurs mini-séances.");
  EXPECT_EQ(Value("SpPaires"), 26);
  EXPECT_EQ(Value("SpSeance"), 2);
  EXPECT_EQ(Value("SpEd_Section"), 1);
  EXPECT_EQ(Value("SpEd_T"), 9);
  EXPECT_EQ(Value("SpEd_A"), 13);
  EXPECT_EQ(CheckedKind("Rgp_A"), 0);
  EXPECT_TRUE(Spin("SpPaires")->isEnabled());
  for (const char* hidden : {"SpEd_B", "SpEd_C", "SpEd_D"}) EXPECT_FALSE(Spin(hidden)->isVisible());
  for (const char* hidden : {"Rgp_B", "Rgp_C", "Rgp_D"})
    EXPECT_FALSE(Get<QGroupBox>(hidden)->isVisible());
}

TEST_F(TFMouvChoixTest, WithoutCatalogueTheEventCannotChange) {
  Create();
  EXPECT_FALSE(Spin("SpPaires")->isEnabled());
  EXPECT_FALSE(Spin("SpSeance")->isEnabled());
}

TEST_F(TFMouvChoixTest, SectionAFollowsThePairs) {
  Create(kCatalogue);
  for (auto [pairs, tables] : {std::pair{25, 13}, {27, 14}, {26, 13}}) {
    Type("SpPaires", pairs);
    EXPECT_EQ(Value("SpEd_A"), tables) << pairs;
  }
}

TEST_F(TFMouvChoixTest, SectionBTakesItsTablesFromSectionA) {
  Create(kCatalogue);  // 26 pairs: 13 tables
  Type("SpEd_Section", 2);
  EXPECT_TRUE(Spin("SpEd_B")->isVisible());
  EXPECT_TRUE(Get<QGroupBox>("Rgp_B")->isVisible());
  EXPECT_FALSE(Spin("SpEd_C")->isVisible());
  Type("SpEd_B", 6);
  EXPECT_EQ(Value("SpEd_A"), 7);
  EXPECT_EQ(Spin("SpEd_B")->maximum(), 12);
}

TEST_F(TFMouvChoixTest, BackToOneSectionGivesEveryTableToA) {
  Create(kCatalogue);
  Type("SpEd_Section", 2);
  Type("SpEd_B", 4);
  Type("SpEd_Section", 3);
  Type("SpEd_C", 3);
  EXPECT_EQ(Value("SpEd_A"), 6);
  Type("SpEd_Section", 1);
  EXPECT_EQ(Value("SpEd_B"), 0);
  EXPECT_EQ(Value("SpEd_C"), 0);
  EXPECT_EQ(Value("SpEd_A"), 13);
  EXPECT_FALSE(Spin("SpEd_B")->isVisible());
  EXPECT_FALSE(Spin("SpEd_C")->isVisible());
}

TEST_F(TFMouvChoixTest, MemoShowsTheEventsBlock) {
  Create(kCatalogue);
  Type("SpPaires", 28);
  EXPECT_EQ(MemoText(), "quatre");
  Type("SpPaires", 26);
  EXPECT_EQ(MemoText(), "un\ndeux\ntrois");
  Type("SpSeance", 3);
  EXPECT_EQ(MemoText(),
            "Choisir le nombre de:\n - Paires,\n - séances (attention 2 séances sur une "
            "journée et 3 séances sur un week end).\n          Avec 1 séances pouvant être "
            "composée de plusieurs mini-séances.");
}

TEST_F(TFMouvChoixTest, CatalogueRemovedLaterIsReported) {
  Create(kCatalogue);
  std::filesystem::remove(folder.File("Mouvements.txt"));
  Type("SpPaires", 28);
  ASSERT_EQ(platform.Count("ShowMessage"), 1u);
  EXPECT_EQ(platform.CallsOf("ShowMessage")[0].text,
            "le fichier -> " + folder.File("Mouvements.txt") + " <- est manquant");
}

TEST_F(TFMouvChoixTest, ExtractionOfTheSelectedProposal) {
  Create(kCatalogue);
  Type("SpSeance", 1);
  Type("SpPaires", 16);
  SelectLines(0, 0);
  Click("Bt_Analyser");
  EXPECT_EQ(CheckedKind("Rgp_A"), 3);
  EXPECT_EQ(Value("SpEd_A"), 8);
  EXPECT_EQ(Value("SpEd_T"), 7);
  EXPECT_EQ(Value("SpEd_Section"), 1);
}

TEST_F(TFMouvChoixTest, ExtractionOfTwoSectionsTakesSectionAFromTheRemainder) {
  Create(kCatalogue);  // 13 tables
  ExtractFromMemo("Howell de 12 tables : 12X2\nMitchell de 6 tables : 7X4\nMitchell de 2 : 7X4", 1);
  EXPECT_EQ(Value("SpEd_Section"), 2);
  EXPECT_EQ(CheckedKind("Rgp_B"), 0);
  EXPECT_EQ(CheckedKind("Rgp_C"), -1);
  EXPECT_EQ(Value("SpEd_B"), 6);
  EXPECT_EQ(Value("SpEd_A"), 7);
  EXPECT_EQ(Value("SpEd_T"), 12);
  EXPECT_EQ(CheckedKind("Rgp_A"), 4);
  EXPECT_TRUE(Spin("SpEd_B")->isVisible());
}

TEST_F(TFMouvChoixTest, ExtractionReadsCommaAndExtendedSecondSection) {
  Create(kCatalogue);
  Type("SpPaires", 20);  // 10 tables
  ExtractFromMemo("Mitchell de 9, relais : 10X3", 0);
  EXPECT_EQ(Value("SpEd_A"), 10);
  EXPECT_EQ(Value("SpEd_T"), 10);
  ExtractFromMemo("Mitchell de 6 tables : 6X4\nMitchell élargi de 4 tables : 6X4", 1);
  EXPECT_EQ(CheckedKind("Rgp_B"), 1);
  EXPECT_EQ(Value("SpEd_B"), 4);
  EXPECT_EQ(Value("SpEd_A"), 6);
  EXPECT_EQ(Value("SpEd_T"), 6);
}

TEST_F(TFMouvChoixTest, ExtractionErrorKeepsWhatWasSet) {
  Create(kCatalogue);
  ExtractFromMemo("Howell de 7 tables : X2", 0);
  EXPECT_EQ(CheckedKind("Rgp_A"), 4);
  EXPECT_EQ(Value("SpEd_T"), 9);
  const auto boxes = platform.CallsOf("MessageBox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Error);
  EXPECT_EQ(boxes[0].text, "'' n'est pas une valeur entière correcte");
}

TEST_F(TFMouvChoixTest, SeedingFileIsSavedWhereTheUserConfirms) {
  Create(kCatalogue);
  Type("SpEd_T", 13);
  const std::string target = folder.File("Equilibrage_MCF.txt");
  platform.documentsFolder = "/home/arbitre/Documents";
  platform.fileAnswers = {target};
  Click("Button1");
  const auto dialogs = platform.CallsOf("SaveFileDialog");
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].dialog.fileName,
            "/home/arbitre/Documents/Magic Files/Mouvement/Equilibrage_MCF.txt");
  EXPECT_EQ(dialogs[0].dialog.initialDirectory, "");
  const auto bytes = ReadFileBytes(target);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->substr(0, 20), "1\t1\t1\t2\r\n1\t2\t13\t14\r\n");
  EXPECT_EQ(std::count(bytes->begin(), bytes->end(), '\n'), 13);
}

TEST_F(TFMouvChoixTest, SeedingFileMessagesWriteNothing) {
  Create(kCatalogue);
  Type("SpEd_T", 12);  // a Mitchell of 13 tables in 12 rounds
  Click("Button1");
  ChooseKind("Rgp_A_4");
  Click("Button1");  // no Howell of 13 tables in 12 rounds
  const auto messages = platform.CallsOf("ShowMessage");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "Voir fenêtre : Serpentin optimisé avec position(s) non-jouée(s).");
  EXPECT_EQ(messages[1].text, "Impossible de trouver un mouvement cohérent mémorisé.");
  EXPECT_EQ(platform.Count("SaveFileDialog"), 0u);
}

TEST_F(TFMouvChoixTest, HelpButtonsOpenTheirDocuments) {
  Create(kCatalogue);
  platform.shellOpenResult = false;  // a failure is not reported
  Click("BtAide");
  Click("BitBtn2");
  const auto opened = platform.CallsOf("ShellOpen");
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0].text, folder.File("Mouvements_Speciaux.pdf"));
  EXPECT_EQ(opened[1].text, folder.File("Mouvements.pdf"));
  EXPECT_EQ(platform.Count("MessageBox") + platform.Count("ShowMessage"), 0u);
}

TEST_F(TFMouvChoixTest, SettingsSurviveClosing) {
  Create(kCatalogue);
  Type("SpEd_Section", 2);
  Type("SpEd_B", 5);
  Click("BitBtn1");
  EXPECT_FALSE(window->isVisible());
  window->show();
  EXPECT_EQ(Value("SpEd_B"), 5);
  EXPECT_EQ(Value("SpEd_A"), 8);
}

}  // namespace
}  // namespace ked
