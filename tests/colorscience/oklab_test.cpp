#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "colorscience/oklab.h"

using colorscience::OkLab;
using colorscience::OkLabColor;
using colorscience::OkLchColor;
using colorscience::SrgbColor;

namespace
{

OkLchColor Lch(double r, double g, double b)
{
  return OkLab::ToLch(OkLab::FromSrgb({r, g, b}));
}

double HueGap(double x, double y)
{
  const double d = std::fmod(std::abs(x - y), 360.0);
  return std::min(d, 360.0 - d);
}

}  // namespace

// Published OKLCh coordinates of the sRGB primaries and secondaries, to
// the digits they were published with.
TEST(OkLab, PrimariesMatchPublishedCoordinates)
{
  struct Case
  {
    double r, g, b, l, c, h, within;
  };
  const Case cases[] = {
      {1, 0, 0, 0.627955, 0.257683, 29.2339, 2e-6},  {0, 1, 0, 0.866440, 0.294827, 142.4953, 2e-6},
      {0, 0, 1, 0.452014, 0.313214, 264.0520, 2e-6}, {1, 1, 0, 0.967983, 0.211006, 109.7692, 2e-6},
      {1, 0, 1, 0.701674, 0.322491, 328.3634, 2e-6}, {0, 1, 1, 0.905, 0.155, 194.77, 1e-3},
  };
  for (const Case& k : cases)
  {
    const OkLchColor lch = Lch(k.r, k.g, k.b);
    SCOPED_TRACE(testing::Message() << k.r << " " << k.g << " " << k.b);
    EXPECT_NEAR(lch.l, k.l, k.within);
    EXPECT_NEAR(lch.c, k.c, k.within);
    EXPECT_NEAR(lch.h, k.h, k.within * 100);
  }
}

// For a grey the three cone responses are equal, so L is the cube root of
// its linear value and there is no chroma.
TEST(OkLab, GreysHaveTheCubeRootOfTheirLightAndNoChroma)
{
  for (int v = 0; v <= 255; ++v)
  {
    const double encoded = v / 255.0;
    const OkLchColor lch = Lch(encoded, encoded, encoded);
    EXPECT_NEAR(lch.l, std::cbrt(OkLab::ToLinear(encoded)), 1e-8) << v;
    EXPECT_LT(lch.c, 1e-7) << v;
  }
  EXPECT_NEAR(Lch(1, 1, 1).l, 1.0, 1e-8);
  EXPECT_EQ(Lch(0, 0, 0).l, 0.0);
}

TEST(OkLab, SrgbCurveIsTheExactPiecewiseOne)
{
  EXPECT_DOUBLE_EQ(OkLab::ToLinear(0.04045), 0.04045 / 12.92);
  EXPECT_DOUBLE_EQ(OkLab::ToLinear(0.5), std::pow(0.555 / 1.055, 2.4));
  EXPECT_DOUBLE_EQ(OkLab::ToLinear(1.0), 1.0);
  EXPECT_DOUBLE_EQ(OkLab::ToEncoded(0.001), 0.01292);
  EXPECT_DOUBLE_EQ(OkLab::ToLinear(-0.5), -OkLab::ToLinear(0.5));
  for (int v = 0; v <= 255; ++v)
    EXPECT_NEAR(OkLab::ToEncoded(OkLab::ToLinear(v / 255.0)), v / 255.0, 1e-15) << v;
}

// The curve's own round trip is checked above, so the cube goes through
// linear light: an error there grows at most 12.92 times on the way out.
TEST(OkLab, EveryEightBitColourSurvivesTheRoundTrip)
{
  double linear[256];
  for (int v = 0; v < 256; ++v)
    linear[v] = OkLab::ToLinear(v / 255.0);
  double worst = 0.0;
  for (int r = 0; r < 256; ++r)
  {
    for (int g = 0; g < 256; ++g)
    {
      for (int b = 0; b < 256; ++b)
      {
        const SrgbColor in{linear[r], linear[g], linear[b]};
        const SrgbColor out = OkLab::ToLinear(OkLab::FromLch(OkLab::ToLch(OkLab::FromLinear(in))));
        worst = std::max({worst, std::abs(out.r - in.r), std::abs(out.g - in.g), std::abs(out.b - in.b)});
      }
    }
  }
  EXPECT_LT(worst * 12.92, 1e-9);
  const SrgbColor in{0.2, 0.7, 0.05};
  const SrgbColor out = OkLab::ToSrgb(OkLab::FromSrgb(in));
  EXPECT_NEAR(out.r, in.r, 1e-12);
  EXPECT_NEAR(out.g, in.g, 1e-12);
  EXPECT_NEAR(out.b, in.b, 1e-12);
}

