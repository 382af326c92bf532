#pragma once
// Calendar days as day numbers, day 0 being 30 December 1899 (the day numbers
// that the program's stored dates count from), and times of day in seconds.
#include <string>

namespace ked {

struct CivilDate {
  int year = 1899;
  int month = 12;  // 1..12
  int day = 30;    // 1..31
  bool operator==(const CivilDate&) const = default;
};

int DayNumberFromCivil(const CivilDate& date);
CivilDate CivilFromDayNumber(int dayNumber);
bool IsValidCivilDate(const CivilDate& date);
// 0 = Sunday ... 6 = Saturday.
int DayOfWeek(int dayNumber);

inline constexpr int kSecondsPerDay = 24 * 60 * 60;

}  // namespace ked
