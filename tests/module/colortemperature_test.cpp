#include <gtest/gtest.h>

#include <cmath>

#include "utils/colortemperature.h"

namespace
{
void ExpectNear(const Vector& actual, const Vector& expected, double tolerance)
{
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

double Brightest(const Vector& c)
{
  return std::fmax(c.x, std::fmax(c.y, c.z));
}
}  // namespace

TEST(KelvinToColor, FollowsTheBlackBodyLocus)
{
  ExpectNear(KelvinToColor(1000, 0), {1, 0.0032, 0}, 5e-4);
  ExpectNear(KelvinToColor(6500, 0), {1, 0.942, 0.9924}, 5e-4);
  ExpectNear(KelvinToColor(10000, 0), {0.6092, 0.695, 1}, 5e-4);
}

TEST(KelvinToColor, TintMovesAcrossTheLocusAndIsClamped)
{
  ExpectNear(KelvinToColor(6500, 1), {1, 0.129, 0.892}, 5e-4);
  ExpectNear(KelvinToColor(6500, -1), {0, 1, 0.067}, 5e-4);
  EXPECT_EQ(KelvinToColor(6500, 5), KelvinToColor(6500, 1));
  EXPECT_EQ(KelvinToColor(6500, -5), KelvinToColor(6500, -1));
  EXPECT_NE(KelvinToColorUnclamped(6500, 1.5), KelvinToColor(6500, 1.5));
}

TEST(KelvinToColor, NegativeTemperatureReadsAsZeroMired)
{
  EXPECT_EQ(KelvinToColor(-500, 0), KelvinToColor(0, 0));
  // Far beyond 100000 K the first row alone decides.
  ExpectNear(KelvinToColor(1e12, 0), KelvinToColor(0, 0), 1e-6);
  EXPECT_EQ(KelvinToColor(NAN, NAN), KelvinToColor(0, 0));
}

TEST(KelvinToColor, BrightestComponentIsAlwaysOne)
{
  for (double kelvin = 500; kelvin <= 40000; kelvin *= 1.07)
  {
    for (double tint = -1; tint <= 1; tint += 0.25)
    {
      const Vector c = KelvinToColor(kelvin, tint);
      EXPECT_DOUBLE_EQ(Brightest(c), 1.0) << kelvin << " K, tint " << tint;
      EXPECT_GE(std::fmin(c.x, std::fmin(c.y, c.z)), 0.0);
    }
  }
}

TEST(KelvinToColor, WarmRangeBendsSmoothly)
{
  // Between 5000 K and 1800 K red is the brightest and green falls at a
  // nearly even rate per mired; a bad table row shows as a sudden change of
  // that rate.
  for (double mired = 200; mired + 25 <= 550; mired += 12.5)
  {
    const double g0 = KelvinToColor(1e6 / mired, 0).y;
    const double g1 = KelvinToColor(1e6 / (mired + 12.5), 0).y;
    const double g2 = KelvinToColor(1e6 / (mired + 25), 0).y;
    ASSERT_LT(g1, g0);
    EXPECT_LT(std::fabs(std::log((g1 - g2) / (g0 - g1))), 0.15) << mired << " mired";
  }
}

TEST(KelvinToColorUnclamped, ExtrapolatesBelowTheTable)
{
  // Below about 1667 K the last two rows are extrapolated, still normalised.
  const Vector c = KelvinToColorUnclamped(800, 0);
  EXPECT_DOUBLE_EQ(Brightest(c), 1.0);
  EXPECT_EQ(c, KelvinToColor(800, 0));
  EXPECT_NE(KelvinToColorUnclamped(-500, 0), KelvinToColor(-500, 0));
}
