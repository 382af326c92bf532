// A director's day through the real windows: a program folder laid out as after an
// installation, no "Util_Ked.ini", the fake platform answering every dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>

#include "balancing/ui/TFUtil_Equilibre.h"
#include "movements/ui/TFMouvChoix.h"
#include "organisation/ui/RangeSpinEdit.h"
#include "organisation/ui/TOrga_FOrga.h"
#include "platform/FileIO.h"
#include "platform/IniFile.h"
#include "platform/ui/AppContext.h"
#include "pool/ui/TPoulFPrg.h"
#include "report/ReportDocument.h"
#include "report/ui/ReportPdf.h"
#include "scales/ui/TUtilGhaF.h"
#include "scales/ui/TUtil_FPV.h"
#include "shell/CommandTable.h"
#include "shell/UpdateCheck.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/TApropos.h"
#include "shell/ui/TUtilFMod.h"
#include "shell/ui/TUtilf.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {
namespace fs = std::filesystem;

class DirectorDay : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path bin(KED_TEST_BIN_DIR);
    for (const auto& entry : fs::directory_iterator(bin)) {
      const std::string name = entry.path().filename().string();
      if (entry.path().extension() == ".frf" || name == "Mouvements.txt" ||
          name == "Util_Ked.bck" || name == "Util_Ked.hlp")
        fs::copy_file(entry.path(), folder.File(name));
    }
    ASSERT_TRUE(FileExists(folder.File("Util_Ked.bck")));
    ASSERT_FALSE(FileExists(folder.File("Util_Ked.ini")));
    windows = std::make_unique<AppWindows>(context);
    Main().show();
  }

  TUtilf& Main() { return *windows->main; }
  template <class T>
  T* In(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void Click(QWidget& window, const char* name) {
    QTest::mouseClick(In<QPushButton>(window, name), Qt::LeftButton);
  }
  // The shown text of a field or label.
  QString TextOf(QWidget& window, const char* name) {
    QWidget* w = window.findChild<QWidget*>(name);
    EXPECT_NE(w, nullptr) << name;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    return w ? w->property("text").toString() : QString();
  }
  void Activate(QWidget& window) {
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
  }
  void Type(QWidget& window, const char* spin, int value) {
    QSpinBox* field = In<QSpinBox>(window, spin);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QString::number(value));
  }
  // The lines of a seeding file, split on tabs.
  static std::vector<std::vector<int>> SeedingRows(const std::string& bytes) {
    std::vector<std::vector<int>> rows;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
      EXPECT_TRUE(!line.empty() && line.back() == '\r') << line;
      std::istringstream fields(line);
      std::vector<int> row;
      for (int n; fields >> n;) row.push_back(n);
      rows.push_back(row);
    }
    return rows;
  }
  // Every table of one section, numbered in order, seats each pair once.
  static void ExpectOneSectionSeating(const std::string& bytes, int tables) {
    const auto rows = SeedingRows(bytes);
    ASSERT_EQ(rows.size(), size_t(tables));
    std::set<int> pairs;
    for (int t = 0; t < tables; ++t) {
      ASSERT_EQ(rows[t].size(), 4u) << t;
      EXPECT_EQ(rows[t][0], 1);
      EXPECT_EQ(rows[t][1], t + 1);
      pairs.insert(rows[t][2]);
      pairs.insert(rows[t][3]);
    }
    EXPECT_EQ(pairs.size(), size_t(2 * tables));
    EXPECT_EQ(*pairs.begin(), 1);
    EXPECT_EQ(*pairs.rbegin(), 2 * tables);
  }

  test::TempDir folder, documents;
  test::FakePlatform platform;
  AppContext context{platform, folder.Folder(), LocaleFormat::French(),
                     [](const std::string&) { return false; }};
  std::unique_ptr<AppWindows> windows;
};

