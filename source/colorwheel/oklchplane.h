#pragma once
// The OKLCh hue circle at one lightness, as the perceptual wheel shows it:
// the wheel angle is the OKLCh hue turned so that red sits at the top, as
// on the RGB wheel, and the distance from the centre is the chroma as a
// fraction of the most that a screen shows at that lightness and hue.
#include <array>

#include "colorscience/oklab.h"
#include "vector.h"

class OklchPlane
{
public:
  // Radians from the top of the wheel and OKLCh hue in degrees.
  static double WheelAngleToHue(double wheelAngle);
  static double HueToWheelAngle(double hue);
  // The largest chroma in gamut at this lightness and hue.
  static double MaxChroma(double lightness, double hue);
  // An sRGB colour (0..1) at a wheel angle and a fraction of the largest
  // chroma, and where a colour lies: x the wheel angle, y the fraction.
  static Vector ColorAt(double lightness, double wheelAngle, double fraction);
  static Vector PlaceOf(const Vector& rgb);

  // Keeps the largest chroma around the circle at lightness for Shade.
  void Prepare(double lightness);
  double GetLightness() const { return _lightness; }
  // ColorAt for the prepared lightness, between the kept chromas.
  Vector Shade(double wheelAngle, double fraction) const;

private:
  static constexpr int kSamples = 720;

  double _lightness = -1.0;
  std::array<double, kSamples + 1> _maxChroma{};
};
