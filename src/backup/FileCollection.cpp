#include "backup/FileCollection.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "backup/NoCaseFile.h"
#include "platform/Cp1252.h"

namespace ked::backup {
namespace {
namespace fs = std::filesystem;

std::string FullPath(const std::string& path) {
  std::error_code ec;
  fs::path full = fs::absolute(path, ec);
  if (ec) full = path;
  return full.lexically_normal().string();
}

std::string StoredName(const std::string& fullPath) {
  return Utf8ToCp1252(LowerCaseName(fullPath));
}
}  // namespace

std::vector<CollectedFile> CollectFiles(const std::vector<std::string>& items,
                                        const std::string& archivePath) {
  const std::string archiveName = StoredName(FullPath(archivePath));
  std::vector<CollectedFile> files;
  for (const std::string& item : items) {
    if (item.empty()) continue;
    const fs::path full = FullPath(item);
    const std::string folder = full.parent_path().string();
    const auto name = FindNameNoCase(folder, full.filename().string());
    if (!name) continue;
    const std::string path = (full.parent_path() / *name).string();
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) continue;
    const auto size = fs::file_size(path, ec);
    if (ec) continue;
    CollectedFile file{path, StoredName(path), static_cast<std::int64_t>(size)};
    const bool seen = std::any_of(files.begin(), files.end(), [&](const CollectedFile& f) {
      return f.storedName == file.storedName;
    });
    if (!seen && file.storedName != archiveName) files.push_back(std::move(file));
  }
  return files;
}

}  // namespace ked::backup
