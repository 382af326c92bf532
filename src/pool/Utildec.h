#pragma once
// Records shared by the pool's units, with the version text the whole program shows.
#include <array>
#include <cstdint>
#include <string>

namespace ked {

inline constexpr const char* ProgramVersion = "13.23.12";

// The limits of a pool: every round pairs all teams, one match per table.
inline constexpr int kPoolMaxTeams = 18;
inline constexpr int kPoolMaxRounds = 17;
inline constexpr int kPoolMaxTables = 9;

// The name of the team that completes an odd list.
inline constexpr const char* kGhostName = "Fantôme";

// One team of the pool's list.
struct t_equipe {
  uint8_t num = 0;      // rank after sorting, 1..18
  int32_t indice = 0;   // first sort key
  int32_t pte = 0;      // third sort key
  int32_t ptp = 0;      // second sort key
  int32_t entite = 0;   // entity code: equal codes, or codes of equal hundreds, are close
  std::string nom1, nom2, nom3;
  bool operator==(const t_equipe&) const = default;
};

// nom1 + " " + nom2 + " " + nom3, both blanks always there.
inline std::string TeamName(const t_equipe& team) {
  return team.nom1 + " " + team.nom2 + " " + team.nom3;
}

// The one pool the program holds. Team numbers index teams directly: entry 0 is unused.
struct Pool {
  std::string title;
  uint8_t count = 0;  // teams, the ghost included
  std::array<t_equipe, kPoolMaxTeams + 1> teams{};
  uint8_t ghost = 0;  // the ghost's number, 0 when none
  bool operator==(const Pool&) const = default;
};

// One table of one round; all zero when it holds no match.
struct MatchCell {
  uint16_t priority = 0;  // 100 x proximity + 50 - table where the match was first placed
  uint8_t home = 0;
  uint8_t visitor = 0;
  bool operator==(const MatchCell&) const = default;
};

// Rounds 1..17 and tables 1..9; index 0 of both is unused.
struct RoundTable {
  std::array<std::array<MatchCell, kPoolMaxTables + 1>, kPoolMaxRounds + 1> cells{};
  MatchCell& at(int round, int table) { return cells[round][table]; }
  const MatchCell& at(int round, int table) const { return cells[round][table]; }
  bool operator==(const RoundTable&) const = default;
};

}  // namespace ked
