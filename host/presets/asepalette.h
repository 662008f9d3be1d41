#pragma once
// Adobe swatch exchange files (.ase): big-endian blocks of group starts,
// group ends and colour entries with float32 components. RGB and grey
// entries are read; CMYK and LAB have no RGB meaning without a profile, so
// a file holding one is refused rather than guessed at.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "presets/palette.h"

namespace host {

class AsePalette {
 public:
  // Each group becomes a palette group; colours outside any group gather in
  // one named fallback_name, where the first of them stood. A malformed file
  // fails naming the block at fault.
  static Outcome<Palette> Parse(std::span<const uint8_t> bytes, const std::string& fallback_name);
  // Every group with its colours as RGB entries, labelled with their hex code.
  static std::vector<uint8_t> Write(const Palette& palette);
};

}  // namespace host
