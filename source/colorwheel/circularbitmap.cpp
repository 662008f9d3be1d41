#include "colorwheel/circularbitmap.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "basebitmap.h"
#include "gxa_api.h"

namespace
{
constexpr std::int64_t kBufferCap = 100000000;
constexpr std::int64_t kRowSlack = 10;

std::int64_t Clamp255(std::int64_t v)
{
  return std::clamp<std::int64_t>(v, 0, 255);
}
}  // namespace

CircularBitmap::~CircularBitmap() = default;

Result<void> CircularBitmap::SetDiameter(double diameter)
{
  const double radius = diameter > 0.0 ? diameter / 2.0 : 0.0;
  if (radius == _radius)
    return Ok();
  _radius = radius;
  if (radius == 0.0)
    return Ok();
  // A row holds ceil(diameter) + 2 pixels at most; with alpha, four bytes each.
  const std::int64_t needed =
      std::min<std::int64_t>(3 * static_cast<std::int64_t>(std::ceil(diameter)) + kRowSlack, kBufferCap);
  if (_rowBuffer && needed <= _capacity)
    return Ok();
  const std::int64_t capacity = std::min(2 * needed, kBufferCap);
  _rowBuffer.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(capacity)]);
  _capacity = _rowBuffer ? capacity : 0;
  if (!_rowBuffer)
    return OutOfMemoryError();
  return Ok();
}

void CircularBitmap::SetColor(const Vector& rgb)
{
  for (int i = 0; i < 3; ++i)
    _color[i] = Clamp255(static_cast<std::int64_t>(rgb[i] * 255.0 + 0.5));
}

void CircularBitmap::SetColor(std::int64_t red, std::int64_t green, std::int64_t blue)
{
  _color[0] = Clamp255(red);
  _color[1] = Clamp255(green);
  _color[2] = Clamp255(blue);
}

void CircularBitmap::SetOpacity(double opacity)
{
  _opacity = std::clamp(opacity, 0.0, 1.0);
}

void CircularBitmap::Blend(std::uint8_t* rgb, const std::int64_t* color, double weight)
{
  for (int i = 0; i < 3; ++i)
    rgb[i] = static_cast<std::uint8_t>(static_cast<std::int64_t>(rgb[i] + (color[i] - rgb[i]) * weight));
}

std::uint8_t CircularBitmap::EdgeAlpha(double coverage)
{
  return static_cast<std::uint8_t>(static_cast<std::int64_t>(255.0 * coverage + 0.5));
}

void CircularBitmap::BlendEdge(std::uint8_t* rgb, std::uint8_t* alpha, double coverage, const std::int64_t* color,
                               double strength)
{
  const std::uint8_t edge = EdgeAlpha(coverage);
  if (!alpha || *alpha != 0)
  {
    Blend(rgb, color, coverage * strength);
    if (alpha)
      *alpha = std::max(*alpha, edge);
    return;
  }
  Blend(rgb, color, strength);
  *alpha = edge;
}

void CircularBitmap::Draw(BaseBitmap& target, const Vector& centre)
{
  if (_radius <= 0.0 || !_rowBuffer)
    return;
  const std::int64_t width = target.GetWidth(), height = target.GetHeight();
  _clipX1 = std::max<std::int64_t>(0, static_cast<std::int64_t>(std::floor(centre.x - _radius)));
  _clipY1 = std::max<std::int64_t>(0, static_cast<std::int64_t>(std::floor(centre.y - _radius)));
  _clipX2 = std::min<std::int64_t>(width - 1, static_cast<std::int64_t>(std::ceil(centre.x + _radius)));
  _clipY2 = std::min<std::int64_t>(height - 1, static_cast<std::int64_t>(std::ceil(centre.y + _radius)));
  _rowWidth = _clipX2 - _clipX1 + 1;
  if (_rowWidth < 1 || _clipY2 < _clipY1 || 4 * _rowWidth > _capacity)
    return;
  DrawRows(target, centre, _useAlpha && target.HasAlpha());
}

void CircularBitmap::DrawRows(BaseBitmap& target, const Vector& centre, bool withAlpha)
{
  const std::int32_t format = withAlpha ? GXA_PIXEL_RGBA8 : GXA_PIXEL_RGB8;
  const std::int64_t stride = withAlpha ? 4 : 3;
  const auto x1 = static_cast<std::int32_t>(_clipX1), count = static_cast<std::int32_t>(_rowWidth);
  std::uint8_t* row = _rowBuffer.get();
  for (std::int64_t y = _clipY1; y <= _clipY2; ++y)
  {
    const auto py = static_cast<std::int32_t>(y);
    if (!target.GetRowPart(x1, py, row, count, format))
      return;
    const double dy = static_cast<double>(y) - centre.y;
    for (std::int64_t i = 0; i < _rowWidth; ++i)
    {
      const double dx = static_cast<double>(_clipX1 + i) - centre.x;
      std::uint8_t* pixel = row + i * stride;
      DrawPixel(pixel, withAlpha ? pixel + 3 : nullptr, std::sqrt(dx * dx + dy * dy));
    }
    target.SetRowPart(x1, py, row, count, format);
  }
}
