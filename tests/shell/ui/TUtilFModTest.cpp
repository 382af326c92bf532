#include "shell/ui/TUtilFMod.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "platform/FileIO.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

const std::string nbsp = "\xC2\xA0";

// A committee's file, with lines the window never writes.
const std::string kIni =
    "; r\xE9glages du comit\xE9\r\n"
    "[Compta]\r\nCt_Nm1=du Nord\r\nCt_Eg0=1234,5\r\n\r\n"
    "[Entit\xE9]\r\nCt_Nm1=de l'Est\r\n"
    "[MiseAjour]\r\nNoValide=1\r\nDate=15/10/2011\r\n"
    "[Frais]\r\nFr_A=99,5\r\nFr_Re=26\r\n"
    "[Assist_Arb]\r\nCt_Nm11=0699999999(Anne)\r\n"
    "[Ftp]\r\nCt_Nm2=ftp.example.org\r\n"
    "[Smtp]\r\nCt_Nm9=comite@example.org\r\n";

const char* const kTemplateButtons[] = {"BtTache", "BtAppel", "Btcrendarb",
                                        "BpFrais", "BtCommi", "BtEnregistre"};

class TUtilFModTest : public ::testing::Test {
 protected:
  TUtilFModTest() {
    EXPECT_TRUE(WriteFileBytes(Ini(), kIni));
    window = std::make_unique<TUtilFMod>(ctx);
  }

  std::string Ini() const { return dir.File("Util_Ked.ini"); }

  template <class T = QLineEdit>
  T* Control(const QString& name) {
    T* control = window->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }
  QPushButton* Button(const char* name) { return Control<QPushButton>(name); }

  // Makes a window the active one, as a click on it does.
  static void Activate(QWidget& w) {
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  }
  void SwitchAwayAndBack() {
    QWidget other;
    Activate(other);
    ASSERT_FALSE(window->isActiveWindow());
    Activate(*window);
  }
  void Unlock() { QTest::keyClicks(Control("EditPasseword"), "vermine"); }

  bool Unlocked() { return Button("BtAppel")->isEnabled(); }

  void ExpectLocked() {
    for (const char* name : kTemplateButtons) EXPECT_FALSE(Button(name)->isEnabled()) << name;
    EXPECT_FALSE(Button("BtComptgt")->isEnabled());
    EXPECT_FALSE(Button("BtEnregistrer")->isEnabled());
    EXPECT_TRUE(Button("BtQuitter")->isEnabled());
    for (int i = 1; i <= 11; ++i)
      EXPECT_FALSE(Control(QString("EdCpNm%1").arg(i))->isEnabled()) << i;
    EXPECT_FALSE(Control("EdFrA1")->isEnabled());
    EXPECT_TRUE(Control("EditPasseword")->isEnabled());
    EXPECT_EQ(Control("EditPasseword")->text(), "");
  }

  test::TempDir dir;
  test::FakePlatform platform;
  AppContext ctx{platform, dir.Folder(), LocaleFormat::French(), {}};
  std::unique_ptr<TUtilFMod> window;
};

TEST_F(TUtilFModTest, ActivationShowsEverySettingAndLocksTheWindow) {
  // The contacts were read at start: a later change of the file does not show.
  ASSERT_TRUE(WritePrivateProfileString("Assist_Arb", "Ct_Nm11", "0611111111(Marc)", Ini()));
  Activate(*window);
  EXPECT_EQ(window->windowTitle().toStdString(),
            "Configuration de l'application à son Comité et mise à jour des imprimés ");
  struct Shown {
    const char* control;
    std::string text;
  };
  const Shown shown[] = {
      {"EdFrA1", "99,50"},   {"EdFrA2", "5,90"},       {"EdFrRe", "26,00"},
      {"EdFrEt", "0,49"},    {"EdCpEg0", "1" + nbsp + "234,50"}, {"EdCpEg8", "200,00"},
      {"EdCpIn8", "0,00"},   {"EdCpNm1", "de l'Est"},  {"EdCpNm2", "ftp.example.org"},
      {"EdCpNm3", ""},       {"EdCpNm9", "comite@example.org"},
      {"EdCpNm10", "0601020304(Bernard)"},             {"EdCpNm11", "0699999999(Anne)"},
  };
  for (const Shown& s : shown) EXPECT_EQ(Control(s.control)->text().toStdString(), s.text) << s.control;
  EXPECT_EQ(Button("BtEnregistrer")->text().toStdString(),
            "Enregistrer les :\n- Configurations\n- Paramêtres    ");
  ExpectLocked();

  // The password shows '?', the server fields '*'.
  auto mark = [](QLineEdit* e) {
    EXPECT_EQ(e->echoMode(), QLineEdit::Password);
    return e->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, e);
  };
  EXPECT_EQ(mark(Control("EditPasseword")), '?');
  EXPECT_EQ(mark(Control("EdCpNm4")), '*');
  EXPECT_EQ(mark(Control("EdCpNm8")), '*');
}

