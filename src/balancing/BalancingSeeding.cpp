#include "balancing/BalancingSeeding.h"

#include <optional>

#include "platform/RuntimeConvert.h"

namespace ked {

namespace {
// The table numbers of "1+4+7+...+"; what follows the last "+" is not read.
std::optional<std::vector<int>> TableOrder(const std::string& text) {
  std::vector<int> tables;
  size_t start = 0;
  for (size_t plus = text.find('+'); plus != std::string::npos; plus = text.find('+', start)) {
    const auto table = StrToInt(text.substr(start, plus - start));
    if (!table || *table < 1 || *table > kBalancingSeedingTables) return std::nullopt;
    tables.push_back(*table);
    start = plus + 1;
  }
  return tables;
}
}  // namespace

std::variant<SeedingGrid, std::string> BalancingSeedingGrid(const std::string& tableOrderText,
                                                            const BalancingSections& sections) {
  const auto order = TableOrder(tableOrderText);
  if (!order) return std::string(kBadTableOrderMessage);
  if (sections.incomplete && sections.tablesA < 1) return std::string(kNoIncompleteTableMessage);

  SeedingGrid grid(kBalancingSeedingSections, kBalancingSeedingTables);
  grid.SetSectionTables(1, sections.tablesA);
  grid.SetSectionTables(2, sections.tablesB);
  grid.SetSectionTables(3, sections.tablesC);
  if (sections.incomplete)
    grid.Set(1, sections.tablesA,
             static_cast<std::uint16_t>(2 * (sections.tablesA + sections.tablesB + sections.tablesC)));

  std::vector<int> columns = *order;
  for (int k = 1; k <= kBalancingSeedingTables; ++k) columns.push_back(k);
  std::uint16_t counter = 1;
  bool downward = true;
  for (int column : columns) {
    bool numbered = false;
    for (int i = 0; i < grid.Rows(); ++i) {
      const int row = downward ? 1 + i : grid.Rows() - i;
      if (grid.At(row, column) != SeedingGrid::kWaiting) continue;
      grid.Set(row, column, counter++);
      numbered = true;
    }
    if (numbered) downward = !downward;
  }
  return grid;
}

std::variant<std::vector<std::string>, std::string> BalancingSeedingLines(
    const std::string& tableOrderText, const BalancingSections& sections) {
  auto grid = BalancingSeedingGrid(tableOrderText, sections);
  if (auto* message = std::get_if<std::string>(&grid)) return *message;
  return SeedingGridToLines(std::get<SeedingGrid>(grid));
}

}  // namespace ked
