#include "colorscience/colorvision.h"

#include <algorithm>

#include "colorscience/dichromatprojection.h"
#include "colorscience/machadomatrices.h"

namespace colorscience
{

ColorVision::ColorVision(ColorDeficiency kind, double severity) : kind_(kind), severity_(std::clamp(severity, 0.0, 1.0))
{}

SrgbColor ColorVision::SeeLinear(const SrgbColor& linear) const
{
  if (IsNormal())
    return linear;
  if (severity_ >= 1.0)
    return DichromatProjection::Apply(kind_, linear);
  const auto v = MachadoMatrices::At(kind_, severity_).Apply(linear.r, linear.g, linear.b);
  return {v[0], v[1], v[2]};
}

SrgbColor ColorVision::See(const SrgbColor& srgb) const
{
  if (IsNormal())
    return srgb;
  const SrgbColor seen = SeeLinear({OkLab::ToLinear(srgb.r), OkLab::ToLinear(srgb.g), OkLab::ToLinear(srgb.b)});
  const auto encode = [](double c) { return OkLab::ToEncoded(std::clamp(c, 0.0, 1.0)); };
  return {encode(seen.r), encode(seen.g), encode(seen.b)};
}

}  // namespace colorscience
