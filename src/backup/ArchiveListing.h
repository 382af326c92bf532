#pragma once
// What an archive holds, without restoring anything.
#include <cstdint>
#include <string>
#include <vector>

#include "backup/ArchiveWalk.h"

namespace ked::backup {

struct ListedEntry {
  std::string name;          // as stored, in UTF-8
  std::uint32_t dosDate = 0;
  std::int64_t size = 0;     // bytes once restored
};

struct ArchiveListing {
  std::vector<ListedEntry> entries;
  WalkOutcome outcome;
};

ArchiveListing ListArchive(const std::string& archivePath, Platform& platform);

// "2026-12-10 11:34:30", or "?" for a packed date that is no date.
std::string FormatDosDate(std::uint32_t packed);

}  // namespace ked::backup
