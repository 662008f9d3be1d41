#include "picture/colorimagemosaic.h"

#include <algorithm>
#include <new>

#include "picture/mosaicaxis.h"

namespace
{
template <typename T>
Result<void> Allocate(std::unique_ptr<T[]>& out, std::int64_t count)
{
  out.reset(new (std::nothrow) T[static_cast<std::size_t>(count)]);
  if (!out)
    return OutOfMemoryError();
  return Ok();
}

}  // namespace

Result<void> ColorImageMosaic::Init(const BaseBitmap& picture)
{
  Free();
  _width = picture.GetWidth();
  _height = picture.GetHeight();
  if (_width < 1 || _height < 1)
    return IllegalArgumentError("The picture is empty.");
  const std::int64_t longest = std::max(_width, _height);
  try
  {
    for (std::int64_t k = 1; longest / k >= 1; ++k)
    {
      if (_sizes.empty() || _sizes.back() != longest / k)
        _sizes.push_back(longest / k);
    }
  }
  catch (const std::bad_alloc&)
  {
    Free();
    return OutOfMemoryError();
  }
  _picture = &picture;
  Result<void> made = Allocate(_fill, _width * 3);
  if (made.IsOk())
    made = _tiles.Read(picture);
  if (made.IsError())
    Free();
  return made;
}

void ColorImageMosaic::Free()
{
  _picture = nullptr;
  _width = _height = 0;
  _level = -1;
  _sizes.clear();
  _tiles.Free();
  _fill.reset();
  _mosaic = BaseBitmap();
}

std::int64_t ColorImageMosaic::ClampLevel(std::int64_t level) const
{
  return std::clamp<std::int64_t>(level, 0, std::max<std::int64_t>(GetLevelCount() - 1, 0));
}

std::int64_t ColorImageMosaic::GetTileSize(std::int64_t level) const
{
  return _sizes.empty() ? 1 : _sizes[static_cast<std::size_t>(ClampLevel(level))];
}

Result<const BaseBitmap*> ColorImageMosaic::GetMosaic(std::int64_t level, bool* rebuilt)
{
  if (rebuilt)
    *rebuilt = false;
  if (!_picture)
    return static_cast<const BaseBitmap*>(nullptr);
  level = ClampLevel(level);
  if (level == _level && _mosaic.IsValid())
    return static_cast<const BaseBitmap*>(&_mosaic);
  _level = -1;
  const Result<void> built = Build(GetTileSize(level));
  if (built.IsError())
  {
    _mosaic = BaseBitmap();
    return built.GetError();
  }
  _level = level;
  if (rebuilt)
    *rebuilt = true;
  return static_cast<const BaseBitmap*>(&_mosaic);
}

Result<void> ColorImageMosaic::Build(std::int64_t tileSize)
{
  if (tileSize < 2)
  {
    if (!_picture->CopyTo(_mosaic))
      return OutOfMemoryError("The mosaic could not copy the picture.");
    return Ok();
  }
  if (_mosaic.GetWidth() != _width || _mosaic.GetHeight() != _height || _mosaic.GetDepth() != 24 || _mosaic.HasAlpha())
    RETURN_IF_ERROR(_mosaic.Init(static_cast<std::int32_t>(_width), static_cast<std::int32_t>(_height), 24));
  const MosaicAxis across(_width, tileSize), down(_height, tileSize);
  const auto w = static_cast<std::int32_t>(_width);
  std::uint8_t* fill = _fill.get();
  for (std::int64_t band = 0; band < down.GetCount(); ++band)
  {
    const std::int64_t y0 = down.GetStart(band), rows = down.GetWidth(band);
    RETURN_IF_ERROR(_tiles.ColourBand(across, y0, rows, fill));
    for (std::int64_t y = y0; y < y0 + rows; ++y)
    {
      if (!_mosaic.SetRow(static_cast<std::int32_t>(y), fill, w, GXA_PIXEL_RGB8))
        return UnexpectedError("The mosaic bitmap refused a row.");
    }
  }
  return Ok();
}

Vector ColorImageMosaic::GetTileCentre(std::int64_t x, std::int64_t y, std::int64_t level) const
{
  const std::int64_t size = GetTileSize(level);
  if (size < 2)
    return Vector(x + 0.5, y + 0.5, 0.0);
  const MosaicAxis across(_width, size), down(_height, size);
  return Vector(across.GetCentre(across.IndexOf(x)), down.GetCentre(down.IndexOf(y)), 0.0);
}

Result<Vector> ColorImageMosaic::GetTileColour(std::int64_t x, std::int64_t y, std::int64_t level)
{
  ASSIGN_OR_RETURN(const BaseBitmap* mosaic, GetMosaic(level));
  if (!mosaic)
    return Vector();
  std::int32_t r = 0, g = 0, b = 0;
  mosaic->GetPixel(static_cast<std::int32_t>(std::clamp<std::int64_t>(x, 0, _width - 1)),
                   static_cast<std::int32_t>(std::clamp<std::int64_t>(y, 0, _height - 1)), r, g, b);
  return Vector(r * (1.0 / 255.0), g * (1.0 / 255.0), b * (1.0 / 255.0)).Clamp01();
}
