#pragma once
// Any bytes as the payload of a stream with a correct header and checksum,
// so that mutations get past the checksum to the value parser.
#include <zlib.h>

#include "core/bytewriter.h"
#include "core/containercodec.h"
#include "fuzztarget.h"

namespace gxa_fuzz {

inline Bytes Framed(std::span<const uint8_t> payload) {
  host::ByteWriter w;
  w.Raw(std::vector<uint8_t>{'G', 'X', 'A', 'S'});
  w.U16(host::ContainerCodec::kFormatVersion);
  w.U16(0);
  w.U64(payload.size());
  w.Raw(payload);
  w.U32(static_cast<uint32_t>(crc32(0, w.Bytes().data(), static_cast<uInt>(w.Size()))));
  return w.Take();
}

// The payload of a sound stream, for seeds.
inline Bytes PayloadOf(const host::Container& c) {
  const Bytes whole = host::ContainerCodec::Write(c).Value();
  return Bytes(whole.begin() + host::ContainerCodec::kHeaderSize, whole.end() - host::ContainerCodec::kChecksumSize);
}

}  // namespace gxa_fuzz
