#pragma once
// Whole-file reads and writes: the program never keeps a file open between commands.
#include <optional>
#include <string>

namespace ked {

std::optional<std::string> ReadFileBytes(const std::string& path);
// Writes through a temporary file in the same folder, then renames it over the
// target, so that a failed write never leaves a half-written file.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// "folder/" + name, whatever separator the folder ends with.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace ked
