#pragma once
// Where a hue sits on the colour wheel. Angles are radians, hues fractions
// of a turn. Hue 0 is straight up and hues grow counter-clockwise on screen;
// a point at angle theta from the centre lies at (cx + r sin theta,
// cy + r cos theta), screen y growing downwards.
#include <cstdint>

#include "vector.h"

class ColorWheelScheme
{
public:
  static constexpr std::int32_t kRgb = 20000;
  static constexpr std::int32_t kRyb = 20001;
  // Only with the perceptual colour tools preference on.
  static constexpr std::int32_t kOklch = 20002;

  virtual ~ColorWheelScheme() = default;

  virtual std::int32_t GetSchemeId() const = 0;
  virtual double HueToDrawAngle(double hue) const = 0;
  // 0..2 pi from the top of the wheel.
  virtual double HueToWheelAngle(double hue) const = 0;
  // Never 1.0: straight up is the last hue before a full turn.
  virtual double PointToHue(const Vector& point, const Vector& centre) const = 0;
  // The hue angle reached by moving hueAngle by offset around the wheel.
  virtual double RotateHue(double hueAngle, double offset) const = 0;
  // The hue angle at wheel position wheelAngle + offset.
  virtual double WheelAngleToHue(double wheelAngle, double offset) const = 0;

protected:
  static constexpr double kMaxHue = 0.999999;
  static constexpr double kPi = 3.141592653589793;
  static constexpr double kTurn = 2.0 * kPi;
  // atan2 of the point's x then y distance, shifted to 0..2 pi.
  static double PointAngle(const Vector& point, const Vector& centre);
  // fmod by a full turn, into 0..2 pi.
  static double WrapAngle(double angle);
};
