#include <gtest/gtest.h>

#include <cmath>

#include "color/colorspacetransform.h"

using host::SrgbDecode;
using host::SrgbEncode;

TEST(SrgbCurve, KnownPoints)
{
  EXPECT_EQ(SrgbEncode(0.0), 0.0);
  EXPECT_DOUBLE_EQ(SrgbEncode(1.0), 1.0);
  EXPECT_NEAR(SrgbEncode(0.5), 0.7353569830524495, 1e-15);
  EXPECT_NEAR(SrgbEncode(0.18), 0.4613561295004, 1e-12);
  EXPECT_NEAR(SrgbEncode(0.001), 0.01292, 1e-15);
  EXPECT_NEAR(SrgbDecode(0.5), 0.21404114048223255, 1e-15);
}

TEST(SrgbCurve, DirectionsAreInversesOverTheUnitRange)
{
  double worst = 0.0;
  for (int i = 0; i <= 1000000; ++i)
  {
    const double x = i / 1000000.0;
    worst = std::fmax(worst, std::fabs(SrgbDecode(SrgbEncode(x)) - x));
    worst = std::fmax(worst, std::fabs(SrgbEncode(SrgbDecode(x)) - x));
  }
  EXPECT_LT(worst, 1e-12);
}

TEST(SrgbCurve, ContinuousAndRisingAcrossTheBreak)
{
  // Dense steps around the segment joint: no gap, no step back.
  double previous = SrgbEncode(0.00312);
  for (double x = 0.00312; x < 0.00314; x += 1e-10)
  {
    const double y = SrgbEncode(x);
    ASSERT_GE(y, previous) << x;
    ASSERT_LT(y - previous, 1e-8) << x;
    previous = y;
  }
}

TEST(SrgbCurve, OutOfRangeValuesMirrorAndExtend)
{
  for (double x : {0.001, 0.2, 0.9, 1.5, 4.0})
  {
    EXPECT_EQ(SrgbEncode(-x), -SrgbEncode(x));
    EXPECT_EQ(SrgbDecode(-x), -SrgbDecode(x));
    EXPECT_NEAR(SrgbDecode(SrgbEncode(x)), x, 1e-12 * x);
    EXPECT_NEAR(SrgbDecode(SrgbEncode(-x)), -x, 1e-12 * x);
  }
  EXPECT_GT(SrgbEncode(1.5), 1.0);
  EXPECT_LT(SrgbEncode(1.5), 1.5);
}

TEST(TransformColorSpace, CodesGoEachWay)
{
  const double linear[3] = {0.5, 0.0, 1.0};
  double encoded[3], back[3];
  ASSERT_TRUE(host::TransformColorSpace(2, linear, encoded));
  EXPECT_NEAR(encoded[0], 0.7353569830524495, 1e-15);
  EXPECT_EQ(encoded[1], 0.0);
  EXPECT_DOUBLE_EQ(encoded[2], 1.0);
  ASSERT_TRUE(host::TransformColorSpace(1, encoded, back));
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR(back[i], linear[i], 1e-15);

  // In place works too.
  double c[3] = {0.2, 0.4, 0.6};
  ASSERT_TRUE(host::TransformColorSpace(1, c, c));
  EXPECT_NEAR(c[1], SrgbDecode(0.4), 0.0);
}

TEST(TransformColorSpace, UnknownCodeLeavesTheOutputAlone)
{
  const double in[3] = {0.5, 0.5, 0.5};
  double out[3] = {7, 8, 9};
  for (int code : {0, 3, -1})
  {
    EXPECT_FALSE(host::TransformColorSpace(code, in, out));
    EXPECT_EQ(out[0], 7);
    EXPECT_EQ(out[2], 9);
  }
}
