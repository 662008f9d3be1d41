#include "colorwheel/colorwheelharmonysplit.h"

namespace
{
constexpr double kOffset = 150.0 * 3.141592653589793 / 180.0;
}

ColorWheelHarmonySplit::ColorWheelHarmonySplit(const ColorWheel& owner)
    : ColorWheelHarmony(owner, kSplit, false, {1033502, 1033625, 20039})
{}

Result<void> ColorWheelHarmonySplit::Compute(const Vector& hsv, ColorList& list)
{
  RETURN_IF_ERROR(FillWith(hsv, 3, list));
  const double a = HueAngle(hsv);
  // The edited entry keeps the input; the others are derived from it.
  const auto set = [&](std::size_t i, double angle) { return SetHueAt(list, i, angle); };
  switch (list.GetSelectedIndex())
  {
    case 1: set(2, Rotate(set(0, Rotate(a, -kOffset)), -kOffset)); break;
    case 2: set(1, Rotate(set(0, Rotate(a, kOffset)), kOffset)); break;
    default:
      set(1, Rotate(a, kOffset));
      set(2, Rotate(a, -kOffset));
      break;
  }
  KeepLightness(EditedEntry(list), list);
  return Ok();
}
