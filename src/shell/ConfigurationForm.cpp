#include "shell/ConfigurationForm.h"

#include <cmath>

#include "platform/IniFile.h"

namespace ked {
namespace {
constexpr size_t kFeeCount = 15;
constexpr size_t kTableFeeCount = 10;

// A currency amount holds 64 bits in ten-thousandths.
constexpr double kCurrencyLimit = 922337203685477.5807;

// An ini value is one line: a line break would start a key or a section of its own.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}
}  // namespace

const std::array<CommitteeForm, 6>& CommitteeForms() {
  static const std::array<CommitteeForm, 6> forms{{
      {"BtCommi", "commis.frf"},
      {"BpFrais", "fraislc.frf"},
      {"BtComptgt", "comptvme.frf"},
      {"Btcrendarb", "crendarb.frf"},
      {"BtAppel", "Appel.frf"},
      {"BtTache", "tacharbi.frf"},
  }};
  return forms;
}

const std::array<ConfigNumberField, kConfigNumberCount>& ConfigNumberFields() {
  static const std::array<ConfigNumberField, kConfigNumberCount> fields = [] {
    std::array<ConfigNumberField, kConfigNumberCount> f;
    static const char* const feeControls[kFeeCount] = {
        "EdFrA1", "EdFrA2", "EdFrB1", "EdFrB2", "EdFrC1", "EdFrC2", "EdFrD1", "EdFrE1",
        "EdFrE2", "EdFrF1", "EdFrEt", "EdFrCd", "EdFrKi", "EdFrHo", "EdFrRe"};
    size_t n = 0;
    for (size_t i = 0; i < kFeeCount; ++i)
      f[n++] = {feeControls[i], "Frais", FeeKeys()[i].key};
    for (size_t i = 0; i < kTableFeeCount; ++i)
      f[n++] = {"EdCpEg" + std::to_string(i), "Compta", "Ct_Eg" + std::to_string(i)};
    for (size_t i = 0; n < kConfigNumberCount; ++i)
      f[n++] = {"EdCpIn" + std::to_string(i), "Compta", "Ct_Ins" + std::to_string(i)};
    return f;
  }();
  return fields;
}

namespace {
// The same walk for a record that may be written and one that may not.
template <class Config>
auto& NumberOf(Config& config, size_t index) {
  if (index < kFeeCount) return config.*FeeKeys()[index].field;
  index -= kFeeCount;
  if (index < kTableFeeCount) return config.tableFees[index];
  return config.entryFees.at(index - kTableFeeCount);
}
}  // namespace

double& ConfigNumber(CommitteeConfig& config, size_t index) { return NumberOf(config, index); }
double ConfigNumber(const CommitteeConfig& config, size_t index) {
  return NumberOf(config, index);
}

void ReloadConfiguration(CommitteeConfig& config, const std::string& iniPath,
                         const LocaleFormat& locale) {
  const CommitteeConfig file = ReadCommitteeConfig(iniPath, locale);
  for (size_t i = 0; i < kConfigNumberCount; ++i) ConfigNumber(config, i) = ConfigNumber(file, i);
  config.committeeName = file.committeeName;
  config.ftp = file.ftp;
  config.smtp = file.smtp;
}

std::string ConfigNumberText(double value, const LocaleFormat& locale) {
  return FormatFixed(value, 2, true, locale);
}

std::optional<double> ParseCurrency(const std::string& text, const LocaleFormat& locale) {
  const std::optional<double> v = ParseGroupedFloat(text, locale);
  if (!v || std::fabs(*v) > kCurrencyLimit) return std::nullopt;
  return RoundHalfEven(*v, 4);
}

std::string NotAFloatMessage(const std::string& text) {
  return "'" + text + "' n'est pas une valeur en virgule flottante correcte";
}

std::string CannotWriteMessage(const std::string& path) {
  return "Impossible d'écrire dans " + path;
}

std::optional<std::string> SaveConfiguration(CommitteeConfig& config,
                                             const ConfigurationEntries& entries,
                                             const std::string& iniPath,
                                             const LocaleFormat& locale) {
  for (size_t i = 0; i < kConfigNumberCount; ++i) {
    const std::optional<double> amount = ParseCurrency(entries.numbers[i], locale);
    if (!amount) return NotAFloatMessage(entries.numbers[i]);
    ConfigNumber(config, i) = *amount;
  }
  config.committeeName = entries.committeeName;
  config.ftp = entries.ftp;
  config.magicContestContact = entries.magicContestContact;
  config.refereeContact = entries.refereeContact;

  bool written = true;
  auto write = [&](const std::string& section, const std::string& key, const std::string& value) {
    if (written) written = WritePrivateProfileString(section, key, OneLine(value), iniPath);
  };
  const auto& fields = ConfigNumberFields();
  for (size_t i = 0; i < kConfigNumberCount; ++i)
    write(fields[i].section, fields[i].key, IniNumberText(ConfigNumber(config, i), locale));
  write("Entité", "Ct_Nm1", config.committeeName);
  for (size_t i = 0; i < config.ftp.size(); ++i)
    write("Ftp", "Ct_Nm" + std::to_string(2 + i), config.ftp[i]);
  for (size_t i = 0; i < config.smtp.size(); ++i)
    write("Smtp", "Ct_Nm" + std::to_string(6 + i), config.smtp[i]);
  write("Assist_MCF", "Ct_Nm10", config.magicContestContact);
  write("Assist_Arb", "Ct_Nm11", config.refereeContact);
  if (!written) return CannotWriteMessage(iniPath);
  return std::nullopt;
}

}  // namespace ked
