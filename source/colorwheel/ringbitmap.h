#pragma once
// An anti-aliased ring between an inner radius and the outer radius; the
// hole leaves the target untouched.
#include "colorwheel/circularbitmap.h"

class RingBitmap : public CircularBitmap
{
public:
  // Inner radius = radius - thickness, at least 0 (0 when thickness <= 0).
  Result<void> SetDiameter(double diameter, double thickness);
  double GetInnerRadius() const { return _innerRadius; }

protected:
  void DrawPixel(std::uint8_t* rgb, std::uint8_t* alpha, double distance) const override;

private:
  double _innerRadius = 0.0;
};
