#pragma once
// File names compared without regard to case, as on the program's original
// platform: "appel.doc" and "Appel.doc" are the same template.
#include <optional>
#include <string>

namespace ked::backup {

// The name, as it stands in `folder`, of the entry equal to `name` without
// regard to case (the exact name first); nothing when there is none.
std::optional<std::string> FindNameNoCase(const std::string& folder, const std::string& name);

// Lower case the platform's way, on UTF-8 text (Windows-1252 letters only).
std::string LowerCaseName(const std::string& utf8);

}  // namespace ked::backup
