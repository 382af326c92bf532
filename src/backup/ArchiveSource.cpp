#include "backup/ArchiveSource.h"

#include <sys/stat.h>

namespace ked::backup {

bool ArchiveSource::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) return false;
  struct stat st{};
  if (::fstat(fileno(file_), &st) != 0 || !S_ISREG(st.st_mode)) {
    Close();
    return false;
  }
  size_ = st.st_size;
  position_ = 0;
  return true;
}

void ArchiveSource::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  size_ = position_ = 0;
}

bool ArchiveSource::ReadInt32(std::int32_t& value) {
  unsigned char b[4];
  if (!ReadBytes(b, 4)) return false;
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) |
                                    static_cast<std::uint32_t>(b[1]) << 8 |
                                    static_cast<std::uint32_t>(b[2]) << 16 |
                                    static_cast<std::uint32_t>(b[3]) << 24);
  return true;
}

bool ArchiveSource::ReadBytes(void* buffer, std::size_t size) {
  if (!file_ || static_cast<std::int64_t>(size) > Remaining()) return false;
  if (size > 0 && std::fread(buffer, 1, size, file_) != size) return false;
  position_ += static_cast<std::int64_t>(size);
  return true;
}

bool ArchiveSource::Skip(std::int64_t size) {
  if (!file_ || size < 0 || size > Remaining()) return false;
  if (std::fseek(file_, static_cast<long>(position_ + size), SEEK_SET) != 0) return false;
  position_ += size;
  return true;
}

}  // namespace ked::backup
