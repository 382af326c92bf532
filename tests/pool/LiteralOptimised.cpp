#include "LiteralOptimised.h"

#include <bitset>
#include <cstdint>
#include <utility>

#include "pool/Serpentine.h"

namespace ked::test {

namespace {

using Edges = std::bitset<kPoolMaxTeams * kPoolMaxTeams>;
size_t EdgeIndex(int a, int b) {
  if (a > b) std::swap(a, b);
  return static_cast<size_t>((a - 1) * kPoolMaxTeams + b - 1);
}

// The candidate list: n team numbers per candidate, in list order.
struct CandidateList {
  int n = 0;
  std::vector<uint8_t> orders;
  std::vector<uint8_t> marks;
  size_t Count() const { return marks.size(); }
  const uint8_t* Order(size_t i) const { return &orders[i * n]; }
  bool HasPair(size_t i, int a, int b) const {
    const uint8_t* o = Order(i);
    for (int k = 0; k < n; k += 2)
      if ((o[k] == a && o[k + 1] == b) || (o[k] == b && o[k + 1] == a)) return true;
    return false;
  }
  // Deletion that keeps the order of the others.
  template <class Keep>
  void KeepIf(Keep keep) {
    size_t out = 0;
    for (size_t i = 0; i < Count(); ++i) {
      if (!keep(i)) continue;
      std::copy(Order(i), Order(i) + n, orders.begin() + static_cast<long>(out * n));
      marks[out++] = marks[i];
    }
    orders.resize(out * n);
    marks.resize(out);
  }
};

void Enumerate(CandidateList& list) {
  const int n = list.n;
  std::vector<int> s(n + 1, 0);
  int i = 1;
  while (i != 0) {
    int v = s[i] + 1;
    auto used = [&](int x) {
      for (int k = 1; k < i; ++k)
        if (s[k] == x) return true;
      return false;
    };
    while (v <= n && used(v)) ++v;
    if (v <= n) {
      s[i] = v;
      if (i == n) {
        for (int k = 1; k <= n; ++k) list.orders.push_back(static_cast<uint8_t>(s[k]));
        list.marks.push_back(0);
      } else {
        ++i;
      }
    } else {
      s[i] = 0;
      s[i - 1] = 0;
      i -= 2;
    }
  }
}

uint64_t Binomial(uint64_t n, uint64_t k) {
  if (k > n) return 0;
  long double c = 1;
  for (uint64_t i = 1; i <= k; ++i) c = c * static_cast<long double>(n - k + i) / i;
  return static_cast<uint64_t>(c + 0.5L);
}

void Filter(CandidateList& list, const std::vector<MatchCell>& matches, size_t q) {
  Edges remaining;
  for (const MatchCell& m : matches) remaining.set(EdgeIndex(m.home, m.visitor));
  std::vector<Edges> pairs(list.Count());
  for (size_t i = 0; i < list.Count(); ++i)
    for (int k = 0; k < list.n; k += 2)
      pairs[i].set(EdgeIndex(list.Order(i)[k], list.Order(i)[k + 1]));
  // Every combination of q list positions, in lexicographic order.
  std::vector<size_t> pick(q);
  std::vector<Edges> unionUpTo(q + 1);
  auto walk = [&](auto& self, size_t depth, size_t from) -> void {
    if (depth == q) {
      if ((remaining & ~unionUpTo[q]).none())
        for (size_t p : pick) list.marks[p] = 1;
      return;
    }
    for (size_t i = from; i + (q - depth) <= list.Count(); ++i) {
      pick[depth] = i;
      unionUpTo[depth + 1] = unionUpTo[depth] | pairs[i];
      self(self, depth + 1, i + 1);
    }
  };
  walk(walk, 0, 0);
  list.KeepIf([&](size_t i) { return list.marks[i] != 0; });
}

}  // namespace

RoundTable LiteralBuildOptimised(const Pool& pool, const RoundTable& serpentine,
                                 std::vector<OptimiseRoundTrace>* trace) {
  RoundTable table;
  const int n = pool.count;
  if (n < 2) return table;
  const int h = n / 2;

  std::vector<MatchCell> matches;
  for (int r = 1; r <= kPoolMaxRounds; ++r)
    for (int t = 1; t <= kPoolMaxTables; ++t)
      if (serpentine.at(r, t).priority != 0) matches.push_back(serpentine.at(r, t));
  for (size_t i = 0; i < matches.size(); ++i)
    for (size_t j = 0; j < matches.size(); ++j)
      if (matches[i].priority > matches[j].priority) std::swap(matches[i], matches[j]);

  CandidateList list;
  list.n = n;
  Enumerate(list);

  for (int r = 1; r <= n - 1 && list.Count() > 0; ++r) {
    // Greedy.
    std::vector<std::pair<int, int>> p;
    size_t scan = 0;
    for (int slot = 0; slot < h; ++slot) {
      bool found = false;
      for (; scan < matches.size(); ++scan) {
        const MatchCell& m = matches[scan];
        bool free = true;
        for (auto [a, b] : p)
          if (a == m.home || b == m.home || a == m.visitor || b == m.visitor) free = false;
        if (free) {
          p.emplace_back(m.visitor, m.home);
          ++scan;
          found = true;
          break;
        }
      }
      if (!found) break;
    }
    // Completion.
    size_t l = p.size();
    size_t at = list.Count();
    while (true) {
      for (size_t i = 0; i < list.Count() && at == list.Count(); ++i) {
        bool holds = true;
        for (size_t k = 0; k < l && holds; ++k) holds = list.HasPair(i, p[k].first, p[k].second);
        if (holds) at = i;
      }
      if (at != list.Count()) break;
      --l;
    }
    if (l < static_cast<size_t>(h)) {
      p.resize(l);
      const uint8_t* o = list.Order(at);
      for (int k = 0; k < n; k += 2) {
        bool inP = false;
        for (auto [a, b] : p)
          if ((a == o[k] && b == o[k + 1]) || (a == o[k + 1] && b == o[k])) inP = true;
        if (!inP) p.emplace_back(o[k], o[k + 1]);
      }
    }
    // Commit.
    std::vector<MatchCell> played;
    for (auto [a, b] : p) {
      for (size_t e = 0; e < matches.size(); ++e) {
        if ((matches[e].home == a && matches[e].visitor == b) ||
            (matches[e].home == b && matches[e].visitor == a)) {
          played.push_back(matches[e]);
          matches.erase(matches.begin() + static_cast<long>(e));
          break;
        }
      }
    }
    for (size_t j = 0; j < played.size(); ++j) table.at(r, static_cast<int>(j) + 1) = played[j];
    MoveGhostTable(table, r, h, pool.ghost);
    for (size_t i = 0; i < list.Count(); ++i) list.marks[i] = 0;
    list.KeepIf([&](size_t i) {
      for (const MatchCell& m : played)
        if (list.HasPair(i, m.home, m.visitor)) return false;
      return true;
    });
    OptimiseRoundTrace step;
    step.afterDeletion = list.Count();
    const size_t q = matches.size() / h;
    if (list.Count() > 0 && list.Count() < 511 && Binomial(list.Count(), q) < 5000000) {
      Filter(list, matches, q);
      step.filtered = true;
    }
    step.afterFilter = list.Count();
    if (trace) trace->push_back(step);
  }
  return table;
}

}  // namespace ked::test
