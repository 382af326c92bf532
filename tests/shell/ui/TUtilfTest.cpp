#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "platform/FileIO.h"
#include "platform/IniFile.h"
#include "organisation/ui/TOrga_FOrga.h"
#include "shell/UpdateCheck.h"
#include "shell/ui/MainWindowFixture.h"

namespace ked {
namespace {

using test::MainWindowFixture;

class TUtilfTest : public ::testing::Test, public MainWindowFixture {};

TEST_F(TUtilfTest, WithoutIniTheCaptionEndsWithTheDefaultCommitteeAndTheCheckRuns) {
  Start();
  EXPECT_TRUE(Main().windowTitle().endsWith("pour le comité de Belmorie"));
  EXPECT_TRUE(Main().windowTitle().contains("13.23.12"));
  ASSERT_EQ(probed.size(), 1u);  // index page unreachable: nothing more asked
  EXPECT_EQ(probed[0], IndexPageAddress());
  EXPECT_EQ(platform.Count("MessageBox"), 0u);
  EXPECT_FALSE(Main().terminateRequested());
}

TEST_F(TUtilfTest, CaptionTakesTheComptaNameNotTheEntiteOne) {
  WriteFileBytes(folder.File("Util_Ked.ini"),
                 "[Compta]\r\nCt_Nm1=du Nord\r\n[Entit\xE9]\r\nCt_Nm1=de l'Est\r\n");
  Start();
  EXPECT_TRUE(Main().windowTitle().endsWith("pour le comité du Nord"));
}

TEST_F(TUtilfTest, NewerVersionAnsweredNoKeepsTheProgramRunning) {
  indexExists = true;
  versionExists = false;
  platform.boxAnswers = {BtnNo};
  Start();
  ASSERT_EQ(platform.Count("MessageBox"), 1u);
  const auto box = platform.CallsOf("MessageBox")[0];
  EXPECT_EQ(box.text, NewVersionMessage());
  EXPECT_EQ(box.kind, MessageKind::Information);
  EXPECT_EQ(box.buttons, unsigned(BtnYes | BtnNo));
  EXPECT_EQ(platform.Count("ShellOpen"), 0u);
  EXPECT_FALSE(Main().terminateRequested());
}

TEST_F(TUtilfTest, NewerVersionAnsweredYesOpensTheDownloadPageAndEnds) {
  indexExists = true;
  versionExists = false;
  platform.boxAnswers = {BtnYes};
  Start();
  ASSERT_EQ(platform.Count("ShellOpen"), 1u);
  EXPECT_EQ(platform.CallsOf("ShellOpen")[0].text, DownloadPageAddress());
  EXPECT_TRUE(Main().terminateRequested());
}

TEST_F(TUtilfTest, CurrentVersionShowsNothing) {
  indexExists = true;
  versionExists = true;
  Start();
  EXPECT_EQ(probed.size(), 2u);
  EXPECT_EQ(platform.Count("MessageBox"), 0u);
}

// The switch ticked on day D suspends the check up to D + 30.
TEST_F(TUtilfTest, UpdateSwitchLastsThirtyDays) {
  const int D = 46000;
  for (int today : {D + 30, D + 31}) {
    test::TempDir dir;
    test::FakePlatform fake;
    fake.today = today;
    int probes = 0;
    AppContext ctx{fake, dir.Folder(), LocaleFormat::French(), [&](const std::string&) {
                     ++probes;
                     return false;
                   }};
    const std::string ini = dir.File("Util_Ked.ini");
    WritePrivateProfileString("MiseAjour", "NoValide", "1", ini);
    WritePrivateProfileString("MiseAjour", "Date", FormatShortDate(D, LocaleFormat::French()), ini);
    AppWindows w(ctx);
    QAction* item = w.main->updateSwitchAction();
    if (today == D + 30) {
      EXPECT_TRUE(item->isChecked());
      EXPECT_EQ(probes, 0);
      EXPECT_EQ(GetPrivateProfileString("MiseAjour", "NoValide", "", ini), "1");
    } else {
      EXPECT_FALSE(item->isChecked());
      EXPECT_EQ(probes, 1);
      EXPECT_EQ(GetPrivateProfileString("MiseAjour", "NoValide", "", ini), "0");
    }
  }
}

TEST_F(TUtilfTest, ToggleWritesTheDayAndTheState) {
  platform.today = 40831;  // 15/10/2011
  Start();
  QAction* item = Item("Nepasvrifierautomatiquementlamisejour1");
  ASSERT_NE(item, nullptr);
  const std::string ini = folder.File("Util_Ked.ini");
  item->trigger();
  EXPECT_TRUE(item->isChecked());
  EXPECT_EQ(*ReadFileBytes(ini), "[MiseAjour]\r\nDate=15/10/2011\r\nNoValide=1\r\n");
  platform.today = 40840;
  item->trigger();
  EXPECT_FALSE(item->isChecked());
  // Unticking keeps the day it was ticked.
  EXPECT_EQ(*ReadFileBytes(ini), "[MiseAjour]\r\nDate=15/10/2011\r\nNoValide=0\r\n");
}

// Every button of the main window, and what pressing it does.
struct ButtonCase {
  const char* name;
  const char* caption;
  const char* file;       // document opened, "" when none
  bool presenceTest;
};

TEST_F(TUtilfTest, DocumentButtonsOpenTheirFileOrSayItIsMissing) {
  const ButtonCase cases[] = {
      {"TacheBp", "Charte des arbitres du Comité", "Charte.pdf", false},
      {"BpTarifs", "Tarifs applicables pour la saison", "Tarifs.pdf", false},
      {"BpAppel", "Appel", "Appel.pdf", true},
      {"bprapport", "Rapport", "RapportArbitrage.pdf", true},
      {"BpFrais", "Frais Arbitrage", "FicheArbitrage.pdf", true},
      {"bpcompte", "Comptable", "DocumentComptable.pdf", true},
      {"BpCode", "Code", "code.pdf", true},
      {"BtTelephone", "Téléphone", "Info_joueurs_cigarettes_téléphones.pdf", true},
      {"BpRpi", "R.P.I.", "RPI.pdf", true},
      {"BpRked", "R.Ked", "RKED.pdf", true},
      {"BtRecommandations", "Recommandations d'arbitrage", "Recommandations.pdf", true},
      {"BtGuide", "Guide pratique d'arbitrage", "Guide.pdf", true},
      {"BtPbPdf", "P D F", "ProblemeArbitrage.pdf", true},
  };
  Start();
  for (const ButtonCase& c : cases) {
    QPushButton* b = Button(c.name);
    ASSERT_NE(b, nullptr) << c.name;
    EXPECT_EQ(b->text().toStdString(), c.caption);
    const std::string path = folder.Folder() + c.file;
    // Absent: the missing-file message with the presence test, silence without.
    platform.Clear();
    QTest::mouseClick(b, Qt::LeftButton);
    if (c.presenceTest) {
      ASSERT_EQ(platform.Count("ShowMessage"), 1u) << c.name;
      EXPECT_EQ(platform.calls[0].text, "le fichier -> " + path + " <- est manquant");
      EXPECT_EQ(platform.Count("ShellOpen"), 0u);
    } else {
      ASSERT_EQ(platform.Count("ShellOpen"), 1u) << c.name;
      EXPECT_EQ(platform.calls[0].text, path);
    }
    // Present: opened with the desktop's application.
    WriteFileBytes(path, "%PDF-1.4\n");
    platform.Clear();
    QTest::mouseClick(b, Qt::LeftButton);
    ASSERT_EQ(platform.calls.size(), 1u) << c.name;
    EXPECT_EQ(platform.calls[0].what, "ShellOpen");
    EXPECT_EQ(platform.calls[0].text, path);
  }
}

TEST_F(TUtilfTest, WindowButtonsShowTheirWindowWhichKeepsItsState) {
  const std::pair<const char*, const char*> cases[] = {
      {"RpImpPV", "TUtil_FPV"},          {"BpGhana", "TUtilGhaF"},
      {"BpSuise", "TOrga_FOrga"},        {"Button3", "TPoulFPrg"},
      {"Button4", "TFMouvChoix"},        {"Button5", "TFUtil_Equilibre"},
      {"BpHorrairesQuatre", "TOrga_FOrga"}, {"BpModification", "TUtilFMod"},
  };
  Start();
  for (auto [button, window] : cases) {
    QWidget* w = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == window) w = top;
    ASSERT_NE(w, nullptr) << window;
    w->hide();
    QTest::mouseClick(Button(button), Qt::LeftButton);
    EXPECT_TRUE(w->isVisible()) << button;
    w->setProperty("kedTestMark", button);
    w->hide();
    QTest::mouseClick(Button(button), Qt::LeftButton);
    EXPECT_EQ(w->property("kedTestMark").toString(), button);  // the same window again
    w->hide();
  }
  EXPECT_EQ(platform.calls.size(), 0u);
}

TEST_F(TUtilfTest, OrganisationCommandsPresetTheCompetitionType) {
  Start();
  TOrga_FOrga& orga = *windows->organisation;
  struct Case { QObject* trigger; int type; } cases[] = {
      {Item("Horaires1"), 0},  // par Paires
      {Item("Horaires2"), 1},  // par Quatre
      {Button("BpHorrairesQuatre"), -1},
      {Item("Horaires1"), 0},
      {Button("BpSuise"), -1},
      {Item("Horaires2"), 1},
      {Item("PatonSuisseBonus1"), -1},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.trigger, nullptr);
    if (auto* a = qobject_cast<QAction*>(c.trigger)) a->trigger();
    else QTest::mouseClick(qobject_cast<QPushButton*>(c.trigger), Qt::LeftButton);
    EXPECT_EQ(orga.competitionType(), c.type) << c.trigger->objectName().toStdString();
    EXPECT_TRUE(orga.isVisible());
  }
}

