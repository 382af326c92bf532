#pragma once
// What every window is given: the platform services, the program's folder and
// the user's conventions.
#include <functional>
#include <string>

#include "platform/LocaleFormat.h"
#include "platform/Platform.h"

namespace ked {

struct AppContext {
  Platform& platform;
  std::string programFolder;  // the executable's folder, with a trailing separator
  LocaleFormat locale;
  // The update check's HTTP probe; the real one when empty (tests set their own).
  std::function<bool(const std::string& address)> pageExists;

  std::string ProgramFile(const std::string& name) const { return programFolder + name; }
};

}  // namespace ked
