#include "pool/TeamList.h"

#include <utility>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/FileIO.h"
#include "platform/RuntimeConvert.h"

namespace ked {

std::array<std::string, 10> SplitFields(std::string_view line) {
  std::array<std::string, 10> fields;
  size_t field = 0;
  for (char c : line) {
    if (c == ';') {
      if (++field == fields.size()) break;
    } else {
      fields[field] += c;
    }
  }
  return fields;
}

namespace {

// Lines end at CR, LF or CR LF; a last line without an end counts too.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t start = 0, i = 0;
  while (i < bytes.size()) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      lines.push_back(bytes.substr(start, i - start));
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

bool IsTeamLine(std::string_view line) { return !line.empty() && line[0] >= '0' && line[0] <= '9'; }

enum class State { LookingForTitle, TitleLine, LookingForTeams, TeamLines, AfterTeams };

TeamListImport Fail(TeamListImport result, ImportFailure failure, std::string message) {
  result.success = false;
  result.failure = failure;
  result.message = std::move(message);
  return result;
}

// A team line's number field, or the runtime's conversion message in error.
bool ReadInteger(const std::string& field, int32_t& value, std::string& error) {
  std::optional<int32_t> read = StrToInt(field);
  if (!read) {
    error = NotAnIntegerMessage(Cp1252ToUtf8(field));
    return false;
  }
  value = *read;
  return true;
}

}  // namespace

TeamListImport ParseTeamList(std::string_view bytes) {
  TeamListImport result;
  Pool& pool = result.pool;
  State state = State::LookingForTitle;
  for (std::string_view line : SplitLines(bytes)) {
    switch (state) {
      case State::LookingForTitle:
        if (line == "#INTITULE") state = State::TitleLine;
        break;
      case State::TitleLine: {
        const auto f = SplitFields(line);
        if (f[0] != "PAS") return Fail(std::move(result), ImportFailure::WrongFileType,
                                       kWrongFileTypeMessage);
        pool.title = Cp1252ToUtf8(f[4] + " " + f[5] + " : " + f[6]);
        state = State::LookingForTeams;
        break;
      }
      case State::LookingForTeams:
        if (line == "#INSCRITS_GROUPE") state = State::TeamLines;
        break;
      case State::TeamLines: {
        if (!IsTeamLine(line)) {
          state = State::AfterTeams;
          break;
        }
        if (pool.count == kPoolMaxTeams)
          return Fail(std::move(result), ImportFailure::TooManyTeams, kTooManyTeamsMessage);
        const auto f = SplitFields(line);
        t_equipe team;
        std::string error;
        if (!ReadInteger(f[1], team.indice, error) || !ReadInteger(f[2], team.pte, error) ||
            !ReadInteger(f[3], team.ptp, error) || !ReadInteger(f[4], team.entite, error))
          return Fail(std::move(result), ImportFailure::NotAnInteger, error);
        team.nom1 = Cp1252ToUtf8(f[7]);
        team.nom2 = Cp1252ToUtf8(f[8]);
        team.nom3 = Cp1252ToUtf8(f[9]);
        pool.teams[++pool.count] = std::move(team);
        break;
      }
      case State::AfterTeams:
        break;
    }
    if (state == State::AfterTeams) break;  // the rest of the file is ignored
  }
  // An odd list is completed so that every round pairs all teams.
  if (pool.count % 2 == 1) {
    t_equipe ghost;
    ghost.nom2 = kGhostName;
    pool.teams[++pool.count] = ghost;
  }
  if (state != State::AfterTeams) return Fail(std::move(result), ImportFailure::Incomplete, "");
  result.success = true;
  return result;
}

TeamListImport ImportTeamList(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) {
    TeamListImport result;
    return Fail(std::move(result), ImportFailure::CannotOpen, CannotOpenFileMessage(path));
  }
  return ParseTeamList(*bytes);
}

namespace {
bool RanksBelow(const t_equipe& a, const t_equipe& b) {
  if (a.indice != b.indice) return a.indice < b.indice;
  if (a.ptp != b.ptp) return a.ptp < b.ptp;
  return a.pte < b.pte;
}
}  // namespace

void SortTeams(Pool& pool) {
  // This exchange order decides the numbering of teams with equal keys: keep it.
  for (int i = 1; i <= pool.count; ++i)
    for (int j = i; j <= pool.count; ++j)
      if (RanksBelow(pool.teams[i], pool.teams[j])) std::swap(pool.teams[i], pool.teams[j]);
  for (int k = 1; k <= pool.count; ++k) pool.teams[k].num = static_cast<uint8_t>(k);
  pool.ghost = pool.count > 0 && pool.teams[pool.count].nom2 == kGhostName ? pool.count : 0;
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace ked
