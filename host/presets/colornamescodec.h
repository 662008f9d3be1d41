#pragma once
// The colour names of a swatch preset, kept in its item file beside the
// module's data (which has no room for them): for each group in order, the
// name of each of its colours, empty where a colour has none.
//
//   u32 group count, then per group: u32 name count, then per name a u64
//   length and that many bytes of UTF-8.
//
// Little-endian, as the rest of the item file.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/outcome.h"

namespace host {

using ColorNames = std::vector<std::vector<std::string>>;

class ColorNamesCodec {
 public:
  // Bounds a single name; palette files never come near it.
  static constexpr size_t kMaxName = 64 * 1024;

  // True when no colour has a name: such names are not worth storing.
  static bool IsBlank(const ColorNames& names);
  static std::vector<uint8_t> Write(const ColorNames& names);
  // Fails, saying where, on anything Write would not have written.
  static Outcome<ColorNames> Read(std::span<const uint8_t> bytes);
};

}  // namespace host
