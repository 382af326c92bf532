#include "balancing/BalancingSearch.h"

#include "balancing/SmallestEigenvalue.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <vector>

namespace ked {

uint64_t SeatingCount(int tableCount) {
  uint64_t count = 1;
  for (int i = 2; i < tableCount; ++i) count *= static_cast<uint64_t>(i);
  return count;
}

Decimal4 DeviationOfSums(int64_t sum, int64_t sumOfSquares, int tableCount) {
  // ScoreStudy adds round((10000 M - mean)^2 / 10000) per table. Expanded, that is
  // 10000 M^2 - 2 M mean + round(mean^2 / 10000): mean^2 is a square, so it is
  // never 5000 modulo 10000 and the rounding of each term takes no parity.
  const int64_t mean = DivideHalfEven(Decimal4::kScale * sum, tableCount);
  const int64_t accumulator = Decimal4::kScale * sumOfSquares - 2 * mean * sum +
                              tableCount * DivideHalfEven(mean * mean, Decimal4::kScale);
  return SquareRoot(Decimal4::FromRaw(DivideHalfEven(accumulator, tableCount)));
}

int ProgressShift(uint64_t total) {
  int shift = 0;
  while ((total >> shift) > static_cast<uint64_t>(INT_MAX)) ++shift;
  return shift;
}

void PowerOffComputer(Platform& platform) { platform.RequestPowerOff(); }

namespace {

// The search walks the seatings depth first, table by table, keeping the sums
// M[k] up to date as ranks are placed. The deviation only grows with the sum of
// squares of M, so a subtree whose least reachable sum of squares is not below
// the threshold holds no seating strictly better than the best: it is counted
// and skipped, and so is one whose every seating has an image of equal score
// earlier in the walk. What is tested, and found, is what testing every seating
// one by one would test and find.
class Searcher {
  // The strong bound costs more than walking the last few tables.
  static constexpr int kOpenBoundTables = 4;

 public:
  Searcher(BalancingStudy& study, const SearchCallbacks& callbacks, uint64_t stepBudget)
      : study_(study), start_(study), callbacks_(callbacks), n_(study.tableCount),
        stepBudget_(stepBudget) {
    const auto weights = PositionWeights(study);
    int64_t weightSum = 0;
    std::vector<int> completion(n_ + 1, 0);
    for (int j = 1; j <= n_; ++j) {
      if (weights[j] == 0) continue;
      weightSum += weights[j];
      for (int k = 1; k <= n_; ++k) {
        int table = j + k - 1;
        if (table > n_) table -= n_;
        feeds_[table].push_back({k, weights[j]});
        if (table > completion[k]) completion[k] = table;
      }
    }
    for (int k = 1; k <= n_; ++k) completes_[completion[k]].push_back(k);
    for (int table = 1; table <= n_; ++table) {
      for (int k = 1; k <= n_; ++k) {
        if (completion[k] <= table) continue;
        // The weights of the tables still to seat that feed M[k], largest first:
        // the least addition pairs them with the smallest free ranks. Written as
        // steps, so that sum(w[i] * r[i]) = sum(step[i] * (sum of i ranks)).
        std::vector<int> open;
        for (int j = 1; j <= n_; ++j) {
          int feeder = j + k - 1;
          if (feeder > n_) feeder -= n_;
          if (weights[j] > 0 && feeder > table) open.push_back(weights[j]);
        }
        std::sort(open.rbegin(), open.rend());
        OpenSum sum{k, {}};
        for (size_t i = 0; i < open.size(); ++i) {
          const int step = open[i] - (i + 1 < open.size() ? open[i + 1] : 0);
          if (step != 0) sum.steps.push_back({static_cast<int>(i + 1), step});
        }
        open_[table].push_back(sum);
      }
    }
    for (int table = 1; table < n_; ++table) spectra_[table] = FreeSpectrum(weights, table);
    // sum(M^2) = sum over d of A(d) * sum over t of E[t] E[t + d], with A the
    // round autocorrelation of the weights; the inner sums over d != 0 add up to
    // the same total for every seating. So when A is the same for every d != 0
    // (a single position, or positions forming a difference set), every
    // seating scores alike.
    std::vector<int64_t> autocorrelation(n_, 0);
    for (int d = 1; d < n_; ++d)
      for (int j = 1; j <= n_; ++j) autocorrelation[d] += weights[j] * weights[(j - 1 + d) % n_ + 1];
    allAlike_ = std::all_of(autocorrelation.begin() + 1, autocorrelation.end(),
                            [&](int64_t a) { return a == autocorrelation[1]; });
    weightSum_ = weightSum;
    totalSum_ = weightSum * n_ * (n_ + 1) / 2;
    for (int table = 1; table <= n_; ++table) below_[table] = SeatingCount(n_ - table + 1);
    threshold_ = Threshold(study.standardDeviation);
  }

