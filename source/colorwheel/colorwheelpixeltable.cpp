#include "colorwheel/colorwheelpixeltable.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "colorwheel/colorwheelscheme.h"

Result<void> ColorWheelPixelTable::Prepare(std::int32_t size, double centre, double radius,
                                           const ColorWheelScheme& scheme)
{
  if (size == _size && centre == _centre && radius == _radius && scheme.GetSchemeId() == _scheme && _alpha)
    return Ok();
  _size = 0;
  RETURN_IF_ERROR(Allocate(static_cast<std::int64_t>(size) * size));
  _size = size;
  _centre = centre;
  _radius = radius;
  _scheme = scheme.GetSchemeId();
  Fill(scheme);
  return Ok();
}

Result<void> ColorWheelPixelTable::Allocate(std::int64_t count)
{
  const auto n = static_cast<std::size_t>(count);
  _alpha.reset(new (std::nothrow) std::uint8_t[n]);
  _sector.reset(new (std::nothrow) std::uint8_t[n]);
  _fraction.reset(new (std::nothrow) double[n]);
  _radial.reset(new (std::nothrow) double[n]);
  if (_alpha && _sector && _fraction && _radial)
    return Ok();
  _alpha.reset();
  return OutOfMemoryError();
}

void ColorWheelPixelTable::Fill(const ColorWheelScheme& scheme)
{
  const Vector centre(_centre, _centre, 0.0);
  std::int64_t i = 0;
  for (std::int32_t y = 0; y < _size; ++y)
  {
    for (std::int32_t x = 0; x < _size; ++x, ++i)
    {
      const double dx = x - _centre, dy = y - _centre;
      const double d = std::sqrt(dx * dx + dy * dy);
      const double beyond = d - _radius;
      _alpha[i] = beyond <= 0.0 ? 255 : (beyond < 1.0 ? static_cast<std::uint8_t>((1.0 - beyond) * 255.0 + 0.5) : 0);
      if (beyond >= 1.0)
      {
        _sector[i] = kUncoloured;
        continue;
      }
      // As HsvToRgb splits the hue: six sectors and the place within one.
      const double hue6 = 6.0 * scheme.PointToHue(Vector(x, y, 0.0), centre);
      const double sector = std::floor(hue6);
      _sector[i] = static_cast<std::uint8_t>(sector >= 0.0 && sector < 6.0 ? sector : 0.0);
      _fraction[i] = hue6 - sector;
      _radial[i] = _radius > 0.0 ? std::clamp(d / _radius, 0.0, 1.0) : (d > 0.0 ? 1.0 : 0.0);
    }
  }
}
