#pragma once
// PNG pictures for the picture mode, read row by row with libpng: every
// colour type and depth, interlaced or not, comes out as 8-bit RGB (depth
// 24) or, with transparency, RGBA (depth 32); 16-bit components are scaled
// to 8 bits as sRGB-encoded values. The size is checked before anything is
// allocated.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace host
{

class PicturePng
{
public:
  // On failure out is unchanged and error says why; icc receives an
  // embedded profile, or stays empty.
  static bool Decode(std::span<const std::uint8_t> data, std::int64_t maxPixels, Bitmap& out,
                     std::vector<std::uint8_t>& icc, std::string& error);
};

}  // namespace host
