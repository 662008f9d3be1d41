#pragma once
// The wheel of the RGB hue circle: a hue's position is the hue itself.
#include "colorwheel/colorwheelscheme.h"

class ColorWheelSchemeRGB : public ColorWheelScheme
{
public:
  std::int32_t GetSchemeId() const override { return kRgb; }
  double HueToDrawAngle(double hue) const override;
  double HueToWheelAngle(double hue) const override;
  double PointToHue(const Vector& point, const Vector& centre) const override;
  double RotateHue(double hueAngle, double offset) const override;
  double WheelAngleToHue(double wheelAngle, double offset) const override;
};
