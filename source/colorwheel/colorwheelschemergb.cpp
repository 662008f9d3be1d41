#include "colorwheel/colorwheelschemergb.h"

#include <algorithm>

double ColorWheelSchemeRGB::HueToDrawAngle(double hue) const
{
  return kTurn * hue - kPi;
}

double ColorWheelSchemeRGB::HueToWheelAngle(double hue) const
{
  return kTurn * hue;
}

double ColorWheelSchemeRGB::PointToHue(const Vector& point, const Vector& centre) const
{
  return std::clamp(PointAngle(point, centre) / kTurn, 0.0, kMaxHue);
}

double ColorWheelSchemeRGB::RotateHue(double hueAngle, double offset) const
{
  return WrapAngle(hueAngle + offset);
}

double ColorWheelSchemeRGB::WheelAngleToHue(double wheelAngle, double offset) const
{
  return RotateHue(wheelAngle, offset);
}
