#include "swatches/swatchthumbnail.h"

#include <array>
#include <cmath>
#include <cstring>

namespace
{
constexpr std::uint8_t kBackground = 100;
constexpr std::int32_t kSize = SwatchThumbnailGrid::kSize;

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

void RenderSwatchThumbnailRow(std::span<const SwatchColor> colors, const SwatchThumbnailGrid& grid, std::int32_t y,
                              std::uint8_t* row)
{
  std::memset(row, kBackground, static_cast<std::size_t>(kSize) * 3);
  const std::int32_t seam = Seam(grid.pitch);
  const std::int32_t cellRow = y / grid.pitch;
  const std::int32_t inCell = y % grid.pitch;
  if (cellRow >= grid.side || inCell < seam || inCell >= grid.pitch - seam)
    return;
  for (std::int32_t col = 0; col < grid.side; ++col)
  {
    const std::int32_t i = cellRow * grid.side + col;
    if (i >= grid.cells)
      return;
    const SwatchColor& c = colors[static_cast<std::size_t>(i)];
    const std::array<std::uint8_t, 3> rgb = {To8Bit(c.red), To8Bit(c.green), To8Bit(c.blue)};
    std::uint8_t* px = row + static_cast<std::size_t>(col * grid.pitch + seam) * 3;
    for (std::int32_t x = seam; x < grid.pitch - seam; ++x, px += 3)
      std::memcpy(px, rgb.data(), 3);
  }
}

Result<BaseArray<std::uint8_t>> RenderSwatchThumbnail(std::span<const SwatchColor> colors)
{
  const SwatchThumbnailGrid grid = SwatchThumbnailGrid::For(colors.size());
  BaseArray<std::uint8_t> pixels;
  RETURN_IF_ERROR(pixels.Resize(static_cast<std::size_t>(kSize) * kSize * 3));
  for (std::int32_t y = 0; y < kSize; ++y)
    RenderSwatchThumbnailRow(colors, grid, y, pixels.GetData() + static_cast<std::size_t>(y) * kSize * 3);
  return pixels;
}

Result<BaseBitmap> MakeSwatchThumbnail(std::span<const SwatchColor> colors)
{
  const SwatchThumbnailGrid grid = SwatchThumbnailGrid::For(colors.size());
  std::array<std::uint8_t, static_cast<std::size_t>(kSize) * 3> row;
  BaseBitmap bitmap;
  RETURN_IF_ERROR(bitmap.Init(kSize, kSize, 24));
  for (std::int32_t y = 0; y < kSize; ++y)
  {
    RenderSwatchThumbnailRow(colors, grid, y, row.data());
    if (!bitmap.SetRow(y, row.data(), kSize, GXA_PIXEL_RGB8))
      return UnexpectedError("the thumbnail could not be drawn");
  }
  return bitmap;
}
