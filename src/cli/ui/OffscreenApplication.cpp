#include "cli/ui/OffscreenApplication.h"

#include <QDir>
#include <QFile>

namespace ked::cli {

OffscreenApplication::OffscreenApplication() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    // QTemporaryDir makes the folder 0700, the rights Qt asks of a runtime folder.
    auto dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/ked-cli-runtime-XXXXXX");
    if (dir->isValid()) {
      qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir->path()));
      runtimeDir_ = std::move(dir);
    }
  }
  app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

OffscreenApplication::~OffscreenApplication() {
  app_.reset();
  if (runtimeDir_) qunsetenv("XDG_RUNTIME_DIR");
}

}  // namespace ked::cli
