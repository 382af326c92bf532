#include "support/FakePlatform.h"

#include "report/ReportDocument.h"

namespace ked::test {

bool FakePlatform::ShellOpen(const std::string& target) {
  Add("ShellOpen", target);
  return shellOpenResult;
}

MessageButton FakePlatform::MessageBox(MessageKind kind, const std::string& text,
                                       MessageButtons buttons) {
  Call c;
  c.what = "MessageBox";
  c.text = text;
  c.kind = kind;
  c.buttons = buttons;
  calls.push_back(c);
  if (!boxAnswers.empty()) {
    MessageButton answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
  }
  if (buttons & BtnCancel) return BtnCancel;
  if (buttons & BtnNo) return BtnNo;
  for (MessageButton b : {BtnOk, BtnYes})
    if (buttons & b) return b;
  return BtnOk;
}

void FakePlatform::ShowMessage(const std::string& text) { Add("ShowMessage", text); }

namespace {
std::optional<std::string> NextFile(std::deque<std::string>& answers) {
  if (answers.empty()) return std::nullopt;
  std::string a = answers.front();
  answers.pop_front();
  if (a.empty()) return std::nullopt;
  return a;
}
}  // namespace

std::optional<std::string> FakePlatform::OpenFileDialog(const FileDialogRequest& request) {
  Call c;
  c.what = "OpenFileDialog";
  c.text = request.title;
  c.dialog = request;
  calls.push_back(c);
  return NextFile(fileAnswers);
}

std::optional<std::string> FakePlatform::SaveFileDialog(const FileDialogRequest& request) {
  Call c;
  c.what = "SaveFileDialog";
  c.text = request.title;
  c.dialog = request;
  calls.push_back(c);
  return NextFile(fileAnswers);
}

bool FakePlatform::RequestPowerOff() {
  Add("RequestPowerOff", "");
  return powerOffResult;
}

void FakePlatform::ShowHelp(const std::string& helpFile, int helpNumber) {
  Call c;
  c.what = "ShowHelp";
  c.text = helpFile;
  c.number = helpNumber;
  calls.push_back(c);
}

void FakePlatform::ShowReportPreview(const ReportDocument& document) {
  Add("ShowReportPreview", document.templatePath);
  previews.push_back(std::make_shared<ReportDocument>(document));
}

void FakePlatform::EditReportTemplate(const std::string& templatePath) {
  Add("EditReportTemplate", templatePath);
}

std::vector<Call> FakePlatform::CallsOf(const std::string& what) const {
  std::vector<Call> out;
  for (const Call& c : calls)
    if (c.what == what) out.push_back(c);
  return out;
}

}  // namespace ked::test