TEST_F(TUtilfTest, PopupButtonsOpenTheirMenuOnAnyMousePressButNotFromTheKeyboard) {
  Start();
  Main().show();
  const std::pair<const char*, int> cases[] = {{"Bt_Aide", 1}, {"BpMcf", 2}, {"BpRnc", 3}};
  for (auto [name, popup] : cases) {
    QMenu* menu = Main().popupMenu(popup);
    for (Qt::MouseButton mb : {Qt::LeftButton, Qt::RightButton}) {
      QTest::mousePress(Button(name), mb);
      EXPECT_TRUE(menu->isVisible()) << name;
      menu->hide();
    }
    Button(name)->setFocus();
    QTest::keyClick(Button(name), Qt::Key_Space);
    QTest::keyClick(Button(name), Qt::Key_Return);
    EXPECT_FALSE(menu->isVisible()) << name;
  }
  EXPECT_EQ(Main().popupMenu(2)->actions().size(), 8 + 4);  // items and separators
}

TEST_F(TUtilfTest, AssistanceOffersTheRemoteControlTool) {
  WriteFileBytes(folder.File("Util_Ked.ini"),
                 "[Assist_MCF]\r\nCt_Nm10=0102030405(Paul)\r\n[Assist_Arb]\r\nCt_Nm11=0607080910(Anne)\r\n");
  Start();
  struct Case { const char* item; const char* contact; const char* tool; } cases[] = {
      {"ProblmesavecMagicContest1", "0102030405(Paul)", "AnyDesk.exe"},   // popup
      {"ProblmesavecMagicContest2", "0102030405(Paul)", "AnyDesk.exe"},   // menu
      {"Problmedarbitrage1", "0607080910(Anne)", "TeamViewerQS_fr.exe"},
      {"Problmesdarbitrage1", "0607080910(Anne)", "TeamViewerQS_fr.exe"},
  };
  for (const Case& c : cases) {
    QAction* a = Item(c.item);
    ASSERT_NE(a, nullptr) << c.item;
    platform.Clear();
    platform.boxAnswers = {BtnNo};
    a->trigger();
    ASSERT_EQ(platform.calls.size(), 1u) << c.item;
    EXPECT_EQ(platform.calls[0].kind, MessageKind::Error);
    EXPECT_NE(platform.calls[0].text.find(c.contact), std::string::npos);
    platform.Clear();
    platform.boxAnswers = {BtnYes};
    a->trigger();
    ASSERT_EQ(platform.Count("ShellOpen"), 1u);
    EXPECT_EQ(platform.CallsOf("ShellOpen")[0].text, folder.Folder() + c.tool);
  }
}

