#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gxa_api.h"
#include "utils/colorconversions.h"
#include "utils/colorsliderarearange.h"

namespace
{
constexpr double kTwoPi = 6.283185307179586;
const ColorSliderAreaRange kHue(0.0, kTwoPi, 0.017453292519943295);
}  // namespace

TEST(SliderRange, HueDragWithCtrlSnapsToSixtyDegrees)
{
  for (int step = 0; step <= 1000; ++step)
  {
    const double t = step / 1000.0;
    const double degrees = kHue.Snap(t, GXA_QUALIFIER_CTRL, GXA_CHANNEL_LEFT) * 360.0;
    const double sixties = degrees / 60.0;
    EXPECT_NEAR(sixties, std::round(sixties), 1e-9) << t;
    EXPECT_LE(std::fabs(degrees - t * 360.0), 30.0 + 1e-9) << t;
  }
  EXPECT_DOUBLE_EQ(kHue.Snap(0.99, GXA_QUALIFIER_CTRL, GXA_CHANNEL_LEFT), 1.0);
  EXPECT_DOUBLE_EQ(kHue.Snap(0.2, GXA_QUALIFIER_CTRL, GXA_CHANNEL_LEFT) * 360.0, 60.0);
}

TEST(SliderRange, DragSnapsToOneOrTenSteps)
{
  // One degree without qualifiers, ten with alt or the middle button.
  EXPECT_NEAR(kHue.Snap(0.1234, 0, GXA_CHANNEL_LEFT) * 360.0, 44.0, 1e-9);
  EXPECT_NEAR(kHue.Snap(0.1234, GXA_QUALIFIER_ALT, GXA_CHANNEL_LEFT) * 360.0, 40.0, 1e-9);
  EXPECT_NEAR(kHue.Snap(0.1234, 0, GXA_CHANNEL_MIDDLE) * 360.0, 40.0, 1e-9);
  // Ctrl wins over alt.
  EXPECT_NEAR(kHue.Snap(0.1234, GXA_QUALIFIER_CTRL | GXA_QUALIFIER_ALT, GXA_CHANNEL_MIDDLE) * 360.0, 60.0, 1e-9);
  // A zero step leaves only the minimum.
  EXPECT_EQ(ColorSliderAreaRange(0.0, 1.0, 0.0).Snap(0.7, 0, GXA_CHANNEL_LEFT), 0.0);
}

TEST(SliderRange, ReversedRangeSnapsAlongTheBar)
{
  const ColorSliderAreaRange reversed(1.0, 0.0, -0.01);
  EXPECT_NEAR(reversed.Snap(0.333, 0, GXA_CHANNEL_LEFT), 0.33, 1e-12);
  EXPECT_NEAR(reversed.ValueAt(0.33), 0.67, 1e-12);
  EXPECT_NEAR(reversed.Snap(0.4, GXA_QUALIFIER_CTRL, GXA_CHANNEL_LEFT), 1.0 / 3.0, 1e-12);
}

TEST(SliderRange, SixteenBitWheelNotchIsOneEightBitStep)
{
  const ColorSliderAreaRange sixteen(0.0, 65535.0, 256.0);
  for (std::int64_t level = 0; level < 255; ++level)
  {
    const double t = From8Bit(level);
    EXPECT_EQ(To8Bit(sixteen.WheelStep(t, 1.0, false, 0)), level + 1);
    if (level > 0)
    {
      EXPECT_EQ(To8Bit(sixteen.WheelStep(t, -1.0, false, 0)), level - 1);
    }
  }
  EXPECT_EQ(sixteen.WheelStep(1.0, 1.0, false, 0), 1.0);
  EXPECT_NEAR(sixteen.WheelStep(1.0, -1.0, false, 0) * 65535.0, 65535.0 - 256.0, 1e-9);
}

