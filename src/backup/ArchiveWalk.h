#pragma once
// Reading an archive entry by entry, volumes included; what becomes of each
// entry's bytes is the visitor's business (restore them, count them...).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "backup/ArchiveFormat.h"
#include "platform/Platform.h"

namespace ked::backup {

class ArchiveVisitor {
 public:
  virtual ~ArchiveVisitor() = default;
  // A file entry begins (`name` as stored, Windows-1252). Returns false to stop
  // with `error`; sets `keep` to false to skip the entry's data.
  virtual bool BeginFile(const std::string& name, std::uint32_t dosDate, bool& keep,
                         BackupError& error) = 0;
  // Bytes of the kept entry, in order; false to stop with "Cannot read file".
  virtual bool Write(const unsigned char* data, std::size_t size) = 0;
  // The kept entry is complete (no further volume continues it).
  virtual BackupError EndFile() = 0;
  // The work stopped inside the kept entry.
  virtual void Abandon() = 0;
};

struct WalkOutcome {
  BackupError error = BackupError::None;
  bool cancelled = false;  // "Annuler" at the prompt for the next volume
  bool ok() const { return error == BackupError::None && !cancelled; }
};

// The volume that follows `archivePath`: its extension replaced by "." and the
// three digits of the volume number.
std::string VolumePath(const std::string& archivePath, const std::string& digits);

// Reads the archive from its header to its end mark. `platform` asks for the
// next volume and lets window events run after each chunk.
WalkOutcome WalkArchive(const std::string& archivePath, Platform& platform,
                        ArchiveVisitor& visitor);

}  // namespace ked::backup
