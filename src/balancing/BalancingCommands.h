#pragma once
// The calculators of the balancing window from the command line ("ked-cli
// balance", "ked-cli seeding balance"): arguments in, UTF-8 text out.
#include <ostream>
#include <string>
#include <vector>

namespace ked {

// --tables N --sessions S [--s LIST] [--ss LIST] [--sss LIST] [--order TEXT]
// [--optimise] [--memory FILE], LIST the positions not played ("6,9").
// Prints the E and M rows, mean, sd, the initial and table order texts, and
// after a search the number of tests. Returns the exit code.
int RunBalanceCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// --order "1+4+7+..." --a NA [--b NB] [--c NC] [--incomplete]: the seeding
// file's lines.
int RunSeedingBalanceCommand(const std::vector<std::string>& args, std::ostream& out,
                             std::ostream& err);

}  // namespace ked
