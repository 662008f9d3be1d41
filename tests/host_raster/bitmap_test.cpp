#include <gtest/gtest.h>

#include "raster/bitmap.h"

namespace host {
namespace {

Bitmap Pattern(int w, int h, int depth) {
  Bitmap b(w, h, depth);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, {uint8_t(10 * x), uint8_t(10 * y), 7, uint8_t(200 + x)});
  }
  return b;
}

TEST(Bitmap, InitRejectsBadSizesAndDepths) {
  Bitmap b;
  EXPECT_FALSE(b.Init(0, 5));
  EXPECT_FALSE(b.Init(5, -1));
  EXPECT_FALSE(b.Init(5, 5, 16));
  EXPECT_FALSE(b.Init(Bitmap::kMaxSide + 1, 1));
  EXPECT_TRUE(b.IsEmpty());
  ASSERT_TRUE(b.Init(3, 2, 32));
  EXPECT_EQ(b.RowBytes(), 12);
  EXPECT_EQ(b.GetPixel(2, 1), (Rgba{0, 0, 0, 255}));
}

TEST(Bitmap, AlphaComesFromDepthOrChannel) {
  Bitmap rgb(4, 4, 24);
  rgb.SetPixel(1, 1, {1, 2, 3, 40});
  EXPECT_FALSE(rgb.HasAlpha());
  EXPECT_EQ(rgb.GetPixel(1, 1), (Rgba{1, 2, 3, 255}));

  ASSERT_TRUE(rgb.AddAlphaChannel(0));
  EXPECT_EQ(rgb.GetAlpha(1, 1), 0);
  rgb.SetPixel(1, 1, {1, 2, 3, 40});
  EXPECT_EQ(rgb.GetPixel(1, 1), (Rgba{1, 2, 3, 40}));
  EXPECT_EQ(rgb.AlphaRow(1)[1], 40);

  Bitmap rgba(4, 4, 32);
  rgba.SetPixel(3, 3, {9, 8, 7, 6});
  EXPECT_EQ(rgba.Row(3)[15], 6);
  EXPECT_EQ(rgba.GetPixel(4, 0), (Rgba{0, 0, 0, 0}));  // outside
  rgba.SetPixel(-1, 0, {1, 1, 1, 1});                  // ignored
}

TEST(Bitmap, FloatRowsRoundTrip) {
  Bitmap b = Pattern(5, 2, 32);
  std::vector<float> row(20);
  b.GetRowFloat(1, row.data());
  EXPECT_FLOAT_EQ(row[4 * 2], 20 / 255.0f);
  row[0] = 2.0f;   // clamps
  row[1] = -1.0f;  // clamps
  b.SetRowFloat(1, row.data());
  EXPECT_EQ(b.GetPixel(0, 1), (Rgba{255, 0, 7, 200}));
  EXPECT_EQ(b.GetPixel(2, 1), (Rgba{20, 10, 7, 202}));
}

TEST(Bitmap, CopyToKeepsAlphaChannelAndProfile) {
  Bitmap src = Pattern(3, 3, 24);
  src.AddAlphaChannel(77);
  Bitmap dst(9, 9, 32);
  ASSERT_TRUE(src.CopyTo(dst));
  EXPECT_EQ(dst.Width(), 3);
  EXPECT_EQ(dst.Depth(), 24);
  EXPECT_TRUE(dst.HasAlphaChannel());
  EXPECT_EQ(dst.GetPixel(2, 1), (Rgba{20, 10, 7, 77}));
}

TEST(Bitmap, CopyPartToClipsToBothBitmaps) {
  const Bitmap src = Pattern(4, 4, 32);
  Bitmap part;
  ASSERT_TRUE(src.CopyPartTo(part, 1, 2, 2, 2));
  EXPECT_EQ(part.Width(), 2);
  EXPECT_EQ(part.Height(), 2);
  EXPECT_EQ(part.GetPixel(0, 0), src.GetPixel(1, 2));
  EXPECT_EQ(part.GetPixel(1, 1), src.GetPixel(2, 3));

  // Hanging over the right and bottom edges: the rest stays transparent.
  Bitmap over;
  ASSERT_TRUE(src.CopyPartTo(over, 3, 3, 3, 3));
  EXPECT_EQ(over.GetPixel(0, 0), src.GetPixel(3, 3));
  EXPECT_EQ(over.GetPixel(1, 0), (Rgba{0, 0, 0, 0}));
  EXPECT_EQ(over.GetPixel(2, 2), (Rgba{0, 0, 0, 0}));

  // A negative origin shifts the source into the destination.
  Bitmap shifted;
  ASSERT_TRUE(src.CopyPartTo(shifted, -1, -1, 2, 2));
  EXPECT_EQ(shifted.GetPixel(1, 1), src.GetPixel(0, 0));
  EXPECT_EQ(shifted.GetPixel(0, 0).a, 0);

  // An allocated destination keeps its size; a 24-bit one drops alpha.
  Bitmap small(1, 1, 24);
  ASSERT_TRUE(src.CopyPartTo(small, 2, 2, 3, 3));
  EXPECT_EQ(small.Width(), 1);
  EXPECT_EQ(small.GetPixel(0, 0), src.GetPixel(2, 2).WithAlpha(255));

  EXPECT_FALSE(src.CopyPartTo(part, 0, 0, 0, 3));
}

TEST(Bitmap, NearestScalingReplicatesPixels) {
  const Bitmap src = Pattern(2, 2, 24);
  Bitmap dst(4, 4, 24);
  ASSERT_TRUE(src.ScaleTo(dst, ScaleFilter::Nearest));
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dst.GetPixel(x, y), src.GetPixel(x / 2, y / 2));
  }
  Bitmap empty;
  EXPECT_FALSE(src.ScaleTo(empty, ScaleFilter::Nearest));
}

TEST(Bitmap, SmoothShrinkAveragesAndIgnoresTransparentColour) {
  Bitmap src(2, 2, 32);
  src.SetPixel(0, 0, {200, 0, 0, 255});
  src.SetPixel(1, 0, {0, 0, 200, 255});
  src.SetPixel(0, 1, {200, 0, 0, 255});
  src.SetPixel(1, 1, {0, 0, 200, 255});
  Bitmap one(1, 1, 32);
  ASSERT_TRUE(src.ScaleTo(one, ScaleFilter::Smooth));
  EXPECT_EQ(one.GetPixel(0, 0), (Rgba{100, 0, 100, 255}));

  // Fully transparent black must not darken the visible half.
  src.SetPixel(1, 0, {0, 0, 0, 0});
  src.SetPixel(1, 1, {0, 0, 0, 0});
  ASSERT_TRUE(src.ScaleTo(one, ScaleFilter::Smooth));
  EXPECT_EQ(one.GetPixel(0, 0), (Rgba{200, 0, 0, 128}));
}

TEST(Bitmap, SmoothEnlargeInterpolatesBetweenNeighbours) {
  Bitmap src(2, 1, 24);
  src.SetPixel(0, 0, {0, 0, 0});
  src.SetPixel(1, 0, {200, 200, 200});
  Bitmap dst(4, 1, 24);
  ASSERT_TRUE(src.ScaleTo(dst, ScaleFilter::Smooth));
  EXPECT_EQ(dst.GetPixel(0, 0).r, 0);
  EXPECT_EQ(dst.GetPixel(1, 0).r, 50);
  EXPECT_EQ(dst.GetPixel(2, 0).r, 150);
  EXPECT_EQ(dst.GetPixel(3, 0).r, 200);
}

}  // namespace
}  // namespace host