TEST_F(TUtilFModTest, ThePasswordTypedOneCharacterAtATimeUnlocksOnTheLastOne) {
  Activate(*window);
  QLineEdit* password = Control("EditPasseword");
  const QString word = "vermine";
  for (int i = 0; i < word.size(); ++i) {
    EXPECT_FALSE(Unlocked()) << i;
    QTest::keyClick(password, word[i].toLatin1());
    if (i + 1 < word.size()) {
      EXPECT_EQ(password->text(), word.left(i + 1));
    }
  }
  ASSERT_TRUE(Unlocked());
  EXPECT_EQ(password->text(), "");
  EXPECT_FALSE(password->isEnabled());
  for (const char* name : kTemplateButtons) EXPECT_TRUE(Button(name)->isEnabled()) << name;
  EXPECT_TRUE(Button("BtEnregistrer")->isEnabled());
  EXPECT_FALSE(Button("BtComptgt")->isEnabled());  // never enabled
  for (const char* name : {"EdCpNm1", "EdCpNm10", "EdCpNm11"})
    EXPECT_TRUE(Control(name)->isEnabled()) << name;
  // The server and number fields stay out of reach in their disabled panels.
  for (const char* name : {"EdCpNm2", "EdCpNm9"}) {
    EXPECT_FALSE(Control(name)->isEnabled()) << name;
    EXPECT_FALSE(Control<QGroupBox>(name == std::string("EdCpNm2") ? "PanelFtp" : "PanelSmtp")
                     ->isEnabled());
  }
  EXPECT_FALSE(Control("EdFrA1")->isEnabled());
  EXPECT_FALSE(Control<QGroupBox>("PanelParametres")->isEnabled());
}

TEST_F(TUtilFModTest, OnlyTheExactPasswordUnlocks) {
  Activate(*window);
  QLineEdit* password = Control("EditPasseword");
  struct Attempt {
    QString text;
    bool typed;  // one key at a time, or pasted whole
  };
  const Attempt refused[] = {
      {"Vermine", true}, {"VERMINE", true}, {"vermin", true}, {"xvermine", true},
      {"vermine ", false}, {" vermine", false}, {"vermine\t", false},
  };
  for (const Attempt& a : refused) {
    password->clear();
    if (a.typed)
      QTest::keyClicks(password, a.text);
    else
      password->setText(a.text);
    EXPECT_FALSE(Unlocked()) << a.text.toStdString();
    EXPECT_EQ(password->text(), a.text);
  }
}

TEST_F(TUtilFModTest, SwitchingAwayAndBackLocksAgainAndReloadsTheFile) {
  Activate(*window);
  QTest::keyClicks(Control("EditPasseword"), "verm");
  SwitchAwayAndBack();
  ExpectLocked();  // the half-typed password is gone

  Unlock();
  ASSERT_TRUE(Unlocked());
  QLineEdit* name = Control("EdCpNm1");
  name->selectAll();
  QTest::keyClicks(name, "du Sud");
  ASSERT_EQ(name->text(), "du Sud");
  ASSERT_TRUE(WritePrivateProfileString("Frais", "Fr_A", "101,25", Ini()));
  SwitchAwayAndBack();
  ExpectLocked();
  EXPECT_EQ(name->text(), "de l'Est");  // not saved: lost
  EXPECT_EQ(Control("EdFrA1")->text(), "101,25");
}

TEST_F(TUtilFModTest, TheFormButtonsOpenTheDesignerOnTheCommitteesTemplates) {
  struct Form {
    const char* button;
    const char* file;
  };
  const Form forms[] = {{"BtTache", "tacharbi.frf"}, {"BtAppel", "Appel.frf"},
                        {"Btcrendarb", "crendarb.frf"}, {"BpFrais", "fraislc.frf"},
                        {"BtCommi", "commis.frf"}};
  for (const Form& f : forms)
    ASSERT_TRUE(WriteFileBytes(dir.File(f.file), "report \"" + std::string(f.file) + "\"\n"));
  Activate(*window);
  Unlock();
  for (const Form& f : forms) {
    platform.Clear();
    QTest::mouseClick(Button(f.button), Qt::LeftButton);
    ASSERT_EQ(platform.Count("EditReportTemplate"), 1u) << f.button;
    EXPECT_EQ(platform.CallsOf("EditReportTemplate")[0].text, dir.File(f.file));
  }
  // "Comptabilité" is never enabled.
  platform.Clear();
  QTest::mouseClick(Button("BtComptgt"), Qt::LeftButton);
  EXPECT_TRUE(platform.calls.empty());

  // A missing template: the message, and no designer on the previous form.
  std::filesystem::remove(dir.File("Appel.frf"));
  QTest::mouseClick(Button("BtAppel"), Qt::LeftButton);
  EXPECT_EQ(platform.Count("EditReportTemplate"), 0u);
  ASSERT_EQ(platform.Count("ShowMessage"), 1u);
  EXPECT_EQ(platform.CallsOf("ShowMessage")[0].text,
            "le fichier -> " + dir.File("Appel.frf") + " <- est manquant");
}

