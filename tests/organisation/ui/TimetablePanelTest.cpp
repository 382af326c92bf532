// The timetable panel of the organisation window, and the type presets of the
// main window's commands.
#include <QDateEdit>
#include <QPushButton>
#include <QTimeEdit>

#include "OrgaWindowFixture.h"

namespace ked::test {
namespace {

const char* const kPairsSentence =
    "Samedi 15/10/2011 (2 Séances de 26 donnes sans écran) : 14h00(17h15) - 17h35(20h50) - Fin "
    "vers 21h00";

TEST_F(OrgaWindowTest, CreatedWithoutTypeOnTodayWithTheFieldsLocked) {
  EXPECT_EQ(window->windowTitle(), "Organisation des Compétitions");
  EXPECT_EQ(Group("RgType")->itemIndex(), -1);
  EXPECT_EQ(Find<QDateEdit>("DateComp")->date(), QDate(2011, 10, 15));
  for (const char* name : {"Ecran", "DateComp", "Heure", "NbSe", "NbDo", "Ps1", "Pp1", "Rp1", "Rp5"})
    EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
  EXPECT_TRUE(Find<QWidget>("Cb_Nb_Part")->isEnabled());
  // Computed at creation: 2 x 27 deals from 14:00, gap 10.
  EXPECT_EQ(Text("Sc0"), "3h22");
  EXPECT_EQ(Text("Sc1"), "14:00");
  EXPECT_EQ(Text("Sc2"), "17h35");
  EXPECT_EQ(Text("Modalite"), "2 Indéfinis de 27 donnes sans écran");
  EXPECT_EQ(Text("Horraire"), "Samedi :14h00 - 17h35 - Fin vers 21h10");
  EXPECT_EQ(Text("Cb_Nb_Part"), "22");
  EXPECT_EQ(Find<QComboBox>("Cb_Nb_Part")->count(), 60);
}

TEST_F(OrgaWindowTest, EachTypeAppliesItsPresets) {
  struct Case {
    int item;
    const char *sessions, *deals, *label, *participants, *firstGap, *otherGaps;
  } cases[] = {
      {0, "2", "26", "de paires", "36", "20", "20"},
      {1, "3", "16", "d'équipes", "18", "10", "15"},
      {2, "4", "12", "d'équipes", "12", "10", "10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    Preset(c.item);
    EXPECT_EQ(Group("RgType")->itemIndex(), c.item);
    for (const char* name : {"Ecran", "DateComp", "Heure", "NbSe", "NbDo", "Ps5", "Pp5", "Rp5"})
      EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_EQ(Text("NbSe"), c.sessions);
    EXPECT_EQ(Text("NbDo"), c.deals);
    EXPECT_EQ(Text("Lb_Part"), c.label);
    EXPECT_EQ(Text("Cb_Nb_Part"), c.participants);
    EXPECT_EQ(Text("Rp1"), c.firstGap);
    for (const char* gap : {"Rp2", "Rp3", "Rp4", "Rp5"}) EXPECT_EQ(Text(gap), c.otherGaps);
  }
}

TEST_F(OrgaWindowTest, PairsPresetGivesTheWorkedExample) {
  Preset(0);
  EXPECT_EQ(Text("Phrase"), kPairsSentence);
  EXPECT_EQ(Text("Horraire"), "Samedi :14h00 - 17h35 - Fin vers 21h00");
  EXPECT_EQ(Text("Modalite"), "2 Séances de 26 donnes sans écran");
  EXPECT_EQ(Text("Sf1"), "17h15");
  EXPECT_EQ(Text("Sf2"), "20h50");
}

TEST_F(OrgaWindowTest, ClickingATypeAppliesItsPresetsToo) {
  ClickButton(Group("RgType")->item(1));
  EXPECT_EQ(window->competitionType(), 1);
  EXPECT_EQ(Text("NbSe"), "3");
  EXPECT_EQ(Text("Modalite"), "3 Matchs de 16 donnes sans écran");
}

TEST_F(OrgaWindowTest, NoTypeSelectsNothingAndTheNextRecomputationSaysIndefini) {
  Preset(0);
  Preset(-1);
  EXPECT_EQ(Group("RgType")->itemIndex(), -1);
  EXPECT_EQ(Text("Phrase"), kPairsSentence);  // nothing triggered
  EXPECT_TRUE(Find<QWidget>("NbDo")->isEnabled());
  Spin("NbDo")->setValue(27);
  EXPECT_EQ(Text("Modalite"), "2 Indéfinis de 27 donnes sans écran");
  // Without a type, unticking a pause leaves the gap as it was.
  ClickButton(Box("Ps1"));
  EXPECT_EQ(Text("Rp1"), "74");  // 36 counted as teams: 30 + 72 - 28
  ClickButton(Box("Ps1"));
  EXPECT_EQ(Text("Rp1"), "74");
  // Selecting Paires again is a change of type.
  Preset(0);
  EXPECT_EQ(Text("Rp1"), "20");
}

TEST_F(OrgaWindowTest, TheSameTypeAgainChangesNothing) {
  Preset(0);
  Spin("NbDo")->setValue(30);
  ClickButton(Box("Ps1"));
  Preset(0);
  EXPECT_EQ(Text("NbDo"), "30");
  EXPECT_TRUE(Box("Ps1")->isChecked());
}

TEST_F(OrgaWindowTest, PauseAndMealExcludeEachOtherAndSetTheGap) {
  Preset(0);
  ClickButton(Box("Ps1"));
  EXPECT_FALSE(Box("Pp1")->isEnabled());
  EXPECT_EQ(Text("Rp1"), "53");  // 36 pairs
  EXPECT_TRUE(Text("Phrase").endsWith("14h00(17h15) +Pause+ 18h10(21h25) - Fin vers 21h35"));
  EXPECT_EQ(Text("Horraire"), "Samedi :14h00 +Pause+ 18h10 - Fin vers 21h35");
  ClickButton(Box("Ps1"));
  EXPECT_TRUE(Box("Pp1")->isEnabled());
  EXPECT_EQ(Text("Rp1"), "20");
  EXPECT_EQ(Text("Phrase"), kPairsSentence);

  ClickButton(Box("Pp1"));
  EXPECT_FALSE(Box("Ps1")->isEnabled());
  EXPECT_EQ(Text("Rp1"), "90");
  EXPECT_EQ(Text("Horraire"), "Samedi :14h00 +Repas+ 18h45 - Fin vers 22h10");
  // A disabled box does not take the click.
  ClickButton(Box("Ps1"));
  EXPECT_FALSE(Box("Ps1")->isChecked());
  ClickButton(Box("Pp1"));
  EXPECT_TRUE(Box("Ps1")->isEnabled());
  EXPECT_EQ(Text("Rp1"), "20");
}

TEST_F(OrgaWindowTest, ATypeChangeUnticksEveryBox) {
  Preset(0);
  ClickButton(Box("Ps1"));
  Box("Pp2")->setChecked(true);  // hidden with two sessions: from code
  Preset(1);
  EXPECT_FALSE(Box("Ps1")->isChecked());
  EXPECT_FALSE(Box("Pp2")->isChecked());
  EXPECT_TRUE(Box("Pp1")->isEnabled());
  EXPECT_TRUE(Box("Ps2")->isEnabled());
  EXPECT_EQ(Text("Rp1"), "10");
  EXPECT_EQ(Text("Rp2"), "15");
}

TEST_F(OrgaWindowTest, ParticipantsResizeTheTickedPausesOnly) {
  Preset(1);  // 3 sessions, 18 teams
  ClickButton(Box("Ps2"));
  EXPECT_EQ(Text("Rp2"), "38");
  EXPECT_EQ(Text("Rp1"), "10");
  Find<QComboBox>("Cb_Nb_Part")->setEditText("60");
  EXPECT_EQ(Text("Rp2"), "109");  // 122 clamped
  EXPECT_EQ(Text("Rp1"), "10");
  EXPECT_TRUE(Text("Horraire").contains("+Pause+"));
  EXPECT_TRUE(Messages().empty());

  Find<QComboBox>("Cb_Nb_Part")->setEditText("ab");
  EXPECT_EQ(Messages(), std::vector<std::string>{"'ab' n'est pas une valeur entière correcte"});
  EXPECT_EQ(Text("Rp2"), "109");
  // An empty text waits for the next one.
  Find<QComboBox>("Cb_Nb_Part")->setEditText("");
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(OrgaWindowTest, APauseForParticipantsThatDoNotReadKeepsTheGap) {
  Preset(0);
  Find<QComboBox>("Cb_Nb_Part")->setEditText("3x");
  ClickButton(Box("Ps1"));
  EXPECT_EQ(Messages(), std::vector<std::string>{"'3x' n'est pas une valeur entière correcte"});
  EXPECT_TRUE(Box("Ps1")->isChecked());
  EXPECT_FALSE(Box("Pp1")->isEnabled());
  EXPECT_EQ(Text("Rp1"), "20");
}

TEST_F(OrgaWindowTest, TheSessionsShowTheirFieldsAndGaps) {
  Preset(0);
  for (int sessions = 1; sessions <= 6; ++sessions) {
    Spin("NbSe")->setValue(sessions);
    for (int n = 1; n <= 6; ++n) {
      const QString s = QString::number(n);
      EXPECT_EQ(Shown("Sc" + s), n <= sessions) << sessions << " sessions, Sc" << n;
      EXPECT_EQ(Shown("Sf" + s), n <= sessions) << sessions << " sessions, Sf" << n;
      if (n == 6) continue;
      for (const char* prefix : {"Rep", "Pp", "Pau", "Ps", "Rp"})
        EXPECT_EQ(Shown(prefix + s), n < sessions) << sessions << " sessions, " << prefix << n;
    }
  }
  Spin("NbSe")->setValue(1);
  EXPECT_EQ(Text("Horraire"), "Samedi :14h00 - Fin vers 17h25");
  EXPECT_TRUE(Text("Phrase").endsWith("14h00(17h15) - Fin vers 17h25"));
}

TEST_F(OrgaWindowTest, ASessionCountTypedPastTheFieldsShowsSixAndComesBack) {
  Preset(0);
  Retype(Spin("NbSe"), "7");
  EXPECT_TRUE(Shown("Sc6"));
  EXPECT_TRUE(Text("Modalite").startsWith("6 Séances"));
  Leave(Spin("NbSe"));
  EXPECT_EQ(Text("NbSe"), "6");
}

TEST_F(OrgaWindowTest, EmptyFieldsSkipTheRecomputation) {
  Preset(0);
  Retype(Spin("NbDo"), "");
  EXPECT_EQ(Text("Phrase"), kPairsSentence);
  Find<QTimeEdit>("Heure")->setTime(QTime(15, 0));  // NbDo still empty
  EXPECT_EQ(Text("Phrase"), kPairsSentence);
  Retype(Spin("NbDo"), "26");
  EXPECT_TRUE(Text("Phrase").contains(": 15h00(18h15)"));
  Retype(Spin("NbSe"), "");
  EXPECT_TRUE(Text("Modalite").startsWith("2 Séances"));
  // A gap left empty reads as its minimum.
  Spin("NbSe")->setValue(2);
  Retype(Spin("Rp1"), "");
  EXPECT_EQ(Text("Sc2"), "18h20");  // 18h15 + 1, rounded up
}

TEST_F(OrgaWindowTest, StartPresetsScreensAndDateRecompute) {
  Preset(0);
  ClickButton(Group("RG1")->item(0));
  EXPECT_EQ(Find<QTimeEdit>("Heure")->time(), QTime(9, 30));
  EXPECT_EQ(Text("Sc1"), "09:30");
  EXPECT_EQ(Text("Horraire"), "Samedi :9h30 - 13h05 - Fin vers 16h30");
  ClickButton(Group("RG1")->item(1));
  EXPECT_EQ(Text("Sc1"), "13:30");

  ClickButton(Group("Ecran")->item(0));
  EXPECT_EQ(Text("Sc0"), "3h34");  // 26 deals with screens: 214 minutes
  EXPECT_EQ(Text("Modalite"), "2 Séances de 26 donnes avec écrans");

  Find<QDateEdit>("DateComp")->setDate(QDate(2011, 10, 16));
  EXPECT_TRUE(Text("Phrase").startsWith("Dimanche 16/10/2011 (2 Séances"));
  // The type keeps the screens, the date and the start.
  Preset(1);
  EXPECT_EQ(Group("Ecran")->itemIndex(), 0);
  EXPECT_EQ(Text("Sc1"), "13:30");
  EXPECT_TRUE(Text("Phrase").startsWith("Dimanche 16/10/2011 (3 Matchs de 16 donnes avec écrans)"));
}

TEST_F(OrgaWindowTest, BothQuitterButtonsHideTheWindowWhichKeepsItsValues) {
  Preset(0);
  Spin("NbDo")->setValue(30);
  for (const char* name : {"Button1", "BtQuitter"}) {
    window->show();
    QPushButton* quit = Find<QPushButton>(name);
    EXPECT_EQ(quit->text(), "Quitter");
    QTest::mouseClick(quit, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible()) << name;
  }
  window->show();
  EXPECT_EQ(Text("NbDo"), "30");
  EXPECT_EQ(Group("RgType")->itemIndex(), 0);
}

}  // namespace
}  // namespace ked::test
