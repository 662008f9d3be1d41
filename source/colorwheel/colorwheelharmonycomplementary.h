#pragma once
// The colour opposite the main one on the wheel.
#include "colorwheel/colorwheelharmony.h"

class ColorWheelHarmonyComplementary : public ColorWheelHarmony
{
public:
  explicit ColorWheelHarmonyComplementary(const ColorWheel& owner);

  Result<void> Compute(const Vector& hsv, ColorList& list) override;
};
