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
  // Inflates straight into out, which nothing fills first, and answers how
  // many bytes it took. Fails when bytes are not one complete zlib stream or
  // give more than out holds.
  static Outcome<size_t> Decompress(std::span<const uint8_t> bytes, std::span<uint8_t> out);
};

}  // namespace host
