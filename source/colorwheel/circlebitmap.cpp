#include "colorwheel/circlebitmap.h"

Result<void> CircleBitmap::Init(double diameter, std::int64_t red, std::int64_t green, std::int64_t blue,
                                double opacity, bool useAlpha)
{
  RETURN_IF_ERROR(SetDiameter(diameter));
  SetColor(red, green, blue);
  SetOpacity(opacity);
  SetUseAlpha(useAlpha);
  return Ok();
}

void CircleBitmap::DrawPixel(std::uint8_t* rgb, std::uint8_t* alpha, double distance) const
{
  const double outside = distance - _radius;
  if (outside <= 0.0)
  {
    Blend(rgb, _color, _opacity);
    if (alpha)
      *alpha = 255;
  }
  else if (outside < 1.0)
  {
    BlendEdge(rgb, alpha, 1.0 - outside, _color, _opacity);
  }
}
