#pragma once
// A colour as someone with a colour vision deficiency sees it. Severity 1
// is dichromacy (one cone type missing); below it the cone is shifted, as
// in anomalous trichromacy; 0 is normal vision.
#include "colorscience/colordeficiency.h"
#include "colorscience/oklab.h"

namespace colorscience
{

class ColorVision
{
public:
  ColorVision() = default;
  ColorVision(ColorDeficiency kind, double severity);

  ColorDeficiency Kind() const { return kind_; }
  double Severity() const { return severity_; }
  bool IsNormal() const { return kind_ == ColorDeficiency::kNone || severity_ <= 0.0; }

  SrgbColor SeeLinear(const SrgbColor& linear) const;
  // sRGB in and out; what falls outside the screen's colours is clipped.
  SrgbColor See(const SrgbColor& srgb) const;

private:
  ColorDeficiency kind_ = ColorDeficiency::kNone;
  double severity_ = 0.0;
};

}  // namespace colorscience
