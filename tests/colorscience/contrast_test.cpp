// Contrast of two colours against figures published with WCAG 2.2 and with
// the APCA model.
#include <gtest/gtest.h>

#include "colorscience/apcacontrast.h"
#include "colorscience/wcagcontrast.h"

using colorscience::ApcaContrast;
using colorscience::SrgbColor;
using colorscience::WcagContrast;

namespace
{

SrgbColor Grey(int level)
{
  return {level / 255.0, level / 255.0, level / 255.0};
}
SrgbColor Hex(unsigned rgb)
{
  return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0};
}

}  // namespace

TEST(WcagContrast, LuminanceWeighsThePrimariesAsPublished)
{
  EXPECT_NEAR(WcagContrast::RelativeLuminance({1, 0, 0}), 0.2126, 1e-12);
  EXPECT_NEAR(WcagContrast::RelativeLuminance({0, 1, 0}), 0.7152, 1e-12);
  EXPECT_NEAR(WcagContrast::RelativeLuminance({0, 0, 1}), 0.0722, 1e-12);
  EXPECT_NEAR(WcagContrast::RelativeLuminance(Grey(128)), 0.2158605, 1e-7);
  // The straight part of the sRGB curve near black.
  EXPECT_NEAR(WcagContrast::RelativeLuminance(Grey(10)), 10 / 255.0 / 12.92, 1e-12);
}

TEST(WcagContrast, RatioRunsFromOneToTwentyOneWhicheverComesFirst)
{
  EXPECT_DOUBLE_EQ(WcagContrast::Ratio({0, 0, 0}, {1, 1, 1}), 21.0);
  EXPECT_DOUBLE_EQ(WcagContrast::Ratio({1, 1, 1}, {0, 0, 0}), 21.0);
  EXPECT_DOUBLE_EQ(WcagContrast::Ratio(Hex(0x336699), Hex(0x336699)), 1.0);
  // The greys that just pass and just fail AA on white.
  EXPECT_NEAR(WcagContrast::Ratio(Hex(0x767676), {1, 1, 1}), 4.54, 0.005);
  EXPECT_NEAR(WcagContrast::Ratio(Hex(0x777777), {1, 1, 1}), 4.48, 0.005);
  EXPECT_NEAR(WcagContrast::Ratio({1, 0, 0}, {1, 1, 1}), 4.00, 0.005);
  EXPECT_NEAR(WcagContrast::Ratio({0, 0, 1}, {1, 1, 1}), 8.59, 0.005);
}

TEST(WcagContrast, LevelsPassAtTheirThresholdsUnrounded)
{
  const auto at = WcagContrast::Judge(4.5);
  EXPECT_TRUE(at.aa);
  EXPECT_FALSE(at.aaa);
  EXPECT_TRUE(at.aaLarge);
  EXPECT_TRUE(at.aaaLarge);
  const auto below = WcagContrast::Judge(4.4999);
  EXPECT_FALSE(below.aa);
  EXPECT_FALSE(below.aaaLarge);
  EXPECT_TRUE(below.aaLarge);
  const auto large = WcagContrast::Judge(3.0);
  EXPECT_TRUE(large.aaLarge);
  EXPECT_FALSE(WcagContrast::Judge(2.9999).aaLarge);
  EXPECT_TRUE(WcagContrast::Judge(7.0).aaa);
  EXPECT_FALSE(WcagContrast::Judge(6.9999).aaa);
}

TEST(ApcaContrast, LcMatchesPublishedPairs)
{
  EXPECT_NEAR(ApcaContrast::Lc(Grey(0x88), {1, 1, 1}), 63.056469930209424, 1e-6);
  EXPECT_NEAR(ApcaContrast::Lc({1, 1, 1}, Grey(0x88)), -68.54146436644962, 1e-6);
  EXPECT_NEAR(ApcaContrast::Lc({0, 0, 0}, Grey(0xaa)), 58.146262578561334, 1e-6);
  EXPECT_NEAR(ApcaContrast::Lc(Grey(0xaa), {0, 0, 0}), -56.24113336839742, 1e-6);
}

TEST(ApcaContrast, PolarityMattersAndCloseColoursGiveNothing)
{
  const double dark = ApcaContrast::Lc({0, 0, 0}, {1, 1, 1});
  const double light = ApcaContrast::Lc({1, 1, 1}, {0, 0, 0});
  EXPECT_NEAR(dark, 106.04, 0.01);
  EXPECT_NEAR(light, -107.88, 0.01);
  EXPECT_EQ(ApcaContrast::Lc(Grey(100), Grey(100)), 0.0);
  // Below the low clip the contrast counts as none rather than as a little.
  EXPECT_EQ(ApcaContrast::Lc(Grey(200), Grey(205)), 0.0);
}
