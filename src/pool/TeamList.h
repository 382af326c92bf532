#pragma once
// The team list downloaded from the federation's web site, read into a Pool.
#include <array>
#include <string>
#include <string_view>

#include "pool/Utildec.h"

namespace ked {

inline constexpr const char* kWrongFileTypeMessage = "Ce n'est pas le bon type de fichier !";
inline constexpr const char* kTooManyTeamsMessage = "Programme limité à 18 équipes !";

// Cuts a line into exactly 10 fields at ";" (fields 1..10 are entries 0..9).
// Nothing is trimmed; what follows a tenth ";" is dropped.
std::array<std::string, 10> SplitFields(std::string_view line);

enum class ImportFailure {
  None,
  WrongFileType,  // the line after "#INTITULE" is not a "PAS" line
  TooManyTeams,   // a 19th team line
  NotAnInteger,   // a runtime conversion error in a team line
  CannotOpen,     // a runtime file error
  Incomplete,     // a marker or the end of the team lines is missing
};

struct TeamListImport {
  bool success = false;
  ImportFailure failure = ImportFailure::None;
  // The text to show: the program's message (information box, button "Oui") for
  // WrongFileType and TooManyTeams, the runtime's message otherwise; empty for
  // Incomplete and on success.
  std::string message;
  // What was read, also after a failure; the caller keeps its current pool
  // unless the import succeeded.
  Pool pool;
};

// Reads a team list from its Windows-1252 bytes.
TeamListImport ParseTeamList(std::string_view bytes);
// Reads the file at path; an unreadable file fails with the runtime's message.
TeamListImport ImportTeamList(const std::string& path);

// Orders the teams by decreasing indice, ptp, pte, numbers them 1..count in
// that order and sets ghost.
void SortTeams(Pool& pool);

// The folder part of a path, with its trailing separator; empty when none.
std::string DirectoryOf(const std::string& path);

}  // namespace ked
