// The Swiss Patton panel of the organisation window.
#include <QFontInfo>

#include "OrgaWindowFixture.h"

namespace ked::test {
namespace {

const QColor kRed(255, 0, 0), kOrange(255, 128, 0), kYellow(255, 255, 0), kGreen(0, 255, 0);

TEST_F(OrgaWindowTest, PattonStartsAtEighteenTeamsAndSixRounds) {
  EXPECT_EQ(Text("NbEq"), "18");
  EXPECT_EQ(Text("NbTr"), "6");
  EXPECT_EQ(Text("Bonus"), "0,18");
  EXPECT_EQ(Background("Bonus"), kGreen);
  EXPECT_EQ(Text("Information"), "Recommandé");
  EXPECT_TRUE(Find<QLabel>("Information")->font().fixedPitch());
}

TEST_F(OrgaWindowTest, PattonBonusColourAndAdviceFollowTheFields) {
  struct Case { int teams, rounds; const char* bonus; QColor colour; const char* advice; } cases[] = {
      {11, 5, "0,25", kOrange, " Jouable  "}, {14, 5, "0,19", kYellow, "Recommandé"},
      {25, 6, "0,12", kRed, " Interdit "},    {16, 7, "0,18", kRed, " Interdit "},
      {20, 7, "0,14", kYellow, "Recommandé"}, {30, 8, "0,08", kGreen, "Recommandé"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.teams) + " teams, " + std::to_string(c.rounds) + " rounds");
    Spin("NbEq")->setValue(c.teams);
    Spin("NbTr")->setValue(c.rounds);
    EXPECT_EQ(Text("Bonus"), c.bonus);
    EXPECT_EQ(Background("Bonus"), c.colour);
    EXPECT_EQ(Text("Information"), c.advice);
  }
}

TEST_F(OrgaWindowTest, PattonTypingThroughOneTeamReportsTheDivisionAndKeepsTheBonus) {
  Retype(Spin("NbEq"), "1");
  EXPECT_EQ(Messages(), std::vector<std::string>{"Division par zéro en virgule flottante"});
  EXPECT_EQ(Text("Bonus"), "0,18");
  EXPECT_EQ(Background("Bonus"), kGreen);
  QTest::keyClicks(Spin("NbEq"), "2");  // 12 teams
  EXPECT_EQ(Text("Bonus"), "0,27");
  EXPECT_EQ(Text("Information"), " Interdit ");
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(OrgaWindowTest, PattonOutsideTheAdviceTableKeepsColourAndText) {
  Retype(Spin("NbEq"), "5");  // on the way to a two-digit count
  EXPECT_EQ(Text("Bonus"), "0,75");
  EXPECT_EQ(Background("Bonus"), kGreen);
  EXPECT_EQ(Text("Information"), "Recommandé");
  // An empty field computes nothing.
  Retype(Spin("NbTr"), "");
  EXPECT_EQ(Text("Bonus"), "0,75");
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace ked::test
