#include "colorspectrumimage.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "gxa_api.h"
#include "utils/colorconversions.h"
#include "utils/colorutils.h"

namespace
{
// Below this saturation HsvToRgb answers a grey.
constexpr double kGreyFloor = 0.001;
// Per column: 1 - s, 1 - s f, 1 - s (1 - f) and s.
constexpr int kColumnFactors = 4;
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

Result<bool> ColorSpectrumImage::Prepare(std::int32_t edge, std::int32_t margin, double hue, bool linear)
{
  if (_valid && edge == _edge && margin == _margin && hue == _hue && linear == _linear)
    return false;
  _valid = false;
  RETURN_IF_ERROR(CreateBitmaps());
  RETURN_IF_ERROR(_square->Init(edge, edge, 24));
  RETURN_IF_ERROR(_square->AddAlpha());
  if (_composed->GetWidth() != edge || _composed->GetHeight() != edge)
  {
    RETURN_IF_ERROR(_composed->Init(edge, edge, 24));
    RETURN_IF_ERROR(_composed->AddAlpha());
  }
  _edge = edge;
  _margin = margin;
  RETURN_IF_ERROR(Fill(hue, linear));
  _hue = hue;
  _linear = linear;
  _valid = true;
  _boxX2 = -1;
  return true;
}

void ColorSpectrumImage::PrepareColumns(double hue)
{
  const std::int32_t steps = _edge - 2 * _margin - 1;
  // The hue splits as in HsvToRgb; only saturation varies along a row.
  const double x = 6.0 * (hue == 1.0 ? 0.0 : hue);
  const double i = std::floor(x);
  const double f = x - i;
  _sector = static_cast<std::int32_t>(i >= 0.0 && i < 6.0 ? i : 0.0);
  for (std::int32_t c = 0; c <= steps; ++c)
  {
    const double s = steps > 0 ? static_cast<double>(c) / steps : 0.0;
    double* column = _columns.get() + static_cast<std::ptrdiff_t>(c) * kColumnFactors;
    column[0] = 1.0 - s;
    column[1] = 1.0 - s * f;
    column[2] = 1.0 - s * (1.0 - f);
    column[3] = s;
  }
}

Result<void> ColorSpectrumImage::Fill(double hue, bool linear)
{
  const std::int32_t inner = _edge - 2 * _margin;
  _columns.reset(new (std::nothrow) double[static_cast<std::size_t>(std::max(inner, 1)) * kColumnFactors]);
  _row.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(_edge) * 4]);
  if (!_columns || !_row)
    return OutOfMemoryError();
  PrepareColumns(hue);
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
  return Ok();
}

void ColorSpectrumImage::FillRow(std::int32_t j, double hue, bool linear, std::uint8_t* row) const
{
  const std::int32_t steps = _edge - 2 * _margin - 1;
  const double v = 1.0 - (steps > 0 ? static_cast<double>(j) / steps : 0.0);
  const int* order = kSectorOrder[_sector];
  for (std::int32_t c = 0; c <= steps; ++c, row += 4)
  {
    row[3] = 255;
    if (linear)
    {
      const double s = steps > 0 ? static_cast<double>(c) / steps : 0.0;
      const Vector rgb = ConvertColorSpace(HsvToRgb(Vector(hue, s, v)), GXA_TRANSFORM_TO_HOST);
      row[0] = To8(rgb.x);
      row[1] = To8(rgb.y);
      row[2] = To8(rgb.z);
      continue;
    }
    const double* column = _columns.get() + static_cast<std::ptrdiff_t>(c) * kColumnFactors;
    if (column[3] < kGreyFloor)
    {
      row[0] = row[1] = row[2] = To8(v);
      continue;
    }
    const double levels[4] = {v, column[0] * v, column[1] * v, column[2] * v};
    row[0] = To8(levels[order[0]]);
    row[1] = To8(levels[order[1]]);
    row[2] = To8(levels[order[2]]);
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
