#include "backup/ArchiveFormat.h"

#include <zlib.h>

namespace ked::backup {

const char* BackupErrorText(BackupError error) {
  switch (error) {
    case BackupError::None: return "";
    case BackupError::CannotReadFile: return "Cannot read file";
    case BackupError::CannotReadArchive: return "Cannot read archive";
    case BackupError::CannotWriteArchive: return "Cannot write to archive";
    case BackupError::InvalidArchiveType: return "Invalid archive type";
    case BackupError::CompressionError: return "Compression error";
  }
  return "";
}

bool EndsCommand(BackupError error) {
  return error == BackupError::CannotReadArchive || error == BackupError::InvalidArchiveType;
}

int ZlibLevel(CompressionLevel level) {
  switch (level) {
    case CompressionLevel::clFastest: return Z_BEST_SPEED;
    case CompressionLevel::clNone: return Z_NO_COMPRESSION;
    case CompressionLevel::clDefault: return Z_DEFAULT_COMPRESSION;
    case CompressionLevel::clMax: return Z_BEST_COMPRESSION;
  }
  return Z_BEST_COMPRESSION;
}

}  // namespace ked::backup
