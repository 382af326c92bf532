#pragma once
// The movements window's seeding file: built-in table orders and Howell seatings
// turned into the seeding numbers of up to four sections of up to 15 tables.
#include <string>
#include <vector>

#include "movements/MovementKind.h"

namespace ked {

struct MovementSetting {
  int pairs = 26;
  int tablesA = 13, tablesB = 0, tablesC = 0, tablesD = 0;
  int rounds = 9;
  MovementKind kindA = MovementKind::Mitchell;
  MovementKind kindB = MovementKind::Mitchell;  // only "Elargi" matters
};

inline constexpr const char* kUnplayedPositionsMessage =
    "Voir fenêtre : Serpentin optimisé avec position(s) non-jouée(s).";
inline constexpr const char* kNoCoherentMovementMessage =
    "Impossible de trouver un mouvement cohérent mémorisé.";

struct SeedingFileResult {
  bool coherent = true;            // every number found its place
  std::vector<std::string> lines;  // the file's lines, when there is a file
  std::string message;             // otherwise, what the window says
  bool HasFile() const { return message.empty(); }
};

int EventTables(int pairs);  // P div 2 + P mod 2

SeedingFileResult BuildSeedingFile(const MovementSetting& setting);

}  // namespace ked
