#pragma once
#include <string>

namespace ked {

// "le fichier -> " + full path + " <- est manquant", shown in a plain message box.
inline std::string MissingFileMessage(const std::string& fullPath) {
  return "le fichier -> " + fullPath + " <- est manquant";
}

}  // namespace ked
