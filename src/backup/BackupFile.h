#pragma once
// TBackupFile: writes the template archive from a list of files and restores
// its files into a folder. It shows its own error boxes, except the errors
// that end the whole command (see EndsCommand), which its caller shows.
#include <string>
#include <vector>

#include "backup/ArchiveFormat.h"
#include "platform/Platform.h"

namespace ked::backup {

class TBackupFile {
 public:
  explicit TBackupFile(Platform& platform) : platform_(platform) {}

  static constexpr const char* Version = "5.10";

  // Stored in the archive header, never tested on reading.
  std::string BackupTitle;
  CompressionLevel Compression = CompressionLevel::clMax;

  // Stores every file of the list that exists into a new archive, which
  // replaces the old one only once complete; true when complete.
  bool BackupFiles(const std::vector<std::string>& files, const std::string& archivePath);

  // Restores every entry into `targetFolder`, under the file part of its
  // stored name; true when every entry was restored. An absent archive gives
  // false without a message.
  bool RestoreArchive(const std::string& archivePath, const std::string& targetFolder);

  // The error of the last operation, None after a success.
  BackupError LastError() const { return lastError_; }

 private:
  void Report(BackupError error);

  Platform& platform_;
  BackupError lastError_ = BackupError::None;
};

}  // namespace ked::backup
