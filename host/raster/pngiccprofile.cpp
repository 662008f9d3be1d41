#include "raster/pngiccprofile.h"

#include <algorithm>
#include <cstring>

#include <zlib.h>

namespace host {

namespace {
constexpr size_t kSignature = 8;
constexpr size_t kMaxName = 79;

uint32_t BigEndian(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
}  // namespace

bool PngIccProfile::Find(std::span<const uint8_t> png, std::vector<uint8_t>& icc) {
  icc.clear();
  size_t at = kSignature;
  // The profile must come before the pixels, so the walk stops at IDAT.
  while (at + 12 <= png.size()) {
    const uint32_t length = BigEndian(&png[at]);
    const uint8_t* type = &png[at + 4];
    if (length > png.size() - at - 12) return false;
    const std::span<const uint8_t> body = png.subspan(at + 8, length);
    if (std::memcmp(type, "IDAT", 4) == 0 || std::memcmp(type, "IEND", 4) == 0) return false;
    if (std::memcmp(type, "iCCP", 4) == 0) {
      const size_t name = std::find(body.begin(), body.begin() + std::min(body.size(), kMaxName + 1), 0) - body.begin();
      // A name, its terminating zero and the compression method (0, deflate).
      if (name == 0 || name > kMaxName || name + 2 > body.size() || body[name + 1] != 0) return false;
      return Inflate(body.subspan(name + 2), icc);
    }
    at += size_t(length) + 12;
  }
  return false;
}

bool PngIccProfile::Inflate(std::span<const uint8_t> deflated, std::vector<uint8_t>& out) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return false;
  stream.next_in = const_cast<Bytef*>(deflated.data());
  stream.avail_in = uInt(deflated.size());
  out.resize(std::min(kMaxBytes, std::max<size_t>(deflated.size() * 4, 4096)));
  int status = Z_OK;
  while (status == Z_OK) {
    if (stream.total_out == out.size()) {
      if (out.size() >= kMaxBytes) break;
      out.resize(std::min(kMaxBytes, out.size() * 2));
    }
    stream.next_out = out.data() + stream.total_out;
    stream.avail_out = uInt(out.size() - stream.total_out);
    status = inflate(&stream, Z_NO_FLUSH);
  }
  const bool done = status == Z_STREAM_END;
  out.resize(done ? size_t(stream.total_out) : 0);
  inflateEnd(&stream);
  return done;
}

}  // namespace host
