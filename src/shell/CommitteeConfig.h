#pragma once
// The committee's settings, kept in "Util_Ked.ini" in the program's folder.
#include <array>
#include <string>

#include "platform/IniFile.h"
#include "platform/LocaleFormat.h"

namespace ked {

inline constexpr const char* kConfigFileName = "Util_Ked.ini";
inline constexpr const char* kDefaultCommitteeName = "de Belmorie";
inline constexpr const char* kDefaultMagicContestContact = "0601020304(Bernard)";
inline constexpr const char* kDefaultRefereeContact = "0605060708(Sylvie)";

struct CommitteeConfig {
  std::string captionName = kDefaultCommitteeName;                // Compta/Ct_Nm1
  std::string committeeName = kDefaultCommitteeName;              // Entité/Ct_Nm1
  std::string magicContestContact = kDefaultMagicContestContact;  // Assist_MCF/Ct_Nm10
  std::string refereeContact = kDefaultRefereeContact;            // Assist_Arb/Ct_Nm11
  bool updateCheckOff = false;                                    // MiseAjour/NoValide
  int updateCheckOffDate = 0;                                     // MiseAjour/Date, day number

  // Frais
  double frA = 97.6, frA2 = 5.9, frB = 68.3, frB2 = 2, frC = 117.1, frC2 = 3.9, frD = 136.6,
         frE = 175.7, frE2 = 5.9, frF = 205, frEt = 0.49, frCd = 19.5, frKi = 0.4, frHo = 80,
         frRe = 25;
  // Compta: table fees Ct_Eg0..9 and entry fees Ct_Ins0..8
  std::array<double, 10> tableFees{6, 12, 20, 30, 40, 60, 80, 120, 200, 0};
  std::array<double, 9> entryFees{10, 18, 20, 22, 36, 44, 50, 100, 0};
  // Ftp Ct_Nm2..5 and Smtp Ct_Nm6..9
  std::array<std::string, 4> ftp;
  std::array<std::string, 4> smtp;
};

// One "Frais" key of the file, bound to its field, in the order of the table.
struct FeeKey {
  const char* key;
  double CommitteeConfig::*field;
};
const std::array<FeeKey, 15>& FeeKeys();

// Reads every key; anything missing or unreadable keeps its default.
CommitteeConfig ReadCommitteeConfig(const std::string& iniPath, const LocaleFormat& locale);

// Numbers, booleans and dates as the file stores them.
std::string IniNumberText(double value, const LocaleFormat& locale);
std::string IniBoolText(bool value);
std::string IniDateText(int dayNumber, const LocaleFormat& locale);
double IniNumberValue(const std::string& text, double defaultValue, const LocaleFormat& locale);
bool IniBoolValue(const std::string& text, bool defaultValue);
int IniDateValue(const std::string& text, int defaultValue, const LocaleFormat& locale);

}  // namespace ked