TEST_F(TUtilFModTest, EnregistrerStoresTheWordAndExcelTemplatesAfterConfirmation) {
  Activate(*window);
  Unlock();
  platform.Clear();
  QTest::mouseClick(Button("BtEnregistre"), Qt::LeftButton);  // the fake cancels the box
  const auto boxes = platform.CallsOf("MessageBox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Confirmation);
  EXPECT_EQ(boxes[0].buttons, BtnOk | BtnCancel);
  EXPECT_FALSE(FileExists(dir.File("Util_Ked.bck")));
}

TEST_F(TUtilFModTest, SavingWritesEveryKeyInOrderAndLeavesTheOtherLinesAlone) {
  Activate(*window);
  Unlock();
  QLineEdit* name = Control("EdCpNm1");
  name->selectAll();
  QTest::keyClicks(name, "du Sud");
  QLineEdit* contact = Control("EdCpNm10");
  contact->selectAll();
  QTest::keyClicks(contact, "0622222222(Luc)");
  QTest::mouseClick(Button("BtEnregistrer"), Qt::LeftButton);
  EXPECT_TRUE(platform.CallsOf("ShowMessage").empty());
  EXPECT_EQ(ReadFileBytes(Ini()),
            "; r\xE9glages du comit\xE9\r\n"
            "[Compta]\r\nCt_Nm1=du Nord\r\nCt_Eg0=1234,5\r\n"
            "Ct_Eg1=12\r\nCt_Eg2=20\r\nCt_Eg3=30\r\nCt_Eg4=40\r\nCt_Eg5=60\r\nCt_Eg6=80\r\n"
            "Ct_Eg7=120\r\nCt_Eg8=200\r\nCt_Eg9=0\r\nCt_Ins0=10\r\nCt_Ins1=18\r\nCt_Ins2=20\r\n"
            "Ct_Ins3=22\r\nCt_Ins4=36\r\nCt_Ins5=44\r\nCt_Ins6=50\r\nCt_Ins7=100\r\n"
            "Ct_Ins8=0\r\n\r\n"
            "[Entit\xE9]\r\nCt_Nm1=du Sud\r\n"
            "[MiseAjour]\r\nNoValide=1\r\nDate=15/10/2011\r\n"
            "[Frais]\r\nFr_A=99,5\r\nFr_Re=26\r\nFr_A2=5,9\r\nFr_B=68,3\r\nFr_B2=2\r\n"
            "Fr_C=117,1\r\nFr_C2=3,9\r\nFr_D=136,6\r\nFr_E=175,7\r\nFr_E2=5,9\r\nFr_F=205\r\n"
            "Fr_Et=0,49\r\nFr_Cd=19,5\r\nFr_Ki=0,4\r\nFr_Ho=80\r\n"
            "[Assist_Arb]\r\nCt_Nm11=0699999999(Anne)\r\n"
            "[Ftp]\r\nCt_Nm2=ftp.example.org\r\nCt_Nm3=\r\nCt_Nm4=\r\nCt_Nm5=\r\n"
            "[Smtp]\r\nCt_Nm9=comite@example.org\r\nCt_Nm6=\r\nCt_Nm7=\r\nCt_Nm8=\r\n"
            "[Assist_MCF]\r\nCt_Nm10=0622222222(Luc)\r\n");
}

TEST_F(TUtilFModTest, ABadNumberStopsTheSaveWithItsMessageBeforeAnythingIsWritten) {
  Activate(*window);
  Unlock();
  Control("EdCpNm1")->setText("du Sud");
  Control("EdCpIn3")->setText("22.5");
  QTest::mouseClick(Button("BtEnregistrer"), Qt::LeftButton);
  const auto messages = platform.CallsOf("ShowMessage");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "'22.5' n'est pas une valeur en virgule flottante correcte");
  EXPECT_EQ(ReadFileBytes(Ini()), kIni);
}

TEST_F(TUtilFModTest, QuitterHidesTheWindow) {
  Activate(*window);
  QTest::mouseClick(Button("BtQuitter"), Qt::LeftButton);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace ked
