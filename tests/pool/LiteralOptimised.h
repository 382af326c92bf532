#pragma once
// The optimised order built the plain way, as a reference for the fast search:
// every possible round listed in order, struck out one by one, and the
// arrangement filter trying every set of rounds.
#include <vector>

#include "pool/PoulOpt.h"

namespace ked::test {

RoundTable LiteralBuildOptimised(const Pool& pool, const RoundTable& serpentine,
                                 std::vector<OptimiseRoundTrace>* trace = nullptr);

}  // namespace ked::test
