#include "backup/BackupFile.h"

#include "backup/ArchiveRestore.h"
#include "backup/ArchiveWriter.h"
#include "backup/FileCollection.h"
#include "platform/FileIO.h"

namespace ked::backup {

bool TBackupFile::BackupFiles(const std::vector<std::string>& files,
                              const std::string& archivePath) {
  const auto collected = CollectFiles(files, archivePath);
  lastError_ = WriteArchive(collected, archivePath, BackupTitle, ZlibLevel(Compression), platform_);
  Report(lastError_);
  return lastError_ == BackupError::None;
}

bool TBackupFile::RestoreArchive(const std::string& archivePath, const std::string& targetFolder) {
  lastError_ = BackupError::None;
  if (!FileExists(archivePath)) return false;
  const WalkOutcome outcome = RestoreInto(archivePath, targetFolder, platform_);
  lastError_ = outcome.error;
  if (!EndsCommand(lastError_)) Report(lastError_);
  return outcome.ok();
}

void TBackupFile::Report(BackupError error) {
  if (error != BackupError::None)
    platform_.MessageBox(MessageKind::Error, BackupErrorText(error), BtnOk);
}

}  // namespace ked::backup
