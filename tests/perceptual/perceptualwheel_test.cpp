// The perceptual wheel scheme: offered in the wheel's menu only with the
// preference on; every harmony keeps its angles, now of OKLCh hue, with all
// partners at the base colour's lightness and chroma; the wheel shows the
// OKLCh hue circle at the edited colour's lightness.
#include <string>
#include <vector>

#include "perceptualtest.h"
#include "wheelpagetest.h"

namespace choosertest {
namespace {
using colorscience::OkLab;

constexpr std::int32_t kMenuPerceptual = 900010;
constexpr std::int32_t kSchemePerceptual = 20002;
constexpr std::int32_t kComplementary = 0x3EA000E;
constexpr std::int32_t kSplit = 0x3EA0011;
constexpr std::int32_t kTetrad = 0x3EA0013;

class PerceptualWheelTest : public WheelModeTest {
 protected:
  void StartPerceptualWheel() { StartWheel(1, Perceptual(Modes())); }
  void Open(const std::string& key, const host::Vector3& color) {
    ChooserPageTest::Open(key, Settings(0, kNoBrightness), Plain(color.x, color.y, color.z));
  }
  // Chooses an entry of the wheel's context menu; answers its entries.
  std::vector<std::string> ChooseFromMenu(const std::string& key, std::int32_t item) {
    Host().Answer(host::Answer::MenuChoice(item));
    const std::size_t before = ui.menus.size();
    ClickAt(key, kWheelArea, {5, 5}, 2);
    std::vector<std::string> texts;
    if (ui.menus.size() != before + 1) {
      ADD_FAILURE() << "no menu";
      return texts;
    }
    for (const host::MenuEntry& entry : ui.menus.back().menu.Entries())
      texts.push_back(entry.text + (entry.checked ? " (checked)" : ""));
    return texts;
  }
  std::vector<colorscience::OkLchColor> Harmony(const std::string& key) {
    std::vector<colorscience::OkLchColor> colors;
    for (const WheelEntry& entry : Colors(key)) colors.push_back(Lch(HsvToRgb(entry.hsv)));
    return colors;
  }
};

TEST_F(PerceptualWheelTest, SchemeMenuOffersThePerceptualWheelAfterRgbAndRyb) {
  StartPerceptualWheel();
  Open("a", {1.0, 0.0, 0.0});
  const std::vector<std::string> menu = ChooseFromMenu("a", kMenuPerceptual);
  // The stated seven, the scheme, and the colour-vision submenu after a separator.
  ASSERT_EQ(menu.size(), 10u);
  EXPECT_EQ(menu.back(), "Color Vision");
  EXPECT_EQ(menu[0], "RGB Wheel (checked)");
  EXPECT_EQ(menu[2], "Perceptual (OKLCh)");
  EXPECT_EQ(State("a").GetInt32(kWheelScheme), kSchemePerceptual);
  const std::vector<std::string> again = ChooseFromMenu("a", 0);
  EXPECT_EQ(again[0], "RGB Wheel");
  EXPECT_EQ(again[2], "Perceptual (OKLCh) (checked)");
}

// Partners of each rule at the base colour's lightness; where they lie in
// the gamut also at its chroma, their hues at the rule's angles.
void ExpectEqualLightness(const std::vector<colorscience::OkLchColor>& colors, const std::vector<double>& angles) {
  ASSERT_EQ(colors.size(), angles.size());
  for (std::size_t k = 1; k < colors.size(); ++k) {
    EXPECT_NEAR(colors[k].l, colors[0].l, 1e-3) << "colour " << k;
    EXPECT_NEAR(colors[k].c, colors[0].c, 1e-3) << "colour " << k;
    EXPECT_NEAR(HueTurn(colors[0].h + angles[k], colors[k].h), 0.0, 0.5) << "colour " << k;
  }
}

TEST_F(PerceptualWheelTest, HarmoniesKeepTheirAnglesInOklchHueAtTheBaseLightness) {
  StartPerceptualWheel();
  Open("a", {0.75, 0.55, 0.45});
  ChooseFromMenu("a", kMenuPerceptual);
  Click("a", kComplementary);
  ExpectEqualLightness(Harmony("a"), {0.0, 180.0});
  Click("a", kSplit);
  ExpectEqualLightness(Harmony("a"), {0.0, 150.0, -150.0});
  Click("a", kTetrad);
  ExpectEqualLightness(Harmony("a"), {0.0, 180.0, -60.0, 120.0});
  // A darker value from the slider darkens all four alike.
  const double before = Harmony("a")[0].l;
  const host::Rect slider = Gadget("a", kWheelSlider).Frame();
  Drag("a", kWheelSlider, {{slider.w / 2, 3}, {slider.w / 2, slider.h / 2}});
  ExpectEqualLightness(Harmony("a"), {0.0, 180.0, -60.0, 120.0});
  EXPECT_LT(Harmony("a")[0].l, before - 0.1);

  // The same rule on the RGB wheel gives partners of another lightness.
  ChooseFromMenu("a", 900000);
  const std::vector<colorscience::OkLchColor> rgb = Harmony("a");
  ASSERT_EQ(rgb.size(), 4u);
  double spread = 0.0;
  for (const colorscience::OkLchColor& color : rgb) spread = std::max(spread, std::fabs(color.l - rgb[0].l));
  EXPECT_GT(spread, 0.03);
}

TEST_F(PerceptualWheelTest, PartnersOutsideTheGamutComeInAtTheSameLightness) {
  StartPerceptualWheel();
  // Saturated orange: its partners at this chroma lie outside sRGB.
  Open("a", {1.0, 0.5, 0.0});
  ChooseFromMenu("a", kMenuPerceptual);
  Click("a", kTetrad);
  const std::vector<colorscience::OkLchColor> colors = Harmony("a");
  ASSERT_EQ(colors.size(), 4u);
  for (std::size_t k = 1; k < colors.size(); ++k) {
    EXPECT_NEAR(colors[k].l, colors[0].l, OkLab::kJustNoticeable) << "colour " << k;
    EXPECT_LT(colors[k].c, colors[0].c + 1e-9) << "colour " << k;
  }
}

// The largest chroma sRGB reaches at a lightness and hue, by bisection.
double MostChroma(double l, double h) {
  double low = 0.0, high = 0.5;
  for (int i = 0; i < 50; ++i) {
    const double c = (low + high) / 2;
    const colorscience::SrgbColor s = OkLab::ToSrgb(OkLab::FromLch({l, c, h}));
    const bool inside =
        s.r >= -1e-12 && s.r <= 1 + 1e-12 && s.g >= -1e-12 && s.g <= 1 + 1e-12 && s.b >= -1e-12 && s.b <= 1 + 1e-12;
    (inside ? low : high) = c;
  }
  return low;
}

TEST_F(PerceptualWheelTest, WheelShowsTheOklchHueCircleAtTheEditedLightness) {
  StartPerceptualWheel();
  Open("a", {1.0, 0.0, 0.0});
  ChooseFromMenu("a", kMenuPerceptual);
  const host::Bitmap wheel = Picture("a", kWheelArea);
  const double redHue = Lch({1.0, 0.0, 0.0}).h;
  // Half way out, every quarter turn from red but red itself (its handle).
  for (const int quarter : {1, 2, 3}) {
    const double turn = quarter * kPi / 2.0;
    const int x = static_cast<int>(std::lround(kCentre - 50.5 * std::sin(turn)));
    const int y = static_cast<int>(std::lround(kCentre - 50.5 * std::cos(turn)));
    const double hue = std::fmod(redHue + quarter * 90.0, 360.0);
    const colorscience::SrgbColor expected =
        OkLab::ToSrgb(OkLab::FromLch({0.62796, 0.5 * MostChroma(0.62796, hue), hue}));
    EXPECT_TRUE(Near(At(wheel, x, y), Of(expected.r, expected.g, expected.b), 4)) << "quarter " << quarter;
    const Pixel p = At(wheel, x, y);
    EXPECT_NEAR(Lch({p.r / 255.0, p.g / 255.0, p.b / 255.0}).l, 0.628, 0.01) << "quarter " << quarter;
  }
}

TEST_F(PerceptualWheelTest, DraggingTheMainHandleKeepsItsLightness) {
  StartPerceptualWheel();
  Open("a", {1.0, 0.0, 0.0});
  ChooseFromMenu("a", kMenuPerceptual);
  const host::Point top{107, 6};
  Drag("a", kWheelArea, {top, {90, 40}, {60, 80}});
  const host::Vector3 color = Data("a").color;
  EXPECT_NEAR(Lch(color).l, 0.628, 1e-3);
  EXPECT_GT(std::fabs(HueTurn(Lch({1.0, 0.0, 0.0}).h, Lch(color).h)), 20.0);
}
}  // namespace
}  // namespace choosertest
