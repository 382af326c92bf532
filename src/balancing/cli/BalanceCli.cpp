// ked-cli balance: score a balancing study and search its best seating.
#include "balancing/BalancingCommands.h"
#include "cli/CliRegistry.h"

namespace {
ked::cli::Registrar reg{"balance",
                        "--tables N --sessions S [--s LIST] [--ss LIST] [--sss LIST] "
                        "[--order TEXT] [--optimise] [--memory FILE]",
                        ked::RunBalanceCommand};
}  // namespace
