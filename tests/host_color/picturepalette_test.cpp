#include <gtest/gtest.h>

#include "color/picturepalette.h"

using host::Bitmap;
using host::PicturePalette;

namespace
{

// Left half one colour, right quarter another, the rest a third; at depth 32
// every pixel is transparent, which must not matter.
Bitmap Quarters(int depth)
{
  Bitmap picture(40, 10, depth);
  for (int y = 0; y < 10; ++y)
  {
    for (int x = 0; x < 40; ++x)
    {
      const host::Rgba c = x < 20   ? host::Rgba{200, 30, 40, 0}
                           : x < 30 ? host::Rgba{20, 90, 220, 0}
                                    : host::Rgba{240, 240, 10, 0};
      picture.SetPixel(x, y, c);
    }
  }
  return picture;
}

}  // namespace

TEST(PicturePalette, RgbAndRgbaBitmapsGiveTheSameColoursAndShares)
{
  for (int depth : {24, 32})
  {
    SCOPED_TRACE(depth);
    const auto swatches = PicturePalette::Extract(Quarters(depth), 3);
    ASSERT_EQ(swatches.size(), 3u);
    EXPECT_NEAR(swatches[0].color.r * 255.0, 200.0, 1e-6);
    EXPECT_NEAR(swatches[0].color.g * 255.0, 30.0, 1e-6);
    EXPECT_NEAR(swatches[0].color.b * 255.0, 40.0, 1e-6);
    EXPECT_DOUBLE_EQ(swatches[0].share, 0.5);
    EXPECT_DOUBLE_EQ(swatches[1].share, 0.25);
    EXPECT_DOUBLE_EQ(swatches[2].share, 0.25);
  }
}

TEST(PicturePalette, AnEmptyPictureGivesNothing)
{
  EXPECT_TRUE(PicturePalette::Extract(Bitmap(), 3).empty());
}
