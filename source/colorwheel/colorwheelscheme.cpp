#include "colorwheel/colorwheelscheme.h"

#include <cmath>

double ColorWheelScheme::PointAngle(const Vector& point, const Vector& centre)
{
  return std::atan2(point.x - centre.x, point.y - centre.y) + kPi;
}

double ColorWheelScheme::WrapAngle(double angle)
{
  const double wrapped = std::fmod(angle, kTurn);
  return wrapped < 0.0 ? wrapped + kTurn : wrapped;
}
