#include "backup/ChunkCodec.h"

#include <zlib.h>

namespace ked::backup {

DeflateOutcome DeflateChunk(const unsigned char* in, std::size_t size, int zlibLevel,
                            unsigned char* out, std::size_t& written) {
  written = 0;
  z_stream z{};
  if (deflateInit2(&z, zlibLevel, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    return DeflateOutcome::Failed;
  z.next_in = const_cast<unsigned char*>(in);
  z.avail_in = static_cast<uInt>(size);
  z.next_out = out;
  z.avail_out = kChunkSize;
  const int rc = deflate(&z, Z_FINISH);
  written = kChunkSize - z.avail_out;
  deflateEnd(&z);
  if (rc == Z_STREAM_END) return DeflateOutcome::Compressed;
  if ((rc == Z_OK || rc == Z_BUF_ERROR) && z.avail_out == 0) return DeflateOutcome::TooBig;
  return DeflateOutcome::Failed;
}

bool InflateChunk(const unsigned char* in, std::size_t size, unsigned char* out,
                  std::size_t& written) {
  written = 0;
  z_stream z{};
  if (inflateInit2(&z, 15) != Z_OK) return false;
  z.next_in = const_cast<unsigned char*>(in);
  z.avail_in = static_cast<uInt>(size);
  z.next_out = out;
  z.avail_out = kChunkSize;
  const int rc = inflate(&z, Z_FINISH);
  written = kChunkSize - z.avail_out;
  inflateEnd(&z);
  return rc == Z_STREAM_END;
}

}  // namespace ked::backup
