#include "balancing/BalancingMemory.h"

#include "platform/Cp1252.h"
#include "platform/FileIO.h"

namespace ked {

namespace {
void AppendRow(std::string& key, const BalancingStudy& study, int session) {
  for (int t = 1; t <= study.tableCount; ++t) key += study.Flag(session, t) == 1 ? '1' : '0';
}
}  // namespace

std::string StudyKey(const BalancingStudy& study) {
  std::string key =
      std::to_string(study.tableCount) + " " + std::to_string(study.sessionCount) + " ";
  AppendRow(key, study, 1);
  for (int s = 2; s <= study.sessionCount; ++s) {
    key += "+";
    AppendRow(key, study, s);
  }
  return key;
}

size_t FindStudy(const std::vector<std::string>& lines, const std::string& key) {
  size_t found = 0;
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].compare(0, key.size(), key) == 0) found = i + 1;
  return found;
}

std::string StudyLine(const BalancingStudy& study) {
  return StudyKey(study) + " " + InitialOrderText(study.Ranks(), study.tableCount);
}

void StoreStudy(std::vector<std::string>& lines, size_t number, const BalancingStudy& study) {
  if (number >= 1 && number <= lines.size())
    lines[number - 1] = StudyLine(study);
  else
    lines.push_back(StudyLine(study));
}

std::string MemorisedOrder(const std::string& line) {
  size_t at = 0;
  for (int spaces = 0; spaces < 3; ++spaces) {
    at = line.find(' ', at);
    if (at == std::string::npos) return "";
    ++at;
  }
  return line.substr(at);
}

std::optional<std::vector<std::string>> OpenMemory(const std::string& path) {
  if (!FileExists(path) && !WriteFileBytes(path, "")) return std::nullopt;
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  std::vector<std::string> lines;
  const std::string text = Cp1252ToUtf8(*bytes);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool WriteMemory(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return WriteFileBytes(path, Utf8ToCp1252(text));
}

}  // namespace ked
