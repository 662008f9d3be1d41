#include "picture/mosaicaxis.h"

#include <algorithm>

MosaicAxis::MosaicAxis(std::int64_t extent, std::int64_t tileSize)
    : _extent(std::max<std::int64_t>(extent, 0)), _size(std::max<std::int64_t>(tileSize, 1))
{
  const std::int64_t full = _extent / _size;
  const std::int64_t rest = _extent % _size;
  _count = full < 2 ? 1 : full;
  _first = full < 2 ? _extent : (rest > 0 ? _size + (rest - 1) / 2 : _size);
}

std::int64_t MosaicAxis::IndexOf(std::int64_t p) const
{
  if (p < _first)
    return 0;
  return std::min(1 + (p - _first) / _size, _count - 1);
}

double MosaicAxis::GetCentre(std::int64_t tile) const
{
  if (_count == 1)
    return _extent / 2.0;
  return GetStart(tile) + GetWidth(tile) / 2.0;
}
