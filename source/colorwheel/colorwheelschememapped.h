#pragma once
// A wheel whose positions come from RGB hue angles through a mapping and
// its inverse. Offsets apply on the wheel, so harmonies keep their wheel
// geometry.
#include "colorwheel/colorwheelscheme.h"

class ColorWheelSchemeMapped : public ColorWheelScheme
{
public:
  double HueToDrawAngle(double hue) const override;
  double HueToWheelAngle(double hue) const override;
  double PointToHue(const Vector& point, const Vector& centre) const override;
  double RotateHue(double hueAngle, double offset) const override;
  double WheelAngleToHue(double wheelAngle, double offset) const override;

protected:
  // Hue angle to wheel angle and back.
  virtual double MapAngle(double hueAngle) const = 0;
  virtual double UnmapAngle(double wheelAngle) const = 0;
};
