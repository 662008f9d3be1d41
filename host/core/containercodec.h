#pragma once
// The host's own typed binary stream for containers (preferences, documents,
// presets): magic "GXAS", format version, payload length, payload, CRC-32 of
// everything before the checksum. Little-endian throughout.
#include <cstdint>
#include <span>
#include <vector>

#include "core/container.h"
#include "core/outcome.h"

namespace host {

class ContainerCodec {
 public:
  static constexpr uint32_t kFormatVersion = 1;
  static constexpr size_t kHeaderSize = 16;  // magic, version, reserved, length
  static constexpr size_t kChecksumSize = 4;
  static constexpr int kMaxDepth = 64;

  // Colour profiles are stored as their ICC bytes. Fails only for a profile
  // without any.
  static Outcome<std::vector<uint8_t>> Write(const Container& c);
  // Rejects truncated, foreign, damaged and unknown data with a clear text.
  static Outcome<Container> Read(std::span<const uint8_t> bytes);
};

}  // namespace host
