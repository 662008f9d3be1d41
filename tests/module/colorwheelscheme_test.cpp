// Where hues sit on the RGB and RYB wheels and back.
#include <gtest/gtest.h>

#include <cmath>

#include "colorwheel/colorwheelschemergb.h"
#include "colorwheel/colorwheelschemeryb.h"

namespace
{
constexpr double kPi = 3.141592653589793;
constexpr double kDegree = kPi / 180.0;
const Vector kCentre(50.0, 50.0, 0.0);

TEST(ColorWheelSchemeTest, StraightUpIsTheLastHueNotAFullTurn)
{
  const ColorWheelSchemeRGB rgb;
  const ColorWheelSchemeRYB ryb;
  EXPECT_EQ(rgb.PointToHue(Vector(50, 10, 0), kCentre), 0.999999);
  // The painter's wheel closes its table at red: straight up wraps to 0.
  EXPECT_EQ(ryb.PointToHue(Vector(50, 10, 0), kCentre), 0.0);
  EXPECT_DOUBLE_EQ(rgb.PointToHue(Vector(50, 90, 0), kCentre), 0.5);
  // Hues grow counter-clockwise on screen: a quarter turn lies to the left.
  EXPECT_DOUBLE_EQ(rgb.PointToHue(Vector(10, 50, 0), kCentre), 0.25);
}

TEST(ColorWheelSchemeTest, DrawAngleAndPointToHueAgree)
{
  const ColorWheelSchemeRGB rgb;
  const ColorWheelSchemeRYB ryb;
  for (const ColorWheelScheme* scheme :
       {static_cast<const ColorWheelScheme*>(&rgb), static_cast<const ColorWheelScheme*>(&ryb)})
  {
    for (double hue = 0.01; hue < 1.0; hue += 0.0625)
    {
      const double theta = scheme->HueToDrawAngle(hue);
      const Vector at(kCentre.x + 40 * std::sin(theta), kCentre.y + 40 * std::cos(theta), 0.0);
      EXPECT_NEAR(scheme->PointToHue(at, kCentre), hue, 1e-9) << scheme->GetSchemeId() << " " << hue;
    }
  }
}

TEST(ColorWheelSchemeTest, RybPlacesYellowAtATurnThirdAndRedOppositeGreen)
{
  const ColorWheelSchemeRYB ryb;
  EXPECT_NEAR(ryb.HueToWheelAngle(60.0 / 360.0), 120 * kDegree, 1e-12);
  EXPECT_NEAR(ryb.HueToWheelAngle(204.0 / 360.0), 240 * kDegree, 1e-12);
  // Half a turn on the wheel from red lands on RGB hue 138 degrees.
  EXPECT_NEAR(ryb.RotateHue(0.0, kPi), 138 * kDegree, 1e-12);
  EXPECT_NEAR(ryb.WheelAngleToHue(90 * kDegree, 90 * kDegree), 138 * kDegree, 1e-12);
  // Between breakpoints the mapping is linear: 70.5 is halfway from 60 to 81.
  EXPECT_NEAR(ColorWheelSchemeRYB::Map(70.5 * kDegree), 127.5 * kDegree, 1e-12);
  // The segment from 329 degrees closes the circle at red.
  EXPECT_NEAR(ColorWheelSchemeRYB::Map(344.5 * kDegree), 352.5 * kDegree, 1e-12);
  EXPECT_NEAR(ColorWheelSchemeRYB::Unmap(352.5 * kDegree), 344.5 * kDegree, 1e-12);
}

TEST(ColorWheelSchemeTest, AnglesOutsideOneTurnMapToZero)
{
  EXPECT_EQ(ColorWheelSchemeRYB::Map(-0.1), 0.0);
  EXPECT_EQ(ColorWheelSchemeRYB::Unmap(7.0), 0.0);
  const ColorWheelSchemeRYB ryb;
  EXPECT_DOUBLE_EQ(ryb.HueToDrawAngle(1.5), kPi);
}

TEST(ColorWheelSchemeTest, RgbRotationWrapsIntoOneTurn)
{
  const ColorWheelSchemeRGB rgb;
  EXPECT_NEAR(rgb.RotateHue(300 * kDegree, 90 * kDegree), 30 * kDegree, 1e-12);
  EXPECT_NEAR(rgb.RotateHue(30 * kDegree, -90 * kDegree), 300 * kDegree, 1e-12);
  EXPECT_EQ(rgb.GetSchemeId(), 20000);
}
}  // namespace
