// The slider panels: typed values, the hex field's commits, the Kelvin and
// mixer state, and colours computed in the chooser's space.
#include <cmath>

#include "sliderfixture.h"

namespace choosertest
{
namespace
{
constexpr std::int32_t kStateTemperature = 0x3F00003;
constexpr std::int32_t kStateTint = 0x3F00006;
constexpr std::int32_t kStateMixerA = 0x3EF0001;
constexpr std::int32_t kStateMixerRatio = 0x3EF0005;

class SliderPanelsTest : public SliderTest
{};

TEST_F(SliderPanelsTest, TypedHueIsClampedToOneTurn)
{
  Start(Modes({kPrefHsv}));
  Open("a", {0.0, 1.0, 0.0});
  Type("a", kHueField, "400");
  EXPECT_NEAR(Number("a", kHueField), kTwoPi, 1e-9);
  EXPECT_EQ(LastColor("a"), (host::Vector3{1.0, 0.0, 0.0}));

  Open("b", {0.0, 1.0, 0.0});
  Type("b", kHueField, "-30");
  EXPECT_EQ(Number("b", kHueField), 0.0);
  EXPECT_EQ(LastColor("b"), (host::Vector3{1.0, 0.0, 0.0}));

  // Saturation is taken as typed, within the field's own limits.
  Type("b", kSaturationField, "50");
  EXPECT_EQ(LastColor("b"), (host::Vector3{1.0, 0.5, 0.5}));
}

TEST_F(SliderPanelsTest, HexFieldTakesGreenAndRestoresInvalidText)
{
  Start(Modes({kPrefHex}));
  Open("a", {1.0, 0.0, 0.0});
  EXPECT_EQ(Text("a", kHexField), "FF0000");

  Type("a", kHexField, "#00ff00");
  EXPECT_EQ(Data("a").color, (host::Vector3{0.0, 1.0, 0.0}));
  EXPECT_EQ(Text("a", kHexField), "00ff00");  // Enter keeps what was typed

  Type("a", kHexField, "#00fg00");
  EXPECT_EQ(Text("a", kHexField), "00ff00");  // the last accepted text
  EXPECT_EQ(Data("a").color, (host::Vector3{0.0, 1.0, 0.0}));

  // Leaving the field hands it back to the colour.
  Type("a", kHexField, "12", false);
  EXPECT_EQ(Data("a").color, (host::Vector3{0.0, 0.0, 18.0 / 255.0}));
  EXPECT_EQ(Text("a", kHexField), "000012");
  Type("a", kHexField, "xyz", false);
  EXPECT_EQ(Text("a", kHexField), "000012");
}

TEST_F(SliderPanelsTest, FirstInvalidEnterShowsTheColour)
{
  Start(Modes({kPrefHex}));
  Open("a", {1.0, 0.5, 0.0});
  Type("a", kHexField, "nothex");
  EXPECT_EQ(Text("a", kHexField), "FF8000");
  EXPECT_EQ(Data("a").color, (host::Vector3{1.0, 0.5, 0.0}));
}

TEST_F(SliderPanelsTest, RightClickOnTheTintReturnsToThePureTemperature)
{
  Start(Modes({kPrefKelvin}));
  Open("a", {0.5, 0.5, 0.5});
  Type("a", kTemperatureField, "6500");
  const host::Vector3 pure = LastColor("a");
  EXPECT_EQ(State("a").GetInt32(kStateTemperature), 6500);
  EXPECT_DOUBLE_EQ(std::max({pure.x, pure.y, pure.z}), 1.0);
  EXPECT_NEAR(pure.y, 0.942, 0.002);

  Type("a", kTintField, "40");
  EXPECT_DOUBLE_EQ(State("a").GetFloat(kStateTint), 0.4);
  EXPECT_NE(LastColor("a"), pure);

  Click("a", kTintSlider, 2);
  EXPECT_EQ(State("a").GetFloat(kStateTint), 0.0);
  EXPECT_EQ(Number("a", kTintField), 0.0);
  EXPECT_EQ(LastColor("a"), pure);
}

TEST_F(SliderPanelsTest, TemperatureDragSendsWholeKelvin)
{
  Start(Modes({kPrefKelvin}));
  Open("a", {0.5, 0.5, 0.5});
  // Nothing chosen yet: no temperature kept, the field at its lower limit.
  EXPECT_FALSE(State("a").Has(kStateTemperature));
  EXPECT_EQ(Number("a", kTemperatureField), 1000.0);
  const int width = Gadget("a", kTemperatureSlider).Frame().w;
  Drag("a", kTemperatureSlider, {{3, 8}, {width / 3, 8}, {width / 2 + 1, 8}});
  const std::int32_t kelvin = State("a").GetInt32(kStateTemperature);
  EXPECT_GT(kelvin, 5000);
  EXPECT_LT(kelvin, 6000);
  EXPECT_EQ(Number("a", kTemperatureField), kelvin);
  const host::Vector3 c = Data("a").color;
  EXPECT_DOUBLE_EQ(std::max({c.x, c.y, c.z}), 1.0);
}

TEST_F(SliderPanelsTest, DefaultMixRatioHalfWay)
{
  Start(Modes({kPrefMixer}));
  Open("a", {0.0, 0.0, 0.0});
  EXPECT_DOUBLE_EQ(State("a").GetFloat(kStateMixerRatio), 0.5);
  EXPECT_DOUBLE_EQ(Number("a", kMixerRatio), 0.5);
  Type("a", kMixerRatio, "50");
  const host::Vector3 mix = LastColor("a");
  EXPECT_NEAR(mix.x, 0.48, 1e-12);
  EXPECT_NEAR(mix.y, 0.374, 1e-12);
  EXPECT_NEAR(mix.z, 0.48, 1e-12);
  Type("a", kMixerRatio, "0");
  EXPECT_EQ(LastColor("a"), (host::Vector3{0.36, 0.388, 0.6}));
}

TEST_F(SliderPanelsTest, SelectedMixerFieldFollowsAnRgbEdit)
{
  Start(Modes({kPrefRgb, kPrefMixer}));
  Open("a", {0.0, 0.0, 0.0});
  ChooseUnit(1);

  Click("a", kMixerFieldA);  // selects A: the chooser takes its colour
  EXPECT_EQ(LastColor("a"), (host::Vector3{0.36, 0.388, 0.6}));
  Type("a", kRedField, "255");
  const host::Vector3 edited = LastColor("a");
  EXPECT_EQ(edited.x, 1.0);
  EXPECT_EQ(State("a").GetVector(kStateMixerA), edited);

  // The field and the slider's left end show it.
  const host::Bitmap field = Picture("a", kMixerFieldA);
  EXPECT_TRUE(Near(At(field, field.Width() / 2, field.Height() / 2), Of(edited.x, edited.y, edited.z)));
  const host::Bitmap slider = Picture("a", kMixerSlider);
  const int steps = slider.Width() - 3;
  for (const int i : {2, steps / 4, steps - 2})
  {
    const double t = static_cast<double>(i) / steps;
    EXPECT_TRUE(
        Near(At(slider, 1 + i, slider.Height() / 2),
             Of(edited.x + (0.6 - edited.x) * t, edited.y + (0.36 - edited.y) * t, edited.z + (0.36 - edited.z) * t)))
        << "column " << 1 + i;
  }

  // A click on the selected field deselects it without changing the colour.
  const std::size_t before = Sent("a").size();
  Click("a", kMixerFieldA);
  EXPECT_EQ(Sent("a").size(), before);
  Type("a", kRedField, "0");
  EXPECT_EQ(State("a").GetVector(kStateMixerA), edited);
}

TEST_F(SliderPanelsTest, MixerFieldsTakeDialogColoursAndDrops)
{
  Start(Modes({kPrefMixer}));
  Open("a", {0.0, 0.0, 0.0});

  // A double click edits field B in the host's colour dialog.
  Host().Answer(host::Answer::Color(0.1, 0.2, 0.3));
  DoubleClick("a", kMixerFieldB);
  EXPECT_EQ(LastColor("a"), (host::Vector3{0.1, 0.2, 0.3}));
  EXPECT_EQ(State("a").GetVector(0x3EF0002), (host::Vector3{0.1, 0.2, 0.3}));

  // Field A dragged onto field B gives B its colour.
  host::Widget& a = Gadget("a", kMixerFieldA);
  host::Widget& b = Gadget("a", kMixerFieldB);
  const int dx = b.GlobalFrame().x - a.GlobalFrame().x;
  Drag("a", kMixerFieldA, {{8, 8}, {20, 8}, {dx / 2, 8}, {dx + 8, 8}});
  EXPECT_EQ(LastColor("a"), (host::Vector3{0.36, 0.388, 0.6}));
  EXPECT_EQ(State("a").GetVector(0x3EF0002), (host::Vector3{0.36, 0.388, 0.6}));
  // All the way to B is now A's colour.
  const std::size_t before = Sent("a").size();
  Type("a", kMixerRatio, "100");
  EXPECT_EQ(Sent("a").size(), before + 1);
  EXPECT_EQ(LastColor("a"), (host::Vector3{0.36, 0.388, 0.6}));
}

TEST_F(SliderPanelsTest, LinearObjectsBlendInTheChoosersSpace)
{
  host::Container prefs = Modes({kPrefMixer});
  prefs.SetBool(kPrefLinearDisplay, true);
  Start(prefs);
  Open("a", {0.1, 0.1, 0.1}, true);
  Click("a", kMixerSlider, 2);
  const host::Vector3 a{0.36, 0.388, 0.6};
  const host::Vector3 b{0.6, 0.36, 0.36};
  auto blend = [](double x, double y) { return SrgbToLinear((LinearToSrgb(x) + LinearToSrgb(y)) / 2); };
  const host::Vector3 mix = LastColor("a");
  EXPECT_NEAR(mix.x, blend(a.x, b.x), 1e-9);
  EXPECT_NEAR(mix.y, blend(a.y, b.y), 1e-9);
  EXPECT_NEAR(mix.z, blend(a.z, b.z), 1e-9);
  EXPECT_GT(std::fabs(mix.x - 0.48), 0.005);  // not the blend of the stored values
}

TEST_F(SliderPanelsTest, AlphaFieldAndSliderSetAlpha)
{
  Start(Modes({kPrefAlpha}));
  OpenWithAlpha("a", {1.0, 0.0, 0.0}, 1.0);
  const int width = Gadget("a", kAlphaSlider).Frame().w;
  Drag("a", kAlphaSlider, {{width / 2, 8}, {(width - 1) / 2 + 1, 8}});
  EXPECT_NEAR(Number("a", kAlphaField), 0.5, 0.02);
  Type("a", kAlphaField, "25");
  EXPECT_DOUBLE_EQ(Data("a").alpha, 0.25);
}

TEST_F(SliderPanelsTest, BrightnessSliderDrawsBlackToTheColourAndSetsTheBrightness)
{
  Start(Modes({kPrefHsv}));
  OpenWithBrightness("a", {0.0, 0.5, 1.0}, 1.0);
  const host::Bitmap picture = Picture("a", kBrightnessSlider);
  const int length = picture.Width() - 1;
  const int mid = picture.Height() / 2;
  EXPECT_TRUE(Near(At(picture, 4, mid), Of(0.0, 0.5 * 3 / (length - 2), 3.0 / (length - 2)), 1));
  EXPECT_TRUE(Near(At(picture, length / 2, mid), Of(0.0, 0.25, 0.5), 3));

  Drag("a", kBrightnessSlider, {{length / 2, mid}, {(length - 1) / 2 + 1, mid}});
  const auto sent = Sent("a");
  ASSERT_FALSE(sent.empty());
  const host::Container* carried = sent.back().GetContainer(kMessageValue);
  ASSERT_NE(carried, nullptr);
  EXPECT_NEAR(carried->GetFloat(1), 0.5, 0.02);
}
}  // namespace
}  // namespace choosertest
