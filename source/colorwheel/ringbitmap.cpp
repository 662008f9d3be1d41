#include "colorwheel/ringbitmap.h"

#include <algorithm>

Result<void> RingBitmap::SetDiameter(double diameter, double thickness)
{
  const Result<void> sized = CircularBitmap::SetDiameter(diameter);
  _innerRadius = sized.IsOk() && thickness > 0.0 ? std::max(0.0, GetRadius() - thickness) : 0.0;
  return sized;
}

void RingBitmap::DrawPixel(std::uint8_t* rgb, std::uint8_t* alpha, double distance) const
{
  const double outside = distance - _radius;
  if (outside > 0.0)
  {
    if (outside < 1.0)
      BlendEdge(rgb, alpha, 1.0 - outside, _color, _opacity);
    return;
  }
  if (distance <= _innerRadius)
    return;
  const double inner = distance - _innerRadius;
  if (inner < 1.0)
  {
    BlendEdge(rgb, alpha, inner, _color, _opacity);
    return;
  }
  Blend(rgb, _color, _opacity);
  if (alpha)
    *alpha = 255;
}
