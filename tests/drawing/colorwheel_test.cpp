// The rendered wheel and the picture composed with the colour list's
// handles, read back from the host bitmap it was drawn into.
#include <cmath>

#include "colorwheel/colorwheel.h"
#include "colorwheel/colorwheelharmonycomplementary.h"
#include "colorwheel/colorwheelharmonymono.h"
#include "drawinghost.h"
#include "utils/colorconversions.h"
#include "utils/colorutils.h"

namespace drawingtest {
namespace {
constexpr double kPi = 3.141592653589793;

Rgb To8(const Vector& rgb) {
  auto c = [](double v) { return static_cast<int>(v * 255.0 + 0.5); };
  return {c(rgb.x), c(rgb.y), c(rgb.z)};
}

ColorListEntry Entry(double h, double s, double v, bool selected) {
  ColorListEntry entry;
  entry.color = Vector(h, s, v);
  entry.selected = selected;
  return entry;
}

class ColorWheelTest : public DrawingTest {
 protected:
  BaseBitmap* Generate(std::int32_t size, std::int32_t scale) {
    auto generated = _wheel.GenerateWheel(size, scale, 60, 60, 60, _colors);
    EXPECT_TRUE(generated.IsOk()) << (generated.IsOk() ? "" : std::string(generated.GetError().GetMessage()));
    return generated.IsOk() ? generated.GetValue() : nullptr;
  }

