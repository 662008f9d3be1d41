#include "colorwheel/colorwheelharmonyanalog.h"

ColorWheelHarmonyAnalog::ColorWheelHarmonyAnalog(const ColorWheel& owner)
    : ColorWheelHarmony(owner, kAnalog, true, {1033501, 1033624, 20038})
{}

Result<void> ColorWheelHarmonyAnalog::Compute(const Vector& hsv, ColorList& list)
{
  ComputeChain(hsv, _step, list);
  return Ok();
}

void ColorWheelHarmonyAnalog::SetAnalogMode(std::int32_t mode)
{
  _mode = mode == 1 ? 1 : 0;
  _step = _mode == 1 ? kPi / 12.0 : kPi / 6.0;
  _maxCount = _mode == 1 ? 24 : 12;
}
