#include "platform/LocaleFormat.h"

#include <gtest/gtest.h>

#include "platform/DateTime.h"

namespace ked {
namespace {

const LocaleFormat fr = LocaleFormat::French();
const std::string nbsp = "\xC2\xA0";

TEST(FormatGeneral, FifteenSignificantDigitsTrailingZerosDropped) {
  struct Case { double value; const char* text; } cases[] = {
      {97.6, "97,6"}, {205, "205"}, {0.49, "0,49"}, {1234.5, "1234,5"}, {0.1 + 0.2, "0,3"},
      {-2.5, "-2,5"}, {0, "0"}, {1e20, "1E+20"}, {123456789012345.0, "123456789012345"}};
  for (const Case& c : cases) EXPECT_EQ(FormatGeneral(c.value, fr), c.text) << c.value;
}

TEST(FormatFixed, GroupsThousandsAndRoundsHalvesToEven) {
  EXPECT_EQ(FormatFixed(1234.5, 2, true, fr), "1" + nbsp + "234,50");
  EXPECT_EQ(FormatFixed(1234567.891, 2, true, fr), "1" + nbsp + "234" + nbsp + "567,89");
  EXPECT_EQ(FormatFixed(97.6, 2, true, fr), "97,60");
  EXPECT_EQ(FormatFixed(0.125, 2, false, fr), "0,12");  // exact half, even neighbour
  EXPECT_EQ(FormatFixed(0.375, 2, false, fr), "0,38");
  EXPECT_EQ(FormatFixed(2.5, 0, false, fr), "2");
  EXPECT_EQ(FormatFixed(-0.001, 2, false, fr), "0,00");
  EXPECT_EQ(FormatFixed(-1500, 2, true, fr), "-1" + nbsp + "500,00");
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.125, 2), 0.12);
  EXPECT_DOUBLE_EQ(RoundHalfEven(3.5, 0), 4);
}

TEST(ParseFloat, ReadsTheLocalesWayOnly) {
  EXPECT_EQ(ParseFloat("97,6", fr), 97.6);
  EXPECT_EQ(ParseFloat("  -12,50 ", fr), -12.5);
  EXPECT_EQ(ParseFloat("5", fr), 5.0);
  EXPECT_EQ(ParseFloat("1,5E3", fr), 1500.0);
  for (const char* bad : {"97.6", "", " ", "1 234,5", "12a", ",", "1,5E", "--1"})
    EXPECT_EQ(ParseFloat(bad, fr), std::nullopt) << bad;
  LocaleFormat en = fr;
  en.decimalSeparator = ".";
  EXPECT_EQ(ParseFloat("97.6", en), 97.6);
}

TEST(ParseGroupedFloat, AcceptsThousandsSeparators) {
  EXPECT_EQ(ParseGroupedFloat("1" + nbsp + "234,50", fr), 1234.5);
  EXPECT_EQ(ParseGroupedFloat("1 234,50", fr), 1234.5);
  EXPECT_EQ(ParseGroupedFloat("12,3x", fr), std::nullopt);
}

TEST(Dates, DayNumbersCountFromThe30thOfDecember1899) {
  EXPECT_EQ(DayNumberFromCivil({1899, 12, 30}), 0);
  EXPECT_EQ(DayNumberFromCivil({1900, 1, 1}), 2);
  EXPECT_EQ(DayNumberFromCivil({2000, 1, 1}), 36526);
  EXPECT_EQ(CivilFromDayNumber(40831), (CivilDate{2011, 10, 15}));
  EXPECT_EQ(DayOfWeek(40831), 6);  // a Saturday
  EXPECT_EQ(FormatShortDate(40831, fr), "15/10/2011");
  EXPECT_EQ(FormatDate(40831, "dddd d MMMM yyyy", fr), "samedi 15 octobre 2011");
  EXPECT_EQ(ParseShortDate("15/10/2011", fr), 40831);
  EXPECT_EQ(ParseShortDate("15/10/11", fr), 40831);
  for (const char* bad : {"31/02/2020", "", "15/10", "15-10-2011x", "aa/bb/cccc"})
    EXPECT_EQ(ParseShortDate(bad, fr), std::nullopt) << bad;
}

TEST(Times, LongTimeFormat) {
  EXPECT_EQ(FormatLongTime(13 * 3600 + 5 * 60 + 9, fr), "13:05:09");
  EXPECT_EQ(FormatTime(9 * 3600 + 30 * 60, "H'h'mm"), "9h30");
  EXPECT_EQ(FormatDate(40831, "dd'd'/MM", fr), "15d/10");
}

}  // namespace
}  // namespace ked
