#include "cli/CliRegistry.h"

#include <algorithm>

namespace ked::cli {

std::vector<Entry>& Commands() {
  static std::vector<Entry> commands;
  return commands;
}

const std::string* FlagValue(const std::vector<std::string>& args, const std::string& flag) {
  for (size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == flag) return &args[i + 1];
  return nullptr;
}

bool HasFlag(const std::vector<std::string>& args, const std::string& flag) {
  return std::find(args.begin(), args.end(), flag) != args.end();
}

}  // namespace ked::cli
