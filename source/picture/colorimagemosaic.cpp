#include "picture/colorimagemosaic.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "picture/mosaicaxis.h"
#include "picture/mosaicpixel.h"
#include "utils/colorconversions.h"

namespace
{
std::uint8_t ToByte(double c)
{
  return static_cast<std::uint8_t>(
      std::clamp(static_cast<std::int64_t>(c * 255.0 + 0.5), std::int64_t{0}, std::int64_t{255}));
}

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
    made = ReadPicture();
  if (made.IsError())
    Free();
  return made;
}

Result<void> ColorImageMosaic::ReadPicture()
{
  RETURN_IF_ERROR(Allocate(_pixels, _width * _height * 3));
  RETURN_IF_ERROR(Allocate(_keys, _width * _height));
  const auto w = static_cast<std::int32_t>(_width);
  for (std::int64_t y = 0; y < _height; ++y)
  {
    std::uint8_t* row = _pixels.get() + y * _width * 3;
    _picture->GetRow(static_cast<std::int32_t>(y), row, w, GXA_PIXEL_RGB8);
    std::uint16_t* keys = _keys.get() + y * _width;
    // Neighbouring pixels of a photo often repeat.
    std::int32_t lastRgb = -1;
    std::uint16_t lastKey = 0;
    for (std::int64_t x = 0; x < _width; ++x)
    {
      const std::uint8_t* p = row + 3 * x;
      const std::int32_t rgb = (p[0] << 16) | (p[1] << 8) | p[2];
      if (rgb != lastRgb)
      {
        lastRgb = rgb;
        lastKey = static_cast<std::uint16_t>(MosaicPixel::Key(p[0], p[1], p[2]));
      }
      keys[x] = lastKey;
    }
    _processed = (y + 1) * _width;
  }
  return Ok();
}

void ColorImageMosaic::Free()
{
  _picture = nullptr;
  _width = _height = 0;
  _level = -1;
  _processed = 0;
  _sizes.clear();
  _pixels.reset();
  _keys.reset();
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
    Tile tile{0, down.GetStart(band), 0, down.GetWidth(band)};
    for (std::int64_t column = 0; column < across.GetCount(); ++column)
    {
      tile.x0 = across.GetStart(column);
      tile.width = across.GetWidth(column);
      std::uint8_t c[3];
      TileColour(tile, c);
      for (std::int64_t x = tile.x0; x < tile.x0 + tile.width; ++x)
        std::memcpy(fill + 3 * x, c, 3);
    }
    for (std::int64_t y = tile.y0; y < tile.y0 + tile.height; ++y)
    {
      if (!_mosaic.SetRow(static_cast<std::int32_t>(y), fill, w, GXA_PIXEL_RGB8))
        return UnexpectedError("The mosaic bitmap refused a row.");
    }
  }
  return Ok();
}

std::int32_t ColorImageMosaic::DominantKey(const Tile& tile, double& valueSum)
{
  // Counts only grow, so the best (count, smaller key) seen after each count
  // is the final one; scored as one number it needs no branch.
  constexpr std::uint32_t kLastKey = kKeys - 1;
  const double* components = MosaicPixel::GetTables().components.data();
  std::uint32_t best = 0;
  std::uint32_t* counts = _counts;
  const std::uint16_t* keys = _keys.get() + tile.y0 * _width + tile.x0;
  const std::uint8_t* pixels = _pixels.get() + (tile.y0 * _width + tile.x0) * 3;
  double sum = 0.0;
  for (std::int64_t y = 0; y < tile.height; ++y, keys += _width, pixels += _width * 3)
  {
    for (std::int64_t x = 0; x < tile.width; ++x)
    {
      const std::uint8_t* p = pixels + 3 * x;
      sum += components[std::max(p[0], std::max(p[1], p[2]))];
      const std::uint32_t key = keys[x];
      best = std::max(best, ++counts[key] << 9 | (kLastKey - key));
    }
  }
  valueSum = sum;
  return static_cast<std::int32_t>(kLastKey - (best & 511));
}

void ColorImageMosaic::TileColour(const Tile& tile, std::uint8_t* rgb)
{
  double valueSum = 0.0;
  const std::int32_t dominant = DominantKey(tile, valueSum);
  const MosaicPixel::Tables& tables = MosaicPixel::GetTables();
  std::uint32_t* counts = _counts;
  const std::uint16_t* keys = _keys.get() + tile.y0 * _width + tile.x0;
  const std::uint8_t* pixels = _pixels.get() + (tile.y0 * _width + tile.x0) * 3;
  double hueSum = 0.0, saturationSum = 0.0;
  std::int64_t votes = 0;
  for (std::int64_t y = 0; y < tile.height; ++y, keys += _width, pixels += _width * 3)
  {
    for (std::int64_t x = 0; x < tile.width; ++x)
    {
      const std::int32_t key = keys[x];
      counts[key] = 0;
      if (key != dominant)
        continue;
      double h, s;
      MosaicPixel::HueSaturation(tables, pixels + 3 * x, dominant, h, s);
      hueSum += h;
      saturationSum += s;
      ++votes;
    }
  }
  const double n = static_cast<double>(votes);
  const Vector colour =
      HsvToRgb(Vector(hueSum / n, saturationSum / n, valueSum / static_cast<double>(tile.width * tile.height)));
  rgb[0] = ToByte(colour.x);
  rgb[1] = ToByte(colour.y);
  rgb[2] = ToByte(colour.z);
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
