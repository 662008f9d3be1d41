#include "swatches/swatchorder.h"

#include <compare>

#include "utils/colorconversions.h"

namespace
{
struct SortKey
{
  int tier;  // 0 transparent, 1 the rest
  double hue;
  double saturation;
  double negValue;  // higher value first
};

SortKey KeyOf(const ColorSwatch& s)
{
  if (s.alpha == 0.0)
    return {0, 0.0, 0.0, 0.0};
  const Vector hsv = RgbToHsv(Vector(s.red, s.green, s.blue));
  return {1, hsv.x, hsv.y, -hsv.z};
}

std::strong_ordering Compare(const SortKey& a, const SortKey& b)
{
  if (auto c = a.tier <=> b.tier; c != 0)
    return c;
  if (auto c = std::strong_order(a.hue, b.hue); c != 0)
    return c;
  if (auto c = std::strong_order(a.saturation, b.saturation); c != 0)
    return c;
  return std::strong_order(a.negValue, b.negValue);
}
}  // namespace

bool SwatchComesBefore(const ColorSwatch& a, const ColorSwatch& b)
{
  return Compare(KeyOf(a), KeyOf(b)) < 0;
}
