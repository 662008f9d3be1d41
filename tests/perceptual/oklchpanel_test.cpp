// The OKLCh panel: published OKLab figures in its fields, values set beyond
// what a screen shows brought back at the same lightness and hue, gradients
// hatched exactly where they leave the gamut, the switch to L, a, b, and
// the chooser's linear colour read through linear light.
#include <set>

#include "perceptualtest.h"

namespace choosertest {
namespace {
using colorscience::OkLab;

class OklchPanelTest : public PerceptualTest {
 protected:
  void StartPerceptual() { Start(Perceptual(Modes({kPrefHsv})), host::AutomationOptions::kDefaultWidth); }
};

TEST_F(OklchPanelTest, FieldsShowThePublishedFiguresOfSrgbRed) {
  StartPerceptual();
  OpenOklch("a", {1.0, 0.0, 0.0});
  EXPECT_NEAR(Number("a", kOklchLightness), 0.628, 5e-4);
  EXPECT_NEAR(Number("a", kOklchSecond), 0.2577, 5e-5);
  EXPECT_NEAR(Number("a", kOklchThird), 29.23 * kDegree, 0.01 * kDegree);
  EXPECT_EQ(Gadget("a", kOklchLightness).Text(), "0.628");
  EXPECT_EQ(Gadget("a", kOklchThird).Text(), "29.2\u00B0");
  EXPECT_TRUE(Shows("a", kOklchLightnessSlider));
  EXPECT_TRUE(State("a").GetBool(kOklchMode));
}

TEST_F(OklchPanelTest, AValueTypedInsideTheGamutIsTakenExactly) {
  StartPerceptual();
  OpenOklch("a", {0.5, 0.5, 0.5});
  const double grey = Number("a", kOklchLightness);
  Type("a", kOklchLightness, "0.7");
  const host::Vector3 sent = LastColor("a");
  // The published matrices are rounded: a grey comes back grey to 1e-7.
  EXPECT_NEAR(Lch(sent).l, 0.7, 1e-9);
  EXPECT_NEAR(sent.x, sent.y, 1e-6);
  EXPECT_NEAR(sent.y, sent.z, 1e-6);
  EXPECT_NEAR(Number("a", kOklchLightness), 0.7, 1e-9);
  EXPECT_GT(0.7, grey);
}

TEST_F(OklchPanelTest, ChromaBeyondTheGamutComesBackAtTheSameLightnessAndHue) {
  StartPerceptual();
  OpenOklch("a", {0.2, 0.5, 0.8});
  const colorscience::OkLchColor before = Lch({0.2, 0.5, 0.8});
  Type("a", kOklchSecond, "0.35");
  const host::Vector3 sent = LastColor("a");
  ASSERT_TRUE(InGamut(sent));
  const colorscience::OkLchColor after = Lch(sent);
  // Cut back towards the grey axis, never past the colour the user had.
  EXPECT_LT(after.c, 0.35);
  EXPECT_GT(after.c, before.c);
  // Within a just noticeable difference of the requested lightness and hue.
  const colorscience::OkLabColor asked = OkLab::FromLch({before.l, after.c, before.h});
  EXPECT_LT(OkLab::DeltaE(OkLab::FromSrgb({sent.x, sent.y, sent.z}), asked), OkLab::kJustNoticeable);
  EXPECT_NEAR(after.l, before.l, OkLab::kJustNoticeable);
  EXPECT_NEAR(HueTurn(before.h, after.h), 0.0, 6.0);
  // The fields show the colour that was sent.
  EXPECT_NEAR(Number("a", kOklchSecond), after.c, 1e-9);
}

TEST_F(OklchPanelTest, HueSliderDragTurnsTheHueAtConstantLightness) {
  StartPerceptual();
  OpenOklch("a", {0.6, 0.4, 0.3});
  const colorscience::OkLchColor before = Lch({0.6, 0.4, 0.3});
  const host::Rect frame = Gadget("a", kOklchThirdSlider).Frame();
  const int y = frame.h / 2;
  Drag("a", kOklchThirdSlider, {{frame.w / 4, y}, {frame.w / 2, y}});
  const host::Vector3 sent = LastColor("a");
  const colorscience::OkLchColor after = Lch(sent);
  EXPECT_NEAR(after.l, before.l, 1e-9);
  EXPECT_NEAR(after.c, before.c, 1e-9);
  EXPECT_NEAR(after.h, 180.0, 2.0);
  EXPECT_EQ(Sent("a").back().GetInt32(kMessageDrag), 0);
}

// Each column of a horizontal slider holds one colour, or that colour and
// the stripes of the hatching.
std::set<int> ColoursInColumn(const host::Bitmap& picture, int x) {
  std::set<int> colours;
  for (int y = 4; y < picture.Height() - 4; ++y) {
    const Pixel p = At(picture, x, y);
    colours.insert((p.r << 16) | (p.g << 8) | p.b);
  }
  return colours;
}

TEST_F(OklchPanelTest, GradientsAreHatchedExactlyWhereTheyLeaveTheGamut) {
  // Red is the most chromatic colour at its lightness and hue: the chroma
  // bar (0 to 0.4) leaves the gamut at 0.2577 / 0.4 of its length.
  StartPerceptual();
  OpenOklch("a", {1.0, 0.0, 0.0});
  const host::Bitmap chroma = Picture("a", kOklchSecondSlider);
  const int steps = chroma.Width() - 3;
  const double edge = 0.25768 / 0.4;
  int hatched = 0, plain = 0;
  for (int i = 2; i < steps - 1; ++i) {
    const double t = static_cast<double>(i) / steps;
    if (std::fabs(t - edge) < 0.03) continue;  // the boundary, where the handle stands too
    const std::size_t count = ColoursInColumn(chroma, 1 + i).size();
    if (t < edge) {
      EXPECT_EQ(count, 1u) << "column " << 1 + i << " is inside the gamut";
      ++plain;
    } else {
      EXPECT_EQ(count, 2u) << "column " << 1 + i << " is outside the gamut";
      ++hatched;
    }
  }
  EXPECT_GT(plain, 20);
  EXPECT_GT(hatched, 20);
  // Outside the gamut the colour under the stripes is the mapped one:
  // full red, as red cannot grow more chromatic.
  EXPECT_TRUE(ColoursInColumn(chroma, chroma.Width() - 4).count(0xFF0000));

  // A mid grey's lightness bar stays inside the gamut end to end.
  OpenOklch("b", {0.5, 0.5, 0.5});
  const host::Bitmap lightness = Picture("b", kOklchLightnessSlider);
  const int length = lightness.Width() - 3;
  const double handle = Number("b", kOklchLightness);
  for (int i = 2; i < length - 1; i += 7) {
    if (std::fabs(static_cast<double>(i) / length - handle) > 0.03) {
      EXPECT_EQ(ColoursInColumn(lightness, 1 + i).size(), 1u) << "column " << 1 + i;
    }
  }
}

TEST_F(OklchPanelTest, SwitchShowsTheAAndBAxesAndRemembersIt) {
  StartPerceptual();
  OpenOklch("a", {1.0, 0.0, 0.0});
  EXPECT_EQ(Gadget("a", kOklchSecondLabel).Text(), "C");
  Click("a", kOklchLabSwitch);
  EXPECT_TRUE(State("a").GetBool(kOklchLabState));
  EXPECT_EQ(Gadget("a", kOklchSecondLabel).Text(), "a");
  EXPECT_EQ(Gadget("a", kOklchThirdLabel).Text(), "b");
  EXPECT_NEAR(Number("a", kOklchSecond), 0.2249, 5e-5);
  EXPECT_NEAR(Number("a", kOklchThird), 0.1258, 5e-5);
  EXPECT_TRUE(Sent("a").empty());

  // Typing b = 0 turns red towards pink at the same lightness.
  Type("a", kOklchThird, "0");
  const host::Vector3 sent = LastColor("a");
  const colorscience::OkLabColor lab = OkLab::FromSrgb({sent.x, sent.y, sent.z});
  EXPECT_NEAR(lab.l, 0.628, OkLab::kJustNoticeable);
  EXPECT_NEAR(lab.b, 0.0, OkLab::kJustNoticeable);
  EXPECT_GT(sent.z, 0.3);
}

TEST_F(OklchPanelTest, LinearColourIsReadAndWrittenThroughLinearLight) {
  host::Container prefs = Perceptual(Modes({kPrefHsv}));
  prefs.SetBool(kPrefLinearDisplay, true);
  Start(prefs, host::AutomationOptions::kDefaultWidth);
  // Linear 0.2 is the grey of OKLab lightness cbrt(0.2).
  OpenOklch("a", {0.2, 0.2, 0.2}, true);
  EXPECT_NEAR(Number("a", kOklchLightness), std::cbrt(0.2), 1e-7);
  Type("a", kOklchLightness, "0.5");
  const host::Vector3 sent = LastColor("a");
  EXPECT_NEAR(sent.x, 0.125, 1e-6);
  EXPECT_NEAR(sent.z, 0.125, 1e-6);
  // The same grey of a plain object is an sRGB value.
  OpenOklch("b", {0.2, 0.2, 0.2});
  EXPECT_NEAR(Number("b", kOklchLightness), std::cbrt(std::pow((0.2 + 0.055) / 1.055, 2.4)), 1e-7);
}
}  // namespace
}  // namespace choosertest
