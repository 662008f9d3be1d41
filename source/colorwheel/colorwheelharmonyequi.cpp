#include "colorwheel/colorwheelharmonyequi.h"

ColorWheelHarmonyEqui::ColorWheelHarmonyEqui(const ColorWheel& owner)
    : ColorWheelHarmony(owner, kEqui, true, {1033504, 1033627, 20041})
{}

Result<void> ColorWheelHarmonyEqui::Compute(const Vector& hsv, ColorList& list)
{
  const std::size_t n = list.GetCount();
  // A single colour has nowhere to go.
  ComputeChain(hsv, n > 1 ? kTurn / static_cast<double>(n) : 1.0, list);
  return Ok();
}
