#include "backup/ArchiveWalk.h"

#include <cstring>
#include <memory>

#include "backup/ArchiveSource.h"
#include "backup/ChunkCodec.h"
#include "platform/FileIO.h"

namespace ked::backup {
namespace {

enum class RecordKind { End, File, FileList, NextDisk };

struct Record {
  RecordKind kind = RecordKind::End;
  std::string name;
  std::uint32_t date = 0;
  std::string diskDigits;
};

bool IsDigits(const std::string& s) {
  if (s.size() != 3) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

class Walker {
 public:
  Walker(const std::string& archivePath, Platform& platform, ArchiveVisitor& visitor)
      : archivePath_(archivePath), platform_(platform), visitor_(visitor),
        packed_(new unsigned char[kMaxCompressedChunk]), plain_(new unsigned char[kChunkSize]) {}

  WalkOutcome Run() {
    WalkOutcome outcome;
    outcome.error = ReadHeader();
    bool inEntry = false;  // a kept entry waits for a possible continuation
    while (outcome.ok()) {
      Record record;
      outcome.error = ReadRecord(record);
      if (!outcome.ok()) break;
      if (record.kind == RecordKind::NextDisk) {
        if (!OpenNextVolume(record.diskDigits)) {
          outcome.cancelled = true;
          break;
        }
        outcome.error = keeping_ ? ReadBlockGroup() : SkipBlockGroup();
        continue;
      }
      if (inEntry) {
        inEntry = false;
        outcome.error = visitor_.EndFile();
        if (!outcome.ok()) break;
      }
      if (record.kind == RecordKind::End) break;
      if (record.kind == RecordKind::FileList) {
        keeping_ = false;
        outcome.error = SkipBlockGroup();
        continue;
      }
      bool keep = true;
      BackupError refused = BackupError::None;
      if (!visitor_.BeginFile(record.name, record.date, keep, refused)) {
        outcome.error = refused == BackupError::None ? BackupError::CannotReadFile : refused;
        break;
      }
      keeping_ = keep;
      inEntry = keep;
      outcome.error = keep ? ReadBlockGroup() : SkipBlockGroup();
    }
    if (!outcome.ok() && inEntry) visitor_.Abandon();
    return outcome;
  }

 private:
  BackupError ReadHeader() {
    if (!source_.Open(archivePath_)) return BackupError::CannotReadArchive;
    std::int32_t titleLength = 0, totalSize = 0, fileCount = 0;
    if (!source_.ReadInt32(titleLength) || titleLength < 0 || titleLength > kMaxTitleLength ||
        !source_.Skip(titleLength) || !source_.ReadInt32(totalSize) ||
        !source_.ReadInt32(fileCount))
      return BackupError::CannotReadArchive;
    return BackupError::None;
  }

  BackupError ReadRecord(Record& record) {
    std::int32_t length = 0;
    if (!source_.ReadInt32(length) || length < 0 || length > kMaxNameLength ||
        length > source_.Remaining())
      return BackupError::CannotReadArchive;
    if (length == 0) {
      record.kind = RecordKind::End;
      return BackupError::None;
    }
    record.name.assign(static_cast<std::size_t>(length), '\0');
    if (!source_.ReadBytes(record.name.data(), record.name.size()))
      return BackupError::CannotReadArchive;
    if (record.name.compare(0, 9, kNextDiskPrefix) == 0) {
      record.kind = RecordKind::NextDisk;
      record.diskDigits = record.name.substr(9);
      return IsDigits(record.diskDigits) ? BackupError::None : BackupError::CannotReadArchive;
    }
    record.kind = record.name == kFileListName ? RecordKind::FileList : RecordKind::File;
    std::int32_t date = 0;
    if (!source_.ReadInt32(date)) return BackupError::CannotReadArchive;
    record.date = static_cast<std::uint32_t>(date);
    return BackupError::None;
  }

  // The user is asked for the volume until it is there; false on "Annuler".
  bool OpenNextVolume(const std::string& digits) {
    source_.Close();
    const std::string path = VolumePath(archivePath_, digits);
    const std::string number = std::to_string(std::stoi(digits));
    for (;;) {
      const std::string text = "Please insert disk " + number + " and click OK to continue.";
      if (platform_.MessageBox(MessageKind::Information, text, BtnOk | BtnCancel) != BtnOk)
        return false;
      if (FileExists(path) && source_.Open(path)) return true;
    }
  }

  bool ReadMagic() {
    char magic[4];
    return source_.ReadBytes(magic, 4) && std::memcmp(magic, kBlockMagic, 4) == 0;
  }

  BackupError ReadBlockGroup() {
    if (!ReadMagic()) return BackupError::CannotReadFile;
    for (;;) {
      std::int32_t n = 0;
      if (!source_.ReadInt32(n)) return BackupError::CannotReadFile;
      if (n == 0) return BackupError::None;
      std::size_t produced = 0;
      if (n > 0) {
        if (n > kMaxCompressedChunk || !source_.ReadBytes(packed_.get(), n))
          return BackupError::CannotReadFile;
        if (!InflateChunk(packed_.get(), static_cast<std::size_t>(n), plain_.get(), produced))
          return BackupError::CompressionError;
      } else {
        const std::int64_t size = -static_cast<std::int64_t>(n);
        if (size > kChunkSize || !source_.ReadBytes(plain_.get(), static_cast<std::size_t>(size)))
          return BackupError::CannotReadFile;
        produced = static_cast<std::size_t>(size);
      }
      if (!visitor_.Write(plain_.get(), produced)) return BackupError::CannotReadFile;
      platform_.ProcessPendingEvents();
    }
  }

  BackupError SkipBlockGroup() {
    if (!ReadMagic()) return BackupError::InvalidArchiveType;
    for (;;) {
      std::int32_t n = 0;
      if (!source_.ReadInt32(n)) return BackupError::InvalidArchiveType;
      if (n == 0) return BackupError::None;
      if (!source_.Skip(n > 0 ? n : -static_cast<std::int64_t>(n)))
        return BackupError::InvalidArchiveType;
    }
  }

  const std::string archivePath_;
  Platform& platform_;
  ArchiveVisitor& visitor_;
  ArchiveSource source_;
  bool keeping_ = false;
  // The two fixed buffers: one chunk as stored, one as restored.
  std::unique_ptr<unsigned char[]> packed_;
  std::unique_ptr<unsigned char[]> plain_;
};

}  // namespace

std::string VolumePath(const std::string& archivePath, const std::string& digits) {
  const std::size_t slash = archivePath.find_last_of("/\\");
  const std::size_t dot = archivePath.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? archivePath.substr(0, dot) : archivePath) + "." + digits;
}

WalkOutcome WalkArchive(const std::string& archivePath, Platform& platform,
                        ArchiveVisitor& visitor) {
  return Walker(archivePath, platform, visitor).Run();
}

}  // namespace ked::backup
