#pragma once
// The configuration window's content: the settings it reloads on each
// activation, the password that unlocks it, the numbers it shows and the save.
#include <array>
#include <optional>
#include <string>

#include "shell/CommitteeConfig.h"

namespace ked {

inline constexpr const char* kConfigurationPassword = "vermine";
// The whole text, exactly, case included.
inline bool IsConfigurationPassword(const std::string& text) {
  return text == kConfigurationPassword;
}

// The committee's printed forms that the designer opens, by button.
struct CommitteeForm {
  const char* button;
  const char* templateFile;  // in the program's folder
};
const std::array<CommitteeForm, 6>& CommitteeForms();

// The number fields of the window, in the order of the save.
inline constexpr size_t kConfigNumberCount = 34;
struct ConfigNumberField {
  std::string control;  // "EdFrA1", ..., "EdCpEg0", ..., "EdCpIn8"
  std::string section;  // "Frais" or "Compta"
  std::string key;      // "Fr_A", ..., "Ct_Eg0", ..., "Ct_Ins8"
};
const std::array<ConfigNumberField, kConfigNumberCount>& ConfigNumberFields();
double& ConfigNumber(CommitteeConfig& config, size_t index);
double ConfigNumber(const CommitteeConfig& config, size_t index);

// What every activation reloads: the numbers, "Entité"/"Ct_Nm1" and the FTP and
// SMTP texts. The contacts keep the values read at start.
void ReloadConfiguration(CommitteeConfig& config, const std::string& iniPath,
                         const LocaleFormat& locale);

// A number as its field shows it: "#,##0.00".
std::string ConfigNumberText(double value, const LocaleFormat& locale);

// A field's text as a currency amount, rounded to four decimals. The
// thousands separators the field itself shows are accepted.
std::optional<double> ParseCurrency(const std::string& text, const LocaleFormat& locale);
// "'%s' n'est pas une valeur en virgule flottante correcte"
std::string NotAFloatMessage(const std::string& text);
// "Impossible d'écrire dans %s": the ini file refused a key.
std::string CannotWriteMessage(const std::string& path);

// The texts of the window's fields that the save takes.
struct ConfigurationEntries {
  std::array<std::string, kConfigNumberCount> numbers;  // in the order of ConfigNumberFields()
  std::string committeeName;                            // EdCpNm1
  std::array<std::string, 4> ftp;                       // EdCpNm2..5
  std::string magicContestContact;                      // EdCpNm10
  std::string refereeContact;                           // EdCpNm11
};

// Converts every number into config, then writes every key to the ini file:
// the "Frais" numbers, the "Compta" numbers, "Entité"/"Ct_Nm1", "Ftp", "Smtp",
// "Assist_MCF", "Assist_Arb". A text that is not an amount stops the save before
// anything is written (the numbers converted before it stay in config); a key
// that cannot be written stops it there. The message on failure, else nothing.
std::optional<std::string> SaveConfiguration(CommitteeConfig& config,
                                             const ConfigurationEntries& entries,
                                             const std::string& iniPath,
                                             const LocaleFormat& locale);

}  // namespace ked
