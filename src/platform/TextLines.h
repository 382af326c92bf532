#pragma once
// The lines of a text, ended by LF or CRLF; a last line without its end counts.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ked {

std::vector<std::string> SplitLines(std::string_view text);
// The lines of a Windows-1252 file, as UTF-8; nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadCp1252Lines(const std::string& path);

}  // namespace ked
