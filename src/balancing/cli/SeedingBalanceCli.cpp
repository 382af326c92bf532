// ked-cli seeding balance: the balancing window's seeding file, on the terminal.
#include "balancing/BalancingCommands.h"
#include "cli/CliRegistry.h"

namespace {
ked::cli::Registrar reg{"seeding balance",
                        "--order \"1+4+7+...\" --a NA [--b NB] [--c NC] [--incomplete]",
                        ked::RunSeedingBalanceCommand};
}  // namespace
