#pragma once
// The main colour and the two colours 150 degrees to either side of it.
#include "colorwheel/colorwheelharmony.h"

class ColorWheelHarmonySplit : public ColorWheelHarmony
{
public:
  explicit ColorWheelHarmonySplit(const ColorWheel& owner);

  Result<void> Compute(const Vector& hsv, ColorList& list) override;
};
