#pragma once
// Archives byte by byte, to build damaged ones and to read back what the
// writer produced, independently of the program's reader.
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace ked::backup::test {

inline std::string Int32Bytes(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
          static_cast<char>(v >> 24)};
}

inline std::string Compress(const std::string& plain, int level = 9) {
  uLongf size = compressBound(static_cast<uLong>(plain.size()));
  std::string packed(size, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
            reinterpret_cast<const Bytef*>(plain.data()), static_cast<uLong>(plain.size()), level);
  packed.resize(size);
  return packed;
}

// Builds an archive from its parts.
struct ArchiveBuilder {
  std::string bytes;
  ArchiveBuilder& Int(std::int32_t v) { bytes += Int32Bytes(v); return *this; }
  ArchiveBuilder& Raw(const std::string& s) { bytes += s; return *this; }
  ArchiveBuilder& Text(const std::string& s) {
    return Int(static_cast<std::int32_t>(s.size())).Raw(s);
  }
  ArchiveBuilder& Header(const std::string& title = "Util_Ked.bck", int total = 0, int count = 0) {
    return Text(title).Int(total).Int(count);
  }
  ArchiveBuilder& Magic() { return Raw(std::string("EC2\0", 4)); }
  ArchiveBuilder& StoredChunk(const std::string& data) {
    return Int(-static_cast<std::int32_t>(data.size())).Raw(data);
  }
  ArchiveBuilder& PackedChunk(const std::string& data) { return Text(Compress(data)); }
  // A whole entry: name, date and a block group of packed chunks.
  ArchiveBuilder& Entry(const std::string& name, const std::string& data,
                        std::uint32_t date = 0x5A8A6000u) {
    Text(name).Int(static_cast<std::int32_t>(date)).Magic();
    for (std::size_t at = 0; at < data.size(); at += 16384) PackedChunk(data.substr(at, 16384));
    return Int(0);
  }
  ArchiveBuilder& End() { return Int(0); }
};

// What the writer produced, read back field by field.
struct ParsedChunk {
  std::int32_t length = 0;
  std::string plain;  // the chunk's file bytes
};
struct ParsedEntry {
  std::string name;
  std::uint32_t date = 0;
  std::vector<ParsedChunk> chunks;
  std::string Data() const {
    std::string d;
    for (const auto& c : chunks) d += c.plain;
    return d;
  }
};
struct ParsedArchive {
  std::string title;
  std::int32_t totalSize = 0;
  std::int32_t fileCount = 0;
  std::vector<ParsedEntry> entries;
};

class ArchiveParser {
 public:
  explicit ArchiveParser(const std::string& bytes) : bytes_(bytes) {}
  ParsedArchive Parse() {
    ParsedArchive a;
    a.title = Take(Int());
    a.totalSize = Int();
    a.fileCount = Int();
    for (std::int32_t n = Int(); n != 0; n = Int()) {
      ParsedEntry e;
      e.name = Take(n);
      e.date = static_cast<std::uint32_t>(Int());
      if (Take(4) != std::string("EC2\0", 4)) throw std::runtime_error("no magic");
      for (std::int32_t len = Int(); len != 0; len = Int()) {
        ParsedChunk c{len, len < 0 ? Take(-len) : Inflate(Take(len))};
        e.chunks.push_back(c);
      }
      a.entries.push_back(e);
    }
    if (at_ != bytes_.size()) throw std::runtime_error("bytes after the end mark");
    return a;
  }

 private:
  std::int32_t Int() {
    const std::string b = Take(4);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[i]);
    return static_cast<std::int32_t>(v);
  }
  std::string Take(std::int64_t n) {
    if (n < 0 || at_ + n > bytes_.size()) throw std::runtime_error("truncated");
    std::string s = bytes_.substr(at_, n);
    at_ += n;
    return s;
  }
  static std::string Inflate(const std::string& packed) {
    std::string plain(16384, '\0');
    uLongf size = plain.size();
    if (uncompress(reinterpret_cast<Bytef*>(plain.data()), &size,
                   reinterpret_cast<const Bytef*>(packed.data()), packed.size()) != Z_OK)
      throw std::runtime_error("bad zlib stream");
    plain.resize(size);
    return plain;
  }
  const std::string& bytes_;
  std::size_t at_ = 0;
};

}  // namespace ked::backup::test
