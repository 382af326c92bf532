#include "platform/IniFile.h"

#include <string_view>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/FileIO.h"

namespace ked {
namespace {

struct Line {
  size_t begin;    // offset of the line's first byte
  size_t end;      // offset just past its text (before CR/LF)
  size_t next;     // offset of the following line
};

std::vector<Line> SplitLines(const std::string& s) {
  std::vector<Line> lines;
  size_t pos = 0;
  while (pos < s.size()) {
    size_t nl = s.find('\n', pos);
    size_t next = nl == std::string::npos ? s.size() : nl + 1;
    size_t end = nl == std::string::npos ? s.size() : nl;
    if (end > pos && s[end - 1] == '\r') --end;
    lines.push_back({pos, end, next});
    pos = next;
  }
  return lines;
}

std::string_view Trim(std::string_view v) {
  while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.remove_prefix(1);
  while (!v.empty() && (v.back() == ' ' || v.back() == '\t')) v.remove_suffix(1);
  return v;
}

// The section a line opens, if it is a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view text) {
  text = Trim(text);
  if (text.size() < 2 || text.front() != '[') return std::nullopt;
  size_t close = text.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(text.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view text) {
  std::string_view trimmed = Trim(text);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  size_t eq = text.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(text.substr(0, eq)), Trim(text.substr(eq + 1))};
}

// Where a section and a key stand in a file.
struct Location {
  std::optional<size_t> sectionLine;  // index of the "[section]" line
  std::optional<size_t> keyLine;      // index of the key's line
  size_t lastLineOfSection = 0;       // last non-blank line of the section
};

Location Locate(const std::string& content, const std::vector<Line>& lines,
                const std::string& section, const std::string& key) {
  Location loc;
  bool inside = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view text(content.data() + lines[i].begin, lines[i].end - lines[i].begin);
    if (auto name = SectionName(text)) {
      if (inside) break;  // the first matching section is the one used
      inside = EqualsNoCaseCp1252(*name, section);
      if (inside) {
        loc.sectionLine = i;
        loc.lastLineOfSection = i;
      }
      continue;
    }
    if (!inside) continue;
    if (!Trim(text).empty()) loc.lastLineOfSection = i;
    if (auto kv = ParseKeyLine(text); kv && EqualsNoCaseCp1252(kv->key, key)) {
      loc.keyLine = i;
      break;
    }
  }
  return loc;
}

}  // namespace

std::optional<std::string> IniLookup(const std::string& content, const std::string& section,
                                     const std::string& key) {
  const auto lines = SplitLines(content);
  const Location loc = Locate(content, lines, Utf8ToCp1252(section), Utf8ToCp1252(key));
  if (!loc.keyLine) return std::nullopt;
  const Line& l = lines[*loc.keyLine];
  auto kv = ParseKeyLine(std::string_view(content.data() + l.begin, l.end - l.begin));
  std::string_view value = kv->value;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return Cp1252ToUtf8(value);
}

std::string IniWithValue(const std::string& content, const std::string& section,
                         const std::string& key, const std::string& value) {
  const std::string sectionBytes = Utf8ToCp1252(section);
  const std::string keyBytes = Utf8ToCp1252(key);
  const std::string entry = keyBytes + "=" + Utf8ToCp1252(value);
  const auto lines = SplitLines(content);
  const Location loc = Locate(content, lines, sectionBytes, keyBytes);

  std::string out = content;
  if (loc.keyLine) {
    const Line& l = lines[*loc.keyLine];
    out.replace(l.begin, l.end - l.begin, entry);
    return out;
  }
  if (loc.sectionLine) {
    const Line& last = lines[loc.lastLineOfSection];
    std::string insert = entry + "\r\n";
    if (last.next == last.end) insert = "\r\n" + entry;  // section ends the file without newline
    out.insert(last.next, insert);
    return out;
  }
  if (!out.empty() && out.back() != '\n') out += "\r\n";
  out += "[" + sectionBytes + "]\r\n" + entry + "\r\n";
  return out;
}

IniSnapshot::IniSnapshot(const std::string& path)
    : content_(ReadFileBytes(path).value_or(std::string())) {}

std::string IniSnapshot::Get(const std::string& section, const std::string& key,
                             const std::string& defaultValue) const {
  auto value = IniLookup(content_, section, key);
  return value ? *value : defaultValue;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path) {
  auto content = ReadFileBytes(path);
  if (!content) return defaultValue;
  auto value = IniLookup(*content, section, key);
  return value ? *value : defaultValue;
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) {
  std::string content = ReadFileBytes(path).value_or(std::string());
  return WriteFileBytes(path, IniWithValue(content, section, key, value));
}

}  // namespace ked
