#pragma once
// The program's text files are Windows-1252 bytes; in memory every text is UTF-8.
#include <string>
#include <string_view>

namespace ked {

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 byte become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
// Case folding of one Windows-1252 byte, as the platform compares names.
unsigned char Cp1252ToLower(unsigned char c);
bool EqualsNoCaseCp1252(std::string_view a, std::string_view b);

}  // namespace ked
