#include "pool/PerfectMatchings.h"

#include <bit>
#include <limits>

namespace ked {

namespace {
constexpr uint64_t kUnknown = std::numeric_limits<uint64_t>::max();
int Lowest(uint32_t set) { return std::countr_zero(set); }
}  // namespace

PerfectMatchings::PerfectMatchings(int teams)
    : n_(teams), memo_(size_t{1} << teams, kUnknown) {
  const uint32_t all = (uint32_t{1} << teams) - 1;
  for (int t = 0; t < teams; ++t) partners_[t] = all & ~(uint32_t{1} << t);
}

void PerfectMatchings::Forbid(int a, int b) {
  partners_[a - 1] &= ~(uint32_t{1} << (b - 1));
  partners_[b - 1] &= ~(uint32_t{1} << (a - 1));
  std::fill(memo_.begin(), memo_.end(), kUnknown);
}

uint64_t PerfectMatchings::CountOf(uint32_t teams) {
  if (teams == 0) return 1;
  uint64_t& known = memo_[teams];
  if (known != kUnknown) return known;
  const int first = Lowest(teams);
  const uint32_t rest = teams & ~(uint32_t{1} << first);
  uint64_t total = 0;
  for (uint32_t options = rest & partners_[first]; options != 0; options &= options - 1)
    total += CountOf(rest & ~(uint32_t{1} << Lowest(options)));
  return known = total;
}

uint64_t PerfectMatchings::Count() { return CountOf((uint32_t{1} << n_) - 1); }

std::optional<Candidate> PerfectMatchings::FirstHolding(const std::vector<TeamPair>& required) {
  std::array<int, kPoolMaxTeams> forced;
  forced.fill(-1);
  uint32_t free = (uint32_t{1} << n_) - 1;
  for (const auto& [a, b] : required) {
    forced[a - 1] = b - 1;
    forced[b - 1] = a - 1;
    free &= ~((uint32_t{1} << (a - 1)) | (uint32_t{1} << (b - 1)));
  }
  if (CountOf(free) == 0) return std::nullopt;
  // The smallest partner that still lets the free teams be paired, team by team.
  Candidate round;
  uint32_t left = (uint32_t{1} << n_) - 1;
  for (int position = 0; left != 0; position += 2) {
    const int first = Lowest(left);
    int partner = forced[first];
    if (partner < 0) {
      const uint32_t freeLeft = free & left & ~(uint32_t{1} << first);
      for (uint32_t options = freeLeft & partners_[first]; options != 0; options &= options - 1) {
        const int option = Lowest(options);
        if (CountOf(freeLeft & ~(uint32_t{1} << option)) > 0) {
          partner = option;
          break;
        }
      }
    }
    left &= ~((uint32_t{1} << first) | (uint32_t{1} << partner));
    round.order[position] = static_cast<uint8_t>(first + 1);
    round.order[position + 1] = static_cast<uint8_t>(partner + 1);
    round.pairs.Add(first + 1, partner + 1);
  }
  return round;
}

void PerfectMatchings::ListFrom(uint32_t left, Candidate& partial, int position,
                                std::vector<Candidate>& out) {
  if (left == 0) {
    out.push_back(partial);
    return;
  }
  const int first = Lowest(left);
  const uint32_t rest = left & ~(uint32_t{1} << first);
  for (uint32_t options = rest & partners_[first]; options != 0; options &= options - 1) {
    const int option = Lowest(options);
    const uint32_t after = rest & ~(uint32_t{1} << option);
    if (CountOf(after) == 0) continue;
    Candidate next = partial;
    next.order[position] = static_cast<uint8_t>(first + 1);
    next.order[position + 1] = static_cast<uint8_t>(option + 1);
    next.pairs.Add(first + 1, option + 1);
    ListFrom(after, next, position + 2, out);
  }
}

std::vector<Candidate> PerfectMatchings::List() {
  std::vector<Candidate> out;
  Candidate partial;
  ListFrom((uint32_t{1} << n_) - 1, partial, 0, out);
  return out;
}

}  // namespace ked
