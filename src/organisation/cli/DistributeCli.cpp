// ked-cli distribute --qualified Q [--ex-officio O] E1 E2 ...: one line per centre,
// "<n> <share> <red|green> <places>".
#include "cli/CliRegistry.h"
#include "organisation/Distribution.h"
#include "organisation/RuntimeFailure.h"
#include "organisation/cli/CliArguments.h"

namespace ked::cli::organisation {
namespace {

using namespace ked::orga;

constexpr const char* kUsage = "--qualified Q [--ex-officio O] E1 E2 ... (2 à 6 centres)";

int RunDistribute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string* qualifiedText = FlagValue(args, "--qualified");
  const std::string* exOfficioText = FlagValue(args, "--ex-officio");
  std::vector<std::string> entryTexts;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--qualified" || args[i] == "--ex-officio") ++i;
    else entryTexts.push_back(args[i]);
  }
  if (!qualifiedText || entryTexts.size() < kMinCentres || entryTexts.size() > kMaxCentres) {
    err << "usage : ked-cli distribute " << kUsage << '\n';
    return kUsageError;
  }
  const auto qualified = ReadBounded("--qualified", *qualifiedText, 1, 70, err);
  const auto exOfficio = exOfficioText ? ReadBounded("--ex-officio", *exOfficioText, 0, 10, err)
                                       : std::optional<int>(0);
  if (!qualified || !exOfficio) return kUsageError;
  std::vector<int> entries;
  for (size_t n = 0; n < entryTexts.size(); ++n) {
    const auto e = ReadBounded("E" + std::to_string(n + 1), entryTexts[n], 0, 100, err);
    if (!e) return kUsageError;
    entries.push_back(*e);
  }

  std::vector<CentreShare> shares;
  try {
    shares = DistributePlaces(*qualified - *exOfficio, entries);
  } catch (const RuntimeFailure& failure) {
    err << failure.what() << '\n';
    return kRuntimeError;
  }
  const LocaleFormat fr = LocaleFormat::French();
  for (size_t n = 0; n < shares.size(); ++n)
    out << n + 1 << ' ' << ShareText(shares[n].share, fr) << ' '
        << (shares[n].nearHalf ? "red" : "green") << ' ' << shares[n].places << '\n';
  return 0;
}

static Registrar reg{"distribute", kUsage, RunDistribute};

}  // namespace
}  // namespace ked::cli::organisation
