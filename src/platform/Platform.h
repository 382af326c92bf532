#pragma once
// The operating-system services the program uses, behind one interface so that
// the windows can be driven in tests by a fake that records every call and
// answers dialogs from a script. All texts are UTF-8.
#include <optional>
#include <string>
#include <vector>

namespace ked {

struct ReportDocument;  // a built report, ready to preview or print (report/ReportDocument.h)

// The French kinds of message box; the kind is the box's title.
enum class MessageKind { Warning, Error, Information, Confirmation };

// Buttons of a message box, combinable; the answer is one of them.
enum MessageButton : unsigned {
  BtnNone = 0,
  BtnOk = 1u << 0,      // "OK"
  BtnCancel = 1u << 1,  // "Annuler"
  BtnYes = 1u << 2,     // "&Oui"
  BtnNo = 1u << 3,      // "&Non"
};
using MessageButtons = unsigned;

const char* MessageKindTitle(MessageKind kind);        // "Avertissement", ...
const char* MessageButtonCaption(MessageButton button);  // "OK", "&Oui", ...

// Title of the plain message box: the application's title.
inline constexpr const char* kApplicationTitle = "Utilitaire";

struct FileDialogRequest {
  std::string title;
  std::string initialDirectory;  // where the dialog starts
  std::string fileName;          // proposed file name (save dialogs)
  std::string filter;            // Qt-style filter, "Texte (*.txt);;Tous (*)"
  std::string defaultExtension;  // without dot, appended when the user types none
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The shell's open operation on a full path or an address; true on success.
  virtual bool ShellOpen(const std::string& pathOrAddress) = 0;

  // A message box of the given kind; returns the button pressed.
  virtual MessageButton MessageBox(MessageKind kind, const std::string& text,
                                   MessageButtons buttons) = 0;

  // A plain message box: the text with "OK" under the title "Utilitaire".
  virtual void ShowMessage(const std::string& text) = 0;

  // File dialogs: the chosen full path, or nothing when cancelled.
  virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;

  // The user's personal documents folder, without trailing separator.
  virtual std::string DocumentsFolder() = 0;

  // Lets pending window events run (long work keeps the window alive).
  virtual void ProcessPendingEvents() = 0;

  // Asks the system to power off; false where it cannot.
  virtual bool RequestPowerOff() = 0;

  // Shows the page of the help file bearing this help number.
  virtual void ShowHelp(const std::string& helpFile, int helpNumber) = 0;

  // Today's date, as a day number (see DateTime.h).
  virtual int Today() = 0;

  // The report preview (modal; zoom, save, print...), on a built report.
  virtual void ShowReportPreview(const ReportDocument& document) = 0;
  // The template designer (modal) on a template file, which it may save.
  virtual void EditReportTemplate(const std::string& templatePath) = 0;
};

}  // namespace ked
