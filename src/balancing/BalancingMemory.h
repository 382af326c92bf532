#pragma once
// The memory of finished studies, "Equilibre.txt" in the program's folder: one
// line per study, its key, a space and the seating found ("1-9-3-...-").
#include <string>
#include <vector>

#include "balancing/BalancingStudy.h"

namespace ked {

inline constexpr const char* kBalancingMemoryFileName = "Equilibre.txt";

// "10 2 0000010000+0000100000": N, the session count, then the rows in use.
std::string StudyKey(const BalancingStudy& study);

// The 1-based number of the last line that begins with the key, or 0.
size_t FindStudy(const std::vector<std::string>& lines, const std::string& key);
// The key, a space and the initial order text of the study's seating.
std::string StudyLine(const BalancingStudy& study);
// Replaces line `number` (1-based) with the study's line, or appends it when 0.
void StoreStudy(std::vector<std::string>& lines, size_t number, const BalancingStudy& study);
// The seating of a memory line: its text after the third space.
std::string MemorisedOrder(const std::string& line);

// Whole-file access; the texts are UTF-8 in memory, Windows-1252 on disk.
// Reading creates the file empty when it does not exist; nothing on failure.
std::optional<std::vector<std::string>> OpenMemory(const std::string& path);
// Every line ended by CR LF, the file replaced whole; false on failure.
bool WriteMemory(const std::string& path, const std::vector<std::string>& lines);

}  // namespace ked
