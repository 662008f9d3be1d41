// Fuzz target for the host's container stream: any bytes must be either
// rejected with a message or read into a container that writes back stably.
#include <cstdint>
#include <cstdlib>

#include "core/containercodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto read = host::ContainerCodec::Read(std::span<const uint8_t>(data, size));
  if (!read) {
    if (read.Error().empty()) std::abort();
    return 0;
  }
  // Profiles may be re-encoded on the first pass; after that it is stable.
  auto once = host::ContainerCodec::Write(read.Value());
  if (!once) return 0;
  auto again = host::ContainerCodec::Read(once.Value());
  if (!again) std::abort();
  auto twice = host::ContainerCodec::Write(again.Value());
  if (!twice || twice.Value() != once.Value()) std::abort();
  return 0;
}
