#include "backup/NoCaseFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/Cp1252.h"

namespace ked::backup {
namespace {
// Only names that Windows-1252 spells exactly are compared without case, so
// that two names that both fall back to '?' are never taken for one another.
bool HasCp1252Spelling(const std::string& utf8) {
  return Cp1252ToUtf8(Utf8ToCp1252(utf8)) == utf8;
}
}  // namespace

std::string LowerCaseName(const std::string& utf8) {
  if (!HasCp1252Spelling(utf8)) return utf8;
  std::string bytes = Utf8ToCp1252(utf8);
  for (char& c : bytes) c = static_cast<char>(Cp1252ToLower(static_cast<unsigned char>(c)));
  return Cp1252ToUtf8(bytes);
}

std::optional<std::string> FindNameNoCase(const std::string& folder, const std::string& name) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
  if (fs::symlink_status(dir / name, ec).type() != fs::file_type::not_found && !ec) return name;
  if (!HasCp1252Spelling(name)) return std::nullopt;
  const std::string wanted = Utf8ToCp1252(name);
  std::vector<std::string> matches;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    if (HasCp1252Spelling(candidate) && EqualsNoCaseCp1252(Utf8ToCp1252(candidate), wanted))
      matches.push_back(candidate);
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

}  // namespace ked::backup
