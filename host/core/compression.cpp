#include "core/compression.h"

#include <zlib.h>

#include <limits>

namespace host {

uint64_t Compression::Bound(size_t count) { return compressBound(uLong(count)); }

Outcome<std::vector<uint8_t>> Compression::Compress(std::span<const uint8_t> bytes, int level) {
  using R = Outcome<std::vector<uint8_t>>;
  if (level < 0 || level > 9) return R::Fail("compression level " + std::to_string(level) + " is not 0..9");
  if (bytes.size() > std::numeric_limits<uLong>::max() / 2) return R::Fail("too large to compress");
  std::vector<uint8_t> out(Bound(bytes.size()));
  uLongf size = uLongf(out.size());
  if (compress2(out.data(), &size, bytes.data(), uLong(bytes.size()), level) != Z_OK)
    return R::Fail("zlib could not compress");
  out.resize(size);
  return out;
}

Outcome<std::vector<uint8_t>> Compression::Decompress(std::span<const uint8_t> bytes, size_t cap) {
  using R = Outcome<std::vector<uint8_t>>;
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return R::Fail("zlib could not start");
  std::vector<uint8_t> out(cap);
  z.next_in = const_cast<Bytef*>(bytes.data());
  z.avail_in = uInt(std::min<size_t>(bytes.size(), std::numeric_limits<uInt>::max()));
  z.next_out = out.data();
  z.avail_out = uInt(std::min<size_t>(cap, std::numeric_limits<uInt>::max()));
  const int status = inflate(&z, Z_FINISH);
  const size_t produced = size_t(z.total_out);
  inflateEnd(&z);
  if (status == Z_BUF_ERROR && z.avail_out == 0) return R::Fail("the data decompresses to more than expected");
  if (status != Z_STREAM_END) return R::Fail("the compressed data is damaged");
  out.resize(produced);
  return out;
}

}  // namespace host
