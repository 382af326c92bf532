#pragma once
// The serpentine round robin: the teams seated in a snake over the tables and
// turned round the fixed team 1, each match with the priority of its closeness.
#include "pool/Utildec.h"

namespace ked {

// 10 for equal entity codes, 5 for codes of equal hundreds, otherwise 0.
int ProximityScore(const t_equipe& a, const t_equipe& b);

// Rounds 1..count-1 and tables 1..count/2; every other cell zero.
RoundTable BuildSerpentine(const Pool& pool);

// Brings the ghost's match of that round to table `tables`, exchanging whole
// cells (priorities keep the table where the match was placed).
void MoveGhostTable(RoundTable& table, int round, int tables, uint8_t ghost);

}  // namespace ked
