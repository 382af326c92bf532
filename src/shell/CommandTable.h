#pragma once
// The main window's commands: every button, menu item and popup item, with the
// action it runs. The window builds its controls from these tables.
#include <string>
#include <vector>

namespace ked {

// The secondary windows, in their order of creation after the main window.
enum class WindowId { Config, Gana, Pool, Balancing, About, Organisation, Movements, Vp };

enum class ActionKind {
  None,                    // a heading, or an item that never acts
  OpenDocument,            // a PDF of the program's folder
  ExportTemplate,          // a Word or Excel template from the archive
  PrintAppealCommittee,    // the report template commis.frf
  ShowWindow,
  OpenPopup,
  MagicContestAssistance,
  RefereeAssistance,
  RemoteControl,
  WebPage,
  ToggleUpdateCheck,
  Mail,
  Quit,
};

// Competition type preset of the organisation window: none, "Paires", "Suisse".
inline constexpr int kNoPreset = -2;   // the window keeps its type
inline constexpr int kNoTypeSelected = -1;

struct Action {
  ActionKind kind = ActionKind::None;
  std::string file;            // document or template file name
  bool presenceTest = false;   // documents: missing-file message when absent
  WindowId window = WindowId::Config;
  int preset = kNoPreset;      // organisation window only
  int popup = 0;               // 1, 2 or 3
};

enum class Panel { None, Printing, Creation };

struct ButtonCommand {
  std::string name;
  std::string caption;
  Action action;
  Panel panel = Panel::None;
  int helpNumber = 0;     // 0: the window's own
  bool enabled = true;
  std::string hint;
};

struct MenuCommand {
  std::string name;       // the caption run together, as objectName
  std::string caption;
  Action action;
  std::vector<MenuCommand> items;  // a sub-menu when not empty
  bool enabled = true;
  bool checkable = false;
  bool separatorAfter = false;
  int helpNumber = 0;
};

const std::vector<ButtonCommand>& MainButtons();
const std::vector<MenuCommand>& MainMenu();             // the menu bar's menus
const std::vector<MenuCommand>& PopupMenu(int popup);   // 1, 2, 3

// Help numbers of the window and its panels.
inline constexpr int kHelpMainWindow = 1;
inline constexpr int kHelpPrintingPanel = 2;
inline constexpr int kHelpCreationPanel = 3;
inline constexpr const char* kPrintingHint = "Impression des documents";
inline constexpr const char* kCreationHint = "Création d'un fichier Word";
inline constexpr const char* kHelpFileName = "Util_Ked.hlp";

// The caption run together: its ASCII letters and digits, then a number that
// makes the name unique among `used` (which receives it).
std::string MenuItemName(const std::string& caption, std::vector<std::string>& used);

}  // namespace ked
