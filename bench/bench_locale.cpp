// Formatting of numbers as the configuration window shows them.
#include <benchmark/benchmark.h>

#include "platform/LocaleFormat.h"

static void BM_FormatFixedGrouped(benchmark::State& state) {
  const ked::LocaleFormat fr = ked::LocaleFormat::French();
  double v = 1234.5;
  for (auto _ : state) benchmark::DoNotOptimize(ked::FormatFixed(v += 0.01, 2, true, fr));
}
BENCHMARK(BM_FormatFixedGrouped);
