#pragma once
// The platform services on the desktop: Qt's dialogs and desktop services,
// logind over D-Bus for the power-off.
#include <QUrl>
#include <functional>

#include "platform/Platform.h"

namespace ked {

class QtPlatform : public Platform {
 public:
  bool ShellOpen(const std::string& pathOrAddress) override;
  MessageButton MessageBox(MessageKind kind, const std::string& text,
                           MessageButtons buttons) override;
  void ShowMessage(const std::string& text) override;
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  std::string DocumentsFolder() override;
  void ProcessPendingEvents() override;
  bool RequestPowerOff() override;
  void ShowHelp(const std::string& helpFile, int helpNumber) override;
  int Today() override;
  void ShowReportPreview(const ReportDocument& document) override;
  void EditReportTemplate(const std::string& templatePath) override;

  // The report windows live above this layer; the program installs them at start.
  std::function<void(const ReportDocument&)> previewWindow;
  std::function<void(const std::string&)> designerWindow;
};

// What the shell is handed, as a URL: addresses as they are (with the
// backslashes of "http:\\host\page" turned into slashes), paths as local files.
QUrl ShellUrl(const std::string& pathOrAddress);

}  // namespace ked
