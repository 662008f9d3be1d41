#pragma once
// Colour text as other programs put it on the clipboard: CSS hex (#rgb,
// #rgba, #rrggbb, #rrggbbaa; six or eight digits also bare or after "0x"),
// rgb()/rgba() with numbers 0-255 or percents, hsl()/hsla(), the CSS colour
// names, and three numbers from 0 to 1 (a fourth is alpha). Components come
// out sRGB-encoded in 0..1, clamped the way CSS clamps them; any other text
// is refused with the reason.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/outcome.h"

namespace host
{

struct TextColor
{
  std::array<double, 3> rgb{};
  std::optional<double> alpha;  // only when the text gave one
};

class ColorTextReader
{
public:
  // Longer texts are refused before they are looked at.
  static constexpr size_t kMaxLength = 256;

  static Outcome<TextColor> Read(std::string_view text);
};

}  // namespace host
