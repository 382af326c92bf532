#pragma once
// The optimised order of rounds: close teams meet first. Each round takes,
// greedily, the highest-priority matches that share no team, is completed from
// the first possible round that still holds them, and the possible rounds that
// can no longer be played are struck out; once few are left, only those that
// belong to a complete arrangement of the remaining rounds stay.
#include <cstdint>
#include <functional>
#include <vector>

#include "pool/Utildec.h"

namespace ked {

// The three operations of the window's progress bar. Any may be empty.
struct OptimiseProgress {
  std::function<void(bool visible)> show;
  std::function<void(uint64_t maximum)> setMaximum;
  std::function<void(uint64_t position)> setPosition;
};

// (n - 1) x (n - 3) x ... x 1: the number of possible rounds of n teams.
uint64_t CountPairings(int teams);

// Below this many possible rounds, and this many sets of them, the rounds that
// belong to no complete arrangement are struck out.
inline constexpr uint64_t kFilterMaxCandidates = 511;
inline constexpr uint64_t kFilterMaxSets = 5000000;

// True when C(n, k) < limit, without overflow.
bool BinomialBelow(uint64_t n, uint64_t k, uint64_t limit);

// What happened to the possible rounds after each built round.
struct OptimiseRoundTrace {
  uint64_t afterDeletion = 0;  // possible rounds left once the round's matches are out
  bool filtered = false;       // the arrangement filter ran
  uint64_t afterFilter = 0;    // possible rounds left after the filter
};

// The serpentine matches rearranged round by round. The progress rises to the
// number of possible rounds, falls as they are struck out, and ends at 0.
RoundTable BuildOptimised(const Pool& pool, const RoundTable& serpentine,
                          const OptimiseProgress& progress = {},
                          std::vector<OptimiseRoundTrace>* trace = nullptr);

// The serpentine cells with a priority, round by round and table by table,
// sorted by decreasing priority with the program's own exchange sort (its order
// of equal priorities decides which the greedy step meets first).
std::vector<MatchCell> SortedMatchList(const RoundTable& serpentine);

}  // namespace ked
