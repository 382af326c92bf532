#pragma once
// Reading the arguments of the organisation sub-commands: integers by the
// runtime's rules, within the ranges of the window's fields.
#include <optional>
#include <ostream>
#include <string>

#include "platform/RuntimeConvert.h"

namespace ked::cli::organisation {

inline constexpr int kUsageError = 64;
inline constexpr int kRuntimeError = 1;

// The integer of `text` within [minimum, maximum]; otherwise a message on err.
inline std::optional<int> ReadBounded(const std::string& what, const std::string& text,
                                      int minimum, int maximum, std::ostream& err) {
  const auto value = StrToInt(text);
  if (!value) {
    err << NotAnIntegerMessage(text) << '\n';
    return std::nullopt;
  }
  if (*value < minimum || *value > maximum) {
    err << what << " : " << *value << " hors de " << minimum << " à " << maximum << '\n';
    return std::nullopt;
  }
  return value;
}

}  // namespace ked::cli::organisation
