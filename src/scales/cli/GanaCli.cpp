// ked-cli gana: the board series and the times of a GaNa.
#include "cli/CliRegistry.h"
#include "platform/RuntimeConvert.h"
#include "scales/GanaTimes.h"
#include "scales/ScaleListings.h"

namespace {

constexpr const char* kUsage = "BOARDS [--no-screens] [--start HH:MM:SS]";

int RunGana(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0].rfind("--", 0) == 0) {
    err << "usage : ked-cli gana " << kUsage << '\n';
    return 64;
  }
  const auto boards = ked::StrToInt(args[0]);
  if (!boards || *boards < ked::kGanaMinBoards || *boards > ked::kGanaMaxBoards) {
    err << "nombre d'étuis par série : de 1 à 32 (« " << args[0] << " »)\n";
    return 64;
  }
  int start = 14 * 3600;  // the window's start of play
  if (const std::string* text = ked::cli::FlagValue(args, "--start")) {
    const auto parsed = ked::ParseTimeOfDay(*text);
    if (!parsed) {
      err << ked::NotATimeMessage(*text) << '\n';
      return 64;
    }
    start = *parsed;
  } else if (ked::cli::HasFlag(args, "--start")) {
    err << "--start : heure attendue (HH:MM:SS)\n";
    return 64;
  }
  const bool screens = !ked::cli::HasFlag(args, "--no-screens");
  out << ked::GanaListing(*boards, screens, start, ked::LocaleFormat::French());
  return 0;
}

}  // namespace

static ked::cli::Registrar reg{"gana", kUsage, RunGana};
