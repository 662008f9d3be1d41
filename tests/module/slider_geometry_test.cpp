#include <gtest/gtest.h>

#include "utils/colorsliderareageometry.h"

using Geometry = ColorSliderAreaGeometry;

TEST(SliderGeometry, HandleSitsOnTheEndPixelsAndItsBoxStaysInside)
{
  for (std::int32_t width : {4, 5, 8, 60, 61, 200, 333})
  {
    const std::int32_t length = width - 1;
    EXPECT_EQ(Geometry::Compute(width, 20, false, 0.0).handle, 1) << width;
    EXPECT_EQ(Geometry::Compute(width, 20, false, 1.0).handle, length - 1) << width;
    for (int step = 0; step <= 100; ++step)
    {
      const Geometry g = Geometry::Compute(width, 20, false, step / 100.0);
      EXPECT_GE(g.box.from, 0) << width << " " << step;
      EXPECT_LE(g.box.to, length) << width << " " << step;
      EXPECT_EQ(g.box.to - g.box.from, 2);
      EXPECT_GE(g.handle, g.box.from);
      EXPECT_LE(g.handle, g.box.to);
    }
  }
}

TEST(SliderGeometry, HandleRoundsToTheNearestPixel)
{
  // L = 100: p = floor(1 + 98 t + 0.5).
  EXPECT_EQ(Geometry::Compute(101, 20, false, 0.5).handle, 50);
  EXPECT_EQ(Geometry::Compute(101, 20, false, 0.25).handle, 26);
  EXPECT_EQ(Geometry::Compute(101, 20, false, 0.26).handle, 26);
  EXPECT_EQ(Geometry::Compute(101, 20, false, 0.261).handle, 27);
}

TEST(SliderGeometry, PositionsOutsideTheBarClampTheHandle)
{
  std::int32_t p = 0;
  Geometry::Span box;
  Geometry::PlaceHandle(10, -0.5, p, box);
  EXPECT_EQ(p, 1);
  EXPECT_EQ(box.from, 0);
  EXPECT_EQ(box.to, 2);
  Geometry::PlaceHandle(10, 1.5, p, box);  // beyond the end
  EXPECT_EQ(p, 9);
  EXPECT_EQ(box.from, 8);
  EXPECT_EQ(box.to, 10);
}

TEST(SliderGeometry, VerticalBarsSwapTheAxes)
{
  const Geometry g = Geometry::Compute(20, 101, true, 1.0);
  EXPECT_EQ(g.length, 100);
  EXPECT_EQ(g.across, 19);
  EXPECT_EQ(g.handle, 99);
}

TEST(SliderGeometry, ShortBarsHoldNoGradient)
{
  EXPECT_FALSE(Geometry::Compute(2, 20, false, 0).HasGradient());
  EXPECT_FALSE(Geometry::Compute(3, 20, false, 0).HasGradient());
  EXPECT_EQ(Geometry::Compute(4, 20, false, 0).GradientSteps(), 1);
  EXPECT_EQ(Geometry::Compute(61, 20, false, 0).GradientSteps(), 58);
  // Border and gradient nest: gradient 1..L-1 inside the border 0..L.
  const Geometry g = Geometry::Compute(61, 20, false, 0);
  EXPECT_EQ(g.BorderAlong().from, 0);
  EXPECT_EQ(g.BorderAlong().to, 60);
  EXPECT_EQ(g.BorderAcross().from, 2);
  EXPECT_EQ(g.BorderAcross().to, 17);
  EXPECT_EQ(g.GradientAcross().from, 3);
  EXPECT_EQ(g.GradientAcross().to, 16);
}

TEST(SliderGeometry, CheckerSegmentsAreSevenPixelsCutAtTheEdge)
{
  // Height 20: A = 19, gradient 3..16, two full cells.
  const Geometry two = Geometry::Compute(60, 20, false, 0);
  ASSERT_EQ(two.CheckerSegmentCount(), 2);
  EXPECT_EQ(two.CheckerSegment(0).from, 3);
  EXPECT_EQ(two.CheckerSegment(0).to, 9);
  EXPECT_EQ(two.CheckerSegment(1).from, 10);
  EXPECT_EQ(two.CheckerSegment(1).to, 16);
  // Height 23: A = 22, gradient 3..19, the third cell cut to 3 pixels.
  const Geometry three = Geometry::Compute(60, 23, false, 0);
  ASSERT_EQ(three.CheckerSegmentCount(), 3);
  EXPECT_EQ(three.CheckerSegment(2).from, 17);
  EXPECT_EQ(three.CheckerSegment(2).to, 19);
  // Too thin for any cell.
  EXPECT_EQ(Geometry::Compute(60, 6, false, 0).CheckerSegmentCount(), 0);
  EXPECT_EQ(Geometry::Compute(60, 7, false, 0).CheckerSegmentCount(), 1);
}

TEST(SliderGeometry, CheckerColumnsSwapEverySeventhColumn)
{
  for (std::int32_t column = 0; column < 7; ++column)
    EXPECT_FALSE(Geometry::CheckerSwapped(column)) << column;
  for (std::int32_t column = 7; column < 14; ++column)
    EXPECT_TRUE(Geometry::CheckerSwapped(column)) << column;
  EXPECT_FALSE(Geometry::CheckerSwapped(14));
  EXPECT_TRUE(Geometry::CheckerSwapped(27));
}

TEST(SliderGeometry, MousePositionMapsOntoTheBar)
{
  // extent 101: L = 100, pixel 1 is t = 0 and pixel 100 is t = 1.
  EXPECT_EQ(Geometry::PositionToT(1, 101), 0.0);
  EXPECT_EQ(Geometry::PositionToT(100, 101), 1.0);
  EXPECT_DOUBLE_EQ(Geometry::PositionToT(50.5, 101), 0.5);
  EXPECT_EQ(Geometry::PositionToT(-40, 101), 0.0);
  EXPECT_EQ(Geometry::PositionToT(4000, 101), 1.0);
  // L - 1 = 0: every position is the start.
  EXPECT_EQ(Geometry::PositionToT(1, 2), 0.0);
  EXPECT_EQ(Geometry::PositionToT(7, 2), 0.0);
}
