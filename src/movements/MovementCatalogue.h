#pragma once
// The catalogue "Mouvements.txt": blocks of free text, each under a header line
// "**<sessions>;<pairs>;" naming the event it proposes movements for.
#include <optional>
#include <string>
#include <vector>

namespace ked {

inline constexpr const char* kCatalogueFileName = "Mouvements.txt";

std::string CatalogueHeader(int sessions, int pairs);

// The file's lines in UTF-8 (read as Windows-1252, CR LF or LF ends); nothing if unreadable.
std::optional<std::vector<std::string>> ReadCatalogueLines(const std::string& path);

// The block of the first header equal to CatalogueHeader (any letter case): its lines
// up to the next line starting with "**" or the end; nothing when there is no such header.
std::optional<std::vector<std::string>> CatalogueEntry(const std::vector<std::string>& lines,
                                                       int sessions, int pairs);

// What the memo shows at creation, and when the catalogue has no block for the event.
std::vector<std::string> CreationText();
std::vector<std::string> NoEntryText();

}  // namespace ked
