#pragma once
// Colour temperatures from 1000 to 10000 K in steps of one kelvin, shifted
// by a green-magenta tint. Messages carry kelvin.
#include "utils/colorsliderarea.h"

class ColorSliderAreaKelvin : public ColorSliderArea
{
public:
  static constexpr double kMinimumKelvin = 1000.0;
  static constexpr double kMaximumKelvin = 10000.0;

  ColorSliderAreaKelvin();

  Vector GetSliderColor(double t) const override;

  void SetTint(double tint) { _tint = tint; }
  double GetTint() const { return _tint; }

private:
  double _tint = 0.0;
};
