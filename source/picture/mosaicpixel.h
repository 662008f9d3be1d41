#pragma once
// What the mosaic knows of one picture pixel: its hue in whole degrees (the
// key tiles vote with), and its hue, saturation and value. A hue that rounds
// to 360 degrees counts as 0, key and hue alike, so reds on both sides of the
// seam vote together.
#include <cstdint>

struct MosaicPixel
{
  std::int32_t key = 0;
  double hue = 0.0;
  double saturation = 0.0;
  double value = 0.0;

  static MosaicPixel FromRgb8(std::uint8_t r, std::uint8_t g, std::uint8_t b);
  // The value of an 8-bit component as the conversion sees it.
  static double Component(std::uint8_t c) { return c * (1.0 / 255.0); }
};
