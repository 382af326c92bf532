#include "report/ReportSearch.h"

#include <algorithm>

namespace ked {

namespace {

std::string Folded(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return text;
}

}  // namespace

std::optional<ReportPosition> FindInReport(const ReportDocument& document, const std::string& text,
                                           std::optional<ReportPosition> after) {
  if (text.empty()) return std::nullopt;
  const std::string wanted = Folded(text);
  // Every item once, starting just after `after`.
  std::vector<ReportPosition> order;
  for (int p = 0; p < static_cast<int>(document.pages.size()); ++p)
    for (int i = 0; i < static_cast<int>(document.pages[p].items.size()); ++i)
      order.push_back({p, i});
  size_t start = 0;
  if (after) {
    auto it = std::find(order.begin(), order.end(), *after);
    if (it != order.end()) start = static_cast<size_t>(it - order.begin()) + 1;
  }
  for (size_t k = 0; k < order.size(); ++k) {
    const ReportPosition& at = order[(start + k) % order.size()];
    const ReportItem& item = document.pages[at.page].items[at.item];
    if (item.kind == ReportItem::Kind::Text && Folded(item.text).find(wanted) != std::string::npos)
      return at;
  }
  return std::nullopt;
}

}  // namespace ked
