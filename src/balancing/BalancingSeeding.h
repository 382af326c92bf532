#pragma once
// The seeding file of the balancing window: up to three sections of up to 34
// tables, numbered along the optimised table order.
#include <string>
#include <variant>
#include <vector>

#include "movements/SeedingGrid.h"

namespace ked {

inline constexpr int kBalancingSeedingSections = 3;
inline constexpr int kBalancingSeedingTables = 34;

struct BalancingSections {
  int tablesA = 10, tablesB = 0, tablesC = 0;  // 0 to 34 each
  bool incomplete = false;  // the last table of section A lacks a pair
};

inline constexpr const char* kNoIncompleteTableMessage =
    "La section A n'a aucune table : aucune table ne peut être incomplète.";
inline constexpr const char* kBadTableOrderMessage = "L'ordre des tables n'est pas valide";

// The numbered grid: the columns of the table order text ("1+4+7+...+") first,
// then every column, each visited down then up in turn. A message instead when
// the order holds something else than table numbers 1 to 34, or when section A
// has no table to leave incomplete.
std::variant<SeedingGrid, std::string> BalancingSeedingGrid(const std::string& tableOrderText,
                                                            const BalancingSections& sections);

// The file's lines ("1\t1\t1\t2", ...), or the message.
std::variant<std::vector<std::string>, std::string> BalancingSeedingLines(
    const std::string& tableOrderText, const BalancingSections& sections);

}  // namespace ked
