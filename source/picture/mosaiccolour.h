#pragma once
// A tile's mean hue, saturation and value as the 8-bit colour it is painted
// in: the chooser's HSV to RGB conversion step by step, each component then
// rounded to a byte, but picking the sector's components from a table
// instead of branching, so that a row of tiles converts without a
// mispredicted jump each.
#include <algorithm>
#include <cstdint>

class MosaicColour
{
public:
  // Hue in [0, 1], saturation and value in [0, 1].
  static void ToBytes(double hue, double saturation, double value, std::uint8_t* rgb)
  {
    // Per sector, which of v, p, q, t each of red, green and blue takes; the
    // seventh row is grey.
    static constexpr std::uint8_t kPick[7][3] = {{0, 3, 1}, {2, 0, 1}, {1, 0, 3}, {1, 2, 0},
                                                 {3, 1, 0}, {0, 1, 2}, {0, 0, 0}};
    const double x = 6.0 * (hue == 1.0 ? 0.0 : hue);
    // x is not negative, so truncating floors it.
    const auto whole = static_cast<std::int32_t>(x);
    const double f = x - whole;
    const double components[4] = {value, (1.0 - saturation) * value, (1.0 - saturation * f) * value,
                                  (1.0 - saturation * (1.0 - f)) * value};
    const std::int32_t sector = saturation < 0.001 ? 6 : (whole < 6 ? whole : 0);
    for (int c = 0; c < 3; ++c)
      rgb[c] = ToByte(components[kPick[sector][c]]);
  }

private:
  static std::uint8_t ToByte(double c)
  {
    return static_cast<std::uint8_t>(
        std::clamp(static_cast<std::int64_t>(c * 255.0 + 0.5), std::int64_t{0}, std::int64_t{255}));
  }
};
