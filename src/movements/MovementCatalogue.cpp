#include "movements/MovementCatalogue.h"

#include "platform/Cp1252.h"
#include "platform/FileIO.h"
#include "platform/TextLines.h"

namespace ked {

std::string CatalogueHeader(int sessions, int pairs) {
  return "**" + std::to_string(sessions) + ";" + std::to_string(pairs) + ";";
}

std::optional<std::vector<std::string>> ReadCatalogueLines(const std::string& path) {
  return ReadCp1252Lines(path);
}

std::optional<std::vector<std::string>> CatalogueEntry(const std::vector<std::string>& lines,
                                                       int sessions, int pairs) {
  const std::string header = CatalogueHeader(sessions, pairs);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!EqualsNoCaseCp1252(lines[i], header)) continue;
    std::vector<std::string> block;
    for (size_t j = i + 1; j < lines.size() && lines[j].rfind("**", 0) != 0; ++j)
      block.push_back(lines[j]);
    return block;
  }
  return std::nullopt;
}

std::vector<std::string> CreationText() {
  return {"Choisir le nombre de:", " - Paires, ",
          " - Séances (attention 2 séances sur une journée et 3 séances sur un week end).",
          "          avec 1 séance pouvant être composée de plusieurs mini-séances."};
}

std::vector<std::string> NoEntryText() {
  return {"Choisir le nombre de:", " - Paires,",
          " - séances (attention 2 séances sur une journée et 3 séances sur un week end).",
          "          Avec 1 séances pouvant être composée de plusieurs mini-séances."};
}

}  // namespace ked
