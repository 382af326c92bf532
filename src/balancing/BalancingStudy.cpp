#include "balancing/BalancingStudy.h"

#include "platform/RuntimeConvert.h"

namespace ked {

int32_t BalancingStudy::Flag(int session, int t) const {
  const t_position& p = positions[t];
  return session == 1 ? p.S : session == 2 ? p.SS : p.SSS;
}

void BalancingStudy::SetFlag(int session, int t, bool notPlayed) {
  t_position& p = positions[t];
  (session == 1 ? p.S : session == 2 ? p.SS : p.SSS) = notPlayed ? 1 : 0;
}

Seating BalancingStudy::Ranks() const {
  Seating ranks{};
  for (int t = 1; t <= kMaxBalancingTables; ++t) ranks[t] = positions[t].E;
  return ranks;
}

void BalancingStudy::SetRanks(const Seating& ranks) {
  for (int t = 1; t <= tableCount; ++t) positions[t].E = ranks[t];
}

void ResetStudy(BalancingStudy& study) {
  study.tableCount = 10;
  study.sessionCount = 1;
  study.SetRanks(SerpentineOrder(10));
  study.at(6).S = 1;
  study.at(5).SS = 1;
  study.at(6).SSS = 0;
}

Seating SerpentineOrder(int tableCount) {
  Seating ranks{};
  int t = 1;
  bool forward = true;
  for (int r = 1; r <= tableCount; ++r) {
    ranks[t] = r;
    if (forward) {
      t += 3;
      if (t > tableCount) {
        forward = false;
        t -= 2;
        while (t > tableCount) t -= 3;
      }
    } else if (t > 3) {
      t -= 3;
    } else {
      forward = true;
      t += 1;
    }
  }
  return ranks;
}

std::string InitialOrderText(const Seating& ranks, int tableCount) {
  std::string text;
  for (int t = 1; t <= tableCount; ++t) text += std::to_string(ranks[t]) + "-";
  return text;
}

std::optional<Seating> ParseInitialOrder(const std::string& text, int tableCount) {
  // The line is read as the original input box held it: 255 characters at most.
  const std::string line = text.substr(0, 255);
  std::array<bool, kMaxBalancingTables + 1> taken{};
  Seating ranks{};
  int count = 0;
  bool lastTokenValid = false;
  std::string buffer;
  for (char c : line) {
    if (c != '-') {
      buffer += c;
      continue;
    }
    const std::optional<int32_t> v = StrToInt(buffer);
    buffer.clear();
    // A token that no table could take is no rank at all: the line is refused.
    if (!v || *v < 1 || *v > kMaxBalancingTables) return std::nullopt;
    lastTokenValid = *v <= tableCount && !taken[*v];
    if (lastTokenValid) {
      taken[*v] = true;
      ranks[++count] = *v;
    }
  }
  if (!lastTokenValid || count != tableCount) return std::nullopt;
  return ranks;
}

std::string TableOrderText(const Seating& ranks, int tableCount) {
  std::string text;
  for (int r = 1; r <= tableCount; ++r)
    for (int t = 1; t <= tableCount; ++t)
      if (ranks[t] == r) text += std::to_string(t) + "+";
  return text;
}

void ScoreStudy(BalancingStudy& study) {
  const int n = study.tableCount;
  for (int k = 1; k <= n; ++k) study.at(k).M = 0;
  for (int s = 1; s <= study.sessionCount; ++s)
    for (int j = 1; j <= n; ++j) {
      if (study.Flag(s, j) != 1) continue;
      for (int k = 1; k <= n; ++k) {
        int i = j + k - 1;
        if (i > n) i -= n;
        study.at(k).M += study.at(i).E;
      }
    }
  int64_t total = 0;
  for (int k = 1; k <= n; ++k) total += Decimal4::kScale * study.at(k).M;
  const int64_t mean = DivideHalfEven(total, n);
  int64_t accumulator = 0;
  for (int k = 1; k <= n; ++k) {
    const int64_t d = Decimal4::kScale * study.at(k).M - mean;
    accumulator += DivideHalfEven(d * d, Decimal4::kScale);
  }
  const int64_t variance = DivideHalfEven(accumulator, n);
  study.mean = Decimal4::FromRaw(mean);
  study.standardDeviation = SquareRoot(Decimal4::FromRaw(variance));
}

std::array<int, kMaxBalancingTables + 1> PositionWeights(const BalancingStudy& study) {
  std::array<int, kMaxBalancingTables + 1> weights{};
  for (int s = 1; s <= study.sessionCount; ++s)
    for (int j = 1; j <= study.tableCount; ++j)
      if (study.Flag(s, j) == 1) ++weights[j];
  return weights;
}

}  // namespace ked
