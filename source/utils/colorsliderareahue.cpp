#include "utils/colorsliderareahue.h"

#include "utils/colorconversions.h"

ColorSliderAreaHue::ColorSliderAreaHue()
{
  // One degree per step.
  SetRange(0.0, kTwoPi, 0.017453292519943295);
}

Vector ColorSliderAreaHue::GetSliderColor(double t) const
{
  return HsvToRgb(Vector(t, 1.0, 1.0));
}