  ColorWheel _wheel;
  BaseArray<ColorListEntry> _colors;
};

TEST_F(ColorWheelTest, EveryPixelFollowsTheHsvFormula) {
  for (const std::int32_t scheme : {ColorWheelScheme::kRgb, ColorWheelScheme::kRyb}) {
    for (const std::int32_t scale : {1, 2}) {
      for (const bool radiusIsSaturation : {true, false}) {
        SCOPED_TRACE(::testing::Message() << scheme << " scale " << scale << " radius sat " << radiusIsSaturation);
        _wheel.SetScheme(scheme);
        _wheel.SetRadiusIsSaturation(radiusIsSaturation);
        _wheel.SetFixedComponent(0.8);
        BaseBitmap* picture = Generate(61, scale);
        ASSERT_NE(picture, nullptr);
        const int n = 61 * scale;
        ASSERT_EQ(picture->GetWidth(), n);
        const double c = 30.0 * scale, r = 24.0 * scale;
        const ColorWheelScheme& schemes = _wheel.GetScheme();
        for (int y = 0; y < n; ++y) {
          for (int x = 0; x < n; ++x) {
            const double d = std::hypot(x - c, y - c);
            const int alpha = d <= r ? 255 : (d - r < 1 ? static_cast<int>((1 - (d - r)) * 255 + 0.5) : 0);
            ASSERT_EQ(picture->GetAlpha(x, y), alpha) << x << ", " << y;
            Rgb expected;
            if (d - r < 1) {
              const double hue = schemes.PointToHue(Vector(x, y, 0), Vector(c, c, 0));
              const double t = std::clamp(d / r, 0.0, 1.0);
              expected = To8(HsvToRgb(radiusIsSaturation ? Vector(hue, t, 0.8) : Vector(hue, 0.8, t)));
            }
            ASSERT_EQ(At(*picture, x, y), expected) << x << ", " << y;
          }
        }
        Keep(*picture, "wheel-" + std::to_string(scheme) + "-" + std::to_string(scale) +
                           (radiusIsSaturation ? "-sat" : "-val") + ".png");
      }
    }
  }
}

TEST_F(ColorWheelTest, LinearWheelShowsTheDisplayForm) {
  _wheel.SetLinear(true);
  _wheel.SetFixedComponent(0.3);
  BaseBitmap* picture = Generate(61, 1);
  ASSERT_NE(picture, nullptr);
  const ColorWheelScheme& scheme = _wheel.GetScheme();
  for (int y = 6; y < 55; y += 3) {
    for (int x = 6; x < 55; x += 3) {
      const double d = std::hypot(x - 30.0, y - 30.0);
      if (d > 24) continue;
      const double hue = scheme.PointToHue(Vector(x, y, 0), Vector(30, 30, 0));
      const Vector shown = ConvertColorSpace(HsvToRgb(Vector(hue, d / 24, 0.3)), 1);
      ASSERT_EQ(At(*picture, x, y), To8(shown)) << x << ", " << y;
    }
  }
}

TEST_F(ColorWheelTest, RimPixelsCarryTheHueOfTheirAngle) {
  for (const std::int32_t scheme : {ColorWheelScheme::kRgb, ColorWheelScheme::kRyb}) {
    _wheel.SetScheme(scheme);
    BaseBitmap* picture = Generate(200, 2);
    ASSERT_NE(picture, nullptr);
    Keep(*picture, "wheel-rim-" + std::to_string(scheme) + ".png");
    const ColorWheelScheme& schemes = _wheel.GetScheme();
    for (double degrees = 5; degrees < 360; degrees += 10) {
      // The wheel angle measured from the top, counter-clockwise on screen.
      const double a = degrees * kPi / 180.0;
      const int x = static_cast<int>(std::lround(200 - 180 * std::sin(a)));
      const int y = static_cast<int>(std::lround(200 - 180 * std::cos(a)));
      const Rgb p = At(*picture, x, y);
      const Vector hsv = RgbToHsv(Vector(p.r / 255.0, p.g / 255.0, p.b / 255.0));
      const double expected = schemes.WheelAngleToHue(a, 0.0) / (2 * kPi);
      const double apart = std::fabs(hsv.x - expected);
      EXPECT_LT(std::min(apart, 1 - apart), 0.012) << scheme << " at " << degrees << " degrees";
    }
  }
  // In RYB, yellow lies a third of a turn counter-clockwise from red.
  _wheel.SetScheme(ColorWheelScheme::kRyb);
  BaseBitmap* small = Generate(200, 1);
  ASSERT_NE(small, nullptr);
  const Rgb yellow = At(*small, static_cast<int>(std::lround(100 - 90 * std::sin(2 * kPi / 3))),
                        static_cast<int>(std::lround(100 - 90 * std::cos(2 * kPi / 3))));
  EXPECT_GT(yellow.r, 240);
  EXPECT_GT(yellow.g, 240);
  EXPECT_LT(yellow.b, 20);
}

TEST_F(ColorWheelTest, TinyWheelOnlyHasItsRim) {
  // Logical size 12: radius 0, the centre pixel alone is opaque.
  BaseBitmap* picture = Generate(12, 1);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->GetAlpha(6, 6), 255);
  EXPECT_EQ(picture->GetAlpha(7, 6), 0);
  auto none = _wheel.GenerateWheel(0, 1, 0, 0, 0, _colors);
  ASSERT_TRUE(none.IsOk());
  EXPECT_EQ(none.GetValue(), nullptr);
}

TEST_F(ColorWheelTest, PositionsMapToColoursInLogicalPixels) {
  ASSERT_NE(Generate(200, 2), nullptr);
  // After a render at scale 2 the geometry is logical again.
  EXPECT_EQ(_wheel.GetCentre(), Vector(100, 100, 0));
  EXPECT_DOUBLE_EQ(_wheel.GetRadius(), 94.0);
  const Vector at = _wheel.HsvToPoint(0.25, 0.5, 1.0);
  EXPECT_NEAR(at.x, 100 - 47, 1e-9);
  EXPECT_NEAR(at.y, 100, 1e-9);
  const Vector hsv = _wheel.PointToHsv(Vector(at.x, at.y, 0));
  EXPECT_NEAR(hsv.x, 0.25, 1e-12);
  EXPECT_NEAR(hsv.y, 0.5, 1e-12);
  EXPECT_EQ(hsv.z, 1.0);
  // Beyond the rim the distance stops at the radius.
  EXPECT_EQ(_wheel.PointToHsv(Vector(100, 300, 0)).y, 1.0);
}

class ColorWheelHandlesTest : public ColorWheelTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(_colors.Append(Entry(0.0, 0.6, 1.0, true)).IsOk());
    ASSERT_TRUE(_colors.Append(Entry(1.0 / 3.0, 0.6, 1.0, true)).IsOk());
    ASSERT_TRUE(_colors.Append(Entry(2.0 / 3.0, 0.6, 1.0, false)).IsOk());
  }

  // The composed picture's pixel at a handle's centre, scale 1, size 200.
  Rgb AtHandle(const BaseBitmap& picture, std::size_t index) {
    const Vector& hsv = _colors[index].color;
    const Vector at = _wheel.HsvToPoint(hsv.x, hsv.y, hsv.z);
    return At(picture, static_cast<int>(std::lround(at.x)), static_cast<int>(std::lround(at.y)));
  }
};

