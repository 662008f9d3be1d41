#include "picture/mosaicpixel.h"

#include <cmath>

#include "utils/colorconversions.h"

MosaicPixel MosaicPixel::FromRgb8(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
  const Vector hsv = RgbToHsv(Vector(Component(r), Component(g), Component(b)).Clamp01());
  MosaicPixel pixel;
  pixel.key = static_cast<std::int32_t>(std::floor(hsv.x * 360.0 + 0.5));
  pixel.hue = hsv.x;
  if (pixel.key >= 360)
  {
    pixel.key = 0;
    pixel.hue = 0.0;
  }
  pixel.saturation = hsv.y;
  pixel.value = hsv.z;
  return pixel;
}
