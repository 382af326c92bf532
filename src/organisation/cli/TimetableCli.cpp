// ked-cli timetable: the three lines of a timetable proposal.
#include <algorithm>
#include <cstdio>

#include "cli/CliRegistry.h"
#include "organisation/RuntimeFailure.h"
#include "organisation/Timetable.h"
#include "organisation/cli/CliArguments.h"
#include "platform/DateTime.h"

namespace ked::cli::organisation {
namespace {

using namespace ked::orga;

constexpr const char* kUsage =
    "--type Paires|Suisse|Poule|none --date YYYY-MM-DD --start HH:MM --sessions S --deals D "
    "[--screens] [--gaps G1,G2,...] [--pause N]... [--meal N]... [--participants P]";

std::optional<CompetitionType> ReadType(const std::string& text) {
  if (text == "Paires") return CompetitionType::Paires;
  if (text == "Suisse") return CompetitionType::Suisse;
  if (text == "Poule") return CompetitionType::Poule;
  if (text == "none") return CompetitionType::None;
  return std::nullopt;
}

std::optional<int> ReadDate(const std::string& text) {
  int y = 0, m = 0, d = 0;
  char tail = 0;
  if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3)
    return std::nullopt;
  const CivilDate date{y, m, d};
  if (!IsValidCivilDate(date)) return std::nullopt;
  return DayNumberFromCivil(date);
}

// "9:30" or "09:30" as the time selector gives it: "09:30".
std::optional<std::string> ReadStart(const std::string& text) {
  int h = 0, m = 0;
  char tail = 0;
  const auto colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || colon > 2 || text.size() != colon + 3 ||
      std::sscanf(text.c_str(), "%2d:%2d%c", &h, &m, &tail) != 2 || h > 23 || m > 59 || h < 0 ||
      m < 0)
    return std::nullopt;
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d:%02d", h, m);
  return std::string(buf);
}

int RunTimetable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  auto usage = [&] {
    err << "usage : ked-cli timetable " << kUsage << '\n';
    return kUsageError;
  };
  const std::string* typeText = FlagValue(args, "--type");
  const std::string* dateText = FlagValue(args, "--date");
  const std::string* startText = FlagValue(args, "--start");
  const std::string* sessionsText = FlagValue(args, "--sessions");
  const std::string* dealsText = FlagValue(args, "--deals");
  if (!typeText || !dateText || !startText || !sessionsText || !dealsText) return usage();

  TimetableInput in;
  const auto type = ReadType(*typeText);
  if (!type) return usage();
  in.type = *type;
  const auto date = ReadDate(*dateText);
  if (!date) {
    err << "'" << *dateText << "' n'est pas une date correcte\n";
    return kUsageError;
  }
  in.date = *date;
  const auto start = ReadStart(*startText);
  if (!start) {
    err << NotATimeMessage(*startText) << '\n';
    return kUsageError;
  }
  in.start = *start;
  const auto sessions = ReadBounded("--sessions", *sessionsText, kMinSessions, kMaxSessions, err);
  const auto deals = ReadBounded("--deals", *dealsText, 6, 72, err);
  if (!sessions || !deals) return kUsageError;
  in.sessions = *sessions;
  in.deals = *deals;
  in.screens = HasFlag(args, "--screens");

  for (int n = 0; n < kGapCount; ++n) in.gap[n] = DefaultGap(in.type, n + 1).value_or(10);
  if (const std::string* gaps = FlagValue(args, "--gaps")) {
    size_t from = 0;
    for (int n = 0; from <= gaps->size(); ++n) {
      const size_t comma = std::min(gaps->find(',', from), gaps->size());
      if (n == kGapCount) return usage();
      const auto gap = ReadBounded("--gaps", gaps->substr(from, comma - from), kMinGap, kMaxGap, err);
      if (!gap) return kUsageError;
      in.gap[n] = *gap;
      from = comma + 1;
    }
  }

  // The pause and meal boxes, in the order given, set their gap as the window's do.
  const auto preset = PresetOf(in.type);
  const std::string* participants = FlagValue(args, "--participants");
  const std::string participantsText = participants ? *participants
                                       : preset     ? preset->participants
                                                    : "22";
  for (size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] != "--pause" && args[i] != "--meal") continue;
    const auto n = ReadBounded(args[i], args[i + 1], 1, kGapCount, err);
    if (!n) return kUsageError;
    int minutes = kMealLength;
    if (args[i] == "--pause") {
      in.pause[*n - 1] = true;
      try {
        minutes = PauseLength(in.type, participantsText);
      } catch (const RuntimeFailure& failure) {
        err << failure.what() << '\n';
        return kRuntimeError;
      }
    } else {
      in.meal[*n - 1] = true;
    }
    in.gap[*n - 1] = std::clamp(minutes, kMinGap, kMaxGap);
  }

  const TimetableResult r = BuildTimetable(in, LocaleFormat::French());
  if (r.failure) {
    err << *r.failure << '\n';
    return kRuntimeError;
  }
  out << "Phrase: " << r.sentence << '\n'
      << "Horraire: " << r.timetable << '\n'
      << "Modalite: " << r.modalities << '\n';
  return 0;
}

static Registrar reg{"timetable", kUsage, RunTimetable};

}  // namespace
}  // namespace ked::cli::organisation
