#pragma once
// A disc in the first colour inside a ring in a mix of both colours (the
// opacity says how far towards the second). Used for the wheel's handle
// markers and the spectrum's marker.
#include "colorwheel/circularbitmap.h"

class RingCircleBitmap : public CircularBitmap
{
public:
  Result<void> SetDiameter(double diameter, double thickness);
  void SetSecondColor(std::int64_t red, std::int64_t green, std::int64_t blue);
  Result<void> Init(double diameter, double thickness, const std::int64_t* first, const std::int64_t* second,
                    double opacity, bool useAlpha);
  double GetInnerRadius() const { return _innerRadius; }

protected:
  void DrawPixel(std::uint8_t* rgb, std::uint8_t* alpha, double distance) const override;

private:
  double _innerRadius = 0.0;
  std::int64_t _second[3] = {0, 0, 0};
};
