#include <gtest/gtest.h>

#include "utils/hsvretention.h"

namespace
{
TEST(HsvRetention, AHueAtTheFullTurnSurvivesRed)
{
  // The user typed 360 degrees; red reads back as hue 0 but keeps the turn.
  const Vector kept = RetainHsv(Vector(1.0, 0.2, 0.3), Vector(1.0, 0.0, 0.0));
  EXPECT_DOUBLE_EQ(kept.x, 1.0);
  EXPECT_DOUBLE_EQ(kept.y, 1.0);
  EXPECT_DOUBLE_EQ(kept.z, 1.0);
  EXPECT_DOUBLE_EQ(RetainHsv(Vector(0.3, 0.2, 0.3), Vector(1.0, 0.0, 0.0)).x, 0.0);
}

TEST(HsvRetention, GreysAndBlack)
{
  const Vector stored(0.25, 0.6, 0.7);
  const Vector grey = RetainHsv(stored, Vector(0.4));
  EXPECT_DOUBLE_EQ(grey.x, 0.25);
  EXPECT_DOUBLE_EQ(grey.y, 0.0);
  EXPECT_DOUBLE_EQ(grey.z, 0.4);
  const Vector black = RetainHsv(stored, Vector(0.0));
  EXPECT_DOUBLE_EQ(black.x, 0.25);
  EXPECT_DOUBLE_EQ(black.y, 0.6);
  EXPECT_DOUBLE_EQ(black.z, 0.0);
  // A colour takes its own hue.
  EXPECT_NEAR(RetainHsv(stored, Vector(0.0, 1.0, 0.0)).x, 1.0 / 3.0, 1e-12);
}
}  // namespace
