#pragma once
// Ini files with the semantics of the platform's private-profile functions:
// sections and keys compare without regard to case, a value is the text after
// "=" with surrounding blanks (and one pair of enclosing quotes) removed, and a
// write changes only the one line it concerns, creating file, section or key
// when missing. Files are Windows-1252; names and values here are UTF-8.
#include <optional>
#include <string>

namespace ked {

// On the text of a file (Windows-1252 bytes).
std::optional<std::string> IniLookup(const std::string& content, const std::string& section,
                                     const std::string& key);
std::string IniWithValue(const std::string& content, const std::string& section,
                         const std::string& key, const std::string& value);

// A file read once, for reading many keys; a missing file reads as empty.
class IniSnapshot {
 public:
  explicit IniSnapshot(const std::string& path);
  std::string Get(const std::string& section, const std::string& key,
                  const std::string& defaultValue) const;

 private:
  std::string content_;
};

// On a file; a missing file reads as empty.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path);
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path);

}  // namespace ked
