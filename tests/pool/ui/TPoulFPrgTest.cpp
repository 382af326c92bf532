#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTableWidget>
#include <QtTest/QtTest>
#include <filesystem>

#include "platform/FileIO.h"
#include "platform/IniFile.h"
#include "platform/ui/QtText.h"
#include "pool/PoulOpt.h"
#include "pool/Serpentine.h"
#include "pool/TeamList.h"
#include "pool/ui/MultiLineTabs.h"
#include "pool/ui/TPoulFPrg.h"
#include "report/ReportDocument.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

const std::string kData = std::string(KED_SOURCE_DIR) + "/tests/pool/data/";
const char* kEighteenTitle = "Util_Ked Gestion de Poules -> Coupe de Belmorie Division Excellence : Poule A";

// A team list of n teams with these entity codes.
std::string TeamList(int n, const std::string& title = "Essai") {
  std::string file = "#INTITULE\r\nPAS;;;;" + title + ";du jour;A\r\n#INSCRITS_GROUPE\r\n";
  for (int i = 1; i <= n; ++i)
    file += std::to_string(i) + ";" + std::to_string(100 - i) + ";0;0;" +
            std::to_string(100 * (i % 3)) + ";;;Club" + std::to_string(i) + ";N" +
            std::to_string(i) + ";P\r\n";
  return file + "\r\n";
}

class PoolWindow : public ::testing::Test {
 protected:
  PoolWindow() {
    std::filesystem::copy_file(std::string(KED_SOURCE_DIR) + "/install/Poules.frf",
                               folder.File("Poules.frf"));
  }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = lists.File(name);
    EXPECT_TRUE(WriteFileBytes(path, bytes));
    return path;
  }
  void Import(const std::string& path) {
    fake.fileAnswers.push_back(path);
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
  }
  void Activate() {
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);
  }
  template <class T>
  T* Find(const char* name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  std::string Cell(const char* grid, int row, int column) {
    const QTableWidgetItem* item = Find<QTableWidget>(grid)->item(row, column);
    return item ? S(item->text()) : std::string("<none>");
  }
  std::string Caption() { return S(window.windowTitle()); }
  // The five cells of a round grid's row, as "visitor name|visitor|table|home|home name".
  std::string Row(const char* grid, int row) {
    std::string text;
    for (int c = 0; c < 5; ++c) text += (c ? "|" : "") + Cell(grid, row, c);
    return text;
  }
  std::string Texts(const ReportPage& page) {
    std::string all;
    for (const auto& item : page.items)
      if (item.kind == ReportItem::Kind::Text) all += item.text + "\n";
    return all;
  }

  test::TempDir folder, lists;
  test::FakePlatform fake;
  AppContext context{fake, folder.Folder(), LocaleFormat::French(), {}};
  TPoulFPrg window{context};
};

TEST_F(PoolWindow, AsCreated) {
  EXPECT_EQ(Caption(), "Util_Ked Gestion de Poules V 1.2 ( pour Validation ) -> ");
  EXPECT_EQ(S(Find<QLabel>("Label1")->text()),
            "Optimisé pour que les équipes 'proches' jouent dans les premiers tours.");
  EXPECT_EQ(S(Find<QPushButton>("Button1")->text()), "Chargement des données Importées d'Internet");
  EXPECT_EQ(S(Find<QPushButton>("Edition")->text()), "Edition");
  auto* pages = Find<QTabWidget>("PageControl1");
  ASSERT_EQ(pages->count(), 3);
  EXPECT_EQ(S(pages->tabText(0)), "Liste des équipes");
  EXPECT_EQ(S(pages->tabText(1)), "Ordre des Tours Serpentin");
  EXPECT_EQ(S(pages->tabText(2)), "Ordre des Tours Optimisé");
  EXPECT_EQ(pages->currentWidget()->objectName(), "TabSheet3");
  for (const char* tabs : {"TabControlSerp", "TabControlOpt"}) {
    auto* bar = Find<MultiLineTabs>(tabs);
    ASSERT_EQ(bar->count(), 2);
    EXPECT_EQ(S(bar->tabText(0)), "Tour 1");
    EXPECT_EQ(S(bar->tabText(1)), "Tour 2");
  }
  auto* progress = Find<QProgressBar>("ProgressBar1");
  EXPECT_FALSE(progress->isHidden());
  EXPECT_EQ(progress->maximum(), 100);
  EXPECT_EQ(Find<QTableWidget>("StringGrid1")->columnCount(), 6);
  EXPECT_EQ(Find<QTableWidget>("StringGridSerp")->columnCount(), 5);
}

