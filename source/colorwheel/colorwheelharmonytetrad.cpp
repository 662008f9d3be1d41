#include "colorwheel/colorwheelharmonytetrad.h"

namespace
{
constexpr double kStep = -60.0 * 3.141592653589793 / 180.0;
}

ColorWheelHarmonyTetrad::ColorWheelHarmonyTetrad(const ColorWheel& owner)
    : ColorWheelHarmony(owner, kTetrad, false, {1033503, 1033626, 20040})
{}

Result<void> ColorWheelHarmonyTetrad::Compute(const Vector& hsv, ColorList& list)
{
  RETURN_IF_ERROR(FillWith(hsv, 4, list));
  const double a = HueAngle(hsv);
  // The edited entry keeps the input; the others are derived from it.
  const auto set = [&](std::size_t i, double angle) { return SetHueAt(list, i, angle); };
  switch (list.GetSelectedIndex())
  {
    case 1:
    {
      const double e2 = set(2, Rotate(set(0, Rotate(a, kPi)), kStep));
      set(3, Rotate(e2, kPi));
      break;
    }
    case 2:
      set(1, Rotate(set(0, Rotate(a, -kStep)), kPi));
      set(3, Rotate(a, kPi));
      break;
    case 3: set(1, Rotate(set(0, Rotate(set(2, Rotate(a, kPi)), -kStep)), kPi)); break;
    default:
      set(1, Rotate(a, kPi));
      set(3, Rotate(set(2, Rotate(a, kStep)), kPi));
      break;
  }
  KeepLightness(EditedEntry(list), list);
  return Ok();
}
