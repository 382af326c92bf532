#include "shell/UpdateCheck.h"

#include <curl/curl.h>

#include <mutex>

#include "pool/Utildec.h"

namespace ked {
namespace {
// Start-up must stay quick without network: give up after a few seconds.
constexpr long kConnectTimeoutSeconds = 3;
constexpr long kTotalTimeoutSeconds = 5;

// Fixed assistance lines: the federation and the committee's own helpers.
constexpr const char* kFederation = "FFB";
constexpr const char* kFederationAssistance = "0155000001";
constexpr const char* kFederationEmergency = "0155000002";
constexpr const char* kRefereeAssistance = "0611223344(Jean)";

constexpr const char* kNbsp = "\xC2\xA0";

size_t DropBody(char*, size_t size, size_t count, void*) { return size * count; }
}  // namespace

bool PageExists(const std::string& address) {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  CURL* curl = curl_easy_init();
  if (!curl) return false;
  curl_slist* headers = curl_slist_append(nullptr, "Accept: text/html, */*");
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, DropBody);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, kTotalTimeoutSeconds);
  const CURLcode rc = curl_easy_perform(curl);
  long status = 0;
  if (rc == CURLE_OK) curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  return rc == CURLE_OK && status == 200;
}

std::string SiteHostName() { return KED_SITE_HOST; }
std::string MakerMailAddress() { return KED_MAKER_MAIL; }

std::string IndexPageAddress() { return "http://" + SiteHostName() + "/arbitrage/index.html"; }
std::string VersionPageAddress() {
  return "http://" + SiteHostName() + "/arbitrage/Util_Ked_" + ProgramVersion + ".html";
}
std::string DownloadPageAddress() { return "http:\\\\" + SiteHostName() + "\\util_ked.php"; }
std::string MailAddress() {
  return "mailto:" + MakerMailAddress() + "?subject=Util_Ked " + ProgramVersion;
}

UpdateStatus ProbeForUpdate(const PageProbe& pageExists) {
  if (!pageExists(IndexPageAddress())) return UpdateStatus::SiteUnreachable;
  if (pageExists(VersionPageAddress())) return UpdateStatus::Current;
  return UpdateStatus::NewerVersion;
}

std::string NewVersionMessage() {
  return std::string("Il éxiste une nouvelle version d'Util_Ked") + "\n\n" +
         "   qui peut être téléchargée sur :" + "\n\n" + "        http://" + SiteHostName() +
         "\n\n\n\n" + " Voullez vous la télécharger ?" + "\n";
}

std::string MailFailedMessage() {
  return "Le courier électronique par défaut\r\rn'est pas installé correctement";
}

UpdateSwitch UpdateSwitchAtStart(bool noValide, int tickedDay, int today) {
  UpdateSwitch s{noValide, false};
  if (s.ticked && today - tickedDay > 30) {
    s.ticked = false;
    s.writeUnticked = true;
  }
  return s;
}

namespace {
std::string AssistanceOpening(const char* heading, const std::string& contact) {
  return std::string(heading) + "\n\n" + "Contacter dans l’ordre" + kNbsp + ":" + "\n\n" +
         "  Assistance Comité" + kNbsp + ": " + contact;
}
constexpr const char* kRemoteQuestion =
    "Avez vous besoin d’une prise en main de votre PC, \n     à distance, par votre correspondant ?";
}  // namespace

Assistance MagicContestAssistance(const std::string& contact) {
  std::string t = AssistanceOpening("Pour un problème avec Magic Contest ou de BridgeMate", contact);
  t += std::string("\n\n") + "       Assistance " + kFederation + kNbsp + ": " +
       kFederationAssistance;
  t += std::string("\n\n") + "          Urgence " + kFederation + kNbsp + ": " +
       kFederationEmergency;
  t += std::string("\n\n\n") + kRemoteQuestion;
  return {t, "AnyDesk.exe"};
}

Assistance RefereeAssistance(const std::string& contact) {
  std::string t = AssistanceOpening("Pour un problème d'arbitrage ou un conseil", contact);
  t += std::string("\n\n") + "       Assistance KED" + kNbsp + ": " + kRefereeAssistance;
  t += std::string("\n\n") + kRemoteQuestion;
  return {t, "TeamViewerQS_fr.exe"};
}

}  // namespace ked
