#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "platform/RuntimeConvert.h"
#include "platform/ui/QtText.h"
#include "scales/ui/ReportTexts.h"
#include "scales/ui/TUtilGhaF.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked::test {
namespace {

class GanaWindow : public ::testing::Test {
 protected:
  void Open(const std::string& folder) {
    context =
        std::make_unique<AppContext>(AppContext{platform, folder, LocaleFormat::French(), {}});
    window = std::make_unique<TUtilGhaF>(*context);
    window->show();
  }
  void SetUp() override { Open(std::string(KED_TEST_BIN_DIR) + "/"); }

  QLineEdit* Edit(const char* name) { return window->findChild<QLineEdit*>(name); }
  std::string Text(const char* name) { return S(Edit(name)->text()); }
  std::vector<std::string> Texts(std::initializer_list<const char*> names) {
    std::vector<std::string> texts;
    for (const char* name : names) texts.push_back(Text(name));
    return texts;
  }
  std::vector<std::string> Series() { return Texts({"SeA", "SeB", "SeC"}); }
  std::vector<std::string> Times() { return Texts({"Ho1", "Ho2", "Ho3", "Ho4"}); }
  void TypeBoards(const QString& keys) {
    auto* spin = window->findChild<QSpinBox*>("NbEtuis");
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, keys);
  }
  // Clicks near the left edge: the indicator of a radio button or check box.
  void Click(const char* name) {
    auto* button = window->findChild<QAbstractButton*>(name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
  }
  ReportValue Value(const char* name) {
    ReportValue value;
    window->frReport1GetValue(name, value);
    return value;
  }

  FakePlatform platform;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<TUtilGhaF> window;
};

TEST_F(GanaWindow, StartsWithTheDefaultsGiven) {
  EXPECT_EQ(window->findChild<QSpinBox*>("NbEtuis")->value(), 14);
  EXPECT_TRUE(window->findChild<QRadioButton*>("RdBtAvecEcrans")->isChecked());
  EXPECT_FALSE(window->findChild<QCheckBox*>("CkBxMiTemps")->isChecked());
  EXPECT_EQ(Texts({"EqA", "EqB", "EqC"}),
            (std::vector<std::string>{"(8)  Equipe", "(11)  Equipe", "(14) Equipe "}));
  EXPECT_EQ(Texts({"TaA", "TaB", "TaC"}), (std::vector<std::string>{"B10", "B11", "B12"}));
  EXPECT_EQ(Series(), (std::vector<std::string>{"1-14", "15-28", "29-42"}));
  EXPECT_EQ(Times(), (std::vector<std::string>{"14:00:00", "15:55:30", "17:51:00", "19:46:30"}));
  EXPECT_EQ(Edit("EqA")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

TEST_F(GanaWindow, BoardsRewriteTheSeriesAndTheTimes) {
  const struct {
    const char* boards;
    std::vector<std::string> series, times;
  } cases[] = {
      {"1", {"1-1", "2-2", "3-3"}, {"14:00:00", "14:08:15", "14:16:30", "14:24:45"}},
      {"32", {"1-32", "33-64", "65-96"}, {"14:00:00", "18:24:00", "22:48:00", "03:12:00"}},
      {"14", {"1-14", "15-28", "29-42"}, {"14:00:00", "15:55:30", "17:51:00", "19:46:30"}},
  };
  for (const auto& c : cases) {
    Edit("SeB")->setText("à la main");
    TypeBoards(c.boards);
    EXPECT_EQ(Series(), c.series) << c.boards;
    EXPECT_EQ(Times(), c.times) << c.boards;
  }
  EXPECT_EQ(platform.Count("ShowMessage"), 0u);
}

TEST_F(GanaWindow, ZeroBoardsWhileRetypingChangesNothing) {
  Edit("SeA")->setText("à la main");
  Edit("Ho2")->setText("16:00:00");
  TypeBoards("0");
  ASSERT_EQ(window->findChild<QSpinBox*>("NbEtuis")->cleanText(), "0");
  EXPECT_EQ(Text("SeA"), "à la main");
  EXPECT_EQ(Text("Ho2"), "16:00:00");
}

TEST_F(GanaWindow, ScreensChangeOnlyTheTimes) {
  Edit("SeA")->setText("à la main");
  Click("RdBtSansEcran");
  EXPECT_EQ(Times(), (std::vector<std::string>{"14:00:00", "15:45:00", "17:30:00", "19:15:00"}));
  Click("RdBtAvecEcrans");
  EXPECT_EQ(Times(), (std::vector<std::string>{"14:00:00", "15:55:30", "17:51:00", "19:46:30"}));
  EXPECT_EQ(Series(), (std::vector<std::string>{"à la main", "15-28", "29-42"}));
}

TEST_F(GanaWindow, StartTimeMovesTheOtherThree) {
  Edit("Ho1")->setFocus();
  Edit("Ho1")->setCursorPosition(0);
  QTest::keyClicks(Edit("Ho1"), "09");
  EXPECT_EQ(Times(), (std::vector<std::string>{"09:00:00", "10:55:30", "12:51:00", "14:46:30"}));
  EXPECT_EQ(platform.Count("ShowMessage"), 0u);
}

TEST_F(GanaWindow, AnInvalidStartTimeGivesTheRuntimeMessageAndKeepsTheTimes) {
  Edit("Ho1")->setText("25:00:00");
  ASSERT_EQ(platform.Count("ShowMessage"), 1u);
  EXPECT_EQ(platform.CallsOf("ShowMessage")[0].text, NotATimeMessage("25:00:00"));
  EXPECT_EQ(Texts({"Ho2", "Ho3", "Ho4"}),
            (std::vector<std::string>{"15:55:30", "17:51:00", "19:46:30"}));
}

TEST_F(GanaWindow, ValueCallbackGivesTheFirstLinesTheTimesAndTheHalfTime) {
  Edit("TaB")->setText("Salle 2");
  Edit("Ho3")->setText("18:00:00");
  TypeBoards("12");
  const struct {
    const char* name;
    const char* text;
  } texts[] = {
      {"Ta1", "B10"},         {"Ta2", "Salle 2"},      {"Ta3", "B12"},
      {"EqA", "(8)  Equipe"}, {"EqB", "(11)  Equipe"}, {"EqC", "(14) Equipe "},
      {"Se1", "1-12"},        {"Se2", "13-24"},        {"Se3", "25-36"},
      {"Time1", "14:00:00"},  {"Time4", "18:57:00"},
  };
  for (const auto& t : texts) EXPECT_EQ(std::get<std::string>(Value(t.name)), t.text) << t.name;
  EXPECT_EQ(std::get<long long>(Value("NbDo")), 12);
  EXPECT_TRUE(std::get<bool>(Value("MiTemps")));
  Click("CkBxMiTemps");
  EXPECT_FALSE(std::get<bool>(Value("MiTemps")));
  for (const char* other : {"ta1", "Time5", "Nbr_Donnes", ""})
    EXPECT_TRUE(std::holds_alternative<std::monostate>(Value(other))) << other;
}

TEST_F(GanaWindow, EachButtonPrintsItsTemplate) {
  const struct {
    const char* button;
    const char* file;
    const char* shows;
    const char* halfTime;  // printed only once "Avec mi-temps" is ticked
  } cases[] = {
      {"BpFiches", "ghanafm.frf", "Table B11", "Match avec mi-temps"},
      {"BpVierge", "ghanagk.frf", "FEUILLE DE ROUTE - GaNa",
       "14 étuis par série - match avec mi-temps"},
  };
  for (const auto& c : cases) {
    platform.Clear();
    Click(c.button);
    ASSERT_EQ(platform.Count("ShowReportPreview"), 1u) << c.button;
    EXPECT_EQ(platform.CallsOf("ShowReportPreview")[0].text,
              std::string(KED_TEST_BIN_DIR) + "/" + c.file);
    EXPECT_EQ(platform.Count("MessageBox"), 0u) << c.button;
    const std::string printed = AllTexts(*platform.previews.back());
    EXPECT_NE(printed.find(c.shows), std::string::npos) << printed;
    EXPECT_NE(printed.find("(14) Equipe "), std::string::npos) << c.button;
    EXPECT_NE(printed.find("19:46:30"), std::string::npos) << c.button;
    EXPECT_EQ(printed.find("mi-temps"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("Vrai"), std::string::npos) << printed;
    Click("CkBxMiTemps");
    Click(c.button);
    ASSERT_EQ(platform.Count("ShowReportPreview"), 2u) << c.button;
    const std::string withHalfTime = AllTexts(*platform.previews.back());
    EXPECT_NE(withHalfTime.find(c.halfTime), std::string::npos) << withHalfTime;
    EXPECT_EQ(withHalfTime.find("Faux"), std::string::npos) << withHalfTime;
    Click("CkBxMiTemps");
  }
}

TEST_F(GanaWindow, AMissingTemplateIsReportedAndNothingPrinted) {
  TempDir empty;
  Open(empty.Folder());
  for (const char* button : {"BpFiches", "BpVierge"}) Click(button);
  const auto messages = platform.CallsOf("ShowMessage");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "le fichier -> " + empty.Folder() + "ghanafm.frf <- est manquant");
  EXPECT_EQ(messages[1].text, "le fichier -> " + empty.Folder() + "ghanagk.frf <- est manquant");
  EXPECT_EQ(platform.Count("ShowReportPreview"), 0u);
}

TEST_F(GanaWindow, QuitterHides) {
  Click("BpQuitter");
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace ked::test
