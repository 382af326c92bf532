#include "pool/PoolIni.h"

#include "platform/IniFile.h"

namespace ked {

namespace {
constexpr const char* kSection = "Repertoire";
constexpr const char* kKey = "Lecture";
}  // namespace

std::string ReadImportDirectory(const std::string& programFolder) {
  return GetPrivateProfileString(kSection, kKey, "", programFolder + kPoolIniFile);
}

bool WriteImportDirectory(const std::string& programFolder, const std::string& directory) {
  return WritePrivateProfileString(kSection, kKey, directory, programFolder + kPoolIniFile);
}

}  // namespace ked
