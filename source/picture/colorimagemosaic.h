#pragma once
// The picture cut into square tiles, each painted in the colour most of it
// shows: the hue most of its pixels round to (the smaller one on a tie), at
// the mean saturation of those pixels and the mean value of the whole tile.
// Levels run from one tile for the whole picture to single pixels.
//
// The tiles' colours come from MosaicTiles; this keeps the levels and the
// mosaic bitmap of the last one asked for.
#include <cstdint>
#include <memory>
#include <vector>

#include "basebitmap.h"
#include "picture/mosaictiles.h"
#include "result.h"
#include "vector.h"

class ColorImageMosaic
{
public:
  ColorImageMosaic() = default;
  ColorImageMosaic(const ColorImageMosaic&) = delete;
  ColorImageMosaic& operator=(const ColorImageMosaic&) = delete;

  // The picture must outlive the mosaic or the next Init/Free.
  Result<void> Init(const BaseBitmap& picture);
  void Free();
  bool IsReady() const { return _picture != nullptr; }

  std::int64_t GetLevelCount() const { return static_cast<std::int64_t>(_sizes.size()); }
  std::int64_t ClampLevel(std::int64_t level) const;
  std::int64_t GetTileSize(std::int64_t level) const;
  // The mosaic at a level (clamped), built when the level differs from the
  // last one; rebuilt says whether it was. Null before Init.
  Result<const BaseBitmap*> GetMosaic(std::int64_t level, bool* rebuilt = nullptr);
  // Centre of the tile holding picture pixel (x, y), in picture pixels.
  Vector GetTileCentre(std::int64_t x, std::int64_t y, std::int64_t level) const;
  // The tile's colour, 0..1; black before Init.
  Result<Vector> GetTileColour(std::int64_t x, std::int64_t y, std::int64_t level);

private:
  Result<void> Build(std::int64_t tileSize);

  const BaseBitmap* _picture = nullptr;
  std::int64_t _width = 0;
  std::int64_t _height = 0;
  std::int64_t _level = -1;
  std::vector<std::int64_t> _sizes;
  MosaicTiles _tiles;
  std::unique_ptr<std::uint8_t[]> _fill;
  BaseBitmap _mosaic;
};
