// ked-cli: the calculators of Util_Ked from the command line.
#include <algorithm>
#include <iostream>

#include "cli/CliRegistry.h"
#include "pool/Utildec.h"

namespace {
void Usage(std::ostream& out) {
  out << "usage : ked-cli --version\n";
  auto commands = ked::cli::Commands();
  std::sort(commands.begin(), commands.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  for (const auto& c : commands) out << "        ked-cli " << c.name << ' ' << c.usage << '\n';
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    Usage(args.empty() ? std::cerr : std::cout);
    return args.empty() ? 64 : 0;
  }
  if (args[0] == "--version") {
    std::cout << ked::ProgramVersion << '\n';
    return 0;
  }
  // A command is named by one word ("pool") or two ("seeding balance").
  for (const auto& c : ked::cli::Commands()) {
    const bool twoWords = c.name.find(' ') != std::string::npos;
    const bool match = twoWords ? args.size() >= 2 && c.name == args[0] + " " + args[1]
                                : c.name == args[0];
    if (match) {
      std::vector<std::string> rest(args.begin() + (twoWords ? 2 : 1), args.end());
      try {
        return c.run(rest, std::cout, std::cerr);
      } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
      }
    }
  }
  std::cerr << "ked-cli : commande inconnue « " << args[0] << " »\n";
  Usage(std::cerr);
  return 64;
}
