#include "pool/PoulOpt.h"

#include <algorithm>
#include <utility>

#include "pool/PerfectMatchings.h"
#include "pool/Serpentine.h"

namespace ked {

uint64_t CountPairings(int teams) {
  uint64_t count = 1;
  for (int s = 1; s <= teams / 2; ++s) count *= static_cast<uint64_t>(2 * s - 1);
  return count;
}

bool BinomialBelow(uint64_t n, uint64_t k, uint64_t limit) {
  if (k > n) return limit > 0;
  k = std::min(k, n - k);
  // C(n, i) grows with i up to n/2: stop as soon as the limit is reached.
  uint64_t value = 1;
  for (uint64_t i = 1; i <= k; ++i) {
    value = value * (n - i + 1) / i;
    if (value >= limit) return false;
  }
  return value < limit;
}

std::vector<MatchCell> SortedMatchList(const RoundTable& serpentine) {
  std::vector<MatchCell> list;
  for (int r = 1; r <= kPoolMaxRounds; ++r)
    for (int t = 1; t <= kPoolMaxTables; ++t)
      if (serpentine.at(r, t).priority != 0) list.push_back(serpentine.at(r, t));
  for (size_t i = 0; i < list.size(); ++i)
    for (size_t j = 0; j < list.size(); ++j)
      if (list[i].priority > list[j].priority) std::swap(list[i], list[j]);
  return list;
}

namespace {

// Moves the progress bar through the positions the list's count takes, at
// multiples of 20 as the program does, but only often enough to be seen.
class ProgressSweep {
 public:
  ProgressSweep(const OptimiseProgress& progress, uint64_t maximum)
      : progress_(progress), step_(std::max<uint64_t>(20, (maximum / 256 + 19) / 20 * 20)) {}

  void Rise(uint64_t from, uint64_t to) {
    for (uint64_t p = (from / step_ + 1) * step_; p <= to; p += step_) Set(p);
    Set(to / 20 * 20);
  }
  void Fall(uint64_t from, uint64_t to) {
    if (from <= to) return;
    for (uint64_t p = (from - 1) / step_ * step_; p > to; p -= step_) Set(p);
    const uint64_t last = (to + 19) / 20 * 20;
    if (last < from) Set(last);
  }
  void Set(uint64_t position) {
    if (position == last_ || !progress_.setPosition) return;
    last_ = position;
    progress_.setPosition(position);
  }

 private:
  const OptimiseProgress& progress_;
  uint64_t step_;
  uint64_t last_ = 0;
};

std::vector<const MatchCell*> ChooseGreedyRound(const std::vector<MatchCell>& matches, int tables) {
  std::vector<const MatchCell*> chosen;
  uint32_t busy = 0;
  for (const MatchCell& m : matches) {
    if (static_cast<int>(chosen.size()) == tables) break;
    const uint32_t teams = (uint32_t{1} << m.home) | (uint32_t{1} << m.visitor);
    if (busy & teams) continue;
    busy |= teams;
    chosen.push_back(&m);
  }
  return chosen;
}

bool Holds(const Candidate& c, const std::vector<TeamPair>& pairs, size_t first) {
  for (size_t i = 0; i < first; ++i)
    if (!c.pairs.Has(pairs[i].first, pairs[i].second)) return false;
  return true;
}

// Every Candidate that belongs to some set of rounds covering exactly the
// remaining matches gets mark 1. Candidates have `tables` pairs and the
// remaining matches number rounds x tables, so such a set is an exact cover.
class ArrangementFilter {
 public:
  ArrangementFilter(std::vector<Candidate>& list, const MatchSet& remaining, int teams)
      : list_(list), remaining_(remaining), teams_(teams) {}

  void Mark() {
    for (Candidate& c : list_) c.mark = 0;
    Cover(remaining_);
  }

 private:
  void Cover(const MatchSet& uncovered) {
    if (uncovered.Empty()) {
      for (size_t i : chosen_) list_[i].mark = 1;
      return;
    }
    const TeamPair pair = FirstPair(uncovered);
    for (size_t i = 0; i < list_.size(); ++i) {
      const Candidate& c = list_[i];
      if (!c.pairs.Has(pair.first, pair.second) || !c.pairs.Within(uncovered)) continue;
      MatchSet next = uncovered;
      next.Remove(c.pairs);
      chosen_.push_back(i);
      Cover(next);
      chosen_.pop_back();
    }
  }
  TeamPair FirstPair(const MatchSet& set) const {
    for (int a = 1; a <= teams_; ++a)
      for (int b = a + 1; b <= teams_; ++b)
        if (set.Has(a, b)) return {static_cast<uint8_t>(a), static_cast<uint8_t>(b)};
    return {0, 0};
  }

  std::vector<Candidate>& list_;
  MatchSet remaining_;
  int teams_;
  std::vector<size_t> chosen_;
};

// The possible rounds still playable. While many are left they are exactly the
// perfect matchings over the unplayed matches, in lexicographic order: they are
// counted and searched, not listed. Once few are left they are listed.
class PossibleRounds {
 public:
  explicit PossibleRounds(int teams) : teams_(teams), matchings_(teams), count_(matchings_.Count()) {}

  uint64_t Count() const { return count_; }

