// ked-cli seeding movement: the movements window's seeding file, on the terminal.
#include <ostream>
#include <string>
#include <vector>

#include "cli/CliRegistry.h"
#include "movements/SeedingFileBuilder.h"

namespace {

constexpr const char* kUsage =
    "--pairs P --kind Mitchell|Elargi|Appendice|Entrelaces|Howell|Partiel --rounds T --a NA "
    "[--b NB] [--c NC] [--d ND] [--kind-b Mitchell|Elargi]";

bool ReadKind(const std::vector<std::string>& args, const std::string& flag, bool sectionB,
              ked::MovementKind& kind, std::ostream& err) {
  const std::string* text = ked::cli::FlagValue(args, flag);
  if (!text) return true;
  const auto k = ked::KindFromName(*text);
  if (!k || (sectionB && *k != ked::MovementKind::Mitchell && *k != ked::MovementKind::Elargi)) {
    err << flag << " : mouvement inconnu « " << *text << " »\n";
    return false;
  }
  kind = *k;
  return true;
}

int RunSeedingMovement(const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err) {
  for (const char* required : {"--pairs", "--kind", "--rounds", "--a"}) {
    if (!ked::cli::FlagValue(args, required)) {
      err << "usage : ked-cli seeding movement " << kUsage << '\n';
      return 64;
    }
  }
  ked::MovementSetting s;
  using ked::cli::ReadNumber;
  // The window's ranges: what its spin boxes accept.
  if (!ReadNumber(args, "--pairs", 5, 72, s.pairs, err) ||
      !ReadNumber(args, "--rounds", 4, 14, s.rounds, err) ||
      !ReadNumber(args, "--a", 1, 36, s.tablesA, err) ||
      !ReadNumber(args, "--b", 0, 15, s.tablesB, err) ||
      !ReadNumber(args, "--c", 0, 15, s.tablesC, err) ||
      !ReadNumber(args, "--d", 0, 15, s.tablesD, err) ||
      !ReadKind(args, "--kind", false, s.kindA, err) ||
      !ReadKind(args, "--kind-b", true, s.kindB, err))
    return 64;
  const ked::SeedingFileResult result = ked::BuildSeedingFile(s);
  if (!result.HasFile()) {
    err << result.message << '\n';
    return 1;
  }
  for (const std::string& line : result.lines) out << line << '\n';
  return 0;
}

ked::cli::Registrar reg{"seeding movement", kUsage, RunSeedingMovement};

}  // namespace
