// Where hues sit on the perceptual wheel: at the OKLCh hue of their fullest
// colour, red at the top, and offsets that are angles of OKLCh hue.
#include <gtest/gtest.h>

#include <cmath>

#include "colorscience/oklab.h"
#include "colorwheel/colorwheelschemeoklch.h"
#include "colorwheel/oklchplane.h"
#include "utils/colorconversions.h"

namespace
{
constexpr double kPi = 3.141592653589793;
constexpr double kDegree = kPi / 180.0;
const Vector kCentre(50.0, 50.0, 0.0);

double OkHue(double rgbHue)
{
  const Vector rgb = HsvToRgb(Vector(rgbHue, 1.0, 1.0));
  return colorscience::OkLab::ToLch(colorscience::OkLab::FromSrgb({rgb.x, rgb.y, rgb.z})).h;
}

TEST(ColorWheelSchemeOklchTest, WheelAnglesAreOklchHuesTurnedToPutRedAtTheTop)
{
  const ColorWheelSchemeOklch scheme;
  EXPECT_NEAR(scheme.HueToWheelAngle(0.0), 0.0, 1e-12);
  const double red = OkHue(0.0);
  EXPECT_NEAR(red, 29.2339, 1e-3);
  // Yellow, cyan and blue lie where their OKLCh hues put them, not at the
  // sixths of the RGB wheel (near blue, where OKLCh hue falls back a
  // little along the RGB circle, the wheel holds still instead).
  for (const double hue : {60.0 / 360.0, 0.5, 240.0 / 360.0})
    EXPECT_NEAR(scheme.HueToWheelAngle(hue), std::fmod(OkHue(hue) - red + 360.0, 360.0) * kDegree, 0.2 * kDegree)
        << hue;
}

TEST(ColorWheelSchemeOklchTest, RotationIsByOklchHueAndComesBack)
{
  const ColorWheelSchemeOklch scheme;
  for (double hue = 0.02; hue < 1.0; hue += 0.07)
  {
    const double turned = scheme.RotateHue(2 * kPi * hue, 100 * kDegree);
    const double gap = std::fmod(OkHue(turned / (2 * kPi)) - OkHue(hue) + 360.0, 360.0);
    EXPECT_NEAR(gap, 100.0, 0.1) << hue;
    EXPECT_NEAR(scheme.RotateHue(turned, -100 * kDegree), 2 * kPi * hue, 1e-9) << hue;
  }
}

TEST(ColorWheelSchemeOklchTest, DrawAngleAndPointToHueAgree)
{
  const ColorWheelSchemeOklch scheme;
  for (double hue = 0.01; hue < 1.0; hue += 0.0625)
  {
    const double theta = scheme.HueToDrawAngle(hue);
    const Vector at(kCentre.x + 40 * std::sin(theta), kCentre.y + 40 * std::cos(theta), 0.0);
    EXPECT_NEAR(scheme.PointToHue(at, kCentre), hue, 1e-9) << hue;
  }
}

TEST(OklchPlaneTest, ColoursLieWhereThePlaneShowsThem)
{
  // The most chromatic colour at red's lightness and hue is red itself.
  const Vector red = OklchPlane::PlaceOf(Vector(1.0, 0.0, 0.0));
  EXPECT_NEAR(red.x, 0.0, 1e-9);
  EXPECT_NEAR(red.y, 1.0, 1e-6);
  const Vector back = OklchPlane::ColorAt(0.62795536, red.x, red.y);
  EXPECT_NEAR(back.x, 1.0, 1e-6);
  EXPECT_NEAR(back.y, 0.0, 1e-6);
  // A colour inside the gamut comes back from its place.
  const Vector teal(0.2, 0.5, 0.45);
  const Vector place = OklchPlane::PlaceOf(teal);
  const double l = colorscience::OkLab::FromSrgb({teal.x, teal.y, teal.z}).l;
  const Vector again = OklchPlane::ColorAt(l, place.x, place.y);
  EXPECT_NEAR(again.x, teal.x, 1e-6);
  EXPECT_NEAR(again.y, teal.y, 1e-6);
  EXPECT_NEAR(again.z, teal.z, 1e-6);
  // Greys sit at the centre; black and white have no chroma to give.
  EXPECT_NEAR(OklchPlane::PlaceOf(Vector(0.5, 0.5, 0.5)).y, 0.0, 1e-6);
  EXPECT_EQ(OklchPlane::MaxChroma(1.0, 90.0), 0.0);
}
}  // namespace