  uint64_t Run() {
    // Sums that read no table at all (no position in use) are 0 from the start.
    Totals none;
    none.count = static_cast<int>(completes_[0].size());
    if (allAlike_) {
      Count(below_[1]);
      return tests_;
    }
    Place(1, 1, none);
    if (abandoned_) study_ = start_;
    return tests_;
  }

  bool Abandoned() const { return abandoned_; }

 private:
  struct Feed {
    int sum;     // k of M[k]
    int weight;  // sessions in which the position is not played
  };
  struct Step {
    int ranks;   // how many of the free ranks
    int weight;
  };
  struct OpenSum {
    int sum;  // k of M[k]
    std::vector<Step> steps;
  };
  // The weights' autocorrelation across the tables still free below a level.
  struct Spectrum {
    std::array<double, kMaxBalancingTables> rowSums{};  // A 1, by free table
    double total = 0;                          // 1'A 1
    double least = 0;                          // least eigenvalue off the constant direction
  };
  struct Totals {
    int64_t squares = 0;  // of the final sums
    int64_t sum = 0;
    int count = 0;
  };

  // The least sum of squares such that the deviation is not below `best`.
  int64_t Threshold(Decimal4 best) const {
    int64_t low = 0, high = totalSum_ * totalSum_ + 1;
    if (DeviationOfSums(totalSum_, high, n_) < best) return high + 1;
    while (low < high) {
      const int64_t middle = low + (high - low) / 2;
      if (DeviationOfSums(totalSum_, middle, n_) < best)
        low = middle + 1;
      else
        high = middle;
    }
    return low;
  }

  // Seats `rank` at `table`, then walks every completion.
  void Place(int table, int rank, Totals totals) {
    if (stepBudget_ != 0 && ++steps_ > stepBudget_) abandoned_ = true;
    if (abandoned_) return;
    seating_[table] = rank;
    used_ |= 1u << rank;
    for (const Feed& f : feeds_[table]) sums_[f.sum] += f.weight * rank;
    for (int k : completes_[table]) {
      totals.squares += static_cast<int64_t>(sums_[k]) * sums_[k];
      totals.sum += sums_[k];
      ++totals.count;
    }
    if (table == n_) {
      Count(1);
      if (totals.squares < threshold_ && !MirrorComesFirst()) Improve();
    } else if (ImageComesFirst(table) || EvenBound(totals) >= threshold_ ||
               (n_ - table >= kOpenBoundTables && OpenBound(table, totals) >= threshold_)) {
      Count(below_[table]);
    } else {
      uint32_t free = ~used_ & ((2u << n_) - 2);
      while (free != 0 && !abandoned_) {
        const int next = std::countr_zero(free);
        free &= free - 1;
        Place(table + 1, next, totals);
      }
    }
    for (const Feed& f : feeds_[table]) sums_[f.sum] -= f.weight * rank;
    used_ &= ~(1u << rank);
  }

  // Seatings that score alike: the mirror (table t takes the rank of table
  // 2 - t round the section) and the complement turned so that rank 1 stays at
  // table 1 (rank N + 1 - r, starting from the table of rank N), and both. A
  // seating with an image that comes before it in the walk is never strictly
  // better than the best: the image was tested, or skipped as no better, first.
  bool MirrorComesFirst() const { return seating_[n_] < seating_[2]; }

  // Whether every completion of tables 1..table has an image that comes first.
  bool ImageComesFirst(int table) const {
    if (table < 2) return false;
    const int second = seating_[2];
    // Mirror: table N is to hold a rank below the one of table 2.
    if (31 - std::countl_zero(~used_ & ((2u << n_) - 2)) < second) return true;
    // Complement: its table 2 holds N + 1 - (rank next to rank N).
    const int top = n_ + 1 - second;
    const int last = seating_[table];
    if (last == n_) return seating_[table - 1] > top;
    return seating_[table - 1] == n_ && last > top;
  }

  // The open sums share what remains evenly: quick, and often enough.
  int64_t EvenBound(const Totals& totals) const {
    const int open = n_ - totals.count;
    if (open == 0) return totals.squares;
    const int64_t rest = totalSum_ - totals.sum;
    const int64_t share = rest / open, over = rest % open;
    return totals.squares + over * (share + 1) * (share + 1) + (open - over) * share * share;
  }

