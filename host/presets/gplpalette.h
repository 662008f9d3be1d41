#pragma once
// GIMP palettes (.gpl): a text header, then one "R G B [name]" line a
// colour, 8 bits a component. A file is one palette, so one swatch group.
#include <string>
#include <string_view>

#include "core/outcome.h"
#include "presets/palette.h"

namespace host {

class GplPalette {
 public:
  // The group takes the file's "Name:" or else fallback_name. A malformed
  // file fails with the line at fault.
  static Outcome<Palette> Parse(std::string_view text, const std::string& fallback_name);
  // Components are rounded to 8 bits; each colour is labelled with its hex code.
  static std::string Write(const PaletteGroup& group);
};

}  // namespace host
