#pragma once
#include <string>

#include "backup/ArchiveWalk.h"

namespace ked::backup {

// The file part of a stored name (after the last '\', '/' or ':'), as UTF-8;
// empty when it cannot name a file of the target folder.
std::string RestoredFileName(const std::string& storedName);

// Restores every entry of the archive into `targetFolder` under its file part.
// Each file is written beside its target and put in place once complete, so a
// failed entry leaves the folder's file as it was.
WalkOutcome RestoreInto(const std::string& archivePath, const std::string& targetFolder,
                        Platform& platform);

}  // namespace ked::backup
