#pragma once
// What a previewed report prints, page by page, for checking without a window.
#include <string>
#include <vector>

#include "report/ReportDocument.h"

namespace ked::test {

inline std::vector<std::string> PageTexts(const ReportPage& page) {
  std::vector<std::string> texts;
  for (const auto& item : page.items)
    if (item.kind == ReportItem::Kind::Text && !item.text.empty()) texts.push_back(item.text);
  return texts;
}

inline std::string AllTexts(const ReportDocument& document) {
  std::string all;
  for (const auto& page : document.pages)
    for (const auto& text : PageTexts(page)) all += text + "\n";
  return all;
}

}  // namespace ked::test
