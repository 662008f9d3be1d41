#include "picture/palettesamples.h"

#include <cstdint>
#include <new>

#include "colorscience/paletteextractor.h"

Result<std::vector<ColorListEntry>> PaletteSamples::Extract(const BaseBitmap& picture, int count)
{
  const std::int32_t width = picture.GetWidth(), height = picture.GetHeight();
  try
  {
    colorscience::PaletteExtractor extractor;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3);
    for (std::int32_t y = 0; y < height; ++y)
    {
      if (!picture.GetRow(y, row.data(), width, GXA_PIXEL_RGB8))
        return UnexpectedError("GetRow() failed.");
      extractor.Add(row, 3);
    }
    std::vector<ColorListEntry> samples;
    for (const colorscience::PaletteExtractor::Swatch& swatch : extractor.Extract(count))
    {
      ColorListEntry sample;
      sample.color = Vector(swatch.color.r, swatch.color.g, swatch.color.b).Clamp01();
      sample.selected = samples.empty();
      samples.push_back(sample);
    }
    return samples;
  }
  catch (const std::bad_alloc&)
  {
    return OutOfMemoryError("picture palette");
  }
}
