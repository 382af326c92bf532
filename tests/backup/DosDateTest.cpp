#include "backup/DosDate.h"

#include <gtest/gtest.h>

#include "LocalTimeZone.h"

namespace ked::backup {
namespace {
using test::Utc;

constexpr std::uint32_t Packed(int year, int month, int day, int hour, int minute, int second) {
  return static_cast<std::uint32_t>(year - 1980) << 25 | static_cast<std::uint32_t>(month) << 21 |
         static_cast<std::uint32_t>(day) << 16 | static_cast<std::uint32_t>(hour) << 11 |
         static_cast<std::uint32_t>(minute) << 5 | static_cast<std::uint32_t>(second / 2);
}

struct PackCase {
  const char* what;
  time_t when;
  std::uint32_t packed;
};

TEST(DosDate, PacksLocalTimeOfParis) {
  test::ScopedTimeZone paris(test::kParisZone);
  const PackCase cases[] = {
      {"winter, one hour ahead", Utc(2026, 12, 10, 10, 34, 30), Packed(2026, 12, 10, 11, 34, 30)},
      {"summer, two hours ahead", Utc(2024, 7, 1, 12, 0, 0), Packed(2024, 7, 1, 14, 0, 0)},
      {"odd second goes down", Utc(2024, 7, 1, 12, 0, 59), Packed(2024, 7, 1, 14, 0, 58)},
      {"new year in local time", Utc(2023, 12, 31, 23, 30, 0), Packed(2024, 1, 1, 0, 30, 0)},
      {"first packable second", Utc(1979, 12, 31, 23, 0, 0), Packed(1980, 1, 1, 0, 0, 0)},
      {"before 1980 is brought to 1980", Utc(1970, 1, 1, 0, 0, 0), Packed(1980, 1, 1, 0, 0, 0)},
      {"after 2107 is brought to its end", Utc(2200, 1, 1, 0, 0, 0),
       Packed(2107, 12, 31, 23, 59, 58)},
  };
  for (const auto& c : cases) EXPECT_EQ(PackDosDate(c.when), c.packed) << c.what;
}

TEST(DosDate, UnpacksToTheSameInstantToTwoSeconds) {
  test::ScopedTimeZone paris(test::kParisZone);
  for (time_t when : {Utc(2026, 12, 10, 10, 34, 31), Utc(2024, 7, 1, 12, 0, 0),
                      Utc(2000, 2, 29, 22, 59, 59), Utc(1980, 1, 1, 0, 0, 0)}) {
    const auto back = UnpackDosDate(PackDosDate(when));
    ASSERT_TRUE(back.has_value());
    EXPECT_LE(when - *back, 1);
    EXPECT_GE(when - *back, 0);
  }
}

TEST(DosDate, RefusesFieldsThatAreNoDate) {
  test::ScopedTimeZone paris(test::kParisZone);
  EXPECT_FALSE(UnpackDosDate(0).has_value());                           // month 0, day 0
  EXPECT_FALSE(UnpackDosDate(Packed(2024, 13, 1, 0, 0, 0)).has_value());
  EXPECT_FALSE(UnpackDosDate(Packed(2023, 2, 29, 0, 0, 0)).has_value());
  EXPECT_FALSE(UnpackDosDate(Packed(2024, 1, 1, 24, 0, 0)).has_value());
  EXPECT_FALSE(UnpackDosDate(Packed(2024, 1, 1, 0, 60, 0)).has_value());
  EXPECT_FALSE(UnpackDosDate(Packed(2024, 1, 1, 0, 0, 0) | 30).has_value());  // 60 seconds
  EXPECT_TRUE(UnpackDosDate(Packed(2024, 2, 29, 0, 0, 0)).has_value());
}

}  // namespace
}  // namespace ked::backup
