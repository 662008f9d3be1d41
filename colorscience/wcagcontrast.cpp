#include "colorscience/wcagcontrast.h"

#include <algorithm>

namespace colorscience
{

double WcagContrast::RelativeLuminance(const SrgbColor& srgb)
{
  const auto channel = [](double c) { return OkLab::ToLinear(std::clamp(c, 0.0, 1.0)); };
  return 0.2126 * channel(srgb.r) + 0.7152 * channel(srgb.g) + 0.0722 * channel(srgb.b);
}

double WcagContrast::Ratio(const SrgbColor& x, const SrgbColor& y)
{
  const double a = RelativeLuminance(x) + 0.05, b = RelativeLuminance(y) + 0.05;
  return std::max(a, b) / std::min(a, b);
}

WcagVerdict WcagContrast::Judge(double ratio)
{
  return {ratio >= kAa, ratio >= kAaa, ratio >= kAaLarge, ratio >= kAaaLarge};
}

}  // namespace colorscience
