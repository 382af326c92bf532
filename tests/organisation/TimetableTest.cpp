#include "organisation/Timetable.h"

#include <gtest/gtest.h>

#include "organisation/RuntimeFailure.h"
#include "platform/DateTime.h"

namespace ked::orga {
namespace {

const LocaleFormat fr = LocaleFormat::French();

TEST(HourMinutes, FormatsHoursWithoutLeadingZeroAndTwoDigitMinutes) {
  struct Case { int minutes; const char* text; } cases[] = {
      {0, "0h00"}, {5, "0h05"}, {570, "9h30"}, {1305, "21h45"}, {1445, "24h05"}, {1540, "25h40"}};
  for (const Case& c : cases) EXPECT_EQ(FormatHourMinutes(c.minutes), c.text) << c.minutes;
}

TEST(HourMinutes, ParsesFiveCharacterAndShortForms) {
  struct Case { const char* text; int minutes; } cases[] = {
      {"14h00", 840}, {"09:30", 570}, {"9h30", 570}, {"25h40", 1540}, {"00:00", 0}};
  for (const Case& c : cases) EXPECT_EQ(ParseHourMinutes(c.text), c.minutes) << c.text;
  // Every written time reads back.
  for (int m : {0, 575, 1445, 5999}) EXPECT_EQ(ParseHourMinutes(FormatHourMinutes(m)), m) << m;
}

TEST(HourMinutes, APartThatIsNotAnIntegerFailsWithTheRuntimeMessage) {
  struct Case { const char* text; const char* message; } cases[] = {
      {"1a:00", "'1a' n'est pas une valeur entière correcte"},
      {"14:5y", "'5y' n'est pas une valeur entière correcte"},
      {"9h", "'' n'est pas une valeur entière correcte"},
      {"", "'' n'est pas une valeur entière correcte"}};
  for (const Case& c : cases) {
    try {
      ParseHourMinutes(c.text);
      ADD_FAILURE() << "no failure for '" << c.text << "'";
    } catch (const RuntimeFailure& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(SessionLength, SevenAndAHalfMinutesPerDealWithoutScreensHalvesToEven) {
  struct Case { int deals; int minutes; } cases[] = {
      {26, 195}, {27, 202}, {72, 540}, {7, 52}, {9, 68}, {25, 188}, {6, 45}, {12, 90}};
  for (const Case& c : cases) EXPECT_EQ(SessionLength(c.deals, false), c.minutes) << c.deals;
}

TEST(SessionLength, EightAndAQuarterWithScreensInExtendedPrecision) {
  struct Case { int deals; int minutes; } cases[] = {{26, 214}, {27, 223}, {72, 594}, {16, 132}};
  for (const Case& c : cases) EXPECT_EQ(SessionLength(c.deals, true), c.minutes) << c.deals;
  // Deals 6, 10, ..., 70 land on a half: exactly on it (to even) or just above (up).
  const int halves[] = {50,  82,  116, 149, 182, 214, 248, 280, 314,
                        346, 380, 412, 446, 479, 512, 544, 578};
  for (int i = 0; i < 17; ++i) EXPECT_EQ(SessionLength(6 + 4 * i, true), halves[i]) << 6 + 4 * i;
}

TEST(Gaps, RoundUpToFiveKeepsMultiples) {
  struct Case { int in, out; } cases[] = {{1054, 1055}, {1055, 1055}, {1088, 1090}, {0, 0}, {1, 5}};
  for (const Case& c : cases) EXPECT_EQ(RoundUpToFive(c.in), c.out) << c.in;
}

TEST(Gaps, PauseCountsTeamsAsTwoPairs) {
  using T = CompetitionType;
  struct Case { T type; int participants; int minutes; } cases[] = {
      {T::Paires, 36, 53}, {T::Paires, 28, 45}, {T::Paires, 10, 45}, {T::Suisse, 18, 38},
      {T::Suisse, 14, 30}, {T::Suisse, 60, 122}, {T::Poule, 12, 30}, {T::None, 18, 38}};
  for (const Case& c : cases)
    EXPECT_EQ(PauseLength(c.type, c.participants), c.minutes) << c.participants;
}

TEST(Gaps, DefaultGapPerTypeAndNothingWithoutType) {
  using T = CompetitionType;
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(DefaultGap(T::Paires, n), 20);
    EXPECT_EQ(DefaultGap(T::Suisse, n), n == 1 ? 10 : 15);
    EXPECT_EQ(DefaultGap(T::Poule, n), 10);
    EXPECT_EQ(DefaultGap(T::None, n), std::nullopt);
  }
}

// The pairs day of the worked example: Saturday 15 October 2011, 2 x 26 deals
// without screens from 14:00, gap 20.
TimetableInput PairsSaturday() {
  TimetableInput in;
  in.type = CompetitionType::Paires;
  in.date = DayNumberFromCivil({2011, 10, 15});
  in.start = "14:00";
  in.sessions = 2;
  in.deals = 26;
  in.gap = {20, 20, 20, 20, 20};
  return in;
}

TEST(BuildTimetable, WorkedExampleWithPlainGap) {
  const TimetableResult r = BuildTimetable(PairsSaturday(), fr);
  ASSERT_FALSE(r.failure);
  EXPECT_EQ(r.lengthText, "3h15");
  EXPECT_EQ(r.startText[0], "14:00");
  EXPECT_EQ(r.endText[0], "17h15");
  EXPECT_EQ(r.startText[1], "17h35");  // 1035 + 20 is already a multiple of 5
  EXPECT_EQ(r.endText[1], "20h50");
  EXPECT_EQ(r.sentence,
            "Samedi 15/10/2011 (2 Séances de 26 donnes sans écran) : 14h00(17h15) - 17h35(20h50) - "
            "Fin vers 21h00");
  EXPECT_EQ(r.timetable, "Samedi :14h00 - 17h35 - Fin vers 21h00");
  EXPECT_EQ(r.modalities, "2 Séances de 26 donnes sans écran");
}

TEST(BuildTimetable, PauseAndMealWordsAndRoundedStarts) {
  struct Case {
    bool pause, meal;
    int gap;
    const char* sentenceTail;
    const char* timetable;
  } cases[] = {
      {true, false, 53, "14h00(17h15) +Pause+ 18h10(21h25) - Fin vers 21h35",
       "Samedi :14h00 +Pause+ 18h10 - Fin vers 21h35"},
      {false, true, 90, "14h00(17h15) +Repas+ 18h45(22h00) - Fin vers 22h10",
       "Samedi :14h00 +Repas+ 18h45 - Fin vers 22h10"},
      // Both ticked is only possible from code: the pause comes first.
      {true, true, 90, "14h00(17h15) +Pause++Repas+ 18h45(22h00) - Fin vers 22h10",
       "Samedi :14h00 +Pause+ +Repas+ 18h45 - Fin vers 22h10"},
      // 17h15 + 21 moves up to the next multiple of 5.
      {false, false, 21, "14h00(17h15) - 17h40(20h55) - Fin vers 21h05",
       "Samedi :14h00 - 17h40 - Fin vers 21h05"},
  };
  for (const Case& c : cases) {
    TimetableInput in = PairsSaturday();
    in.pause[0] = c.pause;
    in.meal[0] = c.meal;
    in.gap[0] = c.gap;
    const TimetableResult r = BuildTimetable(in, fr);
    const std::string tail = c.sentenceTail;
    ASSERT_GE(r.sentence.size(), tail.size());
    EXPECT_EQ(r.sentence.substr(r.sentence.size() - tail.size()), tail);
    EXPECT_EQ(r.timetable, c.timetable);
  }
}

TEST(BuildTimetable, OneSessionHasNoGapAndASingularWord) {
  TimetableInput in = PairsSaturday();
  in.sessions = 1;
  in.pause[0] = true;  // unused: there is no gap
  const TimetableResult r = BuildTimetable(in, fr);
  EXPECT_EQ(r.sentence,
            "Samedi 15/10/2011 (1 Séance de 26 donnes sans écran) : 14h00(17h15) - Fin vers 17h25");
  EXPECT_EQ(r.timetable, "Samedi :14h00 - Fin vers 17h25");
  EXPECT_EQ(r.modalities, "1 Séance de 26 donnes sans écran");
  EXPECT_EQ(r.sessions, 1);
  EXPECT_EQ(r.startText[1], "");
}

TEST(BuildTimetable, TypeWordsTakeThePluralAndScreensTheirWords) {
  using T = CompetitionType;
  struct Case { T type; bool screens; const char* modalities; } cases[] = {
      {T::None, false, "2 Indéfinis de 26 donnes sans écran"},
      {T::Suisse, true, "2 Matchs de 26 donnes avec écrans"},
      {T::Poule, false, "2 Matchs de 26 donnes sans écran"},
  };
  for (const Case& c : cases) {
    TimetableInput in = PairsSaturday();
    in.type = c.type;
    in.screens = c.screens;
    const TimetableResult r = BuildTimetable(in, fr);
    EXPECT_EQ(r.modalities, c.modalities);
    EXPECT_NE(r.sentence.find(std::string("(") + c.modalities + ") : 14h00"), std::string::npos)
        << r.sentence;
  }
}

TEST(BuildTimetable, LateStartCountsPastMidnightAndEndsAreNotRounded) {
  TimetableInput in = PairsSaturday();
  in.start = "20:00";
  in.sessions = 3;
  in.deals = 27;
  in.screens = true;  // 223 minutes
  in.gap = {10, 15, 15, 15, 15};
  const TimetableResult r = BuildTimetable(in, fr);
  EXPECT_EQ(r.endText[0], "23h43");
  EXPECT_EQ(r.startText[1], "23h55");
  EXPECT_EQ(r.endText[1], "27h38");
  EXPECT_EQ(r.startText[2], "27h55");
  EXPECT_EQ(r.endText[2], "31h38");
  EXPECT_EQ(r.timetable, "Samedi :20h00 - 23h55 - 27h55 - Fin vers 31h50");
}

TEST(BuildTimetable, SessionsOutsideTheFieldsTakeTheNearestBound) {
  TimetableInput in = PairsSaturday();
  in.sessions = 7;
  EXPECT_EQ(BuildTimetable(in, fr).sessions, 6);
  in.sessions = 0;
  EXPECT_EQ(BuildTimetable(in, fr).sessions, 1);
}

TEST(BuildTimetable, AStartThatDoesNotReadStopsAfterTheFirstFields) {
  TimetableInput in = PairsSaturday();
  in.start = "1a:00";
  const TimetableResult r = BuildTimetable(in, fr);
  ASSERT_TRUE(r.failure);
  EXPECT_EQ(*r.failure, "'1a' n'est pas une valeur entière correcte");
  EXPECT_EQ(r.lengthText, "3h15");
  EXPECT_EQ(r.startText[0], "1a:00");
  EXPECT_EQ(r.sentence, "");
  EXPECT_EQ(r.endText[0], "");
}

}  // namespace
}  // namespace ked::orga