TEST_F(DirectorDay, FromTheTeamListToTheArchive) {
  EXPECT_TRUE(platform.calls.empty());  // no network, nothing to say at start

  {
    SCOPED_TRACE("pool");
    TPoulFPrg& pool = *windows->pool;
    QTest::mouseClick(In<QPushButton>(Main(), "Button3"), Qt::LeftButton);
    ASSERT_TRUE(pool.isVisible());
    Activate(pool);
    const std::string list = documents.File("eighteen.txt");
    fs::copy_file(std::string(KED_SOURCE_DIR) + "/tests/pool/data/eighteen.txt", list);
    platform.fileAnswers = {list};
    Click(pool, "Button1");
    ASSERT_TRUE(pool.PoolLoaded());
    EXPECT_EQ(In<QTableWidget>(pool, "StringGrid1")->rowCount(), 1 + 18);
    Click(pool, "Edition");
    ASSERT_EQ(platform.Count("ShowReportPreview"), 1u);
    EXPECT_EQ(platform.CallsOf("ShowReportPreview")[0].text, folder.File("Poules.frf"));
    ASSERT_FALSE(platform.previews.back()->pages.empty());
    const std::string pdf = documents.File("poule.pdf");
    ASSERT_TRUE(RenderReportToPdf(*platform.previews.back(), pdf));
    const std::string bytes = ReadFileBytes(pdf).value_or("");
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_GT(bytes.size(), 2000u);
    pool.close();  // remembers the folder of the list
    EXPECT_EQ(GetPrivateProfileString("Repertoire", "Lecture", "", folder.File("poules.ini")),
              documents.Folder());
  }
  {
    SCOPED_TRACE("balancing");
    platform.Clear();
    TFUtil_Equilibre& balancing = *windows->balancing;
    QTest::mouseClick(In<QPushButton>(Main(), "Button5"), Qt::LeftButton);
    ASSERT_TRUE(balancing.isVisible());
    Activate(balancing);
    EXPECT_EQ(In<QLineEdit>(balancing, "EditNbre")->text(), "10");
    Click(balancing, "Calcul");
    const std::string seeding = documents.File("Equilibrage_MCF.txt");
    platform.fileAnswers = {seeding};
    Click(balancing, "Modification");
    ASSERT_EQ(platform.Count("SaveFileDialog"), 1u);
    ExpectOneSectionSeating(ReadFileBytes(seeding).value_or(""), 10);
    EXPECT_EQ(platform.Count("MessageBox"), 0u);
  }
  {
    SCOPED_TRACE("movements");
    platform.Clear();
    TFMouvChoix& movements = *windows->movements;
    QTest::mouseClick(In<QPushButton>(Main(), "Button4"), Qt::LeftButton);
    ASSERT_TRUE(movements.isVisible());
    // 26 pairs in 2 sessions: the catalogue's Mitchell of 13 tables, chosen in the memo.
    Type(movements, "SpPaires", 28);
    Type(movements, "SpPaires", 26);
    auto* memo = In<QPlainTextEdit>(movements, "Memo1");
    QTextBlock line = memo->document()->begin();
    while (line.isValid() && !line.text().startsWith("Mitchell de 13 tables")) line = line.next();
    ASSERT_TRUE(line.isValid()) << memo->toPlainText().toStdString();
    QTextCursor cursor(line);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    Click(movements, "Bt_Analyser");
    EXPECT_EQ(In<QSpinBox>(movements, "SpEd_A")->value(), 13);
    EXPECT_EQ(In<QSpinBox>(movements, "SpEd_T")->value(), 13);
    const std::string seeding = documents.File("Mouvement_MCF.txt");
    platform.fileAnswers = {seeding};
    Click(movements, "Button1");
    ASSERT_EQ(platform.Count("SaveFileDialog"), 1u);
    ExpectOneSectionSeating(ReadFileBytes(seeding).value_or(""), 13);
    EXPECT_EQ(platform.Count("ShowMessage") + platform.Count("MessageBox"), 0u);
  }
  {
    SCOPED_TRACE("organisation");
    platform.Clear();
    TOrga_FOrga& orga = *windows->organisation;
    Main().findChild<QAction*>("Horaires1")->trigger();  // par Paires
    ASSERT_TRUE(orga.isVisible());
    EXPECT_EQ(orga.competitionType(), 0);
    const QString sentence = TextOf(orga, "Phrase");
    EXPECT_TRUE(sentence.contains("2 Séances de 26 donnes")) << sentence.toStdString();
    In<orga::RangeSpinEdit>(orga, "NbEq")->setValue(14);
    In<orga::RangeSpinEdit>(orga, "NbTr")->setValue(5);
    EXPECT_EQ(TextOf(orga, "Bonus"), "0,19");
    In<orga::RangeSpinEdit>(orga, "Centres")->setValue(3);
    In<orga::RangeSpinEdit>(orga, "Qa")->setValue(5);
    In<orga::RangeSpinEdit>(orga, "Qo")->setValue(1);
    int entries[] = {12, 20, 9};
    for (int n = 0; n < 3; ++n)
      In<orga::RangeSpinEdit>(orga, ("Ce" + std::to_string(n + 1)).c_str())->setValue(entries[n]);
    int places = 0;
    for (const char* q : {"Q1", "Q2", "Q3"}) places += TextOf(orga, q).toInt();
    EXPECT_EQ(places, 5 - 1);  // the ex officio place is not shared out
    EXPECT_TRUE(platform.calls.empty());
  }
  {
    SCOPED_TRACE("scales");
    platform.Clear();
    QTest::mouseClick(In<QPushButton>(Main(), "RpImpPV"), Qt::LeftButton);
    ASSERT_TRUE(windows->vp->isVisible());
    Click(*windows->vp, "Button1");
    QTest::mouseClick(In<QPushButton>(Main(), "BpGhana"), Qt::LeftButton);
    ASSERT_TRUE(windows->gana->isVisible());
    Click(*windows->gana, "BpFiches");
    Click(*windows->gana, "BpVierge");
    const auto previews = platform.CallsOf("ShowReportPreview");
    ASSERT_EQ(previews.size(), 3u);
    EXPECT_EQ(previews[0].text, folder.File("Impress_Pv.frf"));
    EXPECT_EQ(previews[1].text, folder.File("ghanafm.frf"));
    EXPECT_EQ(previews[2].text, folder.File("ghanagk.frf"));
    for (const auto& doc : platform.previews) EXPECT_FALSE(doc->pages.empty());
    EXPECT_EQ(platform.Count("ShowMessage"), 0u);
  }
  {
    SCOPED_TRACE("archive");
    platform.Clear();
    QTest::mouseClick(In<QPushButton>(Main(), "BtPbDoc"), Qt::LeftButton);
    const std::string restored = folder.File("problemearbitrage.doc");
    EXPECT_EQ(platform.CallsOf("ShellOpen").size(), 1u);
    EXPECT_EQ(platform.CallsOf("ShellOpen").at(0).text, restored);
    EXPECT_EQ(ReadFileBytes(restored).value_or("<none>"),
              ReadFileBytes(std::string(KED_SOURCE_DIR) + "/forms/ProblemeArbitrage.doc")
                  .value_or("<missing form>"));
  }
  {
    SCOPED_TRACE("about and configuration");
    platform.Clear();
    for (QAction* item : Main().findChildren<QAction*>())
      if (item->text() == "à &Propos") item->trigger();
    EXPECT_TRUE(windows->about->isVisible());
    QTest::mouseClick(In<QPushButton>(Main(), "BpModification"), Qt::LeftButton);
    ASSERT_TRUE(windows->config->isVisible());
    Activate(*windows->config);
    EXPECT_FALSE(In<QPushButton>(*windows->config, "BtEnregistrer")->isEnabled());  // locked
    Click(*windows->config, "BtQuitter");
    EXPECT_FALSE(windows->config->isVisible());
  }
  // Nothing of the day wrote the configuration.
  EXPECT_FALSE(FileExists(folder.File("Util_Ked.ini")));
}

