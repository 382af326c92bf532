#pragma once
// What every window is given: the platform services, the program's folder and
// the user's conventions.
#include <string>

#include "platform/LocaleFormat.h"
#include "platform/Platform.h"
#include "shell/UpdateCheck.h"

namespace ked {

struct AppContext {
  Platform& platform;
  std::string programFolder;  // the executable's folder, with a trailing separator
  LocaleFormat locale;
  PageProbe pageExists = PageExists;

  std::string ProgramFile(const std::string& name) const { return programFolder + name; }
};

}  // namespace ked