TEST_F(PoolWindow, ActivationReadsTheRememberedFolder) {
  ASSERT_TRUE(WritePrivateProfileString("Repertoire", "Lecture", "/srv/listes/", folder.File("poules.ini")));
  Activate();
  EXPECT_EQ(Caption(), "Util_Ked Gestion de Poules -> Vide");
  const char* headers[] = {"Num", "indice", "PtE", "PtP", "Entité", "Nom"};
  for (int c = 0; c < 6; ++c) EXPECT_EQ(Cell("StringGrid1", 0, c), headers[c]);
  EXPECT_EQ(Find<QTableWidget>("StringGrid1")->rowCount(), 2);

  QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);  // cancelled
  const auto dialogs = fake.CallsOf("OpenFileDialog");
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].dialog.initialDirectory, "/srv/listes/");
  EXPECT_EQ(dialogs[0].dialog.filter, "Fichier Texte (*.txt)");
}

TEST_F(PoolWindow, ImportShowsTeamsTabsAndBothOrders) {
  Activate();
  std::filesystem::copy_file(kData + "eighteen.txt", lists.File("eighteen.txt"));
  Import(lists.File("eighteen.txt"));

  EXPECT_EQ(Caption(), kEighteenTitle);
  EXPECT_TRUE(window.PoolLoaded());
  auto* teams = Find<QTableWidget>("StringGrid1");
  EXPECT_FALSE(teams->isHidden());
  ASSERT_EQ(teams->rowCount(), 19);
  EXPECT_EQ(Cell("StringGrid1", 1, 0), "1");
  EXPECT_EQ(Cell("StringGrid1", 1, 1), "1203");
  EXPECT_EQ(Cell("StringGrid1", 1, 2), "412");
  EXPECT_EQ(Cell("StringGrid1", 1, 3), "388");
  EXPECT_EQ(Cell("StringGrid1", 1, 4), "10101");
  EXPECT_EQ(Cell("StringGrid1", 1, 5), "Bridge Club de Belmorie LEFÈVRE Hélène");
  // Equal indice 1150: the larger ptp first.
  EXPECT_EQ(Cell("StringGrid1", 5, 5), "Les Quatre Vents GAUTHIER Noël");
  EXPECT_EQ(Cell("StringGrid1", 6, 5), "Cercle de l'Étang PÉRIER Zoé");
  EXPECT_EQ(Find<QTabWidget>("PageControl1")->currentWidget()->objectName(), "TabSheet1");

  for (const char* tabs : {"TabControlSerp", "TabControlOpt"}) {
    auto* bar = Find<MultiLineTabs>(tabs);
    ASSERT_EQ(bar->count(), 17);
    EXPECT_EQ(S(bar->tabText(16)), "Tour 17");
    EXPECT_EQ(bar->currentIndex(), 0);
  }
  EXPECT_EQ(Find<QTableWidget>("StringGridSerp")->rowCount(), 10);
  EXPECT_EQ(Find<QTableWidget>("StringGridOpt")->rowCount(), 10);
  EXPECT_EQ(Row("StringGridSerp", 1),
            "Bridge Club de Belmorie LEFÈVRE Hélène|1|1|2|Cercle de l'Étang MÉNARD François");
  EXPECT_EQ(Row("StringGridSerp", 9).substr(Row("StringGridSerp", 9).find('|')), "|17|9|18|Cercle de l'Étang AUBRÉE Thérèse");

  // The grids show what the core built, round by round.
  const Pool& pool = window.CurrentPool();
  const RoundTable optimised = BuildOptimised(pool, BuildSerpentine(pool));
  EXPECT_EQ(window.Optimised(), optimised);
  auto* optTabs = Find<MultiLineTabs>("TabControlOpt");
  for (int r : {1, 9, 17}) {
    optTabs->setCurrentIndex(r - 1);
    for (int t = 1; t <= 9; ++t) {
      const MatchCell& c = optimised.at(r, t);
      EXPECT_EQ(Row("StringGridOpt", t), TeamName(pool.teams[c.visitor]) + "|" + std::to_string(c.visitor) +
                                             "|" + std::to_string(t) + "|" + std::to_string(c.home) + "|" +
                                             TeamName(pool.teams[c.home]));
    }
  }
  // A click on the tab of round 17, shown on the second line of tabs.
  window.show();
  Find<QTabWidget>("PageControl1")->setCurrentIndex(1);
  auto* tab17 = Find<MultiLineTabs>("TabControlSerp")->findChild<QToolButton*>("Tab16");
  ASSERT_NE(tab17, nullptr);
  EXPECT_GT(tab17->y(), Find<MultiLineTabs>("TabControlSerp")->findChild<QToolButton*>("Tab0")->y());
  QTest::mouseClick(tab17, Qt::LeftButton);
  EXPECT_EQ(Find<MultiLineTabs>("TabControlSerp")->currentIndex(), 16);
  EXPECT_EQ(Cell("StringGridSerp", 1, 1), "1");
  EXPECT_EQ(Cell("StringGridSerp", 1, 3), "4");

  auto* progress = Find<QProgressBar>("ProgressBar1");
  EXPECT_TRUE(progress->isHidden());
  EXPECT_EQ(progress->maximum(), 34459425);
  EXPECT_EQ(progress->value(), 0);
  EXPECT_GE(fake.pendingEventRuns, 2);
}

