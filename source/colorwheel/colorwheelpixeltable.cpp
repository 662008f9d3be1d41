#include "colorwheel/colorwheelpixeltable.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "colorwheel/colorwheelscheme.h"

Result<void> ColorWheelPixelTable::Prepare(std::int32_t size, std::int32_t centre, double radius,
                                           const ColorWheelScheme& scheme)
{
  if (size == _size && centre == _centre && radius == _radius && scheme.GetSchemeId() == _scheme && _fraction)
    return Ok();
  _size = 0;
  _fraction.reset();
  _centre = centre;
  _radius = radius;
  _scheme = scheme.GetSchemeId();
  _reach = std::max(centre, size - 1 - centre) + 1;
  _size = size;
  Result<void> made = Allocate();
  if (made.IsOk())
  {
    FillQuarter();
    made = FillHues(FillSpans(), scheme);
  }
  if (made.IsError())
    _size = 0;
  return made;
}

Result<void> ColorWheelPixelTable::Allocate()
{
  const auto quarter = static_cast<std::size_t>(_reach) * static_cast<std::size_t>(_reach);
  _radial.reset(new (std::nothrow) double[quarter]);
  _alpha.reset(new (std::nothrow) std::uint8_t[quarter]);
  _spans.reset(new (std::nothrow) std::int32_t[2 * static_cast<std::size_t>(_size)]);
  _offsets.reset(new (std::nothrow) std::int64_t[static_cast<std::size_t>(_size)]);
  if (_radial && _alpha && _spans && _offsets)
    return Ok();
  return OutOfMemoryError();
}

void ColorWheelPixelTable::FillQuarter()
{
  for (std::int32_t dy = 0; dy < _reach; ++dy)
  {
    double* radial = _radial.get() + static_cast<std::size_t>(dy) * _reach;
    std::uint8_t* alpha = _alpha.get() + static_cast<std::size_t>(dy) * _reach;
    for (std::int32_t dx = 0; dx < _reach; ++dx)
    {
      const double fx = dx, fy = dy;
      const double d = std::sqrt(fx * fx + fy * fy);
      const double beyond = d - _radius;
      alpha[dx] = beyond <= 0.0 ? 255 : (beyond < 1.0 ? static_cast<std::uint8_t>((1.0 - beyond) * 255.0 + 0.5) : 0);
      radial[dx] = _radius > 0.0 ? std::clamp(d / _radius, 0.0, 1.0) : (d > 0.0 ? 1.0 : 0.0);
    }
  }
}

// A row is coloured where the distance is less than one pixel past the
// radius: a run about the centre column, since the distance grows with the
// column's offset.
std::int64_t ColorWheelPixelTable::FillSpans()
{
  std::int64_t coloured = 0;
  for (std::int32_t y = 0; y < _size; ++y)
  {
    const double dy = y - _centre;
    std::int32_t reach = -1;
    while (reach + 1 < _reach)
    {
      const double dx = reach + 1;
      if (std::sqrt(dx * dx + dy * dy) - _radius >= 1.0)
        break;
      ++reach;
    }
    const std::int32_t first = reach < 0 ? 0 : std::max(0, _centre - reach);
    const std::int32_t end = reach < 0 ? 0 : std::min(_size, _centre + reach + 1);
    _spans[2 * static_cast<std::size_t>(y)] = first;
    _spans[2 * static_cast<std::size_t>(y) + 1] = end;
    _offsets[y] = coloured;
    coloured += end - first;
  }
  return coloured;
}

Result<void> ColorWheelPixelTable::FillHues(std::int64_t coloured, const ColorWheelScheme& scheme)
{
  const auto n = static_cast<std::size_t>(std::max<std::int64_t>(coloured, 1));
  _sector.reset(new (std::nothrow) std::uint8_t[n]);
  _fraction.reset(new (std::nothrow) double[n]);
  if (!_sector || !_fraction)
  {
    _fraction.reset();
    return OutOfMemoryError();
  }
  const Vector centre(_centre, _centre, 0.0);
  for (std::int32_t y = 0; y < _size; ++y)
  {
    std::uint8_t* sector = _sector.get() + _offsets[y];
    double* fraction = _fraction.get() + _offsets[y];
    for (std::int32_t x = GetFirst(y); x < GetEnd(y); ++x, ++sector, ++fraction)
    {
      // As HsvToRgb splits the hue: six sectors and the place within one.
      const double hue6 = 6.0 * scheme.PointToHue(Vector(x, y, 0.0), centre);
      const double whole = std::floor(hue6);
      *sector = static_cast<std::uint8_t>(whole >= 0.0 && whole < 6.0 ? whole : 0.0);
      *fraction = hue6 - whole;
    }
  }
  return Ok();
}
