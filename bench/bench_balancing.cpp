// The balancing search on studies of several shapes and sizes.
#include <benchmark/benchmark.h>

#include "balancing/BalancingSearch.h"

namespace {

// Flags given as rows of '0'/'1' for positions 1..N.
ked::BalancingStudy Study(int tables, const char* s, const char* ss = nullptr,
                          const char* sss = nullptr) {
  ked::BalancingStudy study;
  study.tableCount = tables;
  study.sessionCount = sss ? 3 : ss ? 2 : 1;
  const char* rows[] = {s, ss, sss};
  for (int session = 1; session <= study.sessionCount; ++session)
    for (int t = 1; t <= tables; ++t) study.SetFlag(session, t, rows[session - 1][t - 1] == '1');
  study.SetRanks(ked::SerpentineOrder(tables));
  ked::ScoreStudy(study);
  return study;
}

void Run(benchmark::State& state, const ked::BalancingStudy& start) {
  uint64_t tests = 0;
  for (auto _ : state) {
    ked::BalancingStudy study = start;
    tests = ked::SearchBestSeating(study);
    benchmark::DoNotOptimize(study.standardDeviation);
  }
  state.counters["tests"] = static_cast<double>(tests);
}

// Two neighbouring positions not played, one in each session (the usual study).
void BM_SearchNeighbours(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::string s(n, '0'), ss(n, '0');
  s[n / 2] = '1';
  ss[n / 2 - 1] = '1';
  Run(state, Study(n, s.c_str(), ss.c_str()));
}
BENCHMARK(BM_SearchNeighbours)->DenseRange(10, 17)->Unit(benchmark::kMillisecond);

// Positions spread over the whole section in three sessions: sums are final late.
void BM_SearchSpread(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::string s(n, '0'), ss(n, '0'), sss(n, '0');
  s[1] = s[n - 2] = '1';
  ss[n / 2] = ss[n / 3] = '1';
  sss[n / 2 + 1] = '1';
  Run(state, Study(n, s.c_str(), ss.c_str(), sss.c_str()));
}
BENCHMARK(BM_SearchSpread)->DenseRange(10, 13)->Unit(benchmark::kMillisecond);

// The slowest shapes met among random studies while tuning the search.
void BM_SearchHardShapes(benchmark::State& state) {
  switch (state.range(0)) {
    case 10:
      Run(state, Study(10, "1010010010", "0100110110"));
      break;
    case 11:
      Run(state, Study(11, "01001100010", "01001110100"));
      break;
    case 12:
      Run(state, Study(12, "000010000000", "111001000000"));
      break;
    case 13:
      Run(state, Study(13, "0000000000110", "0000110000010"));
      break;
    default:
      Run(state, Study(14, "00000001011101", "01100100000100"));
      break;
  }
}
BENCHMARK(BM_SearchHardShapes)->DenseRange(10, 14)->Unit(benchmark::kMillisecond);

// Every other position in one session: many seatings come close to the best.
void BM_SearchAlternating(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::string s(n, '0');
  for (int t = 2; t < n; t += 2) s[t - 1] = '1';
  s[n - 1] = '1';
  Run(state, Study(n, s.c_str()));
}
BENCHMARK(BM_SearchAlternating)->DenseRange(10, 13)->Unit(benchmark::kMillisecond);

// Positions forming a difference set: every seating scores alike.
void BM_SearchDifferenceSet(benchmark::State& state) {
  Run(state, Study(13, "1101000001000"));
}
BENCHMARK(BM_SearchDifferenceSet)->Unit(benchmark::kMillisecond);

}  // namespace
