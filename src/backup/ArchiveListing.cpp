#include "backup/ArchiveListing.h"

#include <cstdio>

#include "platform/Cp1252.h"

namespace ked::backup {
namespace {

class ListingVisitor : public ArchiveVisitor {
 public:
  explicit ListingVisitor(std::vector<ListedEntry>& entries) : entries_(entries) {}
  bool BeginFile(const std::string& name, std::uint32_t dosDate, bool& keep,
                 BackupError&) override {
    entries_.push_back({Cp1252ToUtf8(name), dosDate, 0});
    keep = true;
    return true;
  }
  bool Write(const unsigned char*, std::size_t size) override {
    entries_.back().size += static_cast<std::int64_t>(size);
    return true;
  }
  BackupError EndFile() override { return BackupError::None; }
  void Abandon() override {}

 private:
  std::vector<ListedEntry>& entries_;
};

}  // namespace

ArchiveListing ListArchive(const std::string& archivePath, Platform& platform) {
  ArchiveListing listing;
  ListingVisitor visitor(listing.entries);
  listing.outcome = WalkArchive(archivePath, platform, visitor);
  return listing;
}

std::string FormatDosDate(std::uint32_t packed) {
  const unsigned month = (packed >> 21) & 0x0F, day = (packed >> 16) & 0x1F;
  const unsigned hour = (packed >> 11) & 0x1F, minute = (packed >> 5) & 0x3F;
  const unsigned second = (packed & 0x1F) * 2;
  if (month < 1 || month > 12 || day < 1 || hour > 23 || minute > 59 || second > 59) return "?";
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", (packed >> 25) + 1980, month,
                day, hour, minute, second);
  return text;
}

}  // namespace ked::backup
