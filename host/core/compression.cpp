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

Outcome<size_t> Compression::Decompress(std::span<const uint8_t> bytes, std::span<uint8_t> out) {
  using R = Outcome<size_t>;
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return R::Fail("zlib could not start");
  constexpr size_t kStep = std::numeric_limits<uInt>::max();
  z.next_in = const_cast<Bytef*>(bytes.data());
  z.next_out = out.data();
  size_t in_left = bytes.size(), out_left = out.size();
  int status = Z_OK;
  // zlib counts in 32 bits: larger spans go in steps.
  while (status == Z_OK) {
    if (z.avail_in == 0) {
      z.avail_in = uInt(std::min(in_left, kStep));
      in_left -= z.avail_in;
    }
    if (z.avail_out == 0) {
      z.avail_out = uInt(std::min(out_left, kStep));
      out_left -= z.avail_out;
    }
    status = inflate(&z, Z_NO_FLUSH);
    const bool refill = (z.avail_in == 0 && in_left > 0) || (z.avail_out == 0 && out_left > 0);
    if (status == Z_BUF_ERROR && refill) status = Z_OK;
  }
  const size_t produced = size_t(z.next_out - out.data());
  const bool full = z.avail_out == 0 && out_left == 0;
  inflateEnd(&z);
  if (status == Z_BUF_ERROR && full) return R::Fail("the data decompresses to more than expected");
  if (status != Z_STREAM_END) return R::Fail("the compressed data is damaged");
  return produced;
}

}  // namespace host
