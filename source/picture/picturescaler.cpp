#include "picture/picturescaler.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

PictureScaler::Rect PictureScaler::PictureRect(const PictureView& view, const Rect& visible)
{
  const Vector origin = view.GetOrigin();
  Rect picture;
  picture.x1 = std::max(visible.x1, static_cast<std::int32_t>(origin.x));
  picture.y1 = std::max(visible.y1, static_cast<std::int32_t>(origin.y));
  picture.x2 = std::min(visible.x2, static_cast<std::int32_t>(origin.x) + view.ScaledWidth() - 1);
  picture.y2 = std::min(visible.y2, static_cast<std::int32_t>(origin.y) + view.ScaledHeight() - 1);
  return picture;
}

void PictureScaler::MapAxis(std::int32_t from, std::int32_t count, std::int32_t scale, double origin, double zoom,
                            std::int64_t extent, std::vector<std::int32_t>& map)
{
  map.resize(static_cast<std::size_t>(count));
  const double step = 1.0 / (scale * zoom);
  const double start = (from - origin) / zoom + 0.5 * step;
  const auto last = static_cast<std::int32_t>(extent - 1);
  for (std::int32_t i = 0; i < count; ++i)
    map[static_cast<std::size_t>(i)] = std::clamp(static_cast<std::int32_t>(std::floor(start + i * step)), 0, last);
}

Result<void> PictureScaler::Render(const BaseBitmap& source, const PictureView& view, const Rect& rect,
                                   std::int32_t scale, BaseBitmap& out)
{
  if (rect.IsEmpty() || !view.HasPicture())
    return IllegalArgumentError("Nothing of the picture is in view.");
  scale = std::max(scale, 1);
  const std::int32_t w = (rect.x2 - rect.x1 + 1) * scale, h = (rect.y2 - rect.y1 + 1) * scale;
  if (out.GetWidth() != w || out.GetHeight() != h || out.GetDepth() != 24 || out.HasAlpha())
    RETURN_IF_ERROR(out.Init(w, h, 24));
  const Vector origin = view.GetOrigin();
  try
  {
    MapAxis(rect.x1, w, scale, origin.x, view.GetZoom(), view.GetPictureWidth(), _columns);
    MapAxis(rect.y1, h, scale, origin.y, view.GetZoom(), view.GetPictureHeight(), _rows);
    _source.resize(static_cast<std::size_t>(_columns.back() - _columns.front() + 1) * 3);
    _line.resize(static_cast<std::size_t>(w) * 3);
  }
  catch (const std::bad_alloc&)
  {
    return OutOfMemoryError();
  }
  const std::int32_t first = _columns.front();
  const auto span = static_cast<std::int32_t>(_source.size() / 3);
  std::int32_t loaded = -1;
  for (std::int32_t y = 0; y < h; ++y)
  {
    const std::int32_t sy = _rows[static_cast<std::size_t>(y)];
    if (sy != loaded)
    {
      if (!source.GetRowPart(first, sy, _source.data(), span, GXA_PIXEL_RGB8))
        return UnexpectedError("The picture refused a row.");
      for (std::int32_t x = 0; x < w; ++x)
        std::memcpy(&_line[3 * static_cast<std::size_t>(x)],
                    &_source[3 * static_cast<std::size_t>(_columns[static_cast<std::size_t>(x)] - first)], 3);
      loaded = sy;
    }
    out.SetRow(y, _line.data(), w, GXA_PIXEL_RGB8);
  }
  return Ok();
}
