// The harmony rules on a real wheel (200 logical pixels: centre 100, 100,
// radius 94), in the cases a user meets: what each rule makes of an edit,
// where a drag leaves the colours, and the library entries other modules
// call.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "colorwheel/colorwheel.h"
#include "colorwheel/colorwheelharmonies.h"
#include "colorwheel/harmonygenerator.h"
#include "drawinghost.h"
#include "utils/colorconversions.h"

using drawingtest::DrawingTest;

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kTol = 1e-9;

double Degrees(double hue) { return hue * 360.0; }

// Hue distance in degrees, the short way round.
double HueGap(double a, double b) {
  double d = std::fmod(std::fabs(a - b), 1.0) * 360.0;
  return d > 180.0 ? 360.0 - d : d;
}

class HarmonyTest : public DrawingTest {
 protected:
  HarmonyTest() : _rules(_wheel) {
    BaseArray<ColorListEntry> none;
    EXPECT_TRUE(_wheel.GenerateWheel(200, 1, 0, 0, 0, none).IsOk());
  }

  void Fill(std::size_t count, const Vector& color = Vector(0.1, 0.8, 0.9)) {
    ASSERT_TRUE(_list.SetCount(count).IsOk());
    for (std::size_t i = 0; i < count; ++i) _list[i].color = color;
    _list.SelectOnly(0);
    _list.TakeLayoutChanged();
  }

  std::vector<double> Hues() const {
    std::vector<double> hues;
    for (const ColorListEntry& e : _list.Entries()) hues.push_back(e.color.x);
    return hues;
  }

  ColorWheel _wheel;
  ColorWheelHarmonies _rules;
  ColorList _list;
};

TEST_F(HarmonyTest, FixedSizeRulesMakeTheirListsAndPlaceHuesAroundTheEditedEntry) {
  _list.SetSelectedIndex(0);
  const Vector input(0.2, 0.7, 0.6);
  ASSERT_TRUE(_rules.Get(ColorWheelHarmony::kComplementary).Compute(input, _list).IsOk());
  ASSERT_EQ(_list.GetCount(), 2u);
  EXPECT_TRUE(_list.TakeLayoutChanged());
  EXPECT_EQ(_list[0].color, input);
  EXPECT_NEAR(Degrees(_list[1].color.x), 252.0, kTol);
  EXPECT_EQ(_list[1].color.y, 0.7);

  ASSERT_TRUE(_rules.Get(ColorWheelHarmony::kSplit).Compute(input, _list).IsOk());
  ASSERT_EQ(_list.GetCount(), 3u);
  EXPECT_NEAR(Degrees(_list[1].color.x), 72.0 + 150.0, 1e-6);
  EXPECT_NEAR(Degrees(_list[2].color.x), 72.0 + 210.0, 1e-6);

  // Editing the third colour of a tetrad keeps it and moves the rest.
  _list.SetSelectedIndex(3);
  ASSERT_TRUE(_rules.Get(ColorWheelHarmony::kTetrad).Compute(input, _list).IsOk());
  ASSERT_EQ(_list.GetCount(), 4u);
  EXPECT_EQ(_list[3].color, input);
  const double m = _list[0].color.x;
  EXPECT_NEAR(HueGap(_list[1].color.x, m), 180.0, 1e-6);
  EXPECT_NEAR(HueGap(_list[2].color.x, m + 300.0 / 360.0), 0.0, 1e-6);
  EXPECT_NEAR(HueGap(_list[3].color.x, m + 120.0 / 360.0), 0.0, 1e-6);
  // A longer list is cut back.
  Fill(6);
  ASSERT_TRUE(_rules.Get(ColorWheelHarmony::kComplementary).Compute(input, _list).IsOk());
  EXPECT_EQ(_list.GetCount(), 2u);
}

TEST_F(HarmonyTest, ComplementaryInRybPlacesRedsPartnerAtRgbHue138) {
  _wheel.SetScheme(ColorWheelScheme::kRyb);
  Fill(2);
  ASSERT_TRUE(_rules.Get(ColorWheelHarmony::kComplementary).Compute(Vector(0.0, 1.0, 1.0), _list).IsOk());
  EXPECT_NEAR(Degrees(_list[1].color.x), 138.0, 1e-6);
  EXPECT_NEAR(_wheel.GetScheme().HueToWheelAngle(_list[1].color.x), kPi, 1e-9);
}

