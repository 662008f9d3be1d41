#include "colorwheel/colorwheelschememapped.h"

#include <algorithm>

double ColorWheelSchemeMapped::HueToDrawAngle(double hue) const
{
  return MapAngle(kTurn * hue) + kPi;
}

double ColorWheelSchemeMapped::HueToWheelAngle(double hue) const
{
  return MapAngle(kTurn * hue);
}

double ColorWheelSchemeMapped::PointToHue(const Vector& point, const Vector& centre) const
{
  return std::clamp(UnmapAngle(PointAngle(point, centre)) / kTurn, 0.0, kMaxHue);
}

double ColorWheelSchemeMapped::WheelAngleToHue(double wheelAngle, double offset) const
{
  return UnmapAngle(WrapAngle(wheelAngle + offset));
}

double ColorWheelSchemeMapped::RotateHue(double hueAngle, double offset) const
{
  return WheelAngleToHue(MapAngle(hueAngle), offset);
}
