#pragma once
// Components of a pixel read from a picture, and of a colour 0..1 in 8-bit
// steps, for comparing what was drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>

#include "raster/bitmap.h"

namespace choosertest
{
struct Pixel
{
  int r = 0, g = 0, b = 0;
  bool operator==(const Pixel&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Pixel& p)
{
  return out << "(" << p.r << ", " << p.g << ", " << p.b << ")";
}

inline Pixel At(const host::Bitmap& bitmap, int x, int y)
{
  const host::Rgba p = bitmap.GetPixel(x, y);
  return {p.r, p.g, p.b};
}

inline Pixel Of(double r, double g, double b)
{
  auto level = [](double c) { return static_cast<int>(std::lround(std::clamp(c, 0.0, 1.0) * 255.0)); };
  return {level(r), level(g), level(b)};
}

inline ::testing::AssertionResult Near(const Pixel& actual, const Pixel& expected, int tolerance = 1)
{
  if (std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
      std::abs(actual.b - expected.b) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " is not within " << tolerance << " of " << expected;
}
}  // namespace choosertest