TEST_F(HarmonyTest, EquiSpacesEveryColourAndLeavesASingleOneAlone) {
  Fill(4);
  ASSERT_TRUE(_rules.Get(ColorWheelHarmony::kEqui).Compute(Vector(0.1, 0.5, 0.5), _list).IsOk());
  const std::vector<double> hues = Hues();
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(HueGap(hues[k], 0.1 + k * 0.25), 0.0, 1e-9) << k;
  EXPECT_FALSE(_list.TakeLayoutChanged());
  Fill(1, Vector(0.3, 0.3, 0.3));
  ASSERT_TRUE(_rules.Get(ColorWheelHarmony::kEqui).Compute(Vector(0.3, 0.3, 0.3), _list).IsOk());
  EXPECT_EQ(_list.GetCount(), 1u);
  EXPECT_EQ(_list[0].color, Vector(0.3, 0.3, 0.3));
}

TEST_F(HarmonyTest, AnalogSpreadsBothWaysFromAnAnchorInTheMiddle) {
  Fill(5);
  _list.SetSelectedIndex(2);
  auto& analog = _rules.Analog();
  ASSERT_TRUE(analog.Compute(Vector(0.5, 0.4, 0.3), _list).IsOk());
  const std::vector<double> hues = Hues();
  for (int k = 0; k < 5; ++k) EXPECT_NEAR(Degrees(hues[k]), 180.0 + (k - 2) * 30.0, 1e-6) << k;
  analog.SetAnalogMode(1);
  EXPECT_EQ(analog.GetMaxCount(), 24);
  ASSERT_TRUE(analog.Compute(Vector(0.5, 0.4, 0.3), _list).IsOk());
  EXPECT_NEAR(Degrees(_list[4].color.x), 210.0, 1e-6);
  // An anchor beyond the end is the last entry.
  _list.SetSelectedIndex(9);
  ASSERT_TRUE(analog.Compute(Vector(0.5, 0.4, 0.3), _list).IsOk());
  EXPECT_EQ(_list[4].color, Vector(0.5, 0.4, 0.3));
  EXPECT_NEAR(Degrees(_list[0].color.x), 120.0, 1e-6);
}

TEST_F(HarmonyTest, MonoFactorsGrowIntoTheWidestGapsAndSpreadEvenly) {
  auto& mono = _rules.Mono();
  Fill(5, Vector(0.6, 0.8, 1.0));
  ASSERT_TRUE(mono.Compute(Vector(0.6, 0.8, 1.0), _list).IsOk());
  const BaseArray<double>& f = mono.GetFactors();
  ASSERT_EQ(f.GetCount(), 4u);
  EXPECT_EQ(f[0], 0.5);
  EXPECT_EQ(f[1], 0.25);
  EXPECT_EQ(f[2], 0.75);
  EXPECT_EQ(f[3], 0.125);
  EXPECT_NEAR(_list[2].color.y, 0.2, kTol);
  ASSERT_TRUE(mono.SpreadEvenly(5).IsOk());
  EXPECT_EQ(f[0], 0.75);
  EXPECT_EQ(f[1], 0.5);
  EXPECT_EQ(f[2], 0.25);
  EXPECT_EQ(f[3], 0.0);
}

TEST_F(HarmonyTest, MonoColourPastTheRimIsCutBackToIt) {
  auto& mono = _rules.Mono();
  Fill(2, Vector(0.6, 0.4, 1.0));
  ASSERT_TRUE(mono.Compute(Vector(0.6, 0.4, 1.0), _list).IsOk());
  // Editing colour 1 to three times the main saturation sets factor 3...
  _list.SetSelectedIndex(1);
  ASSERT_TRUE(mono.Compute(Vector(0.6, 1.2, 1.0), _list).IsOk());
  // ... which puts it past the rim: it sits on the rim, the factor says so.
  EXPECT_EQ(_list[1].color.y, 1.0);
  EXPECT_NEAR(mono.GetFactors()[0], 1.0 / 0.4, kTol);
}

