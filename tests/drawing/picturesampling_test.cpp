// Sampling a picture and placing it in its area: the sample square clipped
// at the border, the zoom limits, fitting and centring.
#include <random>

#include "drawinghost.h"
#include "picture/picturesampler.h"
#include "picture/pictureview.h"

namespace drawingtest {
namespace {

class PictureSamplingTest : public DrawingTest {
 protected:
  void Noise(int w, int h) {
    std::mt19937 random(11);
    ASSERT_TRUE(_picture.Init(w, h, 24).IsOk());
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) _picture.SetPixel(x, y, random() % 256, random() % 256, random() % 256);
  }

  // The mean of the pixels in [x0, x1] x [y0, y1].
  Vector Mean(int x0, int y0, int x1, int y1) {
    Vector sum;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        const Rgb c = At(_picture, x, y);
        sum = sum + Vector(c.r, c.g, c.b);
      }
    return sum / (255.0 * (x1 - x0 + 1) * (y1 - y0 + 1));
  }

  static void ExpectColour(const Vector& got, const Vector& want) {
    EXPECT_NEAR(got.x, want.x, 1e-12);
    EXPECT_NEAR(got.y, want.y, 1e-12);
    EXPECT_NEAR(got.z, want.z, 1e-12);
  }

  BaseBitmap _picture;
};

TEST_F(PictureSamplingTest, OnePixelSamplesThatPixel) {
  Noise(12, 10);
  const Rgb c = At(_picture, 7, 3);
  ExpectColour(PictureSampler::Sample(_picture, 7, 3, 1), Vector(c.r, c.g, c.b) / 255.0);
  // Positions outside the picture are clamped into it.
  const Rgb corner = At(_picture, 11, 0);
  ExpectColour(PictureSampler::Sample(_picture, 40, -5, 1), Vector(corner.r, corner.g, corner.b) / 255.0);
}

TEST_F(PictureSamplingTest, SquaresAverageOnlyThePixelsInsideThePicture) {
  Noise(12, 10);
  ExpectColour(PictureSampler::Sample(_picture, 6, 5, 5), Mean(4, 3, 8, 7));
  // Size 9 at the corner: a 5 x 5 quarter of the square lies inside.
  ExpectColour(PictureSampler::Sample(_picture, 0, 0, 9), Mean(0, 0, 4, 4));
  ExpectColour(PictureSampler::Sample(_picture, 11, 9, 9), Mean(7, 5, 11, 9));
  ExpectColour(PictureSampler::Sample(_picture, 1, 9, 7), Mean(0, 6, 4, 9));
}

TEST_F(PictureSamplingTest, AnEmptyPictureSamplesWhite) {
  ExpectColour(PictureSampler::Sample(_picture, 0, 0, 3), Vector(1.0));
}

TEST(PictureViewTest, ZoomStopsAtFiftyAndAtTheWholePictureInOnePixel) {
  PictureView view;
  view.SetPicture(1, 1);
  view.SetZoom(0.2);
  EXPECT_EQ(view.GetZoom(), 1.0);
  for (int i = 0; i < 100; ++i) view.SetZoom(view.GetZoom() * 1.1);
  EXPECT_EQ(view.GetZoom(), 50.0);
  view.SetPicture(400, 100);
  view.SetZoom(0.0001);
  EXPECT_EQ(view.GetZoom(), 1.0 / 400.0);
  EXPECT_EQ(view.ScaledWidth(), 1);
}

TEST(PictureViewTest, FittingUsesTheWidthUnlessThePictureWouldBeTooTall) {
  PictureView view;
  view.SetPicture(400, 100);
  EXPECT_DOUBLE_EQ(view.FitZoom(200, 200), 0.5);
  view.SetPicture(100, 400);
  EXPECT_DOUBLE_EQ(view.FitZoom(200, 200), 0.5);
}

TEST(PictureViewTest, APictureNarrowerThanItsAreaIsCentred) {
  PictureView view;
  view.SetPicture(10, 100);
  view.SetZoom(2.0);
  view.SetAreaSize(300, 200);
  EXPECT_EQ(view.GetOrigin().x, 140.0);
  EXPECT_EQ(view.GetOrigin().y, 0.0);
  std::int64_t px = 0, py = 0;
  view.PixelAt(141.0, 7.0, px, py);
  EXPECT_EQ(px, 0);
  EXPECT_EQ(py, 3);
  view.PixelAt(10.0, 7.0, px, py);
  EXPECT_EQ(px, 0) << "points beside the picture clamp into it";
  EXPECT_EQ(view.ToArea(5.0, 50.0).x, 150.0);
}

}  // namespace
}  // namespace drawingtest
