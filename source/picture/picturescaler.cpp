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

void PictureScaler::CompositeRow(std::int32_t x0, std::int32_t band, std::int32_t w)
{
  const std::int32_t first = _columns.front();
  const std::int32_t cell = 7 * std::max<std::int32_t>(1, static_cast<std::int32_t>(_cellScale));
  for (std::int32_t x = 0; x < w; ++x)
  {
    const std::uint8_t* p = &_source[4 * static_cast<std::size_t>(_columns[static_cast<std::size_t>(x)] - first)];
    const std::uint8_t* grey = _checker[((x0 + x) / cell + band) & 1];
    const int a = p[3];
    for (int c = 0; c < 3; ++c)
      _line[3 * static_cast<std::size_t>(x) + c] =
          static_cast<std::uint8_t>((p[c] * a + grey[c] * (255 - a) + 127) / 255);
  }
}

void PictureScaler::SetChecker(const std::uint8_t lighter[3], const std::uint8_t darker[3])
{
  std::memcpy(_checker[0], lighter, 3);
  std::memcpy(_checker[1], darker, 3);
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
    _source.resize(static_cast<std::size_t>(_columns.back() - _columns.front() + 1) * 4);
    _line.resize(static_cast<std::size_t>(w) * 3);
  }
  catch (const std::bad_alloc&)
  {
    return OutOfMemoryError();
  }
  const std::int32_t first = _columns.front();
  const auto span = static_cast<std::int32_t>(_source.size() / 4);
  const bool alpha = source.HasAlpha();
  const std::int32_t cell = 7 * scale;
  _cellScale = scale;
  std::int32_t loaded = -1, loadedBand = -1;
  for (std::int32_t y = 0; y < h; ++y)
  {
    const std::int32_t sy = _rows[static_cast<std::size_t>(y)];
    // Over the checkerboard a row changes with its cell row too.
    const std::int32_t band = alpha ? (rect.y1 * scale + y) / cell : 0;
    if (sy != loaded || band != loadedBand)
    {
      if (!source.GetRowPart(first, sy, _source.data(), span, alpha ? GXA_PIXEL_RGBA8 : GXA_PIXEL_RGB8))
        return UnexpectedError("The picture refused a row.");
      if (alpha)
        CompositeRow(rect.x1 * scale, band, w);
      else
        for (std::int32_t x = 0; x < w; ++x)
          std::memcpy(&_line[3 * static_cast<std::size_t>(x)],
                      &_source[3 * static_cast<std::size_t>(_columns[static_cast<std::size_t>(x)] - first)], 3);
      loaded = sy;
      loadedBand = band;
    }
    out.SetRow(y, _line.data(), w, GXA_PIXEL_RGB8);
  }
  return Ok();
}
