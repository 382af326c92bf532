#pragma once
// "poules.ini" in the program's folder remembers the folder of the last imported
// team list (section "Repertoire", key "Lecture").
#include <string>

namespace ked {

inline constexpr const char* kPoolIniFile = "poules.ini";

// The remembered folder, empty when the file or the key is missing.
std::string ReadImportDirectory(const std::string& programFolder);
bool WriteImportDirectory(const std::string& programFolder, const std::string& directory);

}  // namespace ked