TEST_F(PoolWindow, GhostPlaysAtTheLastTable) {
  std::filesystem::copy_file(kData + "seventeen.txt", lists.File("seventeen.txt"));
  Import(lists.File("seventeen.txt"));
  ASSERT_EQ(Find<QTableWidget>("StringGrid1")->rowCount(), 19);
  EXPECT_EQ(Cell("StringGrid1", 18, 5), " Fantôme ");
  for (const char* name : {"TabControlSerp", "TabControlOpt"}) {
    auto* tabs = Find<MultiLineTabs>(name);
    const char* grid = tabs->objectName() == "TabControlSerp" ? "StringGridSerp" : "StringGridOpt";
    for (int r = 0; r < 17; ++r) {
      tabs->setCurrentIndex(r);
      const std::string last = Row(grid, 9);
      EXPECT_TRUE(last.starts_with(" Fantôme |18|") || last.ends_with("|18| Fantôme ")) << name << " " << r + 1 << ": " << last;
    }
  }
}

TEST_F(PoolWindow, CancelKeepsThePreviousTables) {
  Activate();
  Import(Write("six.txt", TeamList(6)));
  const std::string round1 = Row("StringGridOpt", 1);
  Find<MultiLineTabs>("TabControlOpt")->setCurrentIndex(2);
  const std::string round3 = Row("StringGridOpt", 2);

  QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);  // no scripted file: cancelled
  EXPECT_EQ(Caption(), "Util_Ked Gestion de Poules -> Vide");
  EXPECT_FALSE(window.PoolLoaded());
  EXPECT_TRUE(Find<QTableWidget>("StringGrid1")->isHidden());
  EXPECT_EQ(Find<MultiLineTabs>("TabControlOpt")->count(), 5);
  EXPECT_EQ(Row("StringGridOpt", 2), round3);
  Find<MultiLineTabs>("TabControlOpt")->setCurrentIndex(0);
  EXPECT_EQ(Row("StringGridOpt", 1), round1);

  // Printing still shows the previous pool.
  QTest::mouseClick(Find<QPushButton>("Edition"), Qt::LeftButton);
  ASSERT_EQ(fake.previews.size(), 1u);
  EXPECT_NE(Texts(fake.previews[0]->pages[0]).find("Essai du jour : A"), std::string::npos);

  Activate();  // the next activation shows the team grid again
  EXPECT_FALSE(Find<QTableWidget>("StringGrid1")->isHidden());
  EXPECT_EQ(Caption(), "Util_Ked Gestion de Poules -> Vide");
}

TEST_F(PoolWindow, RejectedFiles) {
  Import(Write("six.txt", TeamList(6)));
  const RoundTable before = window.Optimised();
  struct Case {
    std::string file;
    std::string box;  // the information box, "" for none
  };
  std::string nineteen = TeamList(19);
  const Case cases[] = {
      {"#INTITULE\r\nPAX;;;;a;b;c\r\n", "Ce n'est pas le bon type de fichier !"},
      {nineteen, "Programme limité à 18 équipes !"},
      {"#INTITULE\r\nPAS;;;;a;b;c\r\n#INSCRITS_GROUPE\r\n1;1;1;1;1\r\n", ""},
  };
  for (const Case& c : cases) {
    fake.Clear();
    Import(Write("rejet.txt", c.file));
    EXPECT_EQ(Caption(), "Util_Ked Gestion de Poules -> Vide") << c.box;
    EXPECT_FALSE(window.PoolLoaded());
    EXPECT_TRUE(Find<QTableWidget>("StringGrid1")->isHidden());
    EXPECT_EQ(window.Optimised(), before);
    EXPECT_EQ(window.CurrentPool().count, 6);
    const auto boxes = fake.CallsOf("MessageBox");
    if (c.box.empty()) {
      EXPECT_TRUE(boxes.empty());
    } else {
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0].text, c.box);
      EXPECT_EQ(boxes[0].kind, MessageKind::Information);
      EXPECT_EQ(boxes[0].buttons, BtnYes);
    }
  }
}

