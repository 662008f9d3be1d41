#include "picture/colorimagemosaic.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "picture/mosaicaxis.h"
#include "picture/mosaicpixel.h"
#include "utils/colorconversions.h"

namespace
{
constexpr std::int32_t kKeys = 360;

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

template <typename T>
Result<void> Resize(std::vector<T>& out, std::size_t count)
{
  try
  {
    out.assign(count, T{});
  }
  catch (const std::bad_alloc&)
  {
    return OutOfMemoryError();
  }
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
  for (std::int64_t k = 1; longest / k >= 1; ++k)
  {
    if (_sizes.empty() || _sizes.back() != longest / k)
      _sizes.push_back(longest / k);
  }
  _picture = &picture;
  Result<void> made = Allocate(_row, _width * 3);
  if (made.IsOk())
    made = Allocate(_fill, _width * 3);
  if (made.IsOk())
    made = ComputeKeys();
  if (made.IsError())
    Free();
  return made;
}

Result<void> ColorImageMosaic::ComputeKeys()
{
  RETURN_IF_ERROR(Allocate(_keys, _width * _height));
  const auto w = static_cast<std::int32_t>(_width);
  std::uint8_t* row = _row.get();
  for (std::int64_t y = 0; y < _height; ++y)
  {
    _picture->GetRow(static_cast<std::int32_t>(y), row, w, GXA_PIXEL_RGB8);
    std::uint16_t* keys = _keys.get() + y * _width;
    // Neighbouring pixels of a photo often repeat, and the conversion is the
    // costly part of loading.
    std::int32_t lastRgb = -1;
    std::uint16_t lastKey = 0;
    for (std::int64_t x = 0; x < _width; ++x)
    {
      const std::uint8_t* p = row + 3 * x;
      const std::int32_t rgb = (p[0] << 16) | (p[1] << 8) | p[2];
      if (rgb != lastRgb)
      {
        lastRgb = rgb;
        lastKey = static_cast<std::uint16_t>(MosaicPixel::FromRgb8(p[0], p[1], p[2]).key);
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
  _keys.reset();
  _row.reset();
  _fill.reset();
  _counts = {};
  _tallies = {};
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
  const MosaicAxis across(_width, tileSize);
  RETURN_IF_ERROR(Resize(_counts, static_cast<std::size_t>(across.GetCount() * kKeys)));
  RETURN_IF_ERROR(Resize(_tallies, static_cast<std::size_t>(across.GetCount())));
  const MosaicAxis down(_height, tileSize);
  for (std::int64_t band = 0; band < down.GetCount(); ++band)
    RETURN_IF_ERROR(BuildBand(down.GetStart(band), down.GetWidth(band), tileSize));
  _counts = {};
  _tallies = {};
  return Ok();
}

Result<void> ColorImageMosaic::BuildBand(std::int64_t y0, std::int64_t rows, std::int64_t tileSize)
{
  std::fill(_tallies.begin(), _tallies.end(), TileTally{});
  CountBand(y0, rows, tileSize);
  SumDominantBand(y0, rows, tileSize);
  const MosaicAxis across(_width, tileSize);
  std::uint8_t* fill = _fill.get();
  for (std::int64_t tile = 0; tile < across.GetCount(); ++tile)
  {
    const TileTally& tally = _tallies[static_cast<std::size_t>(tile)];
    const double area = static_cast<double>(across.GetWidth(tile) * rows);
    const double votes = tally.bestCount;
    const Vector rgb = HsvToRgb(Vector(tally.hueSum / votes, tally.saturationSum / votes, tally.valueSum / area));
    const std::uint8_t c[3] = {ToByte(rgb.x), ToByte(rgb.y), ToByte(rgb.z)};
    const std::int64_t end = across.GetStart(tile) + across.GetWidth(tile);
    for (std::int64_t x = across.GetStart(tile); x < end; ++x)
      std::copy(c, c + 3, fill + 3 * x);
  }
  const auto w = static_cast<std::int32_t>(_width);
  for (std::int64_t y = y0; y < y0 + rows; ++y)
  {
    if (!_mosaic.SetRow(static_cast<std::int32_t>(y), fill, w, GXA_PIXEL_RGB8))
      return UnexpectedError("The mosaic bitmap refused a row.");
  }
  return Ok();
}

void ColorImageMosaic::CountBand(std::int64_t y0, std::int64_t rows, std::int64_t tileSize)
{
  // Every value the conversion can give an 8-bit pixel, so the sum runs in
  // the same order and precision as a sum over pixel records.
  static const auto kValues = [] {
    std::vector<double> values(256);
    for (int i = 0; i < 256; ++i)
      values[static_cast<std::size_t>(i)] = MosaicPixel::Component(static_cast<std::uint8_t>(i));
    return values;
  }();
  const MosaicAxis across(_width, tileSize);
  const auto w = static_cast<std::int32_t>(_width);
  for (std::int64_t y = y0; y < y0 + rows; ++y)
  {
    _picture->GetRow(static_cast<std::int32_t>(y), _row.get(), w, GXA_PIXEL_RGB8);
    const std::uint16_t* keys = _keys.get() + y * _width;
    const std::uint8_t* row = _row.get();
    for (std::int64_t tile = 0; tile < across.GetCount(); ++tile)
    {
      TileTally& tally = _tallies[static_cast<std::size_t>(tile)];
      std::uint32_t* counts = _counts.data() + tile * kKeys;
      const std::int64_t end = across.GetStart(tile) + across.GetWidth(tile);
      double valueSum = tally.valueSum;
      for (std::int64_t x = across.GetStart(tile); x < end; ++x)
      {
        const std::int32_t key = keys[x];
        const std::uint32_t count = ++counts[key];
        if (count > tally.bestCount || (count == tally.bestCount && key < tally.bestKey))
        {
          tally.bestCount = count;
          tally.bestKey = key;
        }
        const std::uint8_t* p = row + 3 * x;
        valueSum += kValues[std::max(p[0], std::max(p[1], p[2]))];
      }
      tally.valueSum = valueSum;
    }
  }
}

void ColorImageMosaic::SumDominantBand(std::int64_t y0, std::int64_t rows, std::int64_t tileSize)
{
  const MosaicAxis across(_width, tileSize);
  const auto w = static_cast<std::int32_t>(_width);
  for (std::int64_t y = y0; y < y0 + rows; ++y)
  {
    _picture->GetRow(static_cast<std::int32_t>(y), _row.get(), w, GXA_PIXEL_RGB8);
    const std::uint16_t* keys = _keys.get() + y * _width;
    const std::uint8_t* row = _row.get();
    for (std::int64_t tile = 0; tile < across.GetCount(); ++tile)
    {
      TileTally& tally = _tallies[static_cast<std::size_t>(tile)];
      std::uint32_t* counts = _counts.data() + tile * kKeys;
      const std::int64_t end = across.GetStart(tile) + across.GetWidth(tile);
      for (std::int64_t x = across.GetStart(tile); x < end; ++x)
      {
        counts[keys[x]] = 0;
        if (keys[x] != tally.bestKey)
          continue;
        const std::uint8_t* p = row + 3 * x;
        const MosaicPixel pixel = MosaicPixel::FromRgb8(p[0], p[1], p[2]);
        tally.hueSum += pixel.hue;
        tally.saturationSum += pixel.saturation;
      }
    }
  }
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
