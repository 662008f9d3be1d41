#pragma once
// How one axis of a picture is cut into tiles of size T: full tiles of T, the
// remainder shared between the first and the last tile so that the grid stays
// centred; fewer than two full tiles make the whole axis one tile.
#include <cstdint>

class MosaicAxis
{
public:
  MosaicAxis(std::int64_t extent, std::int64_t tileSize);

  std::int64_t GetCount() const { return _count; }
  std::int64_t GetStart(std::int64_t tile) const { return tile <= 0 ? 0 : _first + (tile - 1) * _size; }
  std::int64_t GetWidth(std::int64_t tile) const
  {
    if (tile <= 0)
      return _first;
    return tile < _count - 1 ? _size : _extent - GetStart(tile);
  }
  // The tile holding pixel p (clamped into the axis).
  std::int64_t IndexOf(std::int64_t p) const;
  double GetCentre(std::int64_t tile) const;

private:
  std::int64_t _extent;
  std::int64_t _size;
  std::int64_t _count;
  std::int64_t _first;
};