TEST_F(ColorWheelHandlesTest, MarkersShowTheirColoursAndTheMainOneCarriesADot) {
  _wheel.SetActiveHandle(0);
  for (const std::int32_t scheme : {ColorWheelScheme::kRyb, ColorWheelScheme::kRgb}) {
    _wheel.SetScheme(scheme);
    for (const std::int32_t scale : {2, 1}) {
      BaseBitmap* picture = Generate(200, scale);
      ASSERT_NE(picture, nullptr);
      Keep(*picture, "wheel-handles-" + std::to_string(scheme) + "-" + std::to_string(scale) + ".png");
    }
  }
  BaseBitmap* picture = Generate(200, 1);
  ASSERT_NE(picture, nullptr);
  // No harmony: only the main colour has its dot, black on a bright wheel.
  EXPECT_EQ(AtHandle(*picture, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(AtHandle(*picture, 1), To8(HsvToRgb(Vector(1.0 / 3.0, 0.6, 1.0))));
  // Unselected markers show their colour too, without a dot.
  const Rgb under = To8(HsvToRgb(Vector(2.0 / 3.0, 0.6, 1.0)));
  EXPECT_EQ(AtHandle(*picture, 2), under);
  // The centre point is the common grey.
  EXPECT_EQ(At(*picture, 100, 100), (Rgb{0, 0, 0}));
  EXPECT_EQ(_wheel.GetSelectedHandles().GetCount(), 1u);
  EXPECT_EQ(_wheel.GetUnselectedHandles().GetCount(), 1u);
}

TEST_F(ColorWheelHandlesTest, HarmoniesOtherThanMonoPutDotsOnSelectedHandles) {
  ColorWheelHarmonyComplementary complementary(_wheel);
  ColorWheelHarmonyMono mono(_wheel);
  _wheel.SetCurrentHarmony(&complementary);
  BaseBitmap* picture = Generate(200, 1);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(AtHandle(*picture, 1), (Rgb{0, 0, 0}));
  _wheel.SetCurrentHarmony(&mono);
  picture = Generate(200, 1);
  EXPECT_EQ(AtHandle(*picture, 1), To8(HsvToRgb(Vector(1.0 / 3.0, 0.6, 1.0))));
  EXPECT_EQ(AtHandle(*picture, 0), (Rgb{0, 0, 0}));
}

TEST_F(ColorWheelHandlesTest, OutlinesTurnWhiteBelowTheThreshold) {
  _wheel.SetFixedComponent(0.5);
  BaseBitmap* picture = Generate(200, 1);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(AtHandle(*picture, 0), (Rgb{0, 0, 0}));
  _wheel.SetFixedComponent(0.49);
  picture = Generate(200, 1);
  EXPECT_EQ(AtHandle(*picture, 0), (Rgb{255, 255, 255}));
  // Linear colours switch at 0.2.
  _wheel.SetLinear(true);
  _wheel.SetFixedComponent(0.2);
  picture = Generate(200, 1);
  EXPECT_EQ(AtHandle(*picture, 0), (Rgb{0, 0, 0}));
}

TEST_F(ColorWheelHandlesTest, ValueWheelOutlinesFollowEachColoursValue) {
  _wheel.SetRadiusIsSaturation(false);
  _colors[1].color = Vector(1.0 / 3.0, 1.0, 0.3);
  _colors[0].color = Vector(0.0, 1.0, 0.7);
  ColorWheelHarmonyComplementary complementary(_wheel);
  _wheel.SetCurrentHarmony(&complementary);
  BaseBitmap* picture = Generate(200, 1);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(AtHandle(*picture, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(AtHandle(*picture, 1), (Rgb{255, 255, 255}));
}
}  // namespace
}  // namespace drawingtest
