#include "pool/Serpentine.h"

#include <utility>

namespace ked {

int ProximityScore(const t_equipe& a, const t_equipe& b) {
  if (a.entite == b.entite) return 10;
  // Integer division truncates toward zero: -50 and 50 are in the same group.
  if (a.entite / 100 == b.entite / 100) return 5;
  return 0;
}

void MoveGhostTable(RoundTable& table, int round, int tables, uint8_t ghost) {
  if (ghost == 0) return;
  for (int j = 1; j <= tables; ++j) {
    const MatchCell& cell = table.at(round, j);
    if (cell.home == ghost || cell.visitor == ghost) {
      if (j != tables) std::swap(table.at(round, j), table.at(round, tables));
      return;
    }
  }
}

RoundTable BuildSerpentine(const Pool& pool) {
  RoundTable table;
  const int n = pool.count;
  if (n < 2 || n % 2 != 0 || n > kPoolMaxTeams) return table;
  const int h = n / 2;
  std::array<uint8_t, kPoolMaxTables + 1> up{}, down{};
  for (int k = 1; k <= h; ++k) {
    const auto first = static_cast<uint8_t>(2 * k - 1), second = static_cast<uint8_t>(2 * k);
    up[k] = k % 2 == 1 ? first : second;
    down[k] = k % 2 == 1 ? second : first;
  }
  for (int r = 1; r <= n - 1; ++r) {
    for (int j = 1; j <= h; ++j) {
      MatchCell& cell = table.at(r, j);
      const bool swapped = j == 1 && r % 2 == 0;
      cell.home = swapped ? up[j] : down[j];
      cell.visitor = swapped ? down[j] : up[j];
      cell.priority = static_cast<uint16_t>(
          100 * ProximityScore(pool.teams[up[j]], pool.teams[down[j]]) + 50 - j);
    }
    MoveGhostTable(table, r, h, pool.ghost);
    // One step round the fixed seat U[1].
    if (h >= 2) {
      const uint8_t fromDown1 = down[1], fromUpH = up[h];
      for (int j = h; j > 2; --j) up[j] = up[j - 1];
      up[2] = fromDown1;
      for (int j = 1; j < h; ++j) down[j] = down[j + 1];
      down[h] = fromUpH;
    }
  }
  return table;
}

}  // namespace ked
