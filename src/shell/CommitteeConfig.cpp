#include "shell/CommitteeConfig.h"

#include "platform/RuntimeConvert.h"

namespace ked {

const std::array<FeeKey, 15>& FeeKeys() {
  static const std::array<FeeKey, 15> keys{{
      {"Fr_A", &CommitteeConfig::frA},   {"Fr_A2", &CommitteeConfig::frA2},
      {"Fr_B", &CommitteeConfig::frB},   {"Fr_B2", &CommitteeConfig::frB2},
      {"Fr_C", &CommitteeConfig::frC},   {"Fr_C2", &CommitteeConfig::frC2},
      {"Fr_D", &CommitteeConfig::frD},   {"Fr_E", &CommitteeConfig::frE},
      {"Fr_E2", &CommitteeConfig::frE2}, {"Fr_F", &CommitteeConfig::frF},
      {"Fr_Et", &CommitteeConfig::frEt}, {"Fr_Cd", &CommitteeConfig::frCd},
      {"Fr_Ki", &CommitteeConfig::frKi}, {"Fr_Ho", &CommitteeConfig::frHo},
      {"Fr_Re", &CommitteeConfig::frRe},
  }};
  return keys;
}

std::string IniNumberText(double value, const LocaleFormat& locale) {
  return FormatGeneral(value, locale);
}
std::string IniBoolText(bool value) { return value ? "1" : "0"; }
std::string IniDateText(int dayNumber, const LocaleFormat& locale) {
  return FormatShortDate(dayNumber, locale);
}

double IniNumberValue(const std::string& text, double defaultValue, const LocaleFormat& locale) {
  return ParseFloat(text, locale).value_or(defaultValue);
}
bool IniBoolValue(const std::string& text, bool defaultValue) {
  auto v = StrToInt(text);
  return v ? *v != 0 : defaultValue;
}
int IniDateValue(const std::string& text, int defaultValue, const LocaleFormat& locale) {
  return ParseShortDate(text, locale).value_or(defaultValue);
}

CommitteeConfig ReadCommitteeConfig(const std::string& path, const LocaleFormat& locale) {
  const IniSnapshot ini(path);
  CommitteeConfig c;
  c.captionName = ini.Get("Compta", "Ct_Nm1", c.captionName);
  c.committeeName = ini.Get("Entité", "Ct_Nm1", c.committeeName);
  c.magicContestContact = ini.Get("Assist_MCF", "Ct_Nm10", c.magicContestContact);
  c.refereeContact = ini.Get("Assist_Arb", "Ct_Nm11", c.refereeContact);
  c.updateCheckOff = IniBoolValue(ini.Get("MiseAjour", "NoValide", ""), false);
  c.updateCheckOffDate = IniDateValue(ini.Get("MiseAjour", "Date", ""), 0, locale);
  auto number = [&](const char* section, const std::string& key, double& field) {
    field = IniNumberValue(ini.Get(section, key, ""), field, locale);
  };
  for (const FeeKey& k : FeeKeys()) number("Frais", k.key, c.*k.field);
  for (size_t i = 0; i < c.tableFees.size(); ++i)
    number("Compta", "Ct_Eg" + std::to_string(i), c.tableFees[i]);
  for (size_t i = 0; i < c.entryFees.size(); ++i)
    number("Compta", "Ct_Ins" + std::to_string(i), c.entryFees[i]);
  for (size_t i = 0; i < 4; ++i) {
    c.ftp[i] = ini.Get("Ftp", "Ct_Nm" + std::to_string(2 + i), "");
    c.smtp[i] = ini.Get("Smtp", "Ct_Nm" + std::to_string(6 + i), "");
  }
  return c;
}

}  // namespace ked
