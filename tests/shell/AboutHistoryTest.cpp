#include "shell/AboutHistory.h"

#include <gtest/gtest.h>

#include "shell/UpdateCheck.h"

namespace ked {
namespace {

TEST(AboutHistory, HasTheFiftyEightLinesEndingWithSixEmptyOnes) {
  const auto& lines = HistoryLines();
  ASSERT_EQ(lines.size(), 58u);
  EXPECT_EQ(lines[0], "Version 1.01 : 2001");
  EXPECT_EQ(lines[2], "     de l'arbitre, Rapports et feuille d'appel");  // leading blanks kept
  EXPECT_EQ(lines[5], "Pré-remplissage des documents comptables ");    // trailing blank kept
  EXPECT_EQ(lines[31], "   Nouveaux mouvementx par paires");
  EXPECT_EQ(lines[50], "Version 13.23.12 : 2023");
  EXPECT_EQ(lines[51], "  Mis à jour documents d'arbitrages");
  for (size_t i = 52; i < 58; ++i) EXPECT_EQ(lines[i], "") << i;
  // A blank line separates the versions.
  for (size_t i = 1; i < 52; ++i) {
    if (lines[i].rfind("Version ", 0) == 0) {
      EXPECT_EQ(lines[i - 1], "") << i;
    }
  }
}

TEST(AboutHistory, MailsTheMakerWithTheCaptionAsSubject) {
  EXPECT_EQ(AboutMailAddress(kAboutCaption),
            "mailto:" + MakerMailAddress() + "?subject=A propos d'Util Ked");
}

struct StageCase {
  int surfaceHeight, lineHeight;
  int steps;
  int firstLineTopAtEnd;  // where the play stops
};

TEST(AboutHistory, TheTextRisesUntilItsEndReachesTheBottomOrItsStartTheTop) {
  const StageCase cases[] = {
      {300, 16, 58 * 16, 300 - 58 * 16},  // taller than the surface: last line at the bottom
      {928, 16, 928, 0},                  // exactly as tall
      {1200, 16, 1200, 0},                // shorter: first line at the top
      {0, 16, 58 * 16, -58 * 16},
  };
  for (const StageCase& c : cases) {
    const HistoryStage stage{c.surfaceHeight, c.lineHeight, 58};
    EXPECT_EQ(stage.Steps(), c.steps) << c.surfaceHeight;
    EXPECT_EQ(stage.LineTop(1, 1), c.surfaceHeight - 1) << "starts at the bottom edge";
    EXPECT_EQ(stage.LineTop(1, stage.Steps()), c.firstLineTopAtEnd) << c.surfaceHeight;
    EXPECT_EQ(stage.LineTop(3, 10) - stage.LineTop(2, 10), c.lineHeight);
  }
}

TEST(AboutHistory, LineFiftyTwoEndsSixLinesAboveTheBottom) {
  const HistoryStage stage{300, 16, 58};
  EXPECT_EQ(stage.LineTop(52, stage.Steps()) + 16, 300 - 6 * 16);
  EXPECT_EQ(stage.LineTop(58, stage.Steps()) + 16, 300);
}

TEST(AboutHistory, PlayingDrawsWaitsAndLetsEventsRunAtEveryStep) {
  const HistoryStage stage{5, 1, 3};  // five steps
  std::string trace;
  HistoryPlayer player;
  player.draw = [&](int s) { trace += "d" + std::to_string(s) + " "; };
  player.erase = [&](int s) { trace += "e" + std::to_string(s) + " "; };
  player.wait = [&](int ms) { trace += "w" + std::to_string(ms) + " "; };
  player.pendingEvents = [&] { trace += "p "; };
  PlayHistory(stage, player);
  EXPECT_EQ(trace,
            "d1 w55 p e1 d2 w55 p e2 d3 w55 p e3 d4 w55 p e4 d5 w55 p w2000 ");
}

}  // namespace
}  // namespace ked
