// ked-cli patton TEAMS ROUNDS: "<bonus> <colour> <advice>", e.g. "0,18 green Recommandé".
#include <climits>

#include "cli/CliRegistry.h"
#include "organisation/PattonBonus.h"
#include "organisation/RuntimeFailure.h"
#include "organisation/cli/CliArguments.h"

namespace ked::cli::organisation {
namespace {

using namespace ked::orga;

int RunPatton(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage : ked-cli patton TEAMS ROUNDS\n";
    return kUsageError;
  }
  // Any count reads, as in the window while a number is typed; the advice
  // covers 9 to 32 teams and 5 to 8 rounds.
  const auto teams = ReadBounded("TEAMS", args[0], 0, 999, err);
  const auto rounds = ReadBounded("ROUNDS", args[1], 0, 99, err);
  if (!teams || !rounds) return kUsageError;
  try {
    out << BonusText(PattonBonus(*teams, *rounds), LocaleFormat::French());
  } catch (const RuntimeFailure& failure) {
    err << failure.what() << '\n';
    return kRuntimeError;
  }
  if (auto advice = AdviceFor(*teams, *rounds))
    out << ' ' << AdviceName(*advice) << ' ' << AdviceText(*advice);
  out << '\n';
  return 0;
}

static Registrar reg{"patton", "TEAMS ROUNDS", RunPatton};

}  // namespace
}  // namespace ked::cli::organisation
