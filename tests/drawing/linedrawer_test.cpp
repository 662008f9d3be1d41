// Coverage of anti-aliased lines, solid and dashed, painted into a white
// bitmap in black: a pixel's level tells how much of it the line covered.
#include <cmath>
#include <vector>

#include "colorwheel/linedrawer.h"
#include "drawinghost.h"

namespace drawingtest {
namespace {
constexpr int kSide = 48;
const Rgb kWhite{255, 255, 255};

// The level of a white pixel under a black line of width 1 at this distance
// from its centre line, away from the ends.
int Level(double distance) {
  const double beyond = distance - 0.5;
  const double side = beyond <= 0.0 ? 1.0 : (beyond < 1.0 ? 1.0 - beyond : 0.0);
  return static_cast<int>(255.0 - 255.0 * side);
}

class LineDrawerTest : public DrawingTest {
 protected:
  void SetUp() override {
    Fill(_bitmap, kSide, kSide, kWhite);
    _line.SetWidth(1.0);
    _line.SetColor(0, 0, 0);
  }

  // Every pixel along the middle of the segment has the level of its
  // distance from the centre line.
  void ExpectLevelsAcross(double x1, double y1, double x2, double y2) {
    const double length = std::hypot(x2 - x1, y2 - y1);
    const double ux = (x2 - x1) / length, uy = (y2 - y1) / length;
    const double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    int checked = 0;
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        const double along = std::fabs((x - mx) * ux + (y - my) * uy);
        if (along > length / 2 - 2) continue;
        const double distance = std::fabs(-(x - x1) * uy + (y - y1) * ux);
        const int level = Level(distance);
        ASSERT_EQ(At(_bitmap, x, y), (Rgb{level, level, level})) << "pixel " << x << ", " << y << " at " << distance;
        ++checked;
      }
    }
    EXPECT_GT(checked, 100);
  }

  BaseBitmap _bitmap;
  LineDrawer _line;
};

TEST_F(LineDrawerTest, CoverageFollowsTheDistanceInEveryDirection) {
  // Full within half a pixel, half at one pixel, none from one and a half.
  EXPECT_EQ(Level(0.0), 0);
  EXPECT_EQ(Level(1.0), 127);
  EXPECT_EQ(Level(1.5), 255);
  const std::vector<std::vector<double>> lines = {
      {4, 20, 44, 20},          // horizontal
      {20, 44, 20, 4},          // vertical, upwards
      {4.5, 20.5, 44.5, 20.5},  // between pixel rows: rows at 0.5 and 1.5
      {4, 4, 44, 44},           // diagonal
      {44, 10, 4, 30},          // shallow, right to left
      {12, 44, 30, 3},          // steep, rising
  };
  for (const auto& l : lines) {
    SCOPED_TRACE(::testing::Message() << l[0] << "," << l[1] << " to " << l[2] << "," << l[3]);
    Fill(_bitmap, kSide, kSide, kWhite);
    EXPECT_TRUE(_line.DrawLine(l[0], l[1], l[2], l[3], _bitmap));
    ExpectLevelsAcross(l[0], l[1], l[2], l[3]);
  }
}

TEST_F(LineDrawerTest, EndsFadeOverOnePixel) {
  ASSERT_TRUE(_line.DrawLine(9.5, 20, 30.5, 20, _bitmap));
  // Pixels 10..30 lie within the segment; 9 and 31 half a pixel past an end.
  for (int x = 10; x <= 30; ++x) EXPECT_EQ(At(_bitmap, x, 20).r, 0) << x;
  EXPECT_EQ(At(_bitmap, 9, 20).r, 127);
  EXPECT_EQ(At(_bitmap, 31, 20).r, 127);
  EXPECT_EQ(At(_bitmap, 8, 20), kWhite);
  EXPECT_EQ(At(_bitmap, 32, 20), kWhite);
}

TEST_F(LineDrawerTest, NothingForZeroWidthOrLength) {
  EXPECT_FALSE(_line.SetWidth(0.0));
  EXPECT_FALSE(_line.DrawLine(4, 4, 40, 40, _bitmap));
  EXPECT_TRUE(_line.SetWidth(-1.0));
  EXPECT_FALSE(_line.DrawLine(20, 20, 20, 20, _bitmap));
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) ASSERT_EQ(At(_bitmap, x, y), kWhite);
}

TEST_F(LineDrawerTest, OpacityAndColourBlendIntoThePixel) {
  Fill(_bitmap, kSide, kSide, Rgb{100, 200, 0});
  _line.SetColor(200, 0, 300);
  _line.SetOpacity(0.5);
  ASSERT_TRUE(_line.DrawLine(4, 20, 44, 20, _bitmap));
  EXPECT_EQ(At(_bitmap, 20, 20), (Rgb{150, 100, 127}));
}

TEST_F(LineDrawerTest, KeepsTheTargetsAlpha) {
  Fill(_bitmap, kSide, kSide, kWhite, 0);
  ASSERT_TRUE(_line.DrawLine(4, 20, 44, 20, _bitmap));
  EXPECT_EQ(At(_bitmap, 20, 20), (Rgb{0, 0, 0}));
  EXPECT_EQ(_bitmap.GetAlpha(20, 20), 0);
}

TEST_F(LineDrawerTest, DashedLineShorterThanItsFirstGapDrawsNothing) {
  EXPECT_FALSE(_line.DrawDashedLine(10, 20, 12.5, 20, 5, 3, true, _bitmap));
  for (int x = 0; x < kSide; ++x) ASSERT_EQ(At(_bitmap, x, 20), kWhite);
  // Without the gap first the same line is one short dash.
  EXPECT_TRUE(_line.DrawDashedLine(10, 20, 12.5, 20, 5, 3, false, _bitmap));
}

TEST_F(LineDrawerTest, LastDashEndsOnTheSecondEnd) {
  // Gap 3, dashes at 3..8 and 11..16, then only 1 of the last dash is left.
  ASSERT_TRUE(_line.DrawDashedLine(0, 20, 20, 20, 5, 3, true, _bitmap));
  const std::vector<int> dark = {3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 19, 20};
  for (int x = 0; x < kSide; ++x) {
    const bool inDash = std::find(dark.begin(), dark.end(), x) != dark.end();
    EXPECT_EQ(At(_bitmap, x, 20).r == 0, inDash) << x;
  }
  for (const int x : {1, 9, 10, 17, 18, 21, 22, 24}) EXPECT_EQ(At(_bitmap, x, 20), kWhite) << x;
}

TEST_F(LineDrawerTest, DashedLineWithoutGapIsSolid) {
  ASSERT_TRUE(_line.DrawDashedLine(4, 20, 40, 20, 5, 0, true, _bitmap));
  for (int x = 4; x <= 40; ++x) ASSERT_EQ(At(_bitmap, x, 20).r, 0) << x;
}
}  // namespace
}  // namespace drawingtest
