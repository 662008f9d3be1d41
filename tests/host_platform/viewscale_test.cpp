// Window points, physical pixels and logical pixels.
#include <gtest/gtest.h>

#include "platform/viewscale.h"

namespace host {
namespace {

TEST(ViewScaleTest, AskedScaleWinsOtherwiseTheDisplayDecides) {
  EXPECT_EQ(ViewScale::Choose(1, 2, 220.0f).Scale(), 1);
  EXPECT_EQ(ViewScale::Choose(2, 1, 96.0f).Scale(), 2);
  EXPECT_EQ(ViewScale::Choose(0, 2, 0.0f).Scale(), 2);
  EXPECT_EQ(ViewScale::Choose(0, 1, 192.0f).Scale(), 2);
  EXPECT_EQ(ViewScale::Choose(0, 1, 96.0f).Scale(), 1);
  EXPECT_EQ(ViewScale::Choose(0, 1, 0.0f).Scale(), 1);
}

TEST(ViewScaleTest, ScaleTwoOnAPlainDisplayDoublesTheWindow) {
  const ViewScale s(2, 1);
  EXPECT_EQ(s.WindowPoints({500, 300}), (Size{1000, 600}));
  EXPECT_EQ(s.LogicalSize({1001, 600}), (Size{500, 300}));
  EXPECT_EQ(s.ToLogical(999, 3).x, 499);
  EXPECT_EQ(s.ToLogical(-1, -3).y, -2);
}

TEST(ViewScaleTest, ScalingPlatformKeepsPointsAsLogicalPixels) {
  const ViewScale s(2, 2);
  EXPECT_EQ(s.WindowPoints({500, 300}), (Size{500, 300}));
  EXPECT_EQ(s.LogicalSize({1000, 600}), (Size{500, 300}));
  EXPECT_EQ(s.ToLogical(250, 7).x, 250);
}

}  // namespace
}  // namespace host
