#pragma once
// One chunk of a file as one complete zlib stream, with fixed buffers.
#include <cstddef>
#include <cstdint>

#include "backup/ArchiveFormat.h"

namespace ked::backup {

enum class DeflateOutcome { Compressed, TooBig, Failed };

// Deflates `size` (at most kChunkSize) bytes into `out` (kChunkSize bytes):
// Compressed with `written` set; TooBig when the stream does not fit, and the
// chunk is then stored as it is.
DeflateOutcome DeflateChunk(const unsigned char* in, std::size_t size, int zlibLevel,
                            unsigned char* out, std::size_t& written);

// Inflates one complete zlib stream into `out` (kChunkSize bytes); false when
// the stream is damaged or would produce more than one chunk.
bool InflateChunk(const unsigned char* in, std::size_t size, unsigned char* out,
                  std::size_t& written);

}  // namespace ked::backup