TEST(OkLab, DeltaEIsTheDistanceInOkLab)
{
  EXPECT_DOUBLE_EQ(OkLab::DeltaE({0.5, 0.1, -0.1}, {0.5, 0.1, -0.1}), 0.0);
  EXPECT_DOUBLE_EQ(OkLab::DeltaE({0.5, 0.0, 0.0}, {0.8, 0.0, 0.4}), 0.5);
  EXPECT_NEAR(OkLab::DeltaE(OkLab::FromSrgb({0, 0, 0}), OkLab::FromSrgb({1, 1, 1})), 1.0, 1e-8);
}

TEST(OkLab, HueTurnsTheRightWayAndGreysHaveNone)
{
  EXPECT_EQ(OkLab::ToLch({0.5, 0.0, 0.0}).h, 0.0);
  EXPECT_NEAR(OkLab::ToLch({0.5, 0.0, 0.1}).h, 90.0, 1e-12);
  EXPECT_NEAR(OkLab::ToLch({0.5, 0.0, -0.1}).h, 270.0, 1e-12);
  const OkLabColor back = OkLab::FromLch({0.5, 0.2, 180.0});
  EXPECT_NEAR(back.a, -0.2, 1e-15);
  EXPECT_NEAR(back.b, 0.0, 1e-15);
}

TEST(OkLab, ColoursOnScreenAreNotMoved)
{
  for (const SrgbColor c : {SrgbColor{1, 0, 0}, SrgbColor{0.2, 0.6, 0.9}, SrgbColor{0, 0, 0}, SrgbColor{1, 1, 1}})
  {
    const SrgbColor mapped = OkLab::GamutMap(OkLab::ToLch(OkLab::FromSrgb(c)));
    EXPECT_NEAR(mapped.r, c.r, 1e-9);
    EXPECT_NEAR(mapped.g, c.g, 1e-9);
    EXPECT_NEAR(mapped.b, c.b, 1e-9);
  }
}

TEST(OkLab, GamutMappingKeepsLightnessAndHueAndLandsOnScreen)
{
  for (double h = 0.0; h < 360.0; h += 15.0)
  {
    for (double l : {0.3, 0.6, 0.9})
    {
      const OkLchColor wanted{l, 0.4, h};
      const SrgbColor mapped = OkLab::GamutMap(wanted);
      SCOPED_TRACE(testing::Message() << "L " << l << " h " << h);
      ASSERT_TRUE(OkLab::InGamut(mapped));
      EXPECT_FALSE(OkLab::InGamut(OkLab::ToSrgb(OkLab::FromLch(wanted))));
      const OkLchColor got = OkLab::ToLch(OkLab::FromSrgb(mapped));
      // The final clip moves the colour by less than a noticeable step.
      EXPECT_NEAR(got.l, l, OkLab::kJustNoticeable);
      EXPECT_LT(HueGap(got.h, h) * got.c * 3.14159 / 180.0, OkLab::kJustNoticeable);
      // Chroma is only cut as far as it must be: the gamut's edge is near.
      const OkLchColor further{got.l, got.c + 0.03, got.h};
      EXPECT_FALSE(OkLab::InGamut(OkLab::ToSrgb(OkLab::FromLch(further))));
    }
  }
}

TEST(OkLab, GamutMappingBeyondWhiteOrBlackGivesThem)
{
  const SrgbColor white = OkLab::GamutMap({1.2, 0.3, 40.0});
  const SrgbColor black = OkLab::GamutMap({-0.1, 0.3, 40.0});
  EXPECT_EQ(white.r + white.g + white.b, 3.0);
  EXPECT_EQ(black.r + black.g + black.b, 0.0);
}

// Cutting chroma, unlike clipping each component, keeps the hue of colours
// far out of gamut.
TEST(OkLab, GamutMappingKeepsHueBetterThanClipping)
{
  double mappedWorst = 0.0, clippedWorst = 0.0;
  for (double h = 0.0; h < 360.0; h += 5.0)
  {
    const OkLchColor wanted{0.7, 0.35, h};
    const SrgbColor raw = OkLab::ToSrgb(OkLab::FromLch(wanted));
    const SrgbColor clipped{std::clamp(raw.r, 0.0, 1.0), std::clamp(raw.g, 0.0, 1.0), std::clamp(raw.b, 0.0, 1.0)};
    mappedWorst = std::max(mappedWorst, HueGap(OkLab::ToLch(OkLab::FromSrgb(OkLab::GamutMap(wanted))).h, h));
    clippedWorst = std::max(clippedWorst, HueGap(OkLab::ToLch(OkLab::FromSrgb(clipped)).h, h));
  }
  EXPECT_LT(mappedWorst, 6.0);
  EXPECT_GT(clippedWorst, 2 * mappedWorst);
}