  Spectrum FreeSpectrum(const std::array<int, kMaxBalancingTables + 1>& weights, int table) const {
    const int f = n_ - table;
    std::vector<double> a(static_cast<size_t>(f * f));
    Spectrum spectrum;
    for (int u = 0; u < f; ++u)
      for (int v = 0; v < f; ++v) {
        const int d = ((v - u) % n_ + n_) % n_;
        int64_t sum = 0;
        for (int j = 1; j <= n_; ++j) sum += weights[j] * weights[(j - 1 + d) % n_ + 1];
        a[u * f + v] = static_cast<double>(sum);
        spectrum.rowSums[u] += static_cast<double>(sum);
      }
    for (int u = 0; u < f; ++u) spectrum.total += spectrum.rowSums[u];
    // Project off the constant direction, then lift it far above the rest.
    std::vector<double> p(a.size());
    double lift = 1;
    for (int u = 0; u < f; ++u) lift += std::abs(a[u * f + u]) * f;
    for (int u = 0; u < f; ++u)
      for (int v = 0; v < f; ++v) {
        double x = a[u * f + v] - (spectrum.rowSums[u] + spectrum.rowSums[v]) / f +
                   spectrum.total / (double{1.0} * f * f);
        p[u * f + v] = x + lift / f;
      }
    // Less a hair, so that the rotations' rounding never raises the bound.
    spectrum.least = f <= 1 ? 0 : SmallestEigenvalue(p, f) - 1e-9 * lift;
    return spectrum;
  }

  // What the free ranks can add to each open sum, at least and at most.
  struct OpenLimits {
    int count = 0;
    std::array<int32_t, kMaxBalancingTables + 1> low{}, high{};
    std::array<int32_t, kMaxBalancingTables + 1> freeRanks{};  // increasing
    int freeCount = 0;
  };

  OpenLimits Limits(int table) const {
    OpenLimits limits;
    std::array<int32_t, kMaxBalancingTables + 1> smallest{}, largest{};  // sums of the i smallest / largest
    for (int r = 1; r <= n_; ++r)
      if ((used_ & (1u << r)) == 0) {
        limits.freeRanks[limits.freeCount++] = r;
        smallest[limits.freeCount] = smallest[limits.freeCount - 1] + r;
      }
    for (int i = 1; i <= limits.freeCount; ++i)
      largest[i] = largest[i - 1] + limits.freeRanks[limits.freeCount - i];
    const auto& open = open_[table];
    limits.count = static_cast<int>(open.size());
    for (int i = 0; i < limits.count; ++i)
      for (const Step& s : open[i].steps) {
        limits.low[i] += s.weight * smallest[s.ranks];
        limits.high[i] += s.weight * largest[s.ranks];
      }
    return limits;
  }

  // The least sum of squares of `count` integers within their limits that add up
  // to `total`: all at a common level, clamped, the rest one by one at the level.
  static int64_t Fill(const int32_t* low, const int32_t* high, int count, int64_t total) {
    int32_t level = INT32_MAX, top = INT32_MIN;
    for (int i = 0; i < count; ++i) {
      level = std::min(level, low[i]);
      top = std::max(top, high[i]);
    }
    auto filled = [&](int32_t l) {
      int64_t sum = 0;
      for (int i = 0; i < count; ++i) sum += std::clamp(l, low[i], high[i]);
      return sum;
    };
    while (level < top) {
      const int32_t middle = level + (top - level + 1) / 2;
      if (filled(middle) <= total)
        level = middle;
      else
        top = middle - 1;
    }
    int64_t squares = 0, used = 0;
    for (int i = 0; i < count; ++i) {
      const int64_t y = std::clamp(level, low[i], high[i]);
      squares += y * y;
      used += y;
    }
    return squares + (total - used) * (2 * int64_t{level} + 1);
  }

