#include "balancing/SmallestEigenvalue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace ked {
namespace {

TEST(SmallestEigenvalueTest, KnownMatrices) {
  EXPECT_NEAR(SmallestEigenvalue({5}, 1), 5, 1e-12);
  EXPECT_NEAR(SmallestEigenvalue({2, 1, 1, 2}, 2), 1, 1e-12);
  EXPECT_NEAR(SmallestEigenvalue({4, 0, 0, 0, -3, 0, 0, 0, 7}, 3), -3, 1e-12);
  // The round path of 4 tables: 2 - 2 cos(2 pi k / 4), least 0.
  EXPECT_NEAR(SmallestEigenvalue({2, -1, 0, -1, -1, 2, -1, 0, 0, -1, 2, -1, -1, 0, -1, 2}, 4), 0,
              1e-12);
}

// The least eigenvalue is the least of x'Ax / x'x: no vector goes below it, and
// random symmetric matrices built from known eigenvalues give it back.
TEST(SmallestEigenvalueTest, AgreesWithTheRayleighQuotient) {
  std::mt19937 random(8);
  std::normal_distribution<double> normal;
  for (int round = 0; round < 40; ++round) {
    const int n = 2 + round % 15;
    std::vector<double> a(n * n);
    for (int i = 0; i < n; ++i)
      for (int j = i; j < n; ++j) a[i * n + j] = a[j * n + i] = std::round(normal(random) * 50);
    const double least = SmallestEigenvalue(a, n);
    for (int trial = 0; trial < 200; ++trial) {
      std::vector<double> x(n);
      double norm = 0, quadratic = 0;
      for (double& v : x) {
        v = normal(random);
        norm += v * v;
      }
      for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) quadratic += x[i] * a[i * n + j] * x[j];
      ASSERT_GE(quadratic / norm, least - 1e-9);
    }
    // Shifting by the least eigenvalue leaves a singular matrix: its least is 0.
    std::vector<double> shifted = a;
    for (int i = 0; i < n; ++i) shifted[i * n + i] -= least;
    EXPECT_NEAR(SmallestEigenvalue(shifted, n), 0, 1e-7);
  }
}

}  // namespace
}  // namespace ked
