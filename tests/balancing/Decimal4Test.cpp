#include "balancing/Decimal4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace ked {
namespace {

TEST(Decimal4Test, DivisionRoundsHalvesToEven) {
  struct Case {
    int64_t num, den, expected;
  };
  const Case cases[] = {{10, 4, 2},  {14, 4, 4},   {5, 2, 2},   {7, 2, 4},  {-5, 2, -2},
                        {-7, 2, -4}, {-11, 4, -3}, {11, 4, 3},  {9, 4, 2},  {0, 7, 0},
                        {1, 3, 0},   {2, 3, 1},    {-2, 3, -1}, {15000, 10000, 2}};
  for (const Case& c : cases)
    EXPECT_EQ(DivideHalfEven(c.num, c.den), c.expected) << c.num << "/" << c.den;
}

TEST(Decimal4Test, SquareRootIsTheNearestTenThousandth) {
  EXPECT_EQ(SquareRoot(Decimal4::FromInt(4)).raw, 20000);
  EXPECT_EQ(SquareRoot(Decimal4::FromRaw(82500)).raw, 28723);  // sqrt(8,25)
  EXPECT_EQ(SquareRoot(Decimal4::FromRaw(8000)).raw, 8944);    // sqrt(0,8)
  EXPECT_EQ(SquareRoot(Decimal4{}).raw, 0);
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    const int64_t raw = static_cast<int64_t>(random() % 5'000'000'000ull);
    const int64_t root = SquareRoot(Decimal4::FromRaw(raw)).raw;
    // |root - 100 sqrt(raw)| < 1/2, in integers: (2 root - 1)^2 < 40000 raw < (2 root + 1)^2.
    const __int128 x = static_cast<__int128>(40000) * raw;
    EXPECT_LT(static_cast<__int128>(2 * root - 1) * (2 * root - 1), x) << raw;
    EXPECT_GT(static_cast<__int128>(2 * root + 1) * (2 * root + 1), x) << raw;
  }
}

TEST(Decimal4Test, TextIsTheShortestFormWithTheLocaleSeparator) {
  const LocaleFormat fr = LocaleFormat::French();
  EXPECT_EQ(Decimal4Text(Decimal4::FromRaw(35000), fr), "3,5");
  EXPECT_EQ(Decimal4Text(Decimal4::FromRaw(28723), fr), "2,8723");
  EXPECT_EQ(Decimal4Text(Decimal4::FromRaw(110000), fr), "11");
  EXPECT_EQ(Decimal4Text(Decimal4::FromRaw(8944), fr), "0,8944");
  EXPECT_EQ(Decimal4Text(Decimal4::FromRaw(500), fr), "0,05");
  EXPECT_EQ(Decimal4Text(Decimal4::FromRaw(-12345678), fr), "-1234,5678");
  EXPECT_EQ(Decimal4Text(Decimal4{}, fr), "0");
  LocaleFormat english = fr;
  english.decimalSeparator = ".";
  EXPECT_EQ(Decimal4Text(Decimal4::FromRaw(35000), english), "3.5");
}

}  // namespace
}  // namespace ked
