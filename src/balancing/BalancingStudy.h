#pragma once
// A section balancing study: N ranked teams seated at the N tables of a section,
// the positions of the movement not played in each session, and the score of the
// seating (sums of the ranks of the teams not met, their mean and deviation).
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "balancing/Decimal4.h"

namespace ked {

inline constexpr int kMinBalancingTables = 3;
inline constexpr int kMaxBalancingTables = 17;
inline constexpr int kMaxBalancingSessions = 3;

// One column of the study: table t's team, and the flags of position t.
struct t_position {
  int32_t E = 0;    // rank of the team seated at table t
  int32_t S = 0;    // 1: position t not played in session 1
  int32_t SS = 0;   // same, session 2
  int32_t SSS = 0;  // same, session 3
  int32_t M = 0;    // sum of the ranks of the teams that table t does not meet
};

// Ranks of tables 1..17 (index 0 unused).
using Seating = std::array<int32_t, kMaxBalancingTables + 1>;

struct BalancingStudy {
  int tableCount = 10;    // N
  int sessionCount = 1;   // sessions with a change of movement
  std::array<t_position, kMaxBalancingTables + 1> positions{};  // index 1..17
  Decimal4 mean;
  Decimal4 standardDeviation;

  t_position& at(int t) { return positions[t]; }
  const t_position& at(int t) const { return positions[t]; }
  // The flag of position t in session s (1..3).
  int32_t Flag(int session, int t) const;
  void SetFlag(int session, int t, bool notPlayed);
  Seating Ranks() const;
  void SetRanks(const Seating& ranks);  // tables 1..N
};

// The state the window comes back to: 10 tables, one session, the serpentine
// seating, position 6 not played in session 1, 5 in session 2, 6 played in
// session 3. Every other flag and the ranks above 10 are left as they are.
void ResetStudy(BalancingStudy& study);

// Ranks laid over the tables in columns of step 3, forward, backward, forward.
Seating SerpentineOrder(int tableCount);
// "1-7-8-2-6-9-3-5-10-4-": each rank followed by "-".
std::string InitialOrderText(const Seating& ranks, int tableCount);
// The seating typed as InitialOrderText writes it, or nothing when the line is
// refused ("La ligne n'est pas valide").
std::optional<Seating> ParseInitialOrder(const std::string& text, int tableCount);
inline constexpr const char* kInvalidOrderMessage = "La ligne n'est pas valide";
// For ranks 1..N, the table holding it, each followed by "+".
std::string TableOrderText(const Seating& ranks, int tableCount);

// M[1..N], mean and standard deviation, written into the study.
void ScoreStudy(BalancingStudy& study);

// How many sessions flag position j (0..3): the weight of that position in M.
std::array<int, kMaxBalancingTables + 1> PositionWeights(const BalancingStudy& study);

}  // namespace ked
