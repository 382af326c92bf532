#pragma once
#include <string>
#include <vector>

#include "backup/ArchiveFormat.h"
#include "backup/FileCollection.h"
#include "platform/Platform.h"

namespace ked::backup {

// Writes the archive of the collected files beside `archivePath` and puts it
// in place once complete: a failed write leaves the old archive as it was.
BackupError WriteArchive(const std::vector<CollectedFile>& files, const std::string& archivePath,
                         const std::string& title, int zlibLevel, Platform& platform);

}  // namespace ked::backup
