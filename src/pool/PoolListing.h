#pragma once
// The pool and both orders as text, one record a line (ked-cli pool).
#include <string>

#include "pool/Utildec.h"

namespace ked {

// "title <title>", "team <num> <indice> <pte> <ptp> <entite> <name>" per team,
// then "serp" and "opt" lines "<round> <table> <visitor> <home> <priority>".
std::string PoolListing(const Pool& pool, const RoundTable& serpentine,
                        const RoundTable& optimised);

}  // namespace ked
