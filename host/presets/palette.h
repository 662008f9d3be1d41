#pragma once
// Colours read from or written to a palette file, on their way to or from
// swatch groups. Components are 0..1 in the chooser's space; palette files
// keep no alpha.
#include <string>
#include <vector>

namespace host {

struct PaletteColor {
  double red = 0.0, green = 0.0, blue = 0.0;
  std::string name;  // a file's own label, kept beside a preset's data
  bool operator==(const PaletteColor&) const = default;
};

struct PaletteGroup {
  std::string name;
  std::vector<PaletteColor> colors;
  bool operator==(const PaletteGroup&) const = default;
};

struct Palette {
  std::vector<PaletteGroup> groups;
  size_t ColorCount() const {
    size_t n = 0;
    for (const auto& g : groups) n += g.colors.size();
    return n;
  }
};

}  // namespace host