TEST_F(TUtilfTest, WebPageMailAndRemoteControl) {
  Start();
  for (const char* item : {"PageWebArbitragetlchargement1", "PageTlchargementlogicielsetMisejour1"}) {
    platform.Clear();
    Item(item)->trigger();
    ASSERT_EQ(platform.calls.size(), 1u) << item;
    EXPECT_EQ(platform.calls[0].text, IndexPageAddress());
  }
  platform.Clear();
  Item("PrisedecontrledistancePuiscontacterlaide1")->trigger();
  ASSERT_EQ(platform.calls.size(), 1u);
  EXPECT_EQ(platform.calls[0].text, folder.Folder() + "AnyDesk.exe");

  QAction* mail = Item("McrireRemarquesamliorations1");
  ASSERT_NE(mail, nullptr);
  platform.Clear();
  mail->trigger();
  ASSERT_EQ(platform.calls.size(), 1u);
  EXPECT_EQ(platform.calls[0].text, MailAddress());
  platform.Clear();
  platform.shellOpenResult = false;
  mail->trigger();
  ASSERT_EQ(platform.Count("MessageBox"), 1u);
  const auto box = platform.CallsOf("MessageBox")[0];
  EXPECT_EQ(box.kind, MessageKind::Warning);
  EXPECT_EQ(box.buttons, unsigned(BtnYes));
  EXPECT_EQ(box.text, MailFailedMessage());
}