TEST_F(PoolWindow, RuntimeErrorsLeaveTheWindowAsItWas) {
  Activate();
  Import(Write("six.txt", TeamList(6, "Avant")));
  const std::string caption = Caption();
  for (const std::string& path :
       {Write("texte.txt", "#INTITULE\r\nPAS\r\n#INSCRITS_GROUPE\r\n1;douze;0;0;0\r\n\r\n"),
        lists.File("absent.txt")}) {
    fake.Clear();
    Import(path);
    const auto boxes = fake.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, MessageKind::Error);
    EXPECT_EQ(Caption(), caption);
    EXPECT_TRUE(window.PoolLoaded());
    EXPECT_FALSE(Find<QTableWidget>("StringGrid1")->isHidden());
  }
  EXPECT_EQ(fake.CallsOf("MessageBox")[0].text, "Impossible d'ouvrir le fichier " + lists.File("absent.txt"));
}

TEST_F(PoolWindow, TheFolderReachesPoulesIniWhenTheWindowCloses) {
  Activate();
  Import(Write("rejet.txt", "rien"));  // rejected, yet its folder is remembered
  EXPECT_EQ(GetPrivateProfileString("Repertoire", "Lecture", "?", folder.File("poules.ini")), "?");
  window.show();
  QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
  EXPECT_TRUE(window.isHidden());
  EXPECT_EQ(GetPrivateProfileString("Repertoire", "Lecture", "?", folder.File("poules.ini")), lists.Folder());

  // Activation reads the file back, over what an import remembered meanwhile.
  Import(std::string("/ailleurs/liste.txt"));
  ASSERT_TRUE(WritePrivateProfileString("Repertoire", "Lecture", "/srv/", folder.File("poules.ini")));
  Activate();
  QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
  EXPECT_EQ(fake.CallsOf("OpenFileDialog").back().dialog.initialDirectory, "/srv/");
}

TEST_F(PoolWindow, PrintingFollowsTheActivePage) {
  Import(Write("huit.txt", TeamList(8)));
  auto* pages = Find<QTabWidget>("PageControl1");
  ASSERT_EQ(pages->currentWidget()->objectName(), "TabSheet1");
  QTest::mouseClick(Find<QPushButton>("Edition"), Qt::LeftButton);
  pages->setCurrentIndex(1);
  QTest::mouseClick(Find<QPushButton>("Edition"), Qt::LeftButton);
  pages->setCurrentIndex(2);
  QTest::mouseClick(Find<QPushButton>("Edition"), Qt::LeftButton);
  ASSERT_EQ(fake.previews.size(), 3u);
  EXPECT_EQ(fake.CallsOf("ShowReportPreview")[0].text, folder.File("Poules.frf"));

  const Pool& pool = window.CurrentPool();
  const char* shown[] = {"Optimisé", "Serpentin", "Optimisé"};
  const RoundTable* orders[] = {&window.Optimised(), &window.Serpentine(), &window.Optimised()};
  for (int i = 0; i < 3; ++i) {
    const std::string texts = Texts(fake.previews[i]->pages[0]);
    EXPECT_NE(texts.find(std::string("Ordre des Tours ") + shown[i]), std::string::npos) << i;
    // Round 2, table 3, as its band prints it.
    const MatchCell& c = orders[i]->at(2, 3);
    const std::string line = TeamName(pool.teams[c.visitor]) + "\n" + std::to_string(c.visitor) + "\n3\n" +
                             std::to_string(c.home) + "\n" + TeamName(pool.teams[c.home]) + "\n";
    const size_t round2 = texts.find("Tour 2\n");
    ASSERT_NE(round2, std::string::npos);
    EXPECT_NE(texts.find(line, round2), std::string::npos) << i << " " << line;
  }
  EXPECT_NE(orders[0]->at(2, 3), orders[1]->at(2, 3));  // the two orders differ there
}

