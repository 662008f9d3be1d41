#pragma once
// A decoded picture's representative colours (see
// colorscience/paletteextractor.h), its rows counted as they lie in the
// bitmap, RGB or RGBA, without a copy.
#include <vector>

#include "colorscience/paletteextractor.h"
#include "raster/bitmap.h"

namespace host
{

class PicturePalette
{
public:
  static std::vector<colorscience::PaletteExtractor::Swatch> Extract(const Bitmap& picture, int count);
};

}  // namespace host
