#include "colorscience/oklab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace colorscience
{

namespace
{

using Matrix = std::array<std::array<double, 3>, 3>;

// Linear sRGB to cone responses, and cube-rooted responses to L, a, b, as
// published with OKLab. The inverses are computed from them rather than
// taken from the rounded published inverses, so round trips are exact to the
// last bits.
constexpr Matrix kToLms{{{0.4122214708, 0.5363325363, 0.0514459929},
                         {0.2119034982, 0.6806995451, 0.1073969566},
                         {0.0883024619, 0.2817188376, 0.6299787005}}};
constexpr Matrix kToLab{{{0.2104542553, 0.7936177850, -0.0040720468},
                         {1.9779984951, -2.4285922050, 0.4505937099},
                         {0.0259040371, 0.7827717662, -0.8086757660}}};

Matrix Inverse(const Matrix& m)
{
  const double c00 = m[1][1] * m[2][2] - m[1][2] * m[2][1];
  const double c01 = m[1][2] * m[2][0] - m[1][0] * m[2][2];
  const double c02 = m[1][0] * m[2][1] - m[1][1] * m[2][0];
  const double det = m[0][0] * c00 + m[0][1] * c01 + m[0][2] * c02;
  return {{{c00 / det, (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det, (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det},
           {c01 / det, (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det, (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det},
           {c02 / det, (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det, (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det}}};
}

std::array<double, 3> Apply(const Matrix& m, double x, double y, double z)
{
  return {m[0][0] * x + m[0][1] * y + m[0][2] * z, m[1][0] * x + m[1][1] * y + m[1][2] * z,
          m[2][0] * x + m[2][1] * y + m[2][2] * z};
}

const Matrix& FromLms()
{
  static const Matrix m = Inverse(kToLms);
  return m;
}

const Matrix& FromLab()
{
  static const Matrix m = Inverse(kToLab);
  return m;
}

SrgbColor Clip(const SrgbColor& c)
{
  return {std::clamp(c.r, 0.0, 1.0), std::clamp(c.g, 0.0, 1.0), std::clamp(c.b, 0.0, 1.0)};
}

}  // namespace

// Both curves run symmetric through zero so that colours outside the gamut
// keep their sign on the way through linear light.
double OkLab::ToLinear(double encoded)
{
  const double v = std::abs(encoded);
  const double linear = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  return std::copysign(linear, encoded);
}

double OkLab::ToEncoded(double linear)
{
  const double v = std::abs(linear);
  const double encoded = v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
  return std::copysign(encoded, linear);
}

OkLabColor OkLab::FromLinear(const SrgbColor& linear)
{
  const auto lms = Apply(kToLms, linear.r, linear.g, linear.b);
  const auto lab = Apply(kToLab, std::cbrt(lms[0]), std::cbrt(lms[1]), std::cbrt(lms[2]));
  return {lab[0], lab[1], lab[2]};
}

SrgbColor OkLab::ToLinear(const OkLabColor& lab)
{
  const auto root = Apply(FromLab(), lab.l, lab.a, lab.b);
  const auto rgb =
      Apply(FromLms(), root[0] * root[0] * root[0], root[1] * root[1] * root[1], root[2] * root[2] * root[2]);
  return {rgb[0], rgb[1], rgb[2]};
}

OkLabColor OkLab::FromSrgb(const SrgbColor& srgb)
{
  return FromLinear({ToLinear(srgb.r), ToLinear(srgb.g), ToLinear(srgb.b)});
}

SrgbColor OkLab::ToSrgb(const OkLabColor& lab)
{
  const SrgbColor linear = ToLinear(lab);
  return {ToEncoded(linear.r), ToEncoded(linear.g), ToEncoded(linear.b)};
}

OkLchColor OkLab::ToLch(const OkLabColor& lab)
{
  const double c = std::hypot(lab.a, lab.b);
  double h = std::atan2(lab.b, lab.a) * 180.0 / std::numbers::pi;
  if (h < 0.0)
    h += 360.0;
  return {lab.l, c, c == 0.0 ? 0.0 : h};
}

OkLabColor OkLab::FromLch(const OkLchColor& lch)
{
  const double h = lch.h * std::numbers::pi / 180.0;
  return {lch.l, lch.c * std::cos(h), lch.c * std::sin(h)};
}

double OkLab::DeltaE(const OkLabColor& x, const OkLabColor& y)
{
  return std::sqrt((x.l - y.l) * (x.l - y.l) + (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b));
}

bool OkLab::InGamut(const SrgbColor& c)
{
  // Round trips of colours on the gamut's faces land a few ulps outside it.
  constexpr double kSlack = 1e-12;
  auto inside = [](double v) { return v >= -kSlack && v <= 1.0 + kSlack; };
  return inside(c.r) && inside(c.g) && inside(c.b);
}

SrgbColor OkLab::GamutMap(const OkLchColor& lch)
{
  if (lch.l >= 1.0)
    return {1.0, 1.0, 1.0};
  if (lch.l <= 0.0)
    return {0.0, 0.0, 0.0};
  const SrgbColor origin = ToSrgb(FromLch(lch));
  if (InGamut(origin))
    return Clip(origin);
  constexpr double kEpsilon = 0.0001;
  auto clippedAt = [&](double chroma, double& distance) {
    const OkLabColor lab = FromLch({lch.l, chroma, lch.h});
    const SrgbColor clipped = Clip(ToSrgb(lab));
    distance = DeltaE(FromSrgb(clipped), lab);
    return clipped;
  };
  double distance = 0.0;
  SrgbColor clipped = clippedAt(lch.c, distance);
  if (distance < kJustNoticeable)
    return clipped;
  // Bisect on chroma; once a chroma out of gamut has been found close enough
  // to its clipped colour, the lower bound is no longer known to be inside.
  double low = 0.0, high = lch.c;
  bool lowInGamut = true;
  while (high - low > kEpsilon)
  {
    const double chroma = (low + high) / 2.0;
    const SrgbColor current = ToSrgb(FromLch({lch.l, chroma, lch.h}));
    if (lowInGamut && InGamut(current))
    {
      low = chroma;
      continue;
    }
    clipped = clippedAt(chroma, distance);
    if (distance < kJustNoticeable)
    {
      if (kJustNoticeable - distance < kEpsilon)
        return clipped;
      lowInGamut = false;
      low = chroma;
    }
    else
    {
      high = chroma;
    }
  }
  return clipped;
}

}  // namespace colorscience
