#include "color/picturepalette.h"

namespace host
{

std::vector<colorscience::PaletteExtractor::Swatch> PicturePalette::Extract(const Bitmap& picture, int count)
{
  colorscience::PaletteExtractor extractor;
  const auto rowBytes = static_cast<size_t>(picture.RowBytes());
  for (int y = 0; y < picture.Height(); ++y)
    extractor.Add({picture.Row(y), rowBytes}, picture.BytesPerPixel());
  return extractor.Extract(count);
}

}  // namespace host
