#pragma once
// The update check against the program's web site, the 30-day switch that
// suspends it, and the texts of the assistance messages.
#include <functional>
#include <string>

namespace ked {

// One HTTP GET; true when the answer's status is 200. Any failure is false.
bool PageExists(const std::string& address);
using PageProbe = std::function<bool(const std::string& address)>;

std::string SiteHostName();
std::string MakerMailAddress();
std::string IndexPageAddress();    // http://host/arbitrage/index.html
std::string VersionPageAddress();  // http://host/arbitrage/Util_Ked_<version>.html
std::string DownloadPageAddress(); // http:\\host\util_ked.php, as handed to the shell
std::string MailAddress();         // mailto:...?subject=Util_Ked <version>

enum class UpdateStatus { SiteUnreachable, Current, NewerVersion };
UpdateStatus ProbeForUpdate(const PageProbe& pageExists);
std::string NewVersionMessage();
std::string MailFailedMessage();

// The tick of "Ne pas vérifier automatiquement la mise à jour" at start:
// a tick older than 30 days is removed (and "NoValide" written back as "0").
struct UpdateSwitch {
  bool ticked = false;
  bool writeUnticked = false;
};
UpdateSwitch UpdateSwitchAtStart(bool noValide, int tickedDay, int today);

struct Assistance {
  std::string text;
  std::string tool;  // file of the program's folder started on "&Oui"
};
Assistance MagicContestAssistance(const std::string& contact);
Assistance RefereeAssistance(const std::string& contact);

}  // namespace ked
