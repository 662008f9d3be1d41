#pragma once
// Two complementary pairs 60 degrees apart: the main colour at m, then
// m + 180, m - 60 and m + 120 degrees.
#include "colorwheel/colorwheelharmony.h"

class ColorWheelHarmonyTetrad : public ColorWheelHarmony
{
public:
  explicit ColorWheelHarmonyTetrad(const ColorWheel& owner);

  Result<void> Compute(const Vector& hsv, ColorList& list) override;
};
