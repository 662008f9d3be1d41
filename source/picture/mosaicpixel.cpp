#include "picture/mosaicpixel.h"

#include <algorithm>
#include <cmath>

#include "utils/colorconversions.h"

namespace
{
constexpr std::int32_t kFullTurn = 360;

// ceil(2^32 / 2d): floor(n / 2d) = (n * reciprocal) >> 32 for every n below
// 2^18, since the product's error stays under 2^-14 and a fraction n / 2d lies
// at least 1/510 from the next whole number.
const std::array<std::uint64_t, 256> kHalfReciprocals = [] {
  std::array<std::uint64_t, 256> table{};
  for (std::uint64_t d = 1; d < 256; ++d)
    table[d] = ((std::uint64_t{1} << 32) + 2 * d - 1) / (2 * d);
  return table;
}();

}  // namespace

MosaicPixel MosaicPixel::FromRgb8(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
  const Vector hsv = RgbToHsv(Vector(Component(r), Component(g), Component(b)).Clamp01());
  MosaicPixel pixel;
  pixel.key = static_cast<std::int32_t>(std::floor(hsv.x * 360.0 + 0.5));
  pixel.hue = hsv.x;
  if (pixel.key >= kFullTurn)
  {
    pixel.key = 0;
    pixel.hue = 0.0;
  }
  pixel.saturation = hsv.y;
  pixel.value = hsv.z;
  return pixel;
}

std::int32_t MosaicPixel::Key(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
  const std::int32_t max = std::max(r, std::max(g, b));
  const std::int32_t d = max - std::min(r, std::min(g, b));
  // Greys: an 8-bit colour that is not grey has a saturation of at least
  // 1/255, far above the conversion's grey threshold.
  if (d == 0)
    return 0;
  // key = floor(hue * 360 + 1/2) = floor(n / 2d), a turn added to negative hues.
  std::int32_t n;
  if (r == max)
    n = 120 * (g - b) + (g < b ? 721 : 1) * d;
  else if (g == max)
    n = 120 * (b - r) + 241 * d;
  else
    n = 120 * (r - g) + 481 * d;
  const auto key = static_cast<std::int32_t>((static_cast<std::uint64_t>(n) * kHalfReciprocals[d]) >> 32);
  if (key * 2 * d == n)
    return FromRgb8(r, g, b).key;
  return key >= kFullTurn ? 0 : key;
}

MosaicPixel::Tables::Tables()
{
  for (int c = 0; c < 256; ++c)
    components[static_cast<std::size_t>(c)] = Component(static_cast<std::uint8_t>(c));
  for (std::size_t max = 1; max < 256; ++max)
  {
    for (std::size_t min = 0; min < max; ++min)
    {
      spans[max << 8 | min].inverse = 1.0 / (components[max] - components[min]);
      spans[max << 8 | min].saturation = 1.0 - components[min] / components[max];
    }
  }
}

const MosaicPixel::Tables& MosaicPixel::GetTables()
{
  static const Tables tables;
  return tables;
}