TEST_F(HarmonyTest, MonoHandleSlidesOnlyAlongTheMainSpoke) {
  auto& mono = _rules.Mono();
  Fill(2, Vector(0.25, 1.0, 1.0));
  ASSERT_TRUE(mono.Compute(Vector(0.25, 1.0, 1.0), _list).IsOk());
  _list.SetSelectedIndex(1);
  // Halfway along the spoke, and a little to the side of it.
  const Vector half = _wheel.HsvToPoint(0.25, 0.5, 1.0);
  ASSERT_TRUE(mono.MoveHandle(1, Vector(half.x, half.y + 3.0, 0.0), false, _list).IsOk());
  EXPECT_EQ(_list[1].color.x, 0.25);
  EXPECT_NEAR(_list[1].color.y, 0.5, 0.04);
  EXPECT_EQ(_list.GetSelectedIndex(), 1);
  EXPECT_EQ(_list[0].color, Vector(0.25, 1.0, 1.0));
}

TEST_F(HarmonyTest, LockTurnsEveryHueOnceRoundTheWheel) {
  EXPECT_NEAR(ColorWheelHarmonyLock::WrapHue(0.95 + 0.1), 0.05, kTol);
  EXPECT_NEAR(ColorWheelHarmonyLock::WrapHue(0.05 - 0.1), 0.95, kTol);
  Fill(3);
  _list[0].color = Vector(0.95, 0.5, 0.9);
  _list[1].color = Vector(0.5, 0.3, 0.4);
  _list[2].color = Vector(0.1, 0.2, 0.4);
  ASSERT_TRUE(_rules.Lock().Compute(Vector(0.05, 0.5, 0.7), _list).IsOk());
  EXPECT_EQ(_list[0].color, Vector(0.05, 0.5, 0.7));
  EXPECT_NEAR(_list[1].color.x, 0.6, kTol);
  EXPECT_NEAR(_list[2].color.x, 0.2, kTol);
  // Radii stay; the fixed component (value) follows the edit.
  EXPECT_EQ(_list[1].color.y, 0.3);
  EXPECT_EQ(_list[1].color.z, 0.7);
}

TEST_F(HarmonyTest, LockDragTurnsOnlyTheSelectedHandlesUnlessAll) {
  Fill(3, Vector(0.0, 0.5, 1.0));
  _list[1].color.x = 0.1;
  _list[2].color.x = 0.2;
  _list[0].selected = _list[1].selected = true;
  const Vector to = _wheel.HsvToPoint(0.25, 0.5, 1.0);
  ASSERT_TRUE(_rules.Lock().MoveHandle(0, to, false, _list).IsOk());
  EXPECT_NEAR(_list[0].color.x, 0.25, 1e-3);
  EXPECT_NEAR(_list[1].color.x, 0.35, 1e-3);
  EXPECT_EQ(_list[2].color.x, 0.2);
  EXPECT_EQ(_list[1].color.y, 0.5);
  ASSERT_TRUE(_rules.Lock().MoveHandle(0, _wheel.HsvToPoint(0.3, 0.5, 1.0), true, _list).IsOk());
  EXPECT_NEAR(_list[2].color.x, 0.25, 1e-3);
}

TEST_F(HarmonyTest, FreeDragKeepsTheHandlesFixedComponent) {
  Fill(2, Vector(0.0, 0.5, 0.35));
  const Vector to = _wheel.HsvToPoint(0.4, 0.75, 1.0);
  ASSERT_TRUE(_rules.Free().MoveHandle(1, to, false, _list).IsOk());
  EXPECT_NEAR(_list[1].color.x, 0.4, 1e-3);
  EXPECT_NEAR(_list[1].color.y, 0.75, 1e-3);
  EXPECT_EQ(_list[1].color.z, 0.35);
  EXPECT_EQ(_list[0].color, Vector(0.0, 0.5, 0.35));
}

