#include <gtest/gtest.h>

#include <cmath>

#include "utils/colorconversions.h"

namespace
{
void ExpectNear(const Vector& actual, const Vector& expected, double tolerance)
{
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}
}  // namespace

TEST(IntegerComponents, HalfStepRoundsUpAndOutOfRangeSaturates)
{
  EXPECT_EQ(To8Bit(1.0), 255);
  EXPECT_EQ(To8Bit(0.5), 128);
  EXPECT_EQ(To8Bit(-0.1), 0);
  EXPECT_EQ(To8Bit(1.5), 255);
  // 254.5 / 255 is the first value that reaches 255.
  EXPECT_EQ(To8Bit(0.998), 254);
  EXPECT_EQ(To8Bit(0.99804), 255);
  EXPECT_EQ(To8Bit(1e300), 255);
  EXPECT_EQ(To8Bit(-1e300), 0);
  EXPECT_EQ(To8Bit(NAN), 0);
  EXPECT_EQ(To16Bit(1.0), 65535);
  EXPECT_EQ(To16Bit(0.5), 32768);
  EXPECT_EQ(To16Bit(2.0), 65535);
}

TEST(IntegerComponents, ReadingBackClamps)
{
  EXPECT_EQ(From8Bit(300), 1.0);
  EXPECT_EQ(From8Bit(-5), 0.0);
  EXPECT_EQ(From8Bit(255), 1.0);
  EXPECT_EQ(From16Bit(70000), 1.0);
  EXPECT_DOUBLE_EQ(From16Bit(32768), 32768.0 / 65535.0);

  std::int64_t r, g, b;
  ColorTo8Bit({1.0, 0.5, 0.0}, r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 128);
  EXPECT_EQ(b, 0);
  std::int32_t r16, g16, b16;
  ColorTo16Bit({0.0, 1.0, 0.25}, r16, g16, b16);
  EXPECT_EQ(r16, 0);
  EXPECT_EQ(g16, 65535);
  EXPECT_EQ(b16, 16384);
  EXPECT_EQ(ColorFrom8Bit(0, 255, 51), Vector(0.0, 1.0, 0.2));
  EXPECT_EQ(ColorFrom16Bit(65535, 0, 99999), Vector(1.0, 0.0, 1.0));
}

TEST(IntegerComponents, EveryByteSurvivesARoundTrip)
{
  for (std::int64_t n = 0; n < 256; ++n)
    EXPECT_EQ(To8Bit(From8Bit(n)), n);
  for (std::int64_t n = 0; n < 65536; n += 7)
    EXPECT_EQ(To16Bit(From16Bit(n)), n);
}

TEST(RgbToHsv, BlackGreyAndPrimaries)
{
  EXPECT_EQ(RgbToHsv({0, 0, 0}), Vector(0, 0, 0));
  EXPECT_EQ(RgbToHsv({-1, -0.5, 0}), Vector(0, 0, 0));
  EXPECT_EQ(RgbToHsv({-1, -0.5, -2}), Vector(0, 0, 0));
  EXPECT_EQ(RgbToHsv({0.5, 0.5, 0.5}), Vector(0, 0, 0.5));
  EXPECT_EQ(RgbToHsv({1, 0, 0}), Vector(0, 1, 1));
  ExpectNear(RgbToHsv({0, 0, 1}), {2.0 / 3.0, 1, 1}, 1e-15);
  ExpectNear(RgbToHsv({1, 0, 1}), {5.0 / 6.0, 1, 1}, 1e-15);
  ExpectNear(RgbToHsv({0, 1, 0}), {1.0 / 3.0, 1, 1}, 1e-15);
}

TEST(RgbToHsv, NearGreyTakesTheSmallestComponentAsValue)
{
  const Vector hsv = RgbToHsv({0.5, 0.5004, 0.5002});
  EXPECT_EQ(hsv, Vector(0, 0, 0.5));
}

