#include "utils/colorsliderareakelvin.h"

#include "utils/colortemperature.h"

ColorSliderAreaKelvin::ColorSliderAreaKelvin()
{
  SetRange(kMinimumKelvin, kMaximumKelvin, 1.0);
  SetNormalizedMessages(false);
}

Vector ColorSliderAreaKelvin::GetSliderColor(double t) const
{
  return KelvinToColorUnclamped((kMaximumKelvin - kMinimumKelvin) * t + kMinimumKelvin, _tint);
}
