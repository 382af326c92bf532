#include "pool/PoolListing.h"

#include <sstream>

namespace ked {

namespace {
void ListOrder(std::ostream& out, const char* tag, const Pool& pool, const RoundTable& rounds) {
  for (int r = 1; r <= pool.count - 1; ++r)
    for (int t = 1; t <= pool.count / 2; ++t) {
      const MatchCell& c = rounds.at(r, t);
      out << tag << ' ' << r << ' ' << t << ' ' << int(c.visitor) << ' ' << int(c.home) << ' '
          << c.priority << '\n';
    }
}
}  // namespace

std::string PoolListing(const Pool& pool, const RoundTable& serpentine,
                        const RoundTable& optimised) {
  std::ostringstream out;
  out << "title " << pool.title << '\n';
  for (int k = 1; k <= pool.count; ++k) {
    const t_equipe& t = pool.teams[k];
    out << "team " << int(t.num) << ' ' << t.indice << ' ' << t.pte << ' ' << t.ptp << ' '
        << t.entite << ' ' << TeamName(t) << '\n';
  }
  ListOrder(out, "serp", pool, serpentine);
  ListOrder(out, "opt", pool, optimised);
  return out.str();
}

}  // namespace ked