TEST(RgbToHsv, TiesGoToRedThenGreen)
{
  // Red and green share the maximum: the red formula gives hue 1/6.
  ExpectNear(RgbToHsv({1, 1, 0}), {1.0 / 6.0, 1, 1}, 1e-15);
  // Green and blue share it: the green formula gives hue 1/2.
  ExpectNear(RgbToHsv({0, 1, 1}), {0.5, 1, 1}, 1e-15);
}

TEST(HsvToRgb, HueOneIsRedAndLowSaturationIsGrey)
{
  EXPECT_EQ(HsvToRgb({1.0, 1, 1}), Vector(1, 0, 0));
  EXPECT_EQ(HsvToRgb({0.0, 1, 1}), Vector(1, 0, 0));
  EXPECT_EQ(HsvToRgb({0.3, 0.0009, 0.7}), Vector(0.7, 0.7, 0.7));
  ExpectNear(HsvToRgb({0.5, 0.5, 1}), {0.5, 1, 1}, 1e-15);
}

TEST(HsvToRgb, EachSectorPlacesThePrimaries)
{
  ExpectNear(HsvToRgb({1.0 / 12, 1, 1}), {1, 0.5, 0}, 1e-12);
  ExpectNear(HsvToRgb({3.0 / 12, 1, 1}), {0.5, 1, 0}, 1e-12);
  ExpectNear(HsvToRgb({5.0 / 12, 1, 1}), {0, 1, 0.5}, 1e-12);
  ExpectNear(HsvToRgb({7.0 / 12, 1, 1}), {0, 0.5, 1}, 1e-12);
  ExpectNear(HsvToRgb({9.0 / 12, 1, 1}), {0.5, 0, 1}, 1e-12);
  ExpectNear(HsvToRgb({11.0 / 12, 1, 1}), {1, 0, 0.5}, 1e-12);
}

TEST(HsvRoundTrip, EveryEightBitColourComesBackUnchanged)
{
  std::int64_t failures = 0;
  for (std::int64_t r = 0; r < 256; ++r)
  {
    for (std::int64_t g = 0; g < 256; ++g)
    {
      for (std::int64_t b = 0; b < 256; ++b)
      {
        std::int64_t r2, g2, b2;
        ColorTo8Bit(HsvToRgb(RgbToHsv(ColorFrom8Bit(r, g, b))), r2, g2, b2);
        failures += (r2 != r) + (g2 != g) + (b2 != b);
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(HsvRoundTrip, NonGreyColoursComeBackWithinRounding)
{
  constexpr int kSteps = 64;
  int checked = 0;
  for (int i = 0; i <= kSteps; ++i)
  {
    for (int j = 0; j <= kSteps; ++j)
    {
      for (int k = 0; k <= kSteps; ++k)
      {
        const Vector c(double(i) / kSteps, double(j) / kSteps, double(k) / kSteps);
        const Vector hsv = RgbToHsv(c);
        if (hsv.y < 0.001)
          continue;
        const Vector back = HsvToRgb(hsv);
        ASSERT_NEAR(back.x, c.x, 1e-12) << i << " " << j << " " << k;
        ASSERT_NEAR(back.y, c.y, 1e-12) << i << " " << j << " " << k;
        ASSERT_NEAR(back.z, c.z, 1e-12) << i << " " << j << " " << k;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 270000);
}

TEST(PackedColour, ComponentsSitInTheirBytes)
{
  EXPECT_EQ(ColorToPacked({1, 0.5, 0}), 0xFF8000u);
  EXPECT_EQ(ColorToPacked({0, 0, 0}), 0u);
  EXPECT_EQ(ColorToPacked({2, 2, 2}), 0xFFFFFFu);
  EXPECT_EQ(PackedToColor(0x0000FF), Vector(0, 0, 1));
  EXPECT_EQ(PackedToColor(0x00FF00), Vector(0, 1, 0));
}
