#pragma once
// A filled anti-aliased disc.
#include "colorwheel/circularbitmap.h"

class CircleBitmap : public CircularBitmap
{
public:
  Result<void> Init(double diameter, std::int64_t red, std::int64_t green, std::int64_t blue, double opacity,
                    bool useAlpha);

protected:
  void DrawPixel(std::uint8_t* rgb, std::uint8_t* alpha, double distance) const override;
};
