#include "swatches/swatchthumbnail.h"

#include <cmath>

namespace
{
constexpr std::uint8_t kBackground = 100;

std::uint8_t To8Bit(double c)
{
  const double v = c * 255.0 + 0.5;
  if (!(v > 0.0))
    return 0;
  return v >= 255.0 ? 255 : static_cast<std::uint8_t>(v);
}

// Cells keep a thin grey seam so that equal neighbours still read as two.
std::int32_t Seam(std::int32_t pitch)
{
  return pitch >= 8 ? pitch / 16 + 1 : 0;
}
}  // namespace

SwatchThumbnailGrid SwatchThumbnailGrid::For(std::size_t colorCount)
{
  SwatchThumbnailGrid grid;
  auto side = static_cast<std::int64_t>(std::ceil(std::sqrt(static_cast<double>(colorCount))));
  grid.side = static_cast<std::int32_t>(side < 1 ? 1 : (side > kMaxSide ? kMaxSide : side));
  const std::size_t most = static_cast<std::size_t>(grid.side) * static_cast<std::size_t>(grid.side);
  grid.cells = static_cast<std::int32_t>(colorCount < most ? colorCount : most);
  grid.pitch = kSize / grid.side;
  return grid;
}

Result<BaseArray<std::uint8_t>> RenderSwatchThumbnail(std::span<const SwatchColor> colors)
{
  constexpr std::int32_t n = SwatchThumbnailGrid::kSize;
  BaseArray<std::uint8_t> pixels;
  RETURN_IF_ERROR(pixels.Resize(static_cast<std::size_t>(n) * n * 3));
  std::fill(pixels.begin(), pixels.end(), kBackground);
  const SwatchThumbnailGrid grid = SwatchThumbnailGrid::For(colors.size());
  const std::int32_t seam = Seam(grid.pitch);
  for (std::int32_t i = 0; i < grid.cells; ++i)
  {
    const SwatchColor& c = colors[static_cast<std::size_t>(i)];
    const std::uint8_t rgb[3] = {To8Bit(c.red), To8Bit(c.green), To8Bit(c.blue)};
    const std::int32_t x0 = (i % grid.side) * grid.pitch + seam;
    const std::int32_t y0 = (i / grid.side) * grid.pitch + seam;
    const std::int32_t size = grid.pitch - 2 * seam;
    for (std::int32_t y = y0; y < y0 + size; ++y)
    {
      std::uint8_t* row = pixels.GetData() + (static_cast<std::size_t>(y) * n + x0) * 3;
      for (std::int32_t x = 0; x < size; ++x, row += 3)
      {
        row[0] = rgb[0];
        row[1] = rgb[1];
        row[2] = rgb[2];
      }
    }
  }
  return pixels;
}

Result<BaseBitmap> MakeSwatchThumbnail(std::span<const SwatchColor> colors)
{
  constexpr std::int32_t n = SwatchThumbnailGrid::kSize;
  ASSIGN_OR_RETURN(auto pixels, RenderSwatchThumbnail(colors));
  BaseBitmap bitmap;
  RETURN_IF_ERROR(bitmap.Init(n, n, 24));
  for (std::int32_t y = 0; y < n; ++y)
    if (!bitmap.SetRow(y, pixels.GetData() + static_cast<std::size_t>(y) * n * 3, n, GXA_PIXEL_RGB8))
      return UnexpectedError("the thumbnail could not be drawn");
  return bitmap;
}
