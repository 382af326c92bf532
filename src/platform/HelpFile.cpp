#include "platform/HelpFile.h"

#include <vector>

#include "platform/RuntimeConvert.h"
#include "platform/TextLines.h"

namespace ked {

std::optional<HelpPage> FindHelpPage(const std::string& content, int number) {
  std::vector<HelpPage> pages;
  for (const std::string& line : SplitLines(content)) {
    if (line.size() > 2 && line[0] == '[') {
      auto close = line.find(']');
      if (close != std::string::npos) {
        if (auto n = StrToInt(line.substr(1, close - 1))) {
          std::string title = line.substr(close + 1);
          while (!title.empty() && title.front() == ' ') title.erase(0, 1);
          pages.push_back({*n, title, ""});
          continue;
        }
      }
    }
    if (!pages.empty()) pages.back().body += line + "\n";
  }
  for (const HelpPage& p : pages)
    if (p.number == number) return p;
  if (!pages.empty()) return pages.front();
  return std::nullopt;
}

}  // namespace ked
