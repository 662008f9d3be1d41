#include "color/colorspacetransform.h"

#include <cmath>

namespace host
{
namespace
{

// 12.92 x and 1.055 x^(1/2.4) - 0.055 cross here. The published break points
// (0.0031308 and 0.04045) leave a gap of about 3e-8 between the segments,
// which would make decoding an encoded value miss by up to 2e-9.
constexpr double kLinearBreak = 0.0031306684425006340;
constexpr double kEncodedBreak = 12.92 * kLinearBreak;

double EncodeMagnitude(double x)
{
  return x <= kLinearBreak ? 12.92 * x : 1.055 * std::pow(x, 1.0 / 2.4) - 0.055;
}

double DecodeMagnitude(double y)
{
  return y <= kEncodedBreak ? y / 12.92 : std::pow((y + 0.055) / 1.055, 2.4);
}

}  // namespace

double SrgbEncode(double linear)
{
  return linear < 0.0 ? -EncodeMagnitude(-linear) : EncodeMagnitude(linear);
}

double SrgbDecode(double encoded)
{
  return encoded < 0.0 ? -DecodeMagnitude(-encoded) : DecodeMagnitude(encoded);
}

bool TransformColorSpace(int32_t code, const double in[3], double out[3])
{
  if (code != kTransformToLinear && code != kTransformToSrgb)
    return false;
  double (*curve)(double) = code == kTransformToSrgb ? SrgbEncode : SrgbDecode;
  const double r = curve(in[0]), g = curve(in[1]), b = curve(in[2]);
  out[0] = r;
  out[1] = g;
  out[2] = b;
  return true;
}

}  // namespace host
