#pragma once
// The picture the preset browser shows for a swatch preset: the preset's
// colours in a square grid of up to 20 x 20 cells on grey.
#include <cstdint>
#include <span>

#include "basearray.h"
#include "basebitmap.h"
#include "result.h"
#include "swatches/colorswatch.h"

struct SwatchThumbnailGrid
{
  static constexpr std::int32_t kSize = 512;  // a base of 256 at twice the scale
  static constexpr std::int32_t kMaxSide = 20;

  std::int32_t side = 1;   // cells a row and a column
  std::int32_t cells = 0;  // cells drawn
  std::int32_t pitch = kSize;

  static SwatchThumbnailGrid For(std::size_t colorCount);
};

// Row y of the thumbnail: kSize RGB pixels into row.
void RenderSwatchThumbnailRow(std::span<const SwatchColor> colors, const SwatchThumbnailGrid& grid, std::int32_t y,
                              std::uint8_t* row);
// kSize x kSize RGB bytes, rows top to bottom.
Result<BaseArray<std::uint8_t>> RenderSwatchThumbnail(std::span<const SwatchColor> colors);
// The same into a new 24-bit host bitmap, a row at a time.
Result<BaseBitmap> MakeSwatchThumbnail(std::span<const SwatchColor> colors);
