#pragma once
// The byte layout of the template archive "Util_Ked.bck": 32-bit little-endian
// signed integers, Windows-1252 texts without terminator.
#include <cstdint>
#include <string>

namespace ked::backup {

// Every file is stored in chunks of this many bytes, the last one shorter.
inline constexpr int kChunkSize = 16384;
// "EC2" and a zero byte: the start of every block group.
inline constexpr char kBlockMagic[4] = {'E', 'C', '2', '\0'};
// Entry names that are not files: the list of stored files, and the mark that
// an entry goes on in the next volume ("NEXT:DISK" + three digits).
inline constexpr const char* kFileListName = "FILE:LIST";
inline constexpr const char* kNextDiskPrefix = "NEXT:DISK";

// What a reader accepts before calling an archive damaged: nothing is ever
// allocated or copied on the word of a length field alone.
inline constexpr std::int32_t kMaxNameLength = 4096;
inline constexpr std::int32_t kMaxTitleLength = 1 << 20;
// A compressed chunk never exceeds the deflate bound of one chunk.
inline constexpr std::int32_t kMaxCompressedChunk = kChunkSize + kChunkSize / 1000 + 64;

// The component's error codes; their texts are shown in an error box.
enum class BackupError {
  None = 0,
  CannotReadFile = 1,
  CannotReadArchive = 3,
  CannotWriteArchive = 4,
  InvalidArchiveType = 5,
  CompressionError = 6,
};

const char* BackupErrorText(BackupError error);
// Codes 3 and 5 end the restore at once and are the whole command's error:
// the caller shows them, and goes no further.
bool EndsCommand(BackupError error);

// How hard zlib works; clMax is what the program uses.
enum class CompressionLevel { clFastest, clNone, clDefault, clMax };
int ZlibLevel(CompressionLevel level);

}  // namespace ked::backup
