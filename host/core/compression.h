#pragma once
// zlib for modules (preset data) and the host's own files.
#include <cstdint>
#include <span>
#include <vector>

#include "core/outcome.h"

namespace host {

class Compression {
 public:
  static uint64_t Bound(size_t count);
  // level 0..9.
  static Outcome<std::vector<uint8_t>> Compress(std::span<const uint8_t> bytes, int level);
  // Fails when bytes are not one complete zlib stream or give more than cap bytes.
  static Outcome<std::vector<uint8_t>> Decompress(std::span<const uint8_t> bytes, size_t cap);
};

}  // namespace host
