#include "balancing/BalancingCommands.h"

#include <sstream>
#include <variant>

#include "balancing/BalancingMemory.h"
#include "balancing/BalancingSearch.h"
#include "balancing/BalancingSeeding.h"
#include "platform/CommandArguments.h"
#include "platform/LocaleFormat.h"
#include "platform/RuntimeConvert.h"

namespace ked {

namespace {

using cli::FlagValue;
using cli::HasFlag;
using cli::ReadNumber;

// "--s 6,9": the positions not played in that session; the row is left as the
// fresh study has it when the flag is absent.
bool ReadRow(const std::vector<std::string>& args, const std::string& flag, int session,
             BalancingStudy& study, std::ostream& err) {
  const std::string* list = FlagValue(args, flag);
  if (!list) return true;
  for (int t = 1; t <= kMaxBalancingTables; ++t) study.SetFlag(session, t, false);
  std::stringstream items(*list);
  std::string item;
  while (std::getline(items, item, ',')) {
    if (item.empty()) continue;
    const auto t = StrToInt(item);
    if (!t || *t < 1 || *t > kMaxBalancingTables) {
      err << flag << " : position « " << item << " » hors de 1 à " << kMaxBalancingTables << '\n';
      return false;
    }
    study.SetFlag(session, *t, true);
  }
  return true;
}

void Print(const BalancingStudy& study, std::ostream& out) {
  const LocaleFormat fr = LocaleFormat::French();
  const int n = study.tableCount;
  out << 'E';
  for (int t = 1; t <= n; ++t) out << ' ' << study.at(t).E;
  out << "\nM";
  for (int t = 1; t <= n; ++t) out << ' ' << study.at(t).M;
  out << "\nmean " << Decimal4Text(study.mean, fr) << "\nsd "
      << Decimal4Text(study.standardDeviation, fr) << "\ninitial "
      << InitialOrderText(study.Ranks(), n) << "\ntables "
      << TableOrderText(study.Ranks(), n) << '\n';
}

}  // namespace

int RunBalanceCommand(const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err) {
  BalancingStudy study;
  ResetStudy(study);
  int tables = 10, sessions = 1;
  if (!ReadNumber(args, "--tables", kMinBalancingTables, kMaxBalancingTables, tables, err) ||
      !ReadNumber(args, "--sessions", 1, kMaxBalancingSessions, sessions, err))
    return 64;
  study.tableCount = tables;
  study.sessionCount = sessions;
  study.SetRanks(SerpentineOrder(tables));
  if (!ReadRow(args, "--s", 1, study, err) || !ReadRow(args, "--ss", 2, study, err) ||
      !ReadRow(args, "--sss", 3, study, err))
    return 64;
  if (const std::string* order = FlagValue(args, "--order")) {
    const auto ranks = ParseInitialOrder(*order, tables);
    if (!ranks) {
      err << kInvalidOrderMessage << '\n';
      return 1;
    }
    study.SetRanks(*ranks);
  }
  ScoreStudy(study);
  if (!HasFlag(args, "--optimise")) {
    Print(study, out);
    return 0;
  }
  // With a memory file the command does what the window does when the answer
  // to "use the memorised data?" is yes.
  const std::string* memory = FlagValue(args, "--memory");
  std::vector<std::string> lines;
  size_t found = 0;
  if (memory) {
    auto read = OpenMemory(*memory);
    if (!read) {
      err << CannotOpenFileMessage(*memory) << '\n';
      return 1;
    }
    lines = std::move(*read);
    found = FindStudy(lines, StudyKey(study));
  }
  uint64_t tests = 0;
  if (found) {
    // A line edited by hand that holds no seating: the seating stays as it is.
    const auto memorised = ParseInitialOrder(MemorisedOrder(lines[found - 1]), tables);
    if (memorised) {
      study.SetRanks(*memorised);
      ScoreStudy(study);
    } else {
      err << kInvalidOrderMessage << '\n';
    }
  } else if (!SearchBestSeatingWithin(study, {}, SearchStepBudget(tables), tests)) {
    for (char c : std::string(kSearchOutOfReachMessage)) err << (c == '\r' ? '\n' : c);
    err << '\n';
    return 1;
  }
  if (memory) {
    StoreStudy(lines, found, study);
    if (!WriteMemory(*memory, lines)) {
      err << CannotOpenFileMessage(*memory) << '\n';
      return 1;
    }
  }
  Print(study, out);
  out << "tests " << tests << '\n';
  return 0;
}

int RunSeedingBalanceCommand(const std::vector<std::string>& args, std::ostream& out,
                              std::ostream& err) {
  const std::string* order = FlagValue(args, "--order");
  if (!order || !FlagValue(args, "--a")) {
    err << "usage : ked-cli seeding balance --order \"1+4+7+...\" --a NA [--b NB] [--c NC] "
           "[--incomplete]\n";
    return 64;
  }
  BalancingSections sections;
  if (!ReadNumber(args, "--a", 0, kBalancingSeedingTables, sections.tablesA, err) ||
      !ReadNumber(args, "--b", 0, kBalancingSeedingTables, sections.tablesB, err) ||
      !ReadNumber(args, "--c", 0, kBalancingSeedingTables, sections.tablesC, err))
    return 64;
  sections.incomplete = HasFlag(args, "--incomplete");
  const auto lines = BalancingSeedingLines(*order, sections);
  if (const auto* message = std::get_if<std::string>(&lines)) {
    err << *message << '\n';
    return 1;
  }
  for (const std::string& line : std::get<std::vector<std::string>>(lines)) out << line << '\n';
  return 0;
}

}  // namespace ked
