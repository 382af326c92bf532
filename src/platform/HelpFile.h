#pragma once
// The program's help file "Util_Ked.hlp": pages headed "[N] Title", N being
// the help number the controls bear, each followed by its text (simple HTML).
#include <optional>
#include <string>

namespace ked {

struct HelpPage {
  int number = 0;
  std::string title;
  std::string body;
};

// The page of that number; the first page when none bears it.
std::optional<HelpPage> FindHelpPage(const std::string& content, int number);

}  // namespace ked