TEST(SliderRange, WheelDirectionAndAltTenfold)
{
  const ColorSliderAreaRange unit(0.0, 1.0, 0.01);
  EXPECT_NEAR(unit.WheelStep(0.5, 3.0, false, 0), 0.51, 1e-12);  // one step, whatever the size
  EXPECT_NEAR(unit.WheelStep(0.5, -0.2, false, 0), 0.49, 1e-12);
  EXPECT_NEAR(unit.WheelStep(0.5, 1.0, true, 0), 0.49, 1e-12);  // reversed on a vertical bar
  EXPECT_NEAR(unit.WheelStep(0.5, 1.0, false, GXA_QUALIFIER_ALT), 0.6, 1e-12);
  EXPECT_NEAR(unit.WheelStep(0.5, 1.0, false, GXA_QUALIFIER_CTRL), 0.51, 1e-12);
  EXPECT_EQ(unit.WheelStep(0.5, 0.0, false, 0), 0.5);
  EXPECT_EQ(unit.WheelStep(0.0, -1.0, false, 0), 0.0);
}

TEST(SliderRange, HomeEndAndPageKeys)
{
  const ColorSliderAreaRange unit(0.0, 1.0, 0.01);
  EXPECT_EQ(unit.KeyStep(0.4, GXA_KEY_HOME, 0, false), 0.0);
  EXPECT_EQ(unit.KeyStep(0.4, GXA_KEY_END, 0, false), 1.0);
  EXPECT_NEAR(*unit.KeyStep(0.4, GXA_KEY_PGUP, 0, false), 0.5, 1e-12);
  EXPECT_NEAR(*unit.KeyStep(0.4, GXA_KEY_PGDOWN, 0, false), 0.3, 1e-12);
  EXPECT_EQ(*unit.KeyStep(0.95, GXA_KEY_PGUP, 0, false), 1.0);
  EXPECT_FALSE(unit.KeyStep(0.4, GXA_KEY_ENTER, 0, false).has_value());
  EXPECT_FALSE(unit.KeyStep(0.4, 'A', 0, false).has_value());
}

// Every key moves the handle the same way along the bar whichever way the
// range runs and whatever the sign of the step.
class SliderRangeOrientation : public ::testing::TestWithParam<ColorSliderAreaRange>
{};

TEST_P(SliderRangeOrientation, ArrowKeysMoveTheHandleTheSameWay)
{
  const ColorSliderAreaRange range = GetParam();
  const double t = 0.5;
  EXPECT_NEAR(*range.KeyStep(t, GXA_KEY_RIGHT, 0, false), 0.51, 1e-12);
  EXPECT_NEAR(*range.KeyStep(t, GXA_KEY_LEFT, 0, false), 0.49, 1e-12);
  EXPECT_NEAR(*range.KeyStep(t, GXA_KEY_UP, 0, false), 0.51, 1e-12);
  EXPECT_NEAR(*range.KeyStep(t, GXA_KEY_DOWN, 0, false), 0.49, 1e-12);
  EXPECT_NEAR(*range.KeyStep(t, GXA_KEY_UP, 0, true), 0.49, 1e-12);
  EXPECT_NEAR(*range.KeyStep(t, GXA_KEY_DOWN, 0, true), 0.51, 1e-12);
  EXPECT_NEAR(*range.KeyStep(t, GXA_KEY_RIGHT, GXA_QUALIFIER_SHIFT, false), 0.6, 1e-12);
  EXPECT_NEAR(*range.KeyStep(t, GXA_KEY_PGUP, 0, false), 0.6, 1e-12);
  EXPECT_EQ(*range.KeyStep(1.0, GXA_KEY_RIGHT, 0, false), 1.0);
  EXPECT_EQ(*range.KeyStep(0.0, GXA_KEY_LEFT, 0, false), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Ranges, SliderRangeOrientation,
                         ::testing::Values(ColorSliderAreaRange(0.0, 1.0, 0.01), ColorSliderAreaRange(1.0, 0.0, -0.01),
                                           ColorSliderAreaRange(1.0, 0.0, 0.01), ColorSliderAreaRange(0.0, 1.0, -0.01)),
                         [](const ::testing::TestParamInfo<ColorSliderAreaRange>& info) {
                           const ColorSliderAreaRange& r = info.param;
                           return std::string(r.GetRange() < 0 ? "Reversed" : "Forward") +
                                  (r.GetStep() < 0 ? "NegativeStep" : "PositiveStep");
                         });

TEST(SliderRange, EmptyRangeKeepsTheHandleAtTheStart)
{
  const ColorSliderAreaRange empty(0.5, 0.5, 0.01);
  EXPECT_EQ(empty.PositionOf(0.7), 0.0);
  EXPECT_EQ(*empty.KeyStep(0.0, GXA_KEY_RIGHT, 0, false), 0.0);
}
