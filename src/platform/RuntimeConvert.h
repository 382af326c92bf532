#pragma once
// Text-to-integer conversion with the rules of the program's runtime, and the
// runtime's French error texts, which the program shows as its messages.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ked {

// Leading blanks, an optional sign, decimal digits or a hexadecimal number
// written "$1F", "0x1F" or "x1F"; nothing may follow. Out of 32-bit range fails.
std::optional<int32_t> StrToInt(std::string_view text);

// "'%s' n'est pas une valeur entière correcte"
std::string NotAnIntegerMessage(std::string_view text);
// "'%s' n'est pas une heure correcte"
std::string NotATimeMessage(std::string_view text);
inline constexpr const char* kDivisionByZeroMessage = "Division par zéro en virgule flottante";
inline constexpr const char* kInvalidFloatOperationMessage =
    "Opération en virgule flottante incorrecte";
// "Impossible d'ouvrir le fichier %s"
std::string CannotOpenFileMessage(std::string_view path);

}  // namespace ked