TEST_F(HarmonyTest, FreePlacesAppendedColoursInTheWidestGaps) {
  auto& free = _rules.Free();
  // One colour: the new ones share the turn with it.
  Fill(3, Vector(0.25, 0.6, 0.8));
  _list[1].color = _list[2].color = Vector();
  ASSERT_TRUE(free.PlaceAppended(_list, 1).IsOk());
  EXPECT_NEAR(Degrees(_list[1].color.x), 90.0 + 120.0, 1e-6);
  EXPECT_NEAR(Degrees(_list[2].color.x), 90.0 + 240.0, 1e-6);
  EXPECT_EQ(_list[1].color.y, 0.6);
  EXPECT_EQ(_list[1].color.z, 0.8);
  EXPECT_FALSE(_list[0].selected);
  // Two colours at 0 and 90 degrees: the new one goes opposite the gap's
  // middle, at 225; the next into the widest gap left, after 225.
  Fill(4, Vector(0.0, 1.0, 1.0));
  _list[1].color = Vector(0.25, 0.5, 0.5);
  ASSERT_TRUE(free.PlaceAppended(_list, 2).IsOk());
  EXPECT_NEAR(Degrees(_list[2].color.x), 225.0, 1e-6);
  EXPECT_NEAR(Degrees(_list[3].color.x), 157.5, 1e-6);
  // No old colour on the wheel (black): evenly from hue 0, full strength.
  Fill(3, Vector(0.5, 0.0, 0.0));
  ASSERT_TRUE(free.PlaceAppended(_list, 1).IsOk());
  EXPECT_NEAR(Degrees(_list[1].color.x), 0.0, 1e-6);
  EXPECT_NEAR(Degrees(_list[2].color.x), 180.0, 1e-6);
  EXPECT_EQ(_list[2].color.z, 1.0);
}

TEST_F(HarmonyTest, BaseDragMovesTheHandleAndRederivesTheOthers) {
  Fill(2);
  _list.SetSelectedIndex(1);
  const Vector to = _wheel.HsvToPoint(0.5, 0.6, 1.0);
  ASSERT_TRUE(_rules.Get(ColorWheelHarmony::kComplementary).MoveHandle(1, to, false, _list).IsOk());
  EXPECT_NEAR(_list[1].color.x, 0.5, 1e-3);
  EXPECT_NEAR(HueGap(_list[0].color.x, _list[1].color.x), 180.0, 1e-6);
}

// The library's generators as other modules see them.
std::vector<double> HueDegrees(const BaseArray<Vector>& colors) {
  std::vector<double> hues;
  for (const Vector& c : colors) hues.push_back(Degrees(RgbToHsv(c).x));
  return hues;
}

TEST(HarmonyGeneratorTest, RulesAppendTheStartColourThenTheirColours) {
  const Vector orange = HsvToRgb(Vector(30.0 / 360.0, 0.8, 0.9));
  BaseArray<Vector> out;
  HarmonyGenerator rgb(false);
  ASSERT_TRUE(rgb.Tetrad(orange, out));
  std::vector<double> hues = HueDegrees(out);
  ASSERT_EQ(hues.size(), 4u);
  EXPECT_NEAR(hues[0], 30.0, 1e-6);
  EXPECT_NEAR(hues[1], 210.0, 1e-6);
  EXPECT_NEAR(hues[2], 330.0, 1e-6);
  EXPECT_NEAR(hues[3], 150.0, 1e-6);
  EXPECT_NEAR(RgbToHsv(out[3]).y, 0.8, 1e-9);
  out.Flush();
  ASSERT_TRUE(rgb.Equi(orange, 3, out));
  hues = HueDegrees(out);
  ASSERT_EQ(hues.size(), 4u);
  EXPECT_NEAR(hues[3], 300.0, 1e-6);
  out.Flush();
  HarmonyGenerator ryb(true);
  ASSERT_TRUE(ryb.Complementary(Vector(1.0, 0.0, 0.0), out));
  EXPECT_NEAR(HueDegrees(out)[1], 138.0, 1e-6);
}

TEST(HarmonyGeneratorTest, GradientStepsWithoutWrappingAndRefusesNoSteps) {
  BaseArray<Vector> out;
  HarmonyGenerator rgb(false);
  const Vector from = HsvToRgb(Vector(0.9, 1.0, 1.0)), to = HsvToRgb(Vector(0.1, 0.5, 0.5));
  EXPECT_FALSE(rgb.Gradient(from, to, 0, out));
  EXPECT_TRUE(out.IsEmpty());
  ASSERT_TRUE(rgb.Gradient(from, to, 3, out));
  ASSERT_EQ(out.GetCount(), 5u);
  // The long way down through green, not across red.
  const std::vector<double> hues = HueDegrees(out);
  EXPECT_NEAR(hues[2], 180.0, 1e-6);
  EXPECT_NEAR(RgbToHsv(out[2]).y, 0.75, 1e-9);
  EXPECT_EQ(out[4], to);
}
}  // namespace
