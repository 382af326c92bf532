#include "cli/CliRegistry.h"

#include <filesystem>

namespace ked::cli {

std::vector<Entry>& Commands() {
  static std::vector<Entry> commands;
  return commands;
}

std::string ProgramFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("./") : exe.parent_path().string() + "/";
}

}  // namespace ked::cli