TEST_F(TUtilfTest, MenuDocumentItemsOpenTheirFile) {
  Start();
  const std::pair<const char*, const char*> cases[] = {
      {"Chartedesarbitres1", "Charte.pdf"},
      {"TarifsEpreuvesFdrales1", "Tarifs.pdf"},
      {"ManuelBridgematePro1", "BridgMat_Pro_Serveur.pdf"},
      {"AvecBridgemate1", "Magic_Contest_TPP.pdf"},
      {"SansBridgemate1", "MCF_Paires.pdf"},
      {"Tournoirgional1", "MCF_tournois_regionaux.pdf"},
      {"AvecBridgemate2", "manuel_magic_contest_equipes_QLM.pdf"},
      {"SansBridgemate2", "MCF_Quatre.pdf"},
      {"GaNasansBridgeMates1", "MCF_GaNa_SansBM.pdf"},
      {"AmricainsansBridgeMates1", "MCF_Americain.pdf"},
  };
  for (auto [item, file] : cases) {
    QAction* a = Item(item);
    ASSERT_NE(a, nullptr) << item;
    platform.Clear();
    a->trigger();
    ASSERT_EQ(platform.calls.size(), 1u) << item;
    EXPECT_EQ(platform.calls[0].what, "ShellOpen");
    EXPECT_EQ(platform.calls[0].text, folder.Folder() + file);
  }
  // With the presence test, absent files are reported.
  for (auto [item, file] : {std::pair{"CodeInternational1", "code.pdf"},
                            std::pair{"RglementNationaldesComptitions1", "RNC.pdf"},
                            std::pair{"AccsauRNC1", "RNC.pdf"},
                            std::pair{"ModificationduRNC1", "RNCM.pdf"},
                            std::pair{"Comptable1", "DocumentComptable.pdf"}}) {
    platform.Clear();
    Item(item)->trigger();
    ASSERT_EQ(platform.Count("ShowMessage"), 1u) << item;
    EXPECT_NE(platform.calls[0].text.find(file), std::string::npos);
  }
}

