#pragma once
// A platform for tests: records every call, answers dialogs from a script, and
// never shows a window, starts a program or powers anything off.
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace ked::test {

struct Call {
  std::string what;   // "ShellOpen", "MessageBox", "ShowMessage", "OpenFileDialog", ...
  std::string text;   // the path, address or message text
  MessageKind kind = MessageKind::Information;
  MessageButtons buttons = 0;
  FileDialogRequest dialog;
  int number = 0;     // help number
};

class FakePlatform : public Platform {
 public:
  // Scripted answers, used in order; unscripted boxes answer their cancel
  // button ("Annuler", "&Non", else the first) and dialogs are cancelled.
  std::deque<MessageButton> boxAnswers;
  std::deque<std::string> fileAnswers;  // "" cancels
  bool shellOpenResult = true;
  bool powerOffResult = true;
  int today = 46000;
  std::string documentsFolder = "/tmp/Documents";

  std::vector<Call> calls;

  bool ShellOpen(const std::string& target) override;
  MessageButton MessageBox(MessageKind kind, const std::string& text,
                           MessageButtons buttons) override;
  void ShowMessage(const std::string& text) override;
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  std::string DocumentsFolder() override { return documentsFolder; }
  void ProcessPendingEvents() override { ++pendingEventRuns; }
  bool RequestPowerOff() override;
  void ShowHelp(const std::string& helpFile, int helpNumber) override;
  int Today() override { return today; }
  // Records the preview ("ShowReportPreview", text = the report's template path)
  // and keeps a copy of every previewed report.
  void ShowReportPreview(const ReportDocument& document) override;
  void EditReportTemplate(const std::string& templatePath) override;
  std::vector<std::shared_ptr<ReportDocument>> previews;

  int pendingEventRuns = 0;

  // The calls of one kind, in order.
  std::vector<Call> CallsOf(const std::string& what) const;
  size_t Count(const std::string& what) const { return CallsOf(what).size(); }
  void Clear() { calls.clear(); }

 private:
  void Add(const std::string& what, const std::string& text) {
    Call c;
    c.what = what;
    c.text = text;
    calls.push_back(c);
  }
};

}  // namespace ked::test
