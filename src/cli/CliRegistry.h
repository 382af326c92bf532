#pragma once
// Sub-commands of ked-cli. Each subsystem registers its own from a file of its
// src/<subsystem>/cli/ folder:
//   static ked::cli::Registrar reg{"pool", "FILE [--pdf OUT.pdf]", RunPool};
// A name may be two words ("seeding balance"): the command then gets the
// arguments after both.
#include <ostream>
#include <string>
#include <vector>

// FlagValue, HasFlag, ReadNumber: in the core, as the balancing commands read
// their flags the same way.
#include "platform/CommandArguments.h"

namespace ked::cli {

// Arguments after the sub-command's name; returns the exit code.
using Command = int (*)(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err);

struct Entry {
  std::string name;
  std::string usage;
  Command run;
};

std::vector<Entry>& Commands();

struct Registrar {
  Registrar(const char* name, const char* usage, Command run) {
    Commands().push_back({name, usage, run});
  }
};

// The folder of the ked-cli executable, with its trailing '/' ("./" when
// unknown): the installation files are looked up there.
std::string ProgramFolder();

}  // namespace ked::cli
