#include "picture/picturesampler.h"

#include <algorithm>

Vector PictureSampler::Sample(const BaseBitmap& picture, std::int64_t x, std::int64_t y, std::int32_t size)
{
  const std::int64_t w = picture.GetWidth(), h = picture.GetHeight();
  if (w < 1 || h < 1)
    return Vector(1.0);
  x = std::clamp<std::int64_t>(x, 0, w - 1);
  y = std::clamp<std::int64_t>(y, 0, h - 1);
  const std::int64_t half = ValidSize(size) / 2;
  const std::int64_t x0 = std::max<std::int64_t>(x - half, 0), x1 = std::min(x + half, w - 1);
  const std::int64_t y0 = std::max<std::int64_t>(y - half, 0), y1 = std::min(y + half, h - 1);
  std::uint8_t row[3 * kMaxSize];
  const auto count = static_cast<std::int32_t>(x1 - x0 + 1);
  std::int64_t sum[3] = {0, 0, 0}, pixels = 0;
  for (std::int64_t sy = y0; sy <= y1; ++sy)
  {
    if (!picture.GetRowPart(static_cast<std::int32_t>(x0), static_cast<std::int32_t>(sy), row, count, GXA_PIXEL_RGB8))
      continue;
    for (std::int32_t i = 0; i < count; ++i)
      for (int c = 0; c < 3; ++c)
        sum[c] += row[3 * i + c];
    pixels += count;
  }
  if (pixels == 0)
    return Vector(1.0);
  const double scale = 1.0 / (static_cast<double>(pixels) * 255.0);
  return Vector(sum[0] * scale, sum[1] * scale, sum[2] * scale).Clamp01();
}

std::int32_t PictureSampler::ValidSize(std::int32_t size)
{
  size = std::clamp(size, 1, kMaxSize);
  return size % 2 == 1 ? size : size + 1;
}