// Every button and menu item once, each checked against what its row says it does.
class EveryCommand : public DirectorDay {
 protected:
  QWidget* WindowOf(WindowId id) {
    switch (id) {
      case WindowId::Config: return windows->config.get();
      case WindowId::Gana: return windows->gana.get();
      case WindowId::Pool: return windows->pool.get();
      case WindowId::Balancing: return windows->balancing.get();
      case WindowId::About: return windows->about.get();
      case WindowId::Organisation: return windows->organisation.get();
      case WindowId::Movements: return windows->movements.get();
      case WindowId::Vp: return windows->vp.get();
    }
    return nullptr;
  }
  void HideOthers() {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top != &Main() && top->isVisible()) top->hide();
  }
  std::string Opened() const {
    const auto opened = platform.CallsOf("ShellOpen");
    return opened.size() == 1 ? opened[0].text : "<" + std::to_string(opened.size()) + " opened>";
  }

  // Runs one command through its control and checks it reached its action.
  void Exercise(const std::string& name, const Action& action, bool enabled,
                const std::function<void()>& run) {
    SCOPED_TRACE(name);
    HideOthers();
    platform.Clear();
    const bool ticked = Main().updateSwitchAction()->isChecked();
    QSignalSpy quit(&Main(), &TUtilf::terminate);
    run();
    ++exercised;
    if (!enabled || action.kind == ActionKind::None) {
      EXPECT_TRUE(platform.calls.empty());
      return;
    }
    const std::string file = folder.File(action.file);
    switch (action.kind) {
      case ActionKind::None: break;
      case ActionKind::OpenDocument:
        if (action.presenceTest) {
          ASSERT_EQ(platform.Count("ShowMessage"), 1u);
          EXPECT_EQ(platform.CallsOf("ShowMessage")[0].text,
                    "le fichier -> " + file + " <- est manquant");
        } else {
          EXPECT_EQ(Opened(), file);
        }
        break;
      case ActionKind::ExportTemplate: {
        std::string stored = action.file;
        for (char& c : stored) c = char(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(Opened(), folder.File(stored));
        EXPECT_TRUE(FileExists(folder.File(stored)));
        break;
      }
      case ActionKind::PrintAppealCommittee:
        ASSERT_EQ(platform.Count("ShowReportPreview"), 1u);
        EXPECT_EQ(platform.calls.back().text, folder.File("commis.frf"));
        break;
      case ActionKind::ShowWindow: {
        QWidget* window = WindowOf(action.window);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        if (action.window == WindowId::Organisation && action.preset != kNoPreset) {
          EXPECT_EQ(windows->organisation->competitionType(), action.preset);
        }
        break;
      }
      case ActionKind::OpenPopup:
        EXPECT_TRUE(Main().popupMenu(action.popup)->isVisible());
        Main().popupMenu(action.popup)->hide();
        break;
      case ActionKind::MagicContestAssistance:
      case ActionKind::RefereeAssistance:
        ASSERT_EQ(platform.Count("MessageBox"), 1u);  // answered No: nothing started
        EXPECT_EQ(platform.calls[0].kind, MessageKind::Error);
        EXPECT_EQ(platform.Count("ShellOpen"), 0u);
        break;
      case ActionKind::RemoteControl: EXPECT_EQ(Opened(), folder.File("AnyDesk.exe")); break;
      case ActionKind::WebPage: EXPECT_EQ(Opened(), IndexPageAddress()); break;
      case ActionKind::Mail: EXPECT_EQ(Opened(), MailAddress()); break;
      case ActionKind::ToggleUpdateCheck:
        EXPECT_NE(Main().updateSwitchAction()->isChecked(), ticked);
        EXPECT_EQ(GetPrivateProfileString("MiseAjour", "NoValide", "", folder.File("Util_Ked.ini")),
                  ticked ? "0" : "1");
        break;
      case ActionKind::Quit: EXPECT_EQ(quit.count(), 1); break;
    }
  }
  void Walk(const std::vector<MenuCommand>& items) {
    for (const MenuCommand& m : items) {
      if (!m.items.empty()) {
        Walk(m.items);
        continue;
      }
      QAction* item = Main().findChild<QAction*>(QString::fromStdString(m.name));
      ASSERT_NE(item, nullptr) << m.name;
      Exercise(m.name, m.action, m.enabled, [item] { item->trigger(); });
    }
  }

  int exercised = 0;
};

TEST_F(EveryCommand, EachButtonAndMenuItemReachesItsAction) {
  size_t expected = 0;
  for (const ButtonCommand& c : MainButtons()) {
    QPushButton* button = In<QPushButton>(Main(), c.name.c_str());
    ASSERT_NE(button, nullptr);
    ++expected;
    Exercise(c.name, c.action, c.enabled, [button, &c] {
      // The popup buttons open on the press itself.
      if (c.action.kind == ActionKind::OpenPopup) QTest::mousePress(button, Qt::LeftButton);
      else QTest::mouseClick(button, Qt::LeftButton);
    });
  }
  std::function<size_t(const std::vector<MenuCommand>&)> leaves =
      [&](const std::vector<MenuCommand>& items) {
        size_t n = 0;
        for (const MenuCommand& m : items) n += m.items.empty() ? 1 : leaves(m.items);
        return n;
      };
  Walk(MainMenu());
  expected += leaves(MainMenu());
  for (int popup = 1; popup <= 3; ++popup) {
    Walk(PopupMenu(popup));
    expected += leaves(PopupMenu(popup));
  }
  EXPECT_EQ(size_t(exercised), expected);
  EXPECT_GT(exercised, 60);
}

}  // namespace
}  // namespace ked
