// The optimised order of rounds for pools of 8 to 18 teams: the whole search,
// from the serpentine table to the last round.
#include <benchmark/benchmark.h>

#include "pool/PoulOpt.h"
#include "pool/Serpentine.h"

namespace {

// Entity codes from a few close groups, as a committee's clubs are.
ked::Pool BenchPool(int teams) {
  ked::Pool pool;
  for (int i = 1; i <= teams; ++i) {
    ked::t_equipe& t = pool.teams[i];
    t.num = static_cast<uint8_t>(i);
    t.entite = 100 * (1 + (i * 7) % 5) + (i % 3);
  }
  pool.count = static_cast<uint8_t>(teams);
  return pool;
}

void BM_BuildOptimised(benchmark::State& state) {
  const ked::Pool pool = BenchPool(static_cast<int>(state.range(0)));
  const ked::RoundTable serpentine = ked::BuildSerpentine(pool);
  uint64_t positions = 0;
  ked::OptimiseProgress progress;
  progress.setPosition = [&](uint64_t) { ++positions; };
  for (auto _ : state) benchmark::DoNotOptimize(ked::BuildOptimised(pool, serpentine, progress));
  state.counters["positions"] =
      benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BuildOptimised)->Arg(8)->Arg(12)->Arg(16)->Arg(18)->Unit(benchmark::kMillisecond);

}  // namespace
