#pragma once
// The colour of a sample: one pixel, or the mean of the square of side n
// (1, 3, 5, 7 or 9) around it, counting only the pixels inside the picture.
#include <cstdint>

#include "basebitmap.h"
#include "vector.h"

class PictureSampler
{
public:
  static constexpr std::int32_t kMaxSize = 9;

  // (x, y) is clamped into the picture; an empty picture answers white.
  static Vector Sample(const BaseBitmap& picture, std::int64_t x, std::int64_t y, std::int32_t size);
  // 1, 3, 5, 7 or 9: anything else becomes the nearest of them.
  static std::int32_t ValidSize(std::int32_t size);
};
