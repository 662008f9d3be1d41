#pragma once
// The hue circle, 0 to 360 degrees in steps of one degree; messages carry t,
// which is the hue as a fraction of a turn.
#include "utils/colorsliderarea.h"

class ColorSliderAreaHue : public ColorSliderArea
{
public:
  ColorSliderAreaHue();

  Vector GetSliderColor(double t) const override;
};
