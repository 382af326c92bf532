#pragma once
// What the pool window shows and prints of a pool: the rows of its grids, the
// report's variables and where the report breaks its pages.
#include <array>
#include <string>
#include <variant>
#include <vector>

#include "pool/Utildec.h"

namespace ked {

// Team grid: "Num", "indice", "PtE", "PtP", "Entité", "Nom".
std::array<std::string, 6> TeamRow(const t_equipe& team);
// Round grid, for one table: visitor's name, visitor, table, home, home's name.
// A cell without a match shows the numbers 0 and names of two blanks.
std::array<std::string, 5> TableRow(const Pool& pool, const RoundTable& rounds, int round,
                                    int table);

// "Tour 1" .. "Tour " + (count - 1); none for fewer than two teams.
std::vector<std::string> RoundTabs(int count);

// The report breaks its page after this round: every 5 rounds for 7 to 10
// teams, 4 for 11 to 14, 3 for 15 to 18; never for 6 teams or fewer.
bool PageBreakAfterRound(int count, int round);

// A report variable's value: a text or an integer; monostate when unknown.
using PoolReportValue = std::variant<std::monostate, std::string, long long>;

// "Titre", "Tour", "Affiche", "Visit", "NumVis", "Table", "Recep", "NumRec",
// round and table counted from 1.
PoolReportValue PoolReportVariable(const std::string& name, const Pool& pool,
                                   const RoundTable& rounds, bool serpentine, int round,
                                   int table);

}  // namespace ked
