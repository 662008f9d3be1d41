#include "colorspectrumimage.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <new>

#include "gxa_api.h"
#include "utils/colorconversions.h"
#include "utils/colorutils.h"

namespace
{
// Below this saturation HsvToRgb answers a grey.
constexpr double kGreyFloor = 0.001;
// Where value, p, q and t go in each of HsvToRgb's six hue sectors.
constexpr int kSectorOrder[6][3] = {{0, 3, 1}, {2, 0, 1}, {1, 0, 3}, {1, 2, 0}, {3, 1, 0}, {0, 1, 2}};

// floor(c * 255 + 0.5); components are never negative, so truncation is the
// same and needs no call into the maths library.
std::uint8_t To8(double c)
{
  return static_cast<std::uint8_t>(static_cast<std::int64_t>(c * 255.0 + 0.5));
}
}  // namespace

Result<void> ColorSpectrumImage::CreateBitmaps()
{
  for (std::unique_ptr<BaseBitmap>* bitmap : {&_square, &_composed})
  {
    if (!*bitmap)
      bitmap->reset(new (std::nothrow) BaseBitmap());
    if (!*bitmap || !(*bitmap)->IsValid())
    {
      bitmap->reset();
      return OutOfMemoryError();
    }
  }
  return Ok();
}

namespace
{
// Sizes a bitmap as an edge x edge square with an alpha channel; one that
// already is keeps its pixels, which the caller overwrites.
Result<void> SizeSquare(BaseBitmap& bitmap, std::int32_t edge)
{
  if (bitmap.GetWidth() == edge && bitmap.GetHeight() == edge && bitmap.GetDepth() == 24 && bitmap.HasAlpha())
    return Ok();
  RETURN_IF_ERROR(bitmap.Init(edge, edge, 24));
  return bitmap.AddAlpha();
}

// Four bytes r, g, b, 255 in memory order, as one store.
std::uint32_t PackOpaque(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
  if constexpr (std::endian::native == std::endian::little)
    return r | g << 8 | b << 16 | 0xFF000000u;
  else
    return r << 24 | g << 16 | b << 8 | 0xFFu;
}

// To8 for 0 <= c <= 1, through a 32-bit conversion that vectorises.
std::uint32_t To8Unit(double c)
{
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(c * 255.0 + 0.5));
}
}  // namespace

Result<bool> ColorSpectrumImage::Prepare(std::int32_t edge, std::int32_t margin, double hue, bool linear)
{
  if (_valid && edge == _edge && margin == _margin && hue == _hue && linear == _linear)
    return false;
  // The margin stays transparent from the last build of the same geometry.
  const bool marginsClear = _valid && edge == _edge && margin == _margin;
  _valid = false;
  RETURN_IF_ERROR(CreateBitmaps());
  RETURN_IF_ERROR(SizeSquare(*_square, edge));
  RETURN_IF_ERROR(SizeSquare(*_composed, edge));
  if (!_row || edge != _edge || margin != _margin)
    RETURN_IF_ERROR(Allocate(edge, margin));
  Fill(hue, linear, marginsClear);
  _hue = hue;
  _linear = linear;
  _valid = true;
  _boxX2 = -1;
  return true;
}

Result<void> ColorSpectrumImage::Allocate(std::int32_t edge, std::int32_t margin)
{
  const std::int32_t inner = std::max(edge - 2 * margin, 1);
  _factors.reset(new (std::nothrow) double[static_cast<std::size_t>(inner) * 3]);
  _row.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(std::max(edge, 1)) * 4]);
  if (!_factors || !_row)
  {
    _row.reset();
    return OutOfMemoryError();
  }
  _edge = edge;
  _margin = margin;
  return Ok();
}

void ColorSpectrumImage::PrepareColumns(double hue)
{
  const std::int32_t steps = _edge - 2 * _margin - 1;
  // The hue splits as in HsvToRgb; only saturation varies along a row.
  const double x = 6.0 * (hue == 1.0 ? 0.0 : hue);
  const double i = std::floor(x);
  const double f = x - i;
  const int* order = kSectorOrder[static_cast<std::int32_t>(i >= 0.0 && i < 6.0 ? i : 0.0)];
  for (std::int32_t c = 0; c <= steps; ++c)
  {
    const double s = steps > 0 ? static_cast<double>(c) / steps : 0.0;
    // The value itself is the value times 1.0, to the bit.
    const double levels[4] = {1.0, 1.0 - s, 1.0 - s * f, 1.0 - s * (1.0 - f)};
    for (int k = 0; k < 3; ++k)
      _factors[static_cast<std::size_t>(k) * (steps + 1) + c] = s < kGreyFloor ? 1.0 : levels[order[k]];
  }
}

