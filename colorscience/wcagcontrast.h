#pragma once
// The contrast ratio of two colours as WCAG 2.2 defines it, from their
// relative luminances, and the levels it passes for normal and large text.
#include "colorscience/oklab.h"

namespace colorscience
{

struct WcagVerdict
{
  bool aa = false, aaa = false;            // normal text
  bool aaLarge = false, aaaLarge = false;  // large text
};

class WcagContrast
{
public:
  static constexpr double kAa = 4.5;
  static constexpr double kAaa = 7.0;
  static constexpr double kAaLarge = 3.0;
  static constexpr double kAaaLarge = 4.5;

  static double RelativeLuminance(const SrgbColor& srgb);
  // 1 up to 21, the lighter colour's luminance over the darker one's, both
  // with the 0.05 of flare added; the order of x and y does not matter.
  static double Ratio(const SrgbColor& x, const SrgbColor& y);
  // The ratio is compared unrounded: 4.499 fails AA.
  static WcagVerdict Judge(double ratio);
};

}  // namespace colorscience
