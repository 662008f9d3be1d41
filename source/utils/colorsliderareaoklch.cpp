#include "utils/colorsliderareaoklch.h"

#include <algorithm>

#include "utils/colorconversions.h"
#include "utils/colorutils.h"

using colorscience::OkLab;
using colorscience::OkLabColor;
using colorscience::OkLchColor;
using colorscience::SrgbColor;

namespace
{
constexpr double kFullTurn = 360.0;
// Below this chroma a colour counts as grey and keeps the hue it was given.
constexpr double kGreyChroma = 1e-7;

Vector ToVector(const SrgbColor& srgb)
{
  return {srgb.r, srgb.g, srgb.b};
}
}  // namespace

ColorSliderAreaOklch::ColorSliderAreaOklch()
{
  SetNormalizedMessages(true);
}

double ColorSliderAreaOklch::ValueAt(Channel channel, double t)
{
  switch (channel)
  {
    case Channel::Lightness: return t;
    case Channel::Chroma: return t * kMaxChroma;
    case Channel::Hue: return t * kFullTurn;
    case Channel::A:
    case Channel::B: return (2.0 * t - 1.0) * kMaxChroma;
  }
  return t;
}

double ColorSliderAreaOklch::PositionOf(Channel channel, double value)
{
  double t = value;
  switch (channel)
  {
    case Channel::Lightness: break;
    case Channel::Chroma: t = value / kMaxChroma; break;
    case Channel::Hue: t = value / kFullTurn; break;
    case Channel::A:
    case Channel::B: t = (value / kMaxChroma + 1.0) / 2.0; break;
  }
  return std::clamp(t, 0.0, 1.0);
}

double ColorSliderAreaOklch::ValueOf(const OkLchColor& lch, Channel channel)
{
  switch (channel)
  {
    case Channel::Lightness: return lch.l;
    case Channel::Chroma: return lch.c;
    case Channel::Hue: return lch.h;
    case Channel::A: return OkLab::FromLch(lch).a;
    case Channel::B: return OkLab::FromLch(lch).b;
  }
  return 0.0;
}

OkLchColor ColorSliderAreaOklch::With(const OkLchColor& lch, Channel channel, double value)
{
  OkLchColor result = lch;
  switch (channel)
  {
    case Channel::Lightness: result.l = value; return result;
    case Channel::Chroma: result.c = std::max(value, 0.0); return result;
    case Channel::Hue: result.h = value; return result;
    case Channel::A:
    case Channel::B: break;
  }
  OkLabColor lab = OkLab::FromLch(lch);
  (channel == Channel::A ? lab.a : lab.b) = value;
  result = OkLab::ToLch(lab);
  if (result.c < kGreyChroma)
    result.h = lch.h;
  return result;
}

void ColorSliderAreaOklch::SetColor(const OkLchColor& lch, bool linear)
{
  _lch = lch;
  _linear = linear;
  SetPosition(PositionOf(_channel, ValueOf(lch, _channel)));
}

OkLabColor ColorSliderAreaOklch::LabAt(double t) const
{
  return OkLab::FromLch(With(_lch, _channel, ValueAt(_channel, t)));
}

Vector ColorSliderAreaOklch::GetSliderColor(double t) const
{
  const OkLabColor lab = LabAt(t);
  const SrgbColor srgb = OkLab::ToSrgb(lab);
  const Vector color = ToVector(OkLab::InGamut(srgb) ? srgb : OkLab::GamutMap(OkLab::ToLch(lab))).Clamp01();
  return _linear ? ConvertColorSpace(color, GXA_TRANSFORM_TO_HOST) : color;
}

bool ColorSliderAreaOklch::IsHatched(double t) const
{
  return !OkLab::InGamut(OkLab::ToSrgb(LabAt(t)));
}
