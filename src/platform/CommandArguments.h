#pragma once
// Reading a command's arguments ("--tables 10"): ked-cli's sub-commands and the
// core commands they run read their flags the same way.
#include <ostream>
#include <string>
#include <vector>

namespace ked::cli {

// The value after `flag` ("--tables 10"), or nothing.
const std::string* FlagValue(const std::vector<std::string>& args, const std::string& flag);
bool HasFlag(const std::vector<std::string>& args, const std::string& flag);

// The whole number after `flag` within [low, high] into `value`, which is left
// as it is when the flag is absent. Otherwise false, with the message on err:
// "--tables : 3 à 17 attendu, « 40 » reçu".
bool ReadNumber(const std::vector<std::string>& args, const std::string& flag, int low, int high,
                int& value, std::ostream& err);

}  // namespace ked::cli
