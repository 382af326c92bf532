#pragma once
// The files a list names, as the archive stores them.
#include <cstdint>
#include <string>
#include <vector>

namespace ked::backup {

struct CollectedFile {
  std::string path;        // where to read it (UTF-8)
  std::string storedName;  // its full path in lower case, Windows-1252
  std::int64_t size = 0;
};

// Each item of the list, in order, found without regard to case; absent
// files, folders, repeats and the archive itself are left out.
std::vector<CollectedFile> CollectFiles(const std::vector<std::string>& items,
                                        const std::string& archivePath);

}  // namespace ked::backup
