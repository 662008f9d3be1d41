#include "colorscience/apcacontrast.h"

#include <algorithm>
#include <cmath>

namespace colorscience
{

namespace
{

constexpr double kTrc = 2.4;
constexpr double kRed = 0.2126729, kGreen = 0.7151522, kBlue = 0.0721750;
// Exponents of the two polarities, for the background and for the text.
constexpr double kNormalBackground = 0.56, kNormalText = 0.57;
constexpr double kReverseBackground = 0.65, kReverseText = 0.62;
// Near black the luminance is lifted softly, for the flare of a real screen.
constexpr double kBlackThreshold = 0.022, kBlackClamp = 1.414;
constexpr double kScale = 1.14, kLowOffset = 0.027, kLowClip = 0.1;
constexpr double kMinimumDelta = 0.0005;

double SoftClamp(double y)
{
  return y > kBlackThreshold ? y : y + std::pow(kBlackThreshold - y, kBlackClamp);
}

}  // namespace

double ApcaContrast::ScreenLuminance(const SrgbColor& srgb)
{
  const auto channel = [](double c) { return std::pow(std::clamp(c, 0.0, 1.0), kTrc); };
  return kRed * channel(srgb.r) + kGreen * channel(srgb.g) + kBlue * channel(srgb.b);
}

double ApcaContrast::Lc(const SrgbColor& text, const SrgbColor& background)
{
  const double yText = SoftClamp(ScreenLuminance(text));
  const double yBackground = SoftClamp(ScreenLuminance(background));
  if (std::abs(yBackground - yText) < kMinimumDelta)
    return 0.0;
  double lc = 0.0;
  if (yBackground > yText)
  {
    const double sapc = (std::pow(yBackground, kNormalBackground) - std::pow(yText, kNormalText)) * kScale;
    lc = sapc < kLowClip ? 0.0 : sapc - kLowOffset;
  }
  else
  {
    const double sapc = (std::pow(yBackground, kReverseBackground) - std::pow(yText, kReverseText)) * kScale;
    lc = sapc > -kLowClip ? 0.0 : sapc + kLowOffset;
  }
  return lc * 100.0;
}

}  // namespace colorscience