  // The first possible round that holds the first `required` pairs of `round`.
  std::optional<Candidate> FirstHolding(const std::vector<TeamPair>& round, size_t required) {
    if (!listed_) return matchings_.FirstHolding({round.begin(), round.begin() + required});
    auto it = std::find_if(list_.begin(), list_.end(),
                           [&](const Candidate& c) { return Holds(c, round, required); });
    if (it == list_.end()) return std::nullopt;
    return *it;
  }

  // Strikes out every possible round that holds one of the played matches.
  void StrikeOut(const std::vector<TeamPair>& played) {
    if (listed_) {
      MatchSet set;
      for (const auto& [a, b] : played) set.Add(a, b);
      std::erase_if(list_, [&](const Candidate& c) { return c.pairs.Intersects(set); });
      count_ = list_.size();
      return;
    }
    for (const auto& [a, b] : played) matchings_.Forbid(a, b);
    count_ = matchings_.Count();
    if (count_ < kFilterMaxCandidates) {
      list_ = matchings_.List();
      listed_ = true;
    }
  }

  // Keeps only the possible rounds that belong to an arrangement of all the
  // remaining matches into rounds.
  void FilterCompletions(const std::vector<MatchCell>& matches) {
    MatchSet remaining;
    for (const MatchCell& m : matches) remaining.Add(m.home, m.visitor);
    ArrangementFilter(list_, remaining, teams_).Mark();
    std::erase_if(list_, [](const Candidate& c) { return c.mark == 0; });
    count_ = list_.size();
  }

 private:
  int teams_;
  PerfectMatchings matchings_;
  uint64_t count_;
  bool listed_ = false;
  std::vector<Candidate> list_;  // once listed_
};

// The chosen matches completed into a full round from the first possible round
// that holds them, dropping the last one still required until one does.
std::vector<TeamPair> CompleteRound(const std::vector<const MatchCell*>& chosen,
                                    PossibleRounds& possible, int teams) {
  std::vector<TeamPair> round;
  for (const MatchCell* m : chosen) round.emplace_back(m->visitor, m->home);
  std::optional<Candidate> found;
  size_t required = round.size();
  for (;; --required) {
    found = possible.FirstHolding(round, required);
    if (found || required == 0) break;
  }
  if (!found) return {};  // no possible round left at all
  if (required < static_cast<size_t>(teams / 2)) {
    round.resize(required);
    MatchSet kept;
    for (const auto& [a, b] : round) kept.Add(a, b);
    for (int k = 0; k < teams; k += 2)
      if (!kept.Has(found->order[k], found->order[k + 1]))
        round.emplace_back(found->order[k], found->order[k + 1]);
  }
  return round;
}

// Takes the round's matches out of the remaining ones, tables in the round's order.
void CommitRound(const std::vector<TeamPair>& round, std::vector<MatchCell>& matches,
                 RoundTable& table, int roundNumber) {
  int tableNumber = 0;
  for (const auto& [a, b] : round) {
    auto it = std::find_if(matches.begin(), matches.end(), [&](const MatchCell& m) {
      return (m.home == a && m.visitor == b) || (m.home == b && m.visitor == a);
    });
    if (it == matches.end()) continue;
    table.at(roundNumber, ++tableNumber) = *it;
    matches.erase(it);
  }
}

}  // namespace

RoundTable BuildOptimised(const Pool& pool, const RoundTable& serpentine,
                          const OptimiseProgress& progress,
                          std::vector<OptimiseRoundTrace>* trace) {
  const int n = pool.count;
  const uint64_t maximum = CountPairings(n);
  if (progress.show) progress.show(true);
  if (progress.setMaximum) progress.setMaximum(maximum);
  if (progress.setPosition) progress.setPosition(0);
  ProgressSweep sweep(progress, maximum);
  RoundTable table;
  if (n < 2 || n % 2 != 0 || n > kPoolMaxTeams) {
    if (progress.show) progress.show(false);
    return table;
  }
  const int h = n / 2;
  std::vector<MatchCell> matches = SortedMatchList(serpentine);
  PossibleRounds possible(n);
  sweep.Rise(0, possible.Count());

  for (int r = 1; r <= n - 1 && possible.Count() > 0; ++r) {
    const std::vector<TeamPair> round = CompleteRound(ChooseGreedyRound(matches, h), possible, n);
    if (round.empty()) break;
    CommitRound(round, matches, table, r);
    MoveGhostTable(table, r, h, pool.ghost);

    const uint64_t before = possible.Count();
    possible.StrikeOut(round);
    sweep.Fall(before, possible.Count());

    OptimiseRoundTrace step;
    step.afterDeletion = possible.Count();
    const uint64_t roundsLeft = matches.size() / static_cast<size_t>(h);
    if (possible.Count() > 0 && possible.Count() < kFilterMaxCandidates &&
        BinomialBelow(possible.Count(), roundsLeft, kFilterMaxSets)) {
      possible.FilterCompletions(matches);
      step.filtered = true;
    }
    step.afterFilter = possible.Count();
    if (trace) trace->push_back(step);
  }

  sweep.Fall(possible.Count(), 0);
  sweep.Set(0);
  if (progress.show) progress.show(false);
  return table;
}

}  // namespace ked
