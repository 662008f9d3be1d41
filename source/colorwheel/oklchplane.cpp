#include "colorwheel/oklchplane.h"

#include <algorithm>
#include <cmath>

using colorscience::OkLab;
using colorscience::SrgbColor;

namespace
{
constexpr double kPi = 3.141592653589793;
constexpr double kDegrees = 180.0 / kPi;
constexpr double kFullTurn = 360.0;
// Beyond any chroma that sRGB reaches.
constexpr double kChromaBound = 0.5;
constexpr int kBisections = 40;

double RedHue()
{
  static const double hue = OkLab::ToLch(OkLab::FromSrgb({1.0, 0.0, 0.0})).h;
  return hue;
}

double Wrap(double degrees)
{
  const double wrapped = std::fmod(degrees, kFullTurn);
  return wrapped < 0.0 ? wrapped + kFullTurn : wrapped;
}

Vector Clipped(const SrgbColor& srgb)
{
  return Vector(srgb.r, srgb.g, srgb.b).Clamp01();
}
}  // namespace

double OklchPlane::WheelAngleToHue(double wheelAngle)
{
  return Wrap(wheelAngle * kDegrees + RedHue());
}

double OklchPlane::HueToWheelAngle(double hue)
{
  return Wrap(hue - RedHue()) / kDegrees;
}

double OklchPlane::MaxChroma(double lightness, double hue)
{
  if (lightness <= 0.0 || lightness >= 1.0)
    return 0.0;
  double low = 0.0, high = kChromaBound;
  for (int i = 0; i < kBisections; ++i)
  {
    const double chroma = (low + high) / 2.0;
    (OkLab::InGamut(OkLab::ToSrgb(OkLab::FromLch({lightness, chroma, hue}))) ? low : high) = chroma;
  }
  return low;
}

Vector OklchPlane::ColorAt(double lightness, double wheelAngle, double fraction)
{
  const double hue = WheelAngleToHue(wheelAngle);
  const double chroma = std::clamp(fraction, 0.0, 1.0) * MaxChroma(lightness, hue);
  return Clipped(OkLab::ToSrgb(OkLab::FromLch({lightness, chroma, hue})));
}

Vector OklchPlane::PlaceOf(const Vector& rgb)
{
  const auto lch = OkLab::ToLch(OkLab::FromSrgb({rgb.x, rgb.y, rgb.z}));
  const double most = MaxChroma(lch.l, lch.h);
  return {HueToWheelAngle(lch.h), most > 0.0 ? std::clamp(lch.c / most, 0.0, 1.0) : 0.0, 0.0};
}

void OklchPlane::Prepare(double lightness)
{
  if (lightness == _lightness)
    return;
  _lightness = lightness;
  for (int i = 0; i <= kSamples; ++i)
    _maxChroma[static_cast<std::size_t>(i)] = MaxChroma(lightness, WheelAngleToHue(2.0 * kPi * i / kSamples));
}

Vector OklchPlane::Shade(double wheelAngle, double fraction) const
{
  const double at = std::clamp(wheelAngle / (2.0 * kPi), 0.0, 1.0) * kSamples;
  const auto i = std::min(static_cast<int>(at), kSamples - 1);
  const double f = at - i;
  const double most =
      _maxChroma[static_cast<std::size_t>(i)] * (1.0 - f) + _maxChroma[static_cast<std::size_t>(i) + 1] * f;
  const double chroma = std::clamp(fraction, 0.0, 1.0) * most;
  return Clipped(OkLab::ToSrgb(OkLab::FromLch({_lightness, chroma, WheelAngleToHue(wheelAngle)})));
}