void ColorSpectrumImage::Fill(double hue, bool linear, bool marginsClear)
{
  const std::int32_t inner = _edge - 2 * _margin;
  PrepareColumns(hue);
  if (marginsClear)
  {
    for (std::int32_t j = 0; j < inner; ++j)
    {
      FillRow(j, hue, linear, _row.get());
      _square->SetRowPart(_margin, _margin + j, _row.get(), inner, GXA_PIXEL_RGBA8);
    }
    return;
  }
  // The margin is transparent, so that the gadget's background shows.
  std::fill(_row.get(), _row.get() + static_cast<std::size_t>(_edge) * 4, 0);
  for (std::int32_t y = 0; y < _edge; ++y)
  {
    const std::int32_t j = y - _margin;
    if (j >= 0 && j < inner)
      FillRow(j, hue, linear, _row.get() + static_cast<std::size_t>(_margin) * 4);
    else if (j == inner)
      std::fill(_row.get(), _row.get() + static_cast<std::size_t>(_edge) * 4, 0);
    _square->SetRow(y, _row.get(), _edge, GXA_PIXEL_RGBA8);
  }
}

void ColorSpectrumImage::FillRow(std::int32_t j, double hue, bool linear, std::uint8_t* row) const
{
  const std::int32_t steps = _edge - 2 * _margin - 1;
  const double v = 1.0 - (steps > 0 ? static_cast<double>(j) / steps : 0.0);
  if (linear)
  {
    for (std::int32_t c = 0; c <= steps; ++c, row += 4)
    {
      const double s = steps > 0 ? static_cast<double>(c) / steps : 0.0;
      const Vector rgb = ConvertColorSpace(HsvToRgb(Vector(hue, s, v)), GXA_TRANSFORM_TO_HOST);
      row[0] = To8(rgb.x);
      row[1] = To8(rgb.y);
      row[2] = To8(rgb.z);
      row[3] = 255;
    }
    return;
  }
  const std::size_t n = static_cast<std::size_t>(steps) + 1;
  const double* red = _factors.get();
  const double* green = red + n;
  const double* blue = green + n;
  for (std::size_t c = 0; c < n; ++c)
  {
    const std::uint32_t pixel = PackOpaque(To8Unit(red[c] * v), To8Unit(green[c] * v), To8Unit(blue[c] * v));
    std::memcpy(row + 4 * c, &pixel, 4);
  }
}

Result<void> ColorSpectrumImage::BuildMarker(double radius, double ringWidth)
{
  RETURN_IF_ERROR(_marker.SetDiameter(2.0 * radius, ringWidth));
  _markerBuilt = true;
  return Ok();
}

void ColorSpectrumImage::RestoreUnderMarker()
{
  if (_boxX2 < _boxX1 || !_row)
    return;
  const std::int32_t count = _boxX2 - _boxX1 + 1;
  if (count > _edge)
  {
    _square->CopyTo(*_composed);
    return;
  }
  for (std::int32_t y = _boxY1; y <= _boxY2; ++y)
  {
    _square->GetRowPart(_boxX1, y, _row.get(), count, GXA_PIXEL_RGBA8);
    _composed->SetRowPart(_boxX1, y, _row.get(), count, GXA_PIXEL_RGBA8);
  }
}

Result<void> ColorSpectrumImage::Compose(const Marker& marker, bool full)
{
  if (!_valid)
    return UnexpectedError("The spectrum square is not built.");
  if (full)
  {
    if (!_square->CopyTo(*_composed))
      return UnexpectedError("BaseBitmap::CopyTo() failed");
  }
  else
  {
    RestoreUnderMarker();
  }
  _marker.SetColor(marker.color);
  _marker.SetSecondColor(marker.grey, marker.grey, marker.grey);
  _marker.SetOpacity(marker.opacity);
  _marker.Draw(*_composed, marker.centre);
  const double r = _marker.GetRadius();
  _boxX1 = std::max(0, static_cast<std::int32_t>(std::floor(marker.centre.x - r)));
  _boxY1 = std::max(0, static_cast<std::int32_t>(std::floor(marker.centre.y - r)));
  _boxX2 = std::min(_edge - 1, static_cast<std::int32_t>(std::ceil(marker.centre.x + r)));
  _boxY2 = std::min(_edge - 1, static_cast<std::int32_t>(std::ceil(marker.centre.y + r)));
  return Ok();
}
