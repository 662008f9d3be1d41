#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "colorscience/paletteextractor.h"

using colorscience::PaletteExtractor;
using colorscience::SrgbColor;

namespace
{

struct Band
{
  uint8_t r, g, b;
  int rows;
};

// RGB rows of a picture.
struct Picture
{
  int width = 0;
  std::vector<uint8_t> rgb;
};

// Horizontal bands of the given colours, each pixel moved by up to +-noise
// levels per component by a fixed sequence.
Picture Bands(const std::vector<Band>& bands, int width, int noise)
{
  int height = 0;
  for (const Band& b : bands)
    height += b.rows;
  Picture picture{width, std::vector<uint8_t>(static_cast<size_t>(width) * height * 3)};
  uint32_t state = 12345;
  auto jitter = [&](uint8_t v) {
    if (noise == 0)
      return v;
    state = state * 1664525u + 1013904223u;
    const int moved = v + static_cast<int>((state >> 16) % (2 * noise + 1)) - noise;
    return static_cast<uint8_t>(std::clamp(moved, 0, 255));
  };
  int y = 0;
  for (const Band& b : bands)
  {
    for (int i = 0; i < b.rows; ++i, ++y)
    {
      uint8_t* row = &picture.rgb[static_cast<size_t>(y) * width * 3];
      for (int x = 0; x < width; ++x)
      {
        row[3 * x] = jitter(b.r);
        row[3 * x + 1] = jitter(b.g);
        row[3 * x + 2] = jitter(b.b);
      }
    }
  }
  return picture;
}

std::vector<PaletteExtractor::Swatch> Extract(const Picture& picture, int count)
{
  PaletteExtractor extractor;
  extractor.Add(picture.rgb, 3);
  return extractor.Extract(count);
}

void ExpectColour(const SrgbColor& got, const Band& want, double levels)
{
  EXPECT_NEAR(got.r * 255.0, want.r, levels);
  EXPECT_NEAR(got.g * 255.0, want.g, levels);
  EXPECT_NEAR(got.b * 255.0, want.b, levels);
}

const std::vector<Band> kThree{{30, 144, 255, 60}, {255, 99, 71, 30}, {46, 139, 87, 10}};

}  // namespace

TEST(PaletteExtractor, FlatAreasGiveTheirExactColoursMostCommonFirst)
{
  const auto swatches = Extract(Bands(kThree, 50, 0), 3);
  ASSERT_EQ(swatches.size(), 3u);
  for (size_t i = 0; i < 3; ++i)
  {
    ExpectColour(swatches[i].color, kThree[i], 1e-6);
    EXPECT_DOUBLE_EQ(swatches[i].share, kThree[i].rows / 100.0);
  }
}

TEST(PaletteExtractor, NoisyClustersGiveTheirCentres)
{
  const std::vector<Band> bands{{200, 40, 40, 40}, {40, 40, 200, 35}, {235, 225, 120, 25}, {20, 20, 25, 20}};
  const auto swatches = Extract(Bands(bands, 300, 12), 4);
  ASSERT_EQ(swatches.size(), 4u);
  for (size_t i = 0; i < bands.size(); ++i)
  {
    SCOPED_TRACE(i);
    ExpectColour(swatches[i].color, bands[i], 1.5);
    EXPECT_NEAR(swatches[i].share, bands[i].rows / 120.0, 1e-9);
  }
}

// Counted at once, again, or row by row, one picture gives one palette.
TEST(PaletteExtractor, OnePictureAlwaysGivesOnePalette)
{
  const Picture picture = Bands({{10, 200, 90, 20}, {180, 30, 220, 20}, {250, 250, 240, 20}}, 200, 40);
  const auto first = Extract(picture, 6);
  PaletteExtractor rows;
  const size_t rowBytes = static_cast<size_t>(picture.width) * 3;
  for (size_t at = 0; at < picture.rgb.size(); at += rowBytes)
    rows.Add({picture.rgb.data() + at, rowBytes}, 3);
  EXPECT_EQ(rows.PixelCount(), 200u * 60u);
  ASSERT_EQ(first.size(), 6u);
  for (const auto& again : {Extract(picture, 6), rows.Extract(6)})
  {
    ASSERT_EQ(again.size(), first.size());
    for (size_t i = 0; i < first.size(); ++i)
    {
      EXPECT_EQ(again[i].color.r, first[i].color.r);
      EXPECT_EQ(again[i].color.g, first[i].color.g);
      EXPECT_EQ(again[i].color.b, first[i].color.b);
      EXPECT_EQ(again[i].share, first[i].share);
    }
  }
}

// A rare colour far from the rest is kept rather than a second shade of the
// common one.
TEST(PaletteExtractor, ARareDistantColourIsNotSwallowed)
{
  const std::vector<Band> bands{{120, 120, 120, 97}, {255, 0, 0, 3}};
  const auto swatches = Extract(Bands(bands, 100, 6), 2);
  ASSERT_EQ(swatches.size(), 2u);
  ExpectColour(swatches[1].color, bands[1], 3.5);
}

TEST(PaletteExtractor, FewerColoursThanAskedGivesThemAll)
{
  const auto swatches = Extract(Bands(kThree, 10, 0), 8);
  ASSERT_EQ(swatches.size(), 3u);
  ExpectColour(swatches[2].color, kThree[2], 1e-6);
}

TEST(PaletteExtractor, ABadCountOrNoPixelsGivesNothing)
{
  const Picture picture = Bands(kThree, 10, 0);
  EXPECT_TRUE(Extract(picture, 0).empty());
  EXPECT_TRUE(Extract(picture, PaletteExtractor::kMaxCount + 1).empty());
  EXPECT_EQ(Extract(picture, PaletteExtractor::kMaxCount).size(), 3u);
  EXPECT_TRUE(Extract(Picture(), 3).empty());
}

TEST(PaletteExtractor, FourBytePixelsHaveTheirAlphaIgnored)
{
  // Two opaque-looking pixels and one fully transparent one of another
  // colour: alpha weighs nothing either way.
  const std::vector<uint8_t> rgba{10, 20, 30, 255, 10, 20, 30, 0, 200, 100, 0, 0};
  PaletteExtractor extractor;
  extractor.Add(rgba, 4);
  const auto swatches = extractor.Extract(2);
  ASSERT_EQ(swatches.size(), 2u);
  ExpectColour(swatches[0].color, {10, 20, 30, 1}, 1e-6);
  EXPECT_NEAR(swatches[0].share, 2.0 / 3.0, 1e-12);
  ExpectColour(swatches[1].color, {200, 100, 0, 1}, 1e-6);
}

TEST(PaletteExtractor, APartialPixelOrAnOddStepIsNotCounted)
{
  PaletteExtractor extractor;
  const std::vector<uint8_t> bytes{1, 2, 3, 4, 5, 6, 7, 8};
  extractor.Add(bytes, 3);
  EXPECT_EQ(extractor.PixelCount(), 2u);
  extractor.Add(bytes, 2);
  extractor.Add(bytes, 5);
  EXPECT_EQ(extractor.PixelCount(), 2u);
}
