#include "pickercursor.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr double kAxis = PickerCursor::kHotY + 0.5;
constexpr double kOutline = 1.0;

// Distance from (x, y) to a horizontal capsule on the axis, negative inside.
double Capsule(double x, double y, double x0, double x1, double radius)
{
  const double cx = std::clamp(x, x0, x1);
  return std::hypot(x - cx, y - kAxis) - radius;
}

double Box(double x, double y, double x0, double x1, double halfHeight)
{
  const double dx = std::max(x0 - x, x - x1);
  const double dy = std::abs(y - kAxis) - halfHeight;
  return std::max(dx, dy);
}

// A glass tube narrowing to the tip.
double Tube(double x, double y)
{
  constexpr double kTip = PickerCursor::kHotX + 0.5, kEnd = 13.0, kTipRadius = 0.5, kEndRadius = 1.8;
  if (x < kTip)
    return std::hypot(x - kTip, y - kAxis) - kTipRadius;
  const double t = std::min(x, kEnd) - kTip;
  const double radius = kTipRadius + t * (kEndRadius - kTipRadius) / (kEnd - kTip);
  return std::max(std::abs(y - kAxis) - radius, x - kEnd);
}

// The dropper: the tube from the tip, a collar, and the rubber bulb.
double Dropper(double x, double y)
{
  const double collar = Box(x, y, 12.5, 15.5, 4.0);
  const double bulb = Capsule(x, y, 20.0, 26.0, 4.0);
  const double neck = Box(x, y, 15.0, 20.0, 2.5);
  return std::min({Tube(x, y), collar, neck, bulb});
}
}  // namespace

std::array<std::uint8_t, PickerCursor::kSize * PickerCursor::kSize * 4> PickerCursor::Pixels()
{
  std::array<std::uint8_t, kSize * kSize * 4> pixels{};
  for (std::int32_t y = 0; y < kSize; ++y)
  {
    for (std::int32_t x = 0; x < kSize; ++x)
    {
      const double d = Dropper(x + 0.5, y + 0.5);
      std::uint8_t* p = &pixels[static_cast<std::size_t>((y * kSize + x) * 4)];
      if (d > kOutline)
        continue;
      // Dark inside a light rim: the cursor shows on any colour.
      const std::uint8_t shade = d <= 0.0 ? 24 : 255;
      p[0] = p[1] = p[2] = shade;
      p[3] = 255;
    }
  }
  return pixels;
}