  // Two bounds on the open sums a + x (a: the part so far, x: what the free
  // ranks add). First each sum alone within its limits. Then sum((a + x)^2) as
  // a quadratic form in the free ranks r: a^2 + 2 b.r + r'A r, where A is the
  // weights' autocorrelation between the free tables. Writing r = m + z (m their
  // mean): r'A r >= 2 m (A 1).r - m^2 (1'A 1) + mu |z|^2, mu the least eigenvalue
  // of A across the free tables off the constant direction; and the least of the
  // linear part over every way of giving the ranks to the tables is the largest
  // coefficient with the smallest rank.
  int64_t OpenBound(int table, const Totals& totals) const {
    const OpenLimits limits = Limits(table);
    const auto& open = open_[table];
    const int count = limits.count;
    std::array<int32_t, kMaxBalancingTables + 1> low{}, high{};
    int64_t partSquares = 0;
    for (int i = 0; i < count; ++i) {
      const int32_t a = sums_[open[i].sum];
      low[i] = a + limits.low[i];
      high[i] = a + limits.high[i];
      partSquares += int64_t{a} * a;
    }
    const int64_t each = totals.squares + Fill(low.data(), high.data(), count, totalSum_ - totals.sum);
    if (each >= threshold_) return each;

    const int f = limits.freeCount;
    double rankSum = 0, rankSquares = 0;
    for (int i = 0; i < f; ++i) {
      rankSum += limits.freeRanks[i];
      rankSquares += double{1.0} * limits.freeRanks[i] * limits.freeRanks[i];
    }
    const double m = rankSum / f;
    const Spectrum& spectrum = spectra_[table];
    std::array<double, kMaxBalancingTables + 1> coefficient{};
    for (int u = table + 1, i = 0; u <= n_; ++u, ++i) {
      int64_t b = 0;
      for (const Feed& feed : feeds_[u]) b += int64_t{feed.weight} * sums_[feed.sum];
      coefficient[i] = static_cast<double>(b) + m * spectrum.rowSums[i];
    }
    std::sort(coefficient.begin(), coefficient.begin() + f, std::greater<>());
    double linear = 0;
    for (int i = 0; i < f; ++i) linear += coefficient[i] * limits.freeRanks[i];
    const double spread = rankSquares - rankSum * m;
    const double quadratic = static_cast<double>(totals.squares + partSquares) + 2 * linear -
                             m * m * spectrum.total + spectrum.least * spread;
    // Rounding of the doubles must never cut a subtree that holds a better seating.
    const double margin = 1e-9 * (std::abs(quadratic) + 1) + 1e-6;
    const int64_t coupled = static_cast<int64_t>(std::ceil(quadratic - margin));
    return std::max(each, coupled);
  }

  void Count(uint64_t seatings) {
    const uint64_t before = tests_;
    tests_ += seatings;
    if ((before >> 7) != (tests_ >> 7) && callbacks_.progress)
      callbacks_.progress(tests_ & ~uint64_t{127});
  }

  void Improve() {
    BalancingStudy candidate = study_;
    for (int t = 1; t <= n_; ++t) candidate.at(t).E = seating_[t];
    ScoreStudy(candidate);
    if (!(candidate.standardDeviation < study_.standardDeviation)) return;
    study_ = candidate;
    threshold_ = Threshold(study_.standardDeviation);
    if (callbacks_.improved) callbacks_.improved(study_);
  }

  BalancingStudy& study_;
  const BalancingStudy start_;
  const SearchCallbacks& callbacks_;
  const int n_;
  const uint64_t stepBudget_;  // 0: none
  uint64_t steps_ = 0;
  bool abandoned_ = false;
  std::array<std::vector<Feed>, kMaxBalancingTables + 1> feeds_;      // by table: the sums it feeds
  std::array<std::vector<int>, kMaxBalancingTables + 1> completes_;  // by table: sums final there
  std::array<std::vector<OpenSum>, kMaxBalancingTables + 1> open_;   // by table: sums still open
  std::array<Spectrum, kMaxBalancingTables + 1> spectra_;            // by table: of the tables after it
  bool allAlike_ = false;
  std::array<uint64_t, kMaxBalancingTables + 1> below_{};            // seatings once a table is seated
  std::array<int32_t, kMaxBalancingTables + 1> sums_{};
  std::array<int32_t, kMaxBalancingTables + 1> seating_{};
  uint32_t used_ = 0;
  int64_t weightSum_ = 0;  // sessions times positions not played: what each table feeds
  int64_t totalSum_ = 0;
  int64_t threshold_ = 0;
  uint64_t tests_ = 0;
};

}  // namespace

uint64_t SearchBestSeating(BalancingStudy& study, const SearchCallbacks& callbacks) {
  return Searcher(study, callbacks, 0).Run();
}

bool SearchBestSeatingWithin(BalancingStudy& study, const SearchCallbacks& callbacks,
                             uint64_t stepBudget, uint64_t& tests) {
  Searcher searcher(study, callbacks, stepBudget);
  tests = searcher.Run();
  return !searcher.Abandoned();
}

uint64_t SearchStepBudget(int tableCount) {
  return tableCount > kMaxExhaustiveTables ? kSearchStepBudget : 0;
}

}  // namespace ked
