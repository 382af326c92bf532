#pragma once
// The possible rounds of a pool as perfect matchings of the teams over the
// matches not played yet, counted and searched in the lexicographic order of
// their canonical form without listing them: a count over subsets of teams,
// memoised, decides at each step whether a choice can still be completed.
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "pool/Utildec.h"

namespace ked {

using TeamPair = std::pair<uint8_t, uint8_t>;

// A set of matches, one bit per pair of teams.
class MatchSet {
 public:
  void Add(int a, int b) { bits_.set(Index(a, b)); }
  bool Has(int a, int b) const { return bits_.test(Index(a, b)); }
  bool Intersects(const MatchSet& other) const { return (bits_ & other.bits_).any(); }
  bool Within(const MatchSet& other) const { return (bits_ & ~other.bits_).none(); }
  bool Empty() const { return bits_.none(); }
  void Remove(const MatchSet& other) { bits_ &= ~other.bits_; }
  bool operator==(const MatchSet&) const = default;

 private:
  static size_t Index(int a, int b) {
    return a < b ? static_cast<size_t>((a - 1) * kPoolMaxTeams + (b - 1))
                 : static_cast<size_t>((b - 1) * kPoolMaxTeams + (a - 1));
  }
  std::bitset<kPoolMaxTeams * kPoolMaxTeams> bits_;
};

// A possible round: the n team numbers read two by two, each pair with its
// smaller number first and the pairs by increasing first team.
struct Candidate {
  std::array<uint8_t, kPoolMaxTeams> order{};
  uint8_t mark = 0;
  MatchSet pairs;  // the same pairs, for quick tests
};

class PerfectMatchings {
 public:
  // Teams 1..n, every match still to play.
  explicit PerfectMatchings(int teams);

  // The match is played: no later round may hold it.
  void Forbid(int a, int b);

  // The number of possible rounds.
  uint64_t Count();
  // The first possible round, in lexicographic order, that holds every
  // required pair (pairwise disjoint, not played); nothing when none does.
  std::optional<Candidate> FirstHolding(const std::vector<TeamPair>& required);
  // Every possible round, in lexicographic order.
  std::vector<Candidate> List();

 private:
  uint64_t CountOf(uint32_t teams);  // teams: bit t-1 for team t
  void ListFrom(uint32_t left, Candidate& partial, int position, std::vector<Candidate>& out);

  int n_;
  std::array<uint32_t, kPoolMaxTeams> partners_{};  // per team (bit t-1), the teams it may meet
  std::vector<uint64_t> memo_;                  // per subset; kUnknown until counted
};

}  // namespace ked
