// The contrast and name readouts of the colour field's tooltip and of the
// mixer, seen through the host, and the promise that without the perceptual
// colour tools nothing of them shows.
#include <cstdlib>
#include <string>

#include "perceptualtest.h"

namespace perceptualtest {
namespace {
constexpr std::int32_t kMenuCopy = 900002;
constexpr std::int32_t kMenuPaste = 900003;

// The WCAG 2.2 ratio, from its published definition.
double Luminance(double r, double g, double b) { return 0.2126 * Linear(r) + 0.7152 * Linear(g) + 0.0722 * Linear(b); }
double Ratio(const host::Vector3& x, const host::Vector3& y) {
  const double a = Luminance(x.x, x.y, x.z) + 0.05, b = Luminance(y.x, y.y, y.z) + 0.05;
  return std::max(a, b) / std::min(a, b);
}

// The number after label in text, as written.
double NumberAfter(const std::string& text, const std::string& label) {
  const size_t at = text.find(label);
  EXPECT_NE(at, std::string::npos) << label << " in " << text;
  return at == std::string::npos ? -1.0 : std::strtod(text.c_str() + at + label.size(), nullptr);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class Readouts : public PerceptualTest {
 protected:
  std::string FieldTip(const std::string& key) { return Tooltip(key, kColorField, {5, 5}); }

  void SetColour(const std::string& key, double r, double g, double b) {
    ASSERT_TRUE(Host().SetValues(key, {Plain(r, g, b)}).Ok());
  }
};

TEST_F(Readouts, FieldTooltipNamesTheColourAndMeasuresItAgainstTheOpeningColour) {
  StartWith(Tools::On, Modes({kPrefRgb}));
  Open("a", Settings(0, kNoBrightness), Plain(1.0, 1.0, 1.0));
  std::string tip = FieldTip("a");
  EXPECT_TRUE(Has(tip, "<b>RGB</b>: ")) << tip;
  EXPECT_TRUE(Has(tip, "\n<b>Name</b>: white\n")) << tip;
  EXPECT_TRUE(Has(tip, "<b>Contrast</b>: 1.00:1 \u00b7 AA \u2717 AAA \u2717")) << tip;
  EXPECT_TRUE(Has(tip, "<b>Large Text</b>: AA \u2717 AAA \u2717")) << tip;
  EXPECT_TRUE(Has(tip, "<b>APCA</b>: Lc 0.0")) << tip;

  // Black text on the white the chooser opened with: every level passes.
  SetColour("a", 0.0, 0.0, 0.0);
  tip = FieldTip("a");
  EXPECT_TRUE(Has(tip, "<b>Name</b>: black")) << tip;
  EXPECT_TRUE(Has(tip, "<b>Contrast</b>: 21.00:1 \u00b7 AA \u2713 AAA \u2713")) << tip;
  EXPECT_TRUE(Has(tip, "<b>Large Text</b>: AA \u2713 AAA \u2713")) << tip;
  EXPECT_NEAR(NumberAfter(tip, "<b>APCA</b>: Lc "), 106.0, 0.05) << tip;

  // The grey that just passes AA, and the one just below it, which must not
  // be rounded up into a pass.
  SetColour("a", 0x76 / 255.0, 0x76 / 255.0, 0x76 / 255.0);
  tip = FieldTip("a");
  EXPECT_NEAR(NumberAfter(tip, "<b>Contrast</b>: "), Ratio({0x76 / 255.0, 0x76 / 255.0, 0x76 / 255.0}, {1, 1, 1}),
              0.01);
  EXPECT_TRUE(Has(tip, "AA \u2713 AAA \u2717")) << tip;
  SetColour("a", 0x77 / 255.0, 0x77 / 255.0, 0x77 / 255.0);
  tip = FieldTip("a");
  EXPECT_TRUE(Has(tip, "<b>Contrast</b>: 4.47:1 \u00b7 AA \u2717 AAA \u2717") ||
              Has(tip, "<b>Contrast</b>: 4.48:1 \u00b7 AA \u2717 AAA \u2717"))
      << tip;
  EXPECT_TRUE(Has(tip, "<b>Large Text</b>: AA \u2713 AAA \u2717")) << tip;
  // Light text on a dark background reads negative.
  Open("b", Settings(0, kNoBrightness), Plain(0.0, 0.0, 0.0));
  SetColour("b", 1.0, 1.0, 1.0);
  EXPECT_NEAR(NumberAfter(FieldTip("b"), "<b>APCA</b>: Lc "), -107.9, 0.05);
}

TEST_F(Readouts, PastedColourIsMeasuredAgainstTheOpeningColourNotTheLastOne) {
  StartWith(Tools::On, Modes({kPrefRgb}));
  Open("a", Settings(0, kNoBrightness), Plain(1.0, 1.0, 1.0));
  Open("b", Settings(0, kNoBrightness), Plain(0.0, 0.0, 1.0));
  Host().Answer(host::Answer::MenuChoice(kMenuCopy));
  Click("b", kColorField, 2);
  for (int i = 0; i < 2; ++i) {
    Host().Answer(host::Answer::MenuChoice(kMenuPaste));
    Click("a", kColorField, 2);
  }
  const std::string tip = FieldTip("a");
  EXPECT_TRUE(Has(tip, "<b>Name</b>: blue")) << tip;
  EXPECT_NEAR(NumberAfter(tip, "<b>Contrast</b>: "), 8.59, 0.01) << tip;
}

TEST_F(Readouts, WithoutTheToolsTheFieldTooltipIsAsBefore) {
  std::string tips[3];
  for (const Tools tools : {Tools::Missing, Tools::Off, Tools::On}) {
    StartWith(tools, Modes({kPrefRgb}));
    Open("a", AlphaSettings(0), WithAlpha(0.3, 0.6, 0.9, 0.5));
    SetColour("a", 0.9, 0.1, 0.2);
    tips[static_cast<int>(tools)] = FieldTip("a");
    TearDown();
  }
  EXPECT_EQ(tips[0], tips[1]);
  EXPECT_FALSE(Has(tips[1], "Contrast")) << tips[1];
  // The tools only add lines at the end.
  EXPECT_EQ(tips[2].rfind(tips[1], 0), 0u) << tips[2];
  EXPECT_TRUE(Has(tips[2].substr(tips[1].size()), "\n<b>Name</b>: ")) << tips[2];
}

TEST_F(Readouts, MixerShowsTheContrastOfItsEndsOnlyWithTheTools) {
  for (const Tools tools : {Tools::Missing, Tools::Off}) {
    StartWith(tools, Modes({kPrefMixer}));
    Open("a", Settings(0, kNoBrightness), Plain(0.5, 0.5, 0.5));
    EXPECT_EQ(Find("a", kContrastText), nullptr);
    EXPECT_EQ(Find("a", kLightnessText), nullptr);
    TearDown();
  }
  StartWith(Tools::On, Modes({kPrefMixer}));
  Open("a", Settings(0, kNoBrightness), Plain(0.5, 0.5, 0.5));
  const auto first = [&] { return Gadget("a", kContrastText).Text().value_or(""); };
  const auto second = [&] { return Gadget("a", kLightnessText).Text().value_or(""); };
  // The default ends, field A's colour as text on field B's.
  EXPECT_NEAR(NumberAfter(first(), "Contrast "), Ratio({0.36, 0.388, 0.6}, {0.6, 0.36, 0.36}), 0.01) << first();
  EXPECT_TRUE(Has(first(), "AA \u2717 AAA \u2717")) << first();
  EXPECT_TRUE(Has(second(), "Large Text AA \u2717 AAA \u2717 \u00b7 APCA Lc ")) << second();

  // A new colour for field A from the host's colour dialog.
  Host().Answer(host::Answer::Color(1.0, 1.0, 0.0));
  DoubleClick("a", kMixerFieldA);
  EXPECT_NEAR(NumberAfter(first(), "Contrast "), Ratio({1.0, 1.0, 0.0}, {0.6, 0.36, 0.36}), 0.01) << first();
  EXPECT_TRUE(Has(second(), "Large Text AA \u2713")) << second();
  // Light text on the darker end reads negative.
  EXPECT_LT(NumberAfter(second(), "APCA Lc "), -30.0) << second();
}

TEST_F(Readouts, MixerReadoutComesAndGoesWithThePreference) {
  StartWith(Tools::Off, Modes({kPrefMixer}));
  Open("a", Settings(0, kNoBrightness), Plain(0.5, 0.5, 0.5));
  ASSERT_EQ(Find("a", kContrastText), nullptr);
  host::Container on;
  on.SetBool(kPrefPerceptual, true);
  Host().SetPrefs(on);
  ASSERT_NE(Find("a", kContrastText), nullptr);
  EXPECT_TRUE(Has(Gadget("a", kContrastText).Text().value_or(""), ":1"))
      << Gadget("a", kContrastText).Text().value_or("");
  host::Container off;
  off.SetBool(kPrefPerceptual, false);
  Host().SetPrefs(off);
  EXPECT_EQ(Find("a", kContrastText), nullptr);
}
}  // namespace
}  // namespace perceptualtest
