#include "backup/ArchiveWriter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "backup/ChunkCodec.h"
#include "backup/DosDate.h"
#include "platform/Cp1252.h"
#include "platform/FileIO.h"

namespace ked::backup {
namespace {

class Output {
 public:
  explicit Output(std::FILE* file) : file_(file) {}
  bool Int32(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16),
                                static_cast<unsigned char>(v >> 24)};
    return Bytes(b, 4);
  }
  bool Bytes(const void* data, std::size_t size) {
    return size == 0 || std::fwrite(data, 1, size, file_) == size;
  }
  bool Text(const std::string& bytes) {
    return Int32(static_cast<std::int32_t>(bytes.size())) && Bytes(bytes.data(), bytes.size());
  }

 private:
  std::FILE* file_;
};

struct Buffers {
  std::unique_ptr<unsigned char[]> plain{new unsigned char[kChunkSize]};
  std::unique_ptr<unsigned char[]> packed{new unsigned char[kChunkSize]};
};

BackupError WriteBlockGroup(Output& out, std::FILE* in, int zlibLevel, Buffers& buffers,
                            Platform& platform) {
  if (!out.Bytes(kBlockMagic, 4)) return BackupError::CannotWriteArchive;
  for (;;) {
    const std::size_t size = std::fread(buffers.plain.get(), 1, kChunkSize, in);
    if (size == 0) break;
    std::size_t packedSize = 0;
    switch (DeflateChunk(buffers.plain.get(), size, zlibLevel, buffers.packed.get(), packedSize)) {
      case DeflateOutcome::Compressed:
        if (!out.Int32(static_cast<std::int32_t>(packedSize)) ||
            !out.Bytes(buffers.packed.get(), packedSize))
          return BackupError::CannotWriteArchive;
        break;
      case DeflateOutcome::TooBig:
        if (!out.Int32(-static_cast<std::int32_t>(size)) || !out.Bytes(buffers.plain.get(), size))
          return BackupError::CannotWriteArchive;
        break;
      case DeflateOutcome::Failed:
        return BackupError::CompressionError;
    }
    platform.ProcessPendingEvents();
    if (size < static_cast<std::size_t>(kChunkSize)) break;
  }
  if (std::ferror(in)) return BackupError::CannotReadFile;
  return out.Int32(0) ? BackupError::None : BackupError::CannotWriteArchive;
}

BackupError WriteEntry(Output& out, const CollectedFile& file, int zlibLevel, Buffers& buffers,
                       Platform& platform) {
  if (!out.Text(file.storedName)) return BackupError::CannotWriteArchive;
  std::FILE* in = std::fopen(file.path.c_str(), "rb");
  if (!in) return BackupError::CannotReadFile;
  struct stat st{};
  if (::fstat(fileno(in), &st) != 0) {
    std::fclose(in);
    return BackupError::CannotReadFile;
  }
  BackupError error = out.Int32(static_cast<std::int32_t>(PackDosDate(st.st_mtime)))
                          ? WriteBlockGroup(out, in, zlibLevel, buffers, platform)
                          : BackupError::CannotWriteArchive;
  std::fclose(in);
  return error;
}

BackupError WriteAll(Output& out, const std::vector<CollectedFile>& files,
                     const std::string& title, int zlibLevel, Platform& platform) {
  std::int64_t total = 0;
  for (const auto& f : files) total += f.size;
  // The header's total is a 32-bit field; beyond it only its low bits remain.
  if (!out.Text(Utf8ToCp1252(title)) ||
      !out.Int32(static_cast<std::int32_t>(static_cast<std::uint32_t>(total))) ||
      !out.Int32(static_cast<std::int32_t>(files.size())))
    return BackupError::CannotWriteArchive;
  Buffers buffers;
  for (const auto& file : files) {
    if (!FileExists(file.path)) continue;  // gone since it was collected
    const BackupError error = WriteEntry(out, file, zlibLevel, buffers, platform);
    if (error != BackupError::None) return error;
  }
  return out.Int32(0) ? BackupError::None : BackupError::CannotWriteArchive;
}

}  // namespace

BackupError WriteArchive(const std::vector<CollectedFile>& files, const std::string& archivePath,
                         const std::string& title, int zlibLevel, Platform& platform) {
  std::string temp = archivePath + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return BackupError::CannotWriteArchive;
  ::fchmod(fd, 0644);
  std::FILE* file = ::fdopen(fd, "wb");
  if (!file) {
    ::close(fd);
    std::remove(temp.c_str());
    return BackupError::CannotWriteArchive;
  }
  Output out(file);
  BackupError error = WriteAll(out, files, title, zlibLevel, platform);
  if (std::fclose(file) != 0 && error == BackupError::None) error = BackupError::CannotWriteArchive;
  if (error == BackupError::None && std::rename(temp.c_str(), archivePath.c_str()) != 0)
    error = BackupError::CannotWriteArchive;
  if (error != BackupError::None) std::remove(temp.c_str());
  return error;
}

}  // namespace ked::backup
