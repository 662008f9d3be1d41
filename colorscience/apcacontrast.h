#pragma once
// The lightness contrast Lc of text on a background as the APCA model for
// WCAG 3 (0.0.98G constants) estimates it: about 0 to 106 for dark text on
// a light background, about 0 to -108 for light text on a dark one, 0 when
// the two are too close to tell.
#include "colorscience/oklab.h"

namespace colorscience
{

class ApcaContrast
{
public:
  // The screen luminance APCA starts from: a plain 2.4 power per channel.
  static double ScreenLuminance(const SrgbColor& srgb);
  static double Lc(const SrgbColor& text, const SrgbColor& background);
};

}  // namespace colorscience
