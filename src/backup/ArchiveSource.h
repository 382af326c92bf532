#pragma once
// One volume of an archive, read through a fixed window: every read and skip
// is checked against the bytes the volume really holds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace ked::backup {

class ArchiveSource {
 public:
  ArchiveSource() = default;
  ~ArchiveSource() { Close(); }
  ArchiveSource(const ArchiveSource&) = delete;
  ArchiveSource& operator=(const ArchiveSource&) = delete;

  bool Open(const std::string& path);
  void Close();

  bool ReadInt32(std::int32_t& value);
  bool ReadBytes(void* buffer, std::size_t size);
  // Moves past `size` bytes; false when the volume holds fewer.
  bool Skip(std::int64_t size);
  std::int64_t Remaining() const { return size_ - position_; }

 private:
  std::FILE* file_ = nullptr;
  std::int64_t size_ = 0;
  std::int64_t position_ = 0;
};

}  // namespace ked::backup