TEST_F(TUtilfTest, DisabledCommandsNeverAct) {
  Start();
  QPushButton* tableur = Button("BtPbXls");
  ASSERT_NE(tableur, nullptr);
  EXPECT_FALSE(tableur->isEnabled());
  QTest::mouseClick(tableur, Qt::LeftButton);
  int disabled = 0;
  for (QAction* a : Main().findChildren<QAction*>()) {
    if (!a->objectName().startsWith("InitialisationParamtresMCF") && a->text() != "Poule" &&
        a->text() != "Suisse" && a->text() != "Américain" && a->text() != "Baromètre (Poule)")
      continue;
    ++disabled;
    EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    a->trigger();  // a disabled action ignores it
  }
  EXPECT_GE(disabled, 6);
  EXPECT_TRUE(platform.calls.empty());
}

TEST_F(TUtilfTest, CommissionDappelPrintsTheTemplateOfTheProgramsFolder) {
  auto form = ReadFileBytes(std::string(KED_TEST_BIN_DIR) + "/commis.frf");
  ASSERT_TRUE(form.has_value());
  WriteFileBytes(folder.File("commis.frf"), *form);
  Start();
  QTest::mouseClick(Button("BpCommi"), Qt::LeftButton);
  Item("Commissiondappel1")->trigger();  // "Co&mmission d'appel" of the Impression menu
  ASSERT_EQ(platform.Count("ShowReportPreview"), 2u);
  EXPECT_EQ(platform.calls[0].text, folder.Folder() + "commis.frf");
  ASSERT_EQ(platform.previews.size(), 2u);
  EXPECT_EQ(platform.previews[0]->pages.size(), 1u);
  // The export of the same name is another command.
  EXPECT_EQ(Item("Commissiondappel2")->parent()->objectName(), "Modles1");
}

TEST_F(TUtilfTest, QuitEndsTheProgram) {
  Start();
  QSignalSpy spy(&Main(), &TUtilf::terminate);
  QTest::mouseClick(Button("Button2"), Qt::LeftButton);
  EXPECT_EQ(spy.count(), 1);
  EXPECT_TRUE(Main().terminateRequested());
  Item("Quitter1")->trigger();
  EXPECT_EQ(spy.count(), 2);
}

TEST_F(TUtilfTest, F1ShowsTheHelpPageOfTheFocusedControl) {
  Start();
  Main().show();
  const std::pair<const char*, int> cases[] = {
      {"bprapport", 4}, {"BpWRapport", 4}, {"BpCommi", 5}, {"BpWFrais", 5},
      {"BpAppel", 6},   {"BpWappel", 6},   {"TacheBp", 8}, {"BpCode", 1}};
  for (auto [name, number] : cases) {
    platform.Clear();
    Button(name)->setFocus();
    QTest::keyClick(Button(name), Qt::Key_F1);
    ASSERT_EQ(platform.Count("ShowHelp"), 1u) << name;
    EXPECT_EQ(platform.calls[0].number, number) << name;
    EXPECT_EQ(platform.calls[0].text, folder.Folder() + "Util_Ked.hlp");
  }
}

TEST_F(TUtilfTest, HintsOverThePanels) {
  Start();
  EXPECT_EQ(Button("BpAppel")->toolTip(), "Impression des documents");
  EXPECT_EQ(Button("BpCommi")->toolTip(), "Impression des documents");
  EXPECT_EQ(Button("BpWappel")->toolTip(), "Création d'un fichier Word");
  EXPECT_EQ(Button("BpWCompte")->toolTip(), "Création d'un fichier Word");
  EXPECT_EQ(Button("BpWFrais")->toolTip(), "Création d'un fichier Excel");
  EXPECT_EQ(Button("BpCode")->toolTip(), "");
  EXPECT_EQ(Button("TacheBp")->toolTip(), "");
}

}  // namespace
}  // namespace ked
