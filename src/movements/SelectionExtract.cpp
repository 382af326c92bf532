#include "movements/SelectionExtract.h"

#include "platform/RuntimeConvert.h"

namespace ked {
namespace {

bool Has(std::string_view line, std::string_view text) {
  return line.find(text) != std::string_view::npos;
}

// Lines 1 to 4 of the selection, split at carriage returns, line feeds dropped.
std::vector<std::string> SelectionLines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\r') {
      if (lines.size() == 4) break;
      lines.emplace_back();
    } else if (c != '\n') {
      lines.back() += c;
    }
  }
  lines.resize(4);
  return lines;
}

enum class ScanEnd { None, Number, Failed };

struct Scan {
  ScanEnd end = ScanEnd::None;
  int number = 0;
  std::string digits;
  char stop = 0;
};

// Collects digits from `from` up to the first of `stops`; other characters are skipped.
Scan ScanNumber(const std::string& line, size_t from, std::string_view stops) {
  Scan scan;
  for (size_t i = from; i < line.size(); ++i) {
    const char c = line[i];
    if (c >= '0' && c <= '9') {
      scan.digits += c;
    } else if (stops.find(c) != std::string_view::npos) {
      scan.stop = c;
      const auto n = StrToInt(scan.digits);
      scan.end = n ? ScanEnd::Number : ScanEnd::Failed;
      scan.number = n.value_or(0);
      return scan;
    }
  }
  return scan;
}

class Extractor {
 public:
  explicit Extractor(Extraction& out) : out_(out) {}

  void Set(SettingTarget target, int value) { out_.settings.push_back({target, value}); }

  // Tables from "de" to the first "," (one table more) or ":"; false on a failed number.
  bool Tables(const std::string& line, SettingTarget target) {
    const size_t de = line.find("de");
    if (de == std::string::npos) return true;
    const Scan s = ScanNumber(line, de, ",:");
    return Apply(s, target, s.stop == ',' ? 1 : 0);
  }

  // Rounds from the first ":" to the first "X".
  bool Rounds(const std::string& line) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) return true;
    return Apply(ScanNumber(line, colon, "X"), SettingTarget::Rounds, 0);
  }

 private:
  bool Apply(const Scan& s, SettingTarget target, int extra) {
    if (s.end == ScanEnd::Failed) {
      out_.error = NotAnIntegerMessage(s.digits);
      return false;
    }
    if (s.end == ScanEnd::Number) Set(target, s.number + extra);
    return true;
  }

  Extraction& out_;
};

int KindOfFirstLine(const std::string& line) {
  if (Has(line, "Howell partiel")) return 5;
  if (Has(line, "Howell entrelacés")) return 3;
  if (Has(line, "Howell")) return 4;
  if (Has(line, "Mitchell élargi")) return 1;
  if (Has(line, "Mitchell appendice")) return 2;
  return 0;
}

// Sections B and C are a Mitchell or an extended Mitchell.
int KindOfOtherLine(const std::string& line) {
  if (Has(line, "Mitchell de")) return 0;
  if (Has(line, "Mitchell élargi de")) return 1;
  return -1;
}

}  // namespace

Extraction ExtractSelection(std::string_view selectedText) {
  Extraction out;
  Extractor x(out);
  x.Set(SettingTarget::Sections, 1);
  x.Set(SettingTarget::KindB, -1);
  x.Set(SettingTarget::KindC, -1);

  const auto lines = SelectionLines(selectedText);
  if (lines[0].empty()) return out;
  x.Set(SettingTarget::KindA, KindOfFirstLine(lines[0]));
  if (!x.Tables(lines[0], SettingTarget::TablesA) || !x.Rounds(lines[0])) return out;

  const SettingTarget kinds[] = {SettingTarget::KindB, SettingTarget::KindC};
  const SettingTarget tables[] = {SettingTarget::TablesB, SettingTarget::TablesC,
                                  SettingTarget::TablesD};
  for (int i = 1; i < 4; ++i) {
    const std::string& line = lines[i];
    if (line.empty()) return out;
    x.Set(SettingTarget::Sections, i + 1);
    if (i < 3) {
      const int kind = KindOfOtherLine(line);
      if (kind >= 0) x.Set(kinds[i - 1], kind);
    }
    if (!x.Tables(line, tables[i - 1])) return out;
  }
  return out;
}

}  // namespace ked
