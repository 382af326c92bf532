#pragma once
// The services of a program without a desktop (ked-cli, the fuzzer): no shell,
// no dialogs, no help, no preview, no power-off; the documents folder is the
// current one. What it does with message boxes is its own.
#include "platform/Platform.h"

namespace ked {

class HeadlessPlatform : public Platform {
 public:
  bool ShellOpen(const std::string&) override { return false; }
  std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override { return {}; }
  std::string DocumentsFolder() override { return "."; }
  void ProcessPendingEvents() override {}
  bool RequestPowerOff() override { return false; }
  void ShowHelp(const std::string&, int) override {}
  int Today() override { return 0; }
  void ShowReportPreview(const ReportDocument&) override {}
  void EditReportTemplate(const std::string&) override {}
};

}  // namespace ked
