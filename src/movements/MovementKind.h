#pragma once
// The movement kinds of a section, in the order of the window's radio items.
#include <optional>
#include <string_view>

namespace ked {

enum class MovementKind {
  Mitchell = 0,    // "Mitchell"
  Elargi = 1,      // "Elargi": extended Mitchell
  Appendice = 2,   // "Appendice": Mitchell with an appendix
  Entrelaces = 3,  // "H. Entrelacés": interwoven Howell
  Howell = 4,      // "Howell"
  Partiel = 5,     // "H. Partiel": partial Howell
};

inline constexpr int kMovementKindCount = 6;

// The radio item index of a kind, and back (nothing outside 0 to 5).
inline int KindIndex(MovementKind kind) { return static_cast<int>(kind); }
std::optional<MovementKind> KindFromIndex(int index);
// Names without accents, as typed on a command line: "Mitchell", "Elargi", ...
std::optional<MovementKind> KindFromName(std::string_view name);

}  // namespace ked
