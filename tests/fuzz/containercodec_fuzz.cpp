// Fuzz target for the host's container stream: any bytes must be either
// rejected with a message or read into a container that writes back stably.
// The input is tried as it is and, to get past the checksum, as a payload
// behind a correct header and checksum.
#include <zlib.h>

#include <cstdint>
#include <cstdlib>

#include "core/bytewriter.h"
#include "core/containercodec.h"
#include "fuzztarget.h"

namespace {

void Check(std::span<const uint8_t> bytes) {
  auto read = host::ContainerCodec::Read(bytes);
  if (!read) {
    if (read.Error().empty()) std::abort();
    return;
  }
  // Profiles may be re-encoded on the first pass; after that it is stable.
  auto once = host::ContainerCodec::Write(read.Value());
  if (!once) return;
  auto again = host::ContainerCodec::Read(once.Value());
  if (!again) std::abort();
  auto twice = host::ContainerCodec::Write(again.Value());
  if (!twice || twice.Value() != once.Value()) std::abort();
}

std::vector<uint8_t> Framed(std::span<const uint8_t> payload) {
  host::ByteWriter w;
  w.Raw(std::vector<uint8_t>{'G', 'X', 'A', 'S'});
  w.U16(host::ContainerCodec::kFormatVersion);
  w.U16(0);
  w.U64(payload.size());
  w.Raw(payload);
  w.U32(static_cast<uint32_t>(crc32(0, w.Bytes().data(), static_cast<uInt>(w.Size()))));
  return w.Take();
}

}  // namespace

GXA_FUZZ_TARGET(FuzzContainerCodec) {
  std::span<const uint8_t> bytes(data, size);
  Check(bytes);
  Check(Framed(bytes));
  return 0;
}
