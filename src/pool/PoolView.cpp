#include "pool/PoolView.h"

namespace ked {

namespace {
// Outside the table a cell holds no match.
MatchCell CellAt(const RoundTable& rounds, int round, int table) {
  if (round < 1 || round > kPoolMaxRounds || table < 1 || table > kPoolMaxTables) return {};
  return rounds.at(round, table);
}
// Team 0 (no match) has an empty name: two blanks.
std::string NameOf(const Pool& pool, int team) {
  return team >= 1 && team <= kPoolMaxTeams ? TeamName(pool.teams[team]) : TeamName(t_equipe{});
}
}  // namespace

std::array<std::string, 6> TeamRow(const t_equipe& team) {
  return {std::to_string(team.num), std::to_string(team.indice), std::to_string(team.pte),
          std::to_string(team.ptp), std::to_string(team.entite), TeamName(team)};
}

std::array<std::string, 5> TableRow(const Pool& pool, const RoundTable& rounds, int round,
                                    int table) {
  const MatchCell cell = CellAt(rounds, round, table);
  return {NameOf(pool, cell.visitor), std::to_string(cell.visitor), std::to_string(table),
          std::to_string(cell.home), NameOf(pool, cell.home)};
}

std::vector<std::string> RoundTabs(int count) {
  std::vector<std::string> tabs;
  for (int r = 1; r <= count - 1; ++r) tabs.push_back("Tour " + std::to_string(r));
  return tabs;
}

bool PageBreakAfterRound(int count, int round) {
  if (count >= 7 && count <= 10) return round % 5 == 0;
  if (count >= 11 && count <= 14) return round % 4 == 0;
  if (count >= 15 && count <= 18) return round % 3 == 0;
  return false;
}

PoolReportValue PoolReportVariable(const std::string& name, const Pool& pool,
                                   const RoundTable& rounds, bool serpentine, int round,
                                   int table) {
  const MatchCell cell = CellAt(rounds, round, table);
  if (name == "Titre") return pool.title;
  if (name == "Tour") return static_cast<long long>(round);
  if (name == "Affiche") return std::string(serpentine ? "Serpentin" : "Optimisé");
  if (name == "Visit") return NameOf(pool, cell.visitor);
  if (name == "NumVis") return static_cast<long long>(cell.visitor);
  if (name == "Table") return static_cast<long long>(table);
  if (name == "Recep") return NameOf(pool, cell.home);
  if (name == "NumRec") return static_cast<long long>(cell.home);
  return std::monostate{};
}

}  // namespace ked
