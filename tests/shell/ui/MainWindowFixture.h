#pragma once
// The program's windows as at start, on a temporary program folder, with the
// fake platform and no network.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <memory>
#include <string>

#include "platform/LocaleFormat.h"
#include "platform/ui/AppContext.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/TUtilf.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked::test {

struct MainWindowFixture {
  TempDir folder;
  FakePlatform platform;
  std::vector<std::string> probed;  // addresses the update check asked for
  bool indexExists = false;
  bool versionExists = true;
  AppContext context{platform, folder.Folder(), LocaleFormat::French(),
                     [this](const std::string& address) {
                       probed.push_back(address);
                       return address.find("index.html") != std::string::npos ? indexExists
                                                                              : versionExists;
                     }};
  std::unique_ptr<AppWindows> windows;

  void Start() { windows = std::make_unique<AppWindows>(context); }
  TUtilf& Main() { return *windows->main; }

  QPushButton* Button(const char* name) { return Main().findChild<QPushButton*>(name); }
  QAction* Item(const char* name) { return Main().findChild<QAction*>(name); }
};

}  // namespace ked::test
