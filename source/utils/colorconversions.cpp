#include "utils/colorconversions.h"

#include <cmath>

const double kInv255 = 1.0 / 255.0;
const double kInv65535 = 1.0 / 65535.0;

namespace
{
// Adds half a step and truncates toward zero. Comparing before the cast keeps
// huge inputs and NaN from overflowing the integer; the bounds are the same
// ones a saturating cast followed by the clamp would give.
std::int64_t ToSteps(double component, double steps)
{
  const double x = component * steps + 0.5;
  if (!(x >= 1.0))
    return 0;
  if (x >= steps)
    return static_cast<std::int64_t>(steps);
  return static_cast<std::int64_t>(x);
}

double FromSteps(std::int64_t value, double reciprocal)
{
  const double c = static_cast<double>(value) * reciprocal;
  return c < 0.0 ? 0.0 : (c > 1.0 ? 1.0 : c);
}
}  // namespace

std::int64_t To8Bit(double component)
{
  return ToSteps(component, 255.0);
}

double From8Bit(std::int64_t value)
{
  return FromSteps(value, kInv255);
}

void ColorTo8Bit(const Vector& rgb, std::int64_t& red, std::int64_t& green, std::int64_t& blue)
{
  red = To8Bit(rgb.x);
  green = To8Bit(rgb.y);
  blue = To8Bit(rgb.z);
}

Vector ColorFrom8Bit(std::int64_t red, std::int64_t green, std::int64_t blue)
{
  return {From8Bit(red), From8Bit(green), From8Bit(blue)};
}

std::int32_t To16Bit(double component)
{
  return static_cast<std::int32_t>(ToSteps(component, 65535.0));
}

double From16Bit(std::int64_t value)
{
  return FromSteps(value, kInv65535);
}

void ColorTo16Bit(const Vector& rgb, std::int32_t& red, std::int32_t& green, std::int32_t& blue)
{
  red = To16Bit(rgb.x);
  green = To16Bit(rgb.y);
  blue = To16Bit(rgb.z);
}

Vector ColorFrom16Bit(std::int64_t red, std::int64_t green, std::int64_t blue)
{
  return {From16Bit(red), From16Bit(green), From16Bit(blue)};
}

Vector RgbToHsv(const Vector& rgb)
{
  const double r = rgb.x, g = rgb.y, b = rgb.z;
  const double max = std::fmax(r, std::fmax(g, b));
  const double min = std::fmin(r, std::fmin(g, b));
  if (!(max > 0.0))
    return {0.0, 0.0, 0.0};

  const double s = 1.0 - min / max;
  // Near-greys keep their darkest component so that a grey's value does not
  // jump up when a slider nudges one channel.
  if (s < 0.001)
    return {0.0, 0.0, min};

  const double d = max - min;
  const double inv = d == 0.0 ? 0.0 : 1.0 / d;
  double h;
  if (r == max)
    h = (g - b) * inv;
  else if (g == max)
    h = (b - r) * inv + 2.0;
  else
    h = (r - g) * inv + 4.0;

  h /= 6.0;
  if (h < 0.0)
    h += 1.0;
  return {h, s, max};
}

Vector HsvToRgb(const Vector& hsv)
{
  const double s = hsv.y, v = hsv.z;
  if (s < 0.001)
    return {v, v, v};

  const double x = 6.0 * (hsv.x == 1.0 ? 0.0 : hsv.x);
  const double i = std::floor(x);
  const double f = x - i;
  const double p = (1.0 - s) * v;
  const double q = (1.0 - s * f) * v;
  const double t = (1.0 - s * (1.0 - f)) * v;

  // Hues outside [0, 1) fall through to the red sector rather than wrap.
  switch (static_cast<int>(i >= 0.0 && i < 6.0 ? i : 0.0))
  {
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    case 5: return {v, p, q};
    default: return {v, t, p};
  }
}

std::uint32_t ColorToPacked(const Vector& rgb)
{
  std::int64_t r, g, b;
  ColorTo8Bit(rgb, r, g, b);
  return static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
}

Vector PackedToColor(std::uint32_t packed)
{
  return ColorFrom8Bit((packed >> 16) & 0xFF, (packed >> 8) & 0xFF, packed & 0xFF);
}
