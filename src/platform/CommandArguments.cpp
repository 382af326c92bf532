#include "platform/CommandArguments.h"

#include <algorithm>

#include "platform/RuntimeConvert.h"

namespace ked::cli {

const std::string* FlagValue(const std::vector<std::string>& args, const std::string& flag) {
  for (size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == flag) return &args[i + 1];
  return nullptr;
}

bool HasFlag(const std::vector<std::string>& args, const std::string& flag) {
  return std::find(args.begin(), args.end(), flag) != args.end();
}

bool ReadNumber(const std::vector<std::string>& args, const std::string& flag, int low, int high,
                int& value, std::ostream& err) {
  const std::string* text = FlagValue(args, flag);
  if (!text) return true;
  const auto v = StrToInt(*text);
  if (!v || *v < low || *v > high) {
    err << flag << " : " << low << " à " << high << " attendu, « " << *text << " » reçu\n";
    return false;
  }
  value = *v;
  return true;
}

}  // namespace ked::cli
