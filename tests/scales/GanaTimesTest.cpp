#include <gtest/gtest.h>

#include "scales/GanaTimes.h"
#include "scales/SpinText.h"

namespace ked {
namespace {

const int k14h = 14 * 3600;

TEST(GanaTimes, SeriesAndEndTimes) {
  const struct {
    int boards;
    bool screens;
    int start;
    std::array<std::string, 3> series, ends;
  } cases[] = {
      {14, true, k14h, {"1-14", "15-28", "29-42"}, {"15:55:30", "17:51:00", "19:46:30"}},
      {14, false, k14h, {"1-14", "15-28", "29-42"}, {"15:45:00", "17:30:00", "19:15:00"}},
      {1, true, k14h, {"1-1", "2-2", "3-3"}, {"14:08:15", "14:16:30", "14:24:45"}},
      // The end of play past midnight is shown modulo 24 hours.
      {32, true, k14h, {"1-32", "33-64", "65-96"}, {"18:24:00", "22:48:00", "03:12:00"}},
      {32,
       false,
       23 * 3600 + 59 * 60 + 59,
       {"1-32", "33-64", "65-96"},
       {"03:59:59", "07:59:59", "11:59:59"}},
  };
  for (const auto& c : cases) {
    const GanaSchedule s = GanaTimes(c.boards, c.screens, c.start, LocaleFormat::French());
    EXPECT_EQ(s.series, c.series) << c.boards;
    EXPECT_EQ(s.ends, c.ends) << c.boards << (c.screens ? " avec écrans" : " sans écran");
  }
}

TEST(GanaTimes, ScreensChangeOnlyTheTimes) {
  const auto with = GanaTimes(20, true, k14h, LocaleFormat::French());
  const auto without = GanaTimes(20, false, k14h, LocaleFormat::French());
  EXPECT_EQ(with.series, without.series);
  EXPECT_NE(with.ends, without.ends);
  EXPECT_EQ(GanaSecondsPerBoard(true), 8 * 60 + 15);
  EXPECT_EQ(GanaSecondsPerBoard(false), 7 * 60 + 30);
}

TEST(GanaTimes, TimesFollowTheLocaleFormat) {
  LocaleFormat locale = LocaleFormat::French();
  locale.longTimeFormat = "H'h'mm";
  EXPECT_EQ(GanaTimes(14, false, 9 * 3600, locale).ends[0], "10h45");
}

TEST(GanaTimes, ReadsTimesAsTheRuntimeDoes) {
  const struct {
    const char* text;
    std::optional<int> seconds;
  } cases[] = {
      {"14:00:00", k14h},
      {" 9:05:30", 9 * 3600 + 330},
      {"9:5:3", 9 * 3600 + 303},
      {"14:00", k14h},
      {"00:00:00", 0},
      {"23:59:59", 86399},
      {"24:00:00", std::nullopt},
      {"12:60:00", std::nullopt},
      {"12:00:60", std::nullopt},
      {"14", std::nullopt},
      {"1::", std::nullopt},
      {"  :  :  ", std::nullopt},
      {"", std::nullopt},
      {"14:00:00:00", std::nullopt},
      {"140:00:00", std::nullopt},
      {"1a:00:00", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseTimeOfDay(c.text), c.seconds) << '"' << c.text << '"';
}

TEST(GanaTimes, BoardsFromSpinText) {
  const struct {
    const char* text;
    std::optional<int> boards;
  } cases[] = {
      {"14", 14},          {"1", 1},           {"32", 32}, {"40", 32}, {"abc", 1},
      {"0", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GanaBoardsFromText(c.text), c.boards) << '"' << c.text << '"';
}

TEST(SpinText, NotAnIntegerReadsAsTheMinimumAndValuesAreClamped) {
  EXPECT_EQ(SpinTextValue("14", 2, 48), 14);
  EXPECT_EQ(SpinTextValue("x", 2, 48), 2);
  EXPECT_EQ(SpinTextValue("0", 2, 48), 2);
  EXPECT_EQ(SpinTextValue("99", 0, 90), 90);
}

TEST(GanaTimes, FirstLineOnly) {
  EXPECT_EQ(FirstTextLine("B10\r\nB11"), "B10");
  EXPECT_EQ(FirstTextLine("B10\nB11"), "B10");
  EXPECT_EQ(FirstTextLine("(14) Equipe "), "(14) Equipe ");
  EXPECT_EQ(FirstTextLine(""), "");
}

}  // namespace
}  // namespace ked
