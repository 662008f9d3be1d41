#include "colorwheel/ringcirclebitmap.h"

#include <algorithm>

Result<void> RingCircleBitmap::SetDiameter(double diameter, double thickness)
{
  const Result<void> sized = CircularBitmap::SetDiameter(diameter);
  _innerRadius = sized.IsOk() && thickness > 0.0 ? std::max(0.0, GetRadius() - thickness) : 0.0;
  return sized;
}

void RingCircleBitmap::SetSecondColor(std::int64_t red, std::int64_t green, std::int64_t blue)
{
  _second[0] = red;
  _second[1] = green;
  _second[2] = blue;
}

Result<void> RingCircleBitmap::Init(double diameter, double thickness, const std::int64_t* first,
                                    const std::int64_t* second, double opacity, bool useAlpha)
{
  RETURN_IF_ERROR(SetDiameter(diameter, thickness));
  SetColor(first[0], first[1], first[2]);
  SetSecondColor(second[0], second[1], second[2]);
  SetOpacity(opacity);
  SetUseAlpha(useAlpha);
  return Ok();
}

void RingCircleBitmap::DrawPixel(std::uint8_t* rgb, std::uint8_t* alpha, double distance) const
{
  std::int64_t ring[3];
  for (int i = 0; i < 3; ++i)
    ring[i] = static_cast<std::int64_t>(_color[i] + (_second[i] - _color[i]) * _opacity);

  const double outside = distance - _radius;
  if (outside > 0.0)
  {
    if (outside < 1.0)
      BlendEdge(rgb, alpha, 1.0 - outside, ring, 1.0);
    return;
  }
  const double inner = distance - _innerRadius;
  const std::int64_t* color = inner < 1.0 && inner > 0.0 ? nullptr : (inner <= 0.0 ? _color : ring);
  for (int i = 0; i < 3; ++i)
  {
    const std::int64_t c = color ? color[i] : static_cast<std::int64_t>(_color[i] + (ring[i] - _color[i]) * inner);
    rgb[i] = static_cast<std::uint8_t>(c);
  }
  if (alpha)
    *alpha = 255;
}
