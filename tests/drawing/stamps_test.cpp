// The circle stamps painted into host bitmaps: every pixel of the target is
// compared with the blending rule at its distance from the centre, also
// where the stamp hangs over an edge of the bitmap, with and without alpha.
#include <algorithm>
#include <cmath>
#include <functional>

#include "colorwheel/circlebitmap.h"
#include "colorwheel/ringbitmap.h"
#include "colorwheel/ringcirclebitmap.h"
#include "drawinghost.h"

namespace drawingtest {
namespace {
constexpr int kSide = 24;
const Rgb kGrey{100, 100, 100};

int Mix(int p, int c, double weight) { return static_cast<int>(p + (c - p) * weight); }

Rgb Mix(Rgb p, Rgb c, double weight) { return {Mix(p.r, c.r, weight), Mix(p.g, c.g, weight), Mix(p.b, c.b, weight)}; }

class StampTest : public DrawingTest {
 protected:
  // Each pixel against rule(distance), which answers the expected colour.
  void ExpectPixels(double cx, double cy, const std::function<Rgb(double)>& rule) {
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x)
        ASSERT_EQ(At(_target, x, y), rule(std::hypot(x - cx, y - cy))) << "pixel " << x << ", " << y;
  }

  BaseBitmap _target;
};

TEST_F(StampTest, DiscClippedAtEachEdge) {
  const Rgb red{250, 20, 0};
  CircleBitmap disc;
  ASSERT_TRUE(disc.Init(11.0, red.r, red.g, red.b, 0.8, false).IsOk());
  // Each centre leaves part of the disc outside one edge of the bitmap.
  const double centres[][2] = {{-2.3, 12}, {12, -2.6}, {kSide + 1.4, 12}, {12, kSide + 1.7}, {-1, -1.5}};
  for (const auto& c : centres) {
    SCOPED_TRACE(::testing::Message() << "centre " << c[0] << ", " << c[1]);
    Fill(_target, kSide, kSide, kGrey);
    disc.Draw(_target, Vector(c[0], c[1], 0.0));
    ExpectPixels(c[0], c[1], [&](double d) {
      if (d <= 5.5) return Mix(kGrey, red, 0.8);
      return d - 5.5 < 1.0 ? Mix(kGrey, red, (1.0 - (d - 5.5)) * 0.8) : kGrey;
    });
  }
}

TEST_F(StampTest, DiscWithAlphaRaisesTheAlphaOfTransparentPixels) {
  const Rgb blue{0, 40, 240};
  CircleBitmap disc;
  ASSERT_TRUE(disc.Init(9.0, blue.r, blue.g, blue.b, 1.0, true).IsOk());
  Fill(_target, kSide, kSide, Rgb{0, 0, 0}, 0);
  const Vector centre(10.3, 11.6, 0.0);
  disc.Draw(_target, centre);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double beyond = std::hypot(x - centre.x, y - centre.y) - 4.5;
      // A transparent pixel takes the full colour and the edge's alpha.
      const int alpha = beyond <= 0 ? 255 : (beyond < 1 ? static_cast<int>(255 * (1 - beyond) + 0.5) : 0);
      ASSERT_EQ(_target.GetAlpha(x, y), alpha) << x << ", " << y;
      ASSERT_EQ(At(_target, x, y), beyond < 1 ? blue : (Rgb{0, 0, 0})) << x << ", " << y;
    }
  }
  // Over opaque pixels the edge blends and the alpha stays.
  Fill(_target, kSide, kSide, kGrey, 255);
  disc.Draw(_target, centre);
  EXPECT_EQ(_target.GetAlpha(15, 11), 255);
  const double d = std::hypot(15 - centre.x, 11 - centre.y);
  EXPECT_EQ(At(_target, 15, 11), Mix(kGrey, blue, 1.0 - (d - 4.5)));
}

TEST_F(StampTest, WithoutAlphaTheTargetsAlphaStays) {
  // The wheel's markers near its rim colour pixels without making the
  // transparent corners around the wheel opaque.
  CircleBitmap disc;
  ASSERT_TRUE(disc.Init(9.0, 255, 255, 255, 1.0, false).IsOk());
  Fill(_target, kSide, kSide, kGrey, 0);
  disc.Draw(_target, Vector(12, 12, 0));
  EXPECT_EQ(At(_target, 12, 12), (Rgb{255, 255, 255}));
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) ASSERT_EQ(_target.GetAlpha(x, y), 0) << x << ", " << y;
}

TEST_F(StampTest, NothingForADiameterOfZero) {
  CircleBitmap disc;
  ASSERT_TRUE(disc.Init(0.0, 255, 0, 0, 1.0, false).IsOk());
  Fill(_target, kSide, kSide, kGrey);
  disc.Draw(_target, Vector(12, 12, 0));
  ExpectPixels(12, 12, [](double) { return kGrey; });
}

TEST_F(StampTest, RingLeavesItsHoleUntouched) {
  const Rgb white{255, 255, 255};
  RingBitmap ring;
  ASSERT_TRUE(ring.SetDiameter(20.0, 3.0).IsOk());
  EXPECT_DOUBLE_EQ(ring.GetInnerRadius(), 7.0);
  ring.SetColor(Vector(1.0, 1.0, 1.0));
  Fill(_target, kSide, kSide, kGrey);
  ring.Draw(_target, Vector(11.5, 12, 0));
  ExpectPixels(11.5, 12, [&](double d) {
    if (d > 10.0) return d - 10.0 < 1.0 ? Mix(kGrey, white, 1.0 - (d - 10.0)) : kGrey;
    if (d <= 7.0) return kGrey;
    return d - 7.0 < 1.0 ? Mix(kGrey, white, d - 7.0) : white;
  });
}

TEST_F(StampTest, RingCircleMixesItsRingTowardsTheSecondColour) {
  const std::int64_t first[3] = {200, 100, 0};
  const std::int64_t second[3] = {0, 0, 0};
  RingCircleBitmap marker;
  ASSERT_TRUE(marker.Init(16.0, 2.0, first, second, 0.5, false).IsOk());
  Fill(_target, kSide, kSide, kGrey);
  marker.Draw(_target, Vector(12, 12, 0));
  const Rgb inside{200, 100, 0}, ring{100, 50, 0};
  ExpectPixels(12, 12, [&](double d) {
    if (d > 8.0) return d - 8.0 < 1.0 ? Mix(kGrey, ring, 1.0 - (d - 8.0)) : kGrey;
    if (d <= 6.0) return inside;
    return d - 6.0 < 1.0 ? Mix(inside, ring, d - 6.0) : ring;
  });
}
}  // namespace
}  // namespace drawingtest
