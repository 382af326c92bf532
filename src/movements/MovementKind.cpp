#include "movements/MovementKind.h"

namespace ked {

std::optional<MovementKind> KindFromIndex(int index) {
  if (index < 0 || index >= kMovementKindCount) return std::nullopt;
  return static_cast<MovementKind>(index);
}

std::optional<MovementKind> KindFromName(std::string_view name) {
  constexpr std::string_view names[kMovementKindCount] = {"Mitchell",   "Elargi", "Appendice",
                                                          "Entrelaces", "Howell", "Partiel"};
  for (int i = 0; i < kMovementKindCount; ++i)
    if (names[i] == name) return static_cast<MovementKind>(i);
  return std::nullopt;
}

}  // namespace ked
