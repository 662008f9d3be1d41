#include "picture/pictureview.h"

#include <algorithm>
#include <cmath>

void PictureView::SetPicture(std::int64_t width, std::int64_t height)
{
  _width = std::max<std::int64_t>(width, 0);
  _height = std::max<std::int64_t>(height, 0);
  _zoom = 1.0;
}

double PictureView::GetMinZoom() const
{
  return HasPicture() ? 1.0 / static_cast<double>(std::max(_width, _height)) : 1.0;
}

bool PictureView::SetZoom(double zoom)
{
  zoom = std::clamp(zoom, GetMinZoom(), kMaxZoom);
  if (zoom == _zoom)
    return false;
  _zoom = zoom;
  return true;
}

double PictureView::FitZoom(std::int32_t viewWidth, std::int32_t viewHeight) const
{
  if (!HasPicture() || viewWidth < 1 || viewHeight < 1)
    return 1.0;
  // Too tall for the view at its width: fit the height instead.
  double zoom = static_cast<double>(viewWidth) / static_cast<double>(_width);
  if (_height * zoom > viewHeight)
    zoom = static_cast<double>(viewHeight) / static_cast<double>(_height);
  return std::clamp(zoom, GetMinZoom(), kMaxZoom);
}

std::int32_t PictureView::ScaledWidth() const
{
  return static_cast<std::int32_t>(static_cast<double>(_width) * _zoom + 0.5);
}

std::int32_t PictureView::ScaledHeight() const
{
  return static_cast<std::int32_t>(static_cast<double>(_height) * _zoom + 0.5);
}

void PictureView::SetAreaSize(std::int32_t width, std::int32_t height)
{
  _areaWidth = width;
  _areaHeight = height;
}

Vector PictureView::GetOrigin() const
{
  return Vector(std::max(0, (_areaWidth - ScaledWidth()) / 2), std::max(0, (_areaHeight - ScaledHeight()) / 2), 0.0);
}

Vector PictureView::ToPicture(double ax, double ay) const
{
  const Vector origin = GetOrigin();
  return Vector((ax - origin.x) / _zoom, (ay - origin.y) / _zoom, 0.0);
}

Vector PictureView::ToArea(double px, double py) const
{
  const Vector origin = GetOrigin();
  return Vector(origin.x + px * _zoom, origin.y + py * _zoom, 0.0);
}

void PictureView::PixelAt(double ax, double ay, std::int64_t& px, std::int64_t& py) const
{
  const Vector p = ToPicture(ax, ay);
  px = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor(p.x)), 0, std::max<std::int64_t>(_width - 1, 0));
  py = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor(p.y)), 0, std::max<std::int64_t>(_height - 1, 0));
}
