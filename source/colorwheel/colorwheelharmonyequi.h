#pragma once
// Every colour of the list spaced equally around the wheel.
#include "colorwheel/colorwheelharmony.h"

class ColorWheelHarmonyEqui : public ColorWheelHarmony
{
public:
  explicit ColorWheelHarmonyEqui(const ColorWheel& owner);

  Result<void> Compute(const Vector& hsv, ColorList& list) override;
};
