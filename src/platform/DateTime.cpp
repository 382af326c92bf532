#include "platform/DateTime.h"

namespace ked {
namespace {
// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long DaysFromEpoch(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}
constexpr long kEpochDayNumber = 25569;  // 1970-01-01 counted from 1899-12-30
}  // namespace

int DayNumberFromCivil(const CivilDate& date) {
  return static_cast<int>(DaysFromEpoch(date.year, static_cast<unsigned>(date.month),
                                        static_cast<unsigned>(date.day)) +
                          kEpochDayNumber);
}

CivilDate CivilFromDayNumber(int dayNumber) {
  long z = dayNumber - kEpochDayNumber + 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long y = static_cast<long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

bool IsValidCivilDate(const CivilDate& date) {
  if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1)
    return false;
  return CivilFromDayNumber(DayNumberFromCivil(date)) == date;
}

int DayOfWeek(int dayNumber) {
  // Day 0 (1899-12-30) was a Saturday.
  int r = (dayNumber + 6) % 7;
  return r < 0 ? r + 7 : r;
}

}  // namespace ked
