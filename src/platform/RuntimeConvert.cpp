#include "platform/RuntimeConvert.h"

#include <cctype>

namespace ked {

std::optional<int32_t> StrToInt(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i < s.size() && (s[i] == 'x' || s[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == s.size()) return std::nullopt;
  uint64_t v = 0;
  for (; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int d;
    if (std::isdigit(c)) d = c - '0';
    else if (base == 16 && std::isxdigit(c)) d = std::tolower(c) - 'a' + 10;
    else return std::nullopt;
    v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    if (v > 0xFFFFFFFFull) return std::nullopt;
  }
  if (base == 16) {
    // Hexadecimal numbers fill the 32 bits, as the runtime reads them.
    int32_t r = static_cast<int32_t>(static_cast<uint32_t>(v));
    return negative ? -r : r;
  }
  if (negative) {
    if (v > 0x80000000ull) return std::nullopt;
    return static_cast<int32_t>(-static_cast<int64_t>(v));
  }
  if (v > 0x7FFFFFFFull) return std::nullopt;
  return static_cast<int32_t>(v);
}

std::string NotAnIntegerMessage(std::string_view text) {
  return "'" + std::string(text) + "' n'est pas une valeur entière correcte";
}

std::string NotATimeMessage(std::string_view text) {
  return "'" + std::string(text) + "' n'est pas une heure correcte";
}

std::string CannotOpenFileMessage(std::string_view path) {
  return "Impossible d'ouvrir le fichier " + std::string(path);
}

}  // namespace ked