TEST_F(PoolWindow, PagesBreakEveryFewRounds) {
  struct Case {
    int teams;
    std::vector<int> firstRoundOfPage;
  };
  const Case cases[] = {{6, {1}}, {10, {1, 6}}, {12, {1, 5, 9}}, {14, {1, 5, 9, 13}},
                        {18, {1, 4, 7, 10, 13, 16}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.teams);
    fake.previews.clear();
    Import(Write("liste.txt", TeamList(c.teams)));
    QTest::mouseClick(Find<QPushButton>("Edition"), Qt::LeftButton);
    ASSERT_EQ(fake.previews.size(), 1u);
    const ReportDocument& report = *fake.previews[0];
    ASSERT_EQ(report.pages.size(), c.firstRoundOfPage.size());
    int bands = 0;
    for (size_t p = 0; p < report.pages.size(); ++p) {
      const std::string texts = Texts(report.pages[p]);
      const size_t first = texts.find("Tour ");
      ASSERT_NE(first, std::string::npos);
      EXPECT_EQ(texts.substr(first, texts.find('\n', first) - first),
                "Tour " + std::to_string(c.firstRoundOfPage[p]));
      for (size_t at = texts.find("\nTable\n"); at != std::string::npos; at = texts.find("\nTable\n", at + 1)) ++bands;
    }
    EXPECT_EQ(bands, c.teams - 1);  // one round band each, with its column headings
  }
}

TEST_F(PoolWindow, EighteenTeamsPrintNineTablesARound) {
  std::filesystem::copy_file(kData + "eighteen.txt", lists.File("eighteen.txt"));
  Import(lists.File("eighteen.txt"));
  QTest::mouseClick(Find<QPushButton>("Edition"), Qt::LeftButton);
  ASSERT_EQ(fake.previews.size(), 1u);
  const ReportDocument& report = *fake.previews[0];
  ASSERT_EQ(report.pages.size(), 6u);
  EXPECT_NE(Texts(report.pages[0]).find("Coupe de Belmorie Division Excellence : Poule A"), std::string::npos);
  // Round 17 on the last page: table numbers 1 to 9 in the framed column.
  const std::string last = Texts(report.pages[5]);
  EXPECT_NE(last.find("Tour 17"), std::string::npos);
  EXPECT_EQ(last.find("Tour 15"), std::string::npos);
}

TEST_F(PoolWindow, MissingTemplateAndPrintingAnEmptyPool) {
  QTest::mouseClick(Find<QPushButton>("Edition"), Qt::LeftButton);  // nothing imported yet
  ASSERT_EQ(fake.previews.size(), 1u);
  EXPECT_EQ(Texts(fake.previews[0]->pages[0]).find("Tour "), std::string::npos);

  std::filesystem::remove(folder.File("Poules.frf"));
  fake.Clear();
  QTest::mouseClick(Find<QPushButton>("Edition"), Qt::LeftButton);
  const auto messages = fake.CallsOf("ShowMessage");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "le fichier -> " + folder.Folder() + "Poules.frf <- est manquant");
  EXPECT_EQ(fake.Count("ShowReportPreview"), 0u);
}

TEST_F(PoolWindow, AnEmptyTeamListHasNoRound) {
  Import(Write("vide.txt", "#INTITULE\r\nPAS\r\n#INSCRITS_GROUPE\r\nfin\r\n"));
  EXPECT_EQ(Caption(), "Util_Ked Gestion de Poules ->   : ");
  EXPECT_TRUE(window.PoolLoaded());
  EXPECT_EQ(Find<QTableWidget>("StringGrid1")->rowCount(), 1);
  EXPECT_EQ(Find<MultiLineTabs>("TabControlSerp")->count(), 0);
  EXPECT_EQ(Find<MultiLineTabs>("TabControlOpt")->count(), 0);
  EXPECT_EQ(window.Serpentine(), RoundTable{});
  EXPECT_EQ(window.Optimised(), RoundTable{});
  QTest::mouseClick(Find<QPushButton>("Edition"), Qt::LeftButton);
  ASSERT_EQ(fake.previews.size(), 1u);
  EXPECT_EQ(Texts(fake.previews[0]->pages[0]).find("Tour "), std::string::npos);
}

}  // namespace
}  // namespace ked
