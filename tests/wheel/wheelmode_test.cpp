// The colour wheel mode on the host's page: handles drawn where their
// colours lie, the mouse rules of the wheel, the menu's options reaching
// other choosers, and the harmony entries of the colour tools library.
#include <cmath>
#include <vector>

#include "hostcommand.h"
#include "wheelpagetest.h"

namespace choosertest {
namespace {
constexpr std::int32_t kComplementary = 0x3EA000E;
constexpr std::int32_t kAnalog = 0x3EA000F;
constexpr std::int32_t kMenuLarge = 900009;

double HueGap(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 1.0);
  return std::min(d, 1.0 - d);
}

TEST_F(WheelModeTest, HandlesAreDrawnAtTheirColoursInBothScales) {
  for (const int scale : {1, 2}) {
    StartWheel(scale);
    OpenRed();
    Click("a", kComplementary);
    ASSERT_EQ(Colors("a").size(), 2u);
    const host::Bitmap picture = Picture("a", kWheelArea);
    // The partner, unselected, is a cyan disc without a dot.
    const host::Point cyan = OnWheel(0.5, 1.0);
    EXPECT_TRUE(Near(choosertest::At(picture, cyan.x * scale, cyan.y * scale), Of(0.0, 1.0, 1.0)));
    // The main colour carries the black dot, red around it.
    const host::Point red = OnWheel(0.0, 1.0);
    EXPECT_EQ(choosertest::At(picture, red.x * scale, red.y * scale), (Pixel{0, 0, 0}));
    EXPECT_TRUE(Near(choosertest::At(picture, (red.x + 2) * scale, red.y * scale + scale), Of(1.0, 0.0, 0.0)));
    TearDown();
  }
}

TEST_F(WheelModeTest, ControlClickOnEmptySpaceWhileAnalogAddsAColourAndSwitchesToFree) {
  StartWheel();
  OpenRed();
  Click("a", kAnalog);
  EXPECT_EQ(State("a").GetInt32(kWheelHarmony), kAnalog);
  ClickAt("a", kWheelArea, OnWheel(0.25, 0.5), 1, kControl);
  const std::vector<WheelEntry> colors = Colors("a");
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_EQ(State("a").GetInt32(kWheelHarmony), kWheelFree);
  EXPECT_NEAR(colors[1].hsv.x, 0.25, 0.01);
  EXPECT_NEAR(colors[1].hsv.y, 0.5, 0.02);
  EXPECT_FALSE(colors[0].selected);
  EXPECT_TRUE(colors[1].selected);
  // The new colour is the chooser's.
  const host::Vector3 shown = Data("a").color;
  EXPECT_NEAR(shown.x, 0.75, 0.02);
  EXPECT_NEAR(shown.y, 1.0, 0.02);
}

TEST_F(WheelModeTest, DragUnderTheThresholdOnlySelects) {
  StartWheel();
  OpenRed();
  ClickAt("a", kWheelArea, OnWheel(0.25, 0.5), 1, kControl);
  const std::vector<WheelEntry> before = Colors("a");
  const host::Point red = OnWheel(0.0, 1.0);
  Drag("a", kWheelArea, {red, {red.x + 1, red.y}, {red.x + 1, red.y + 1}});
  const std::vector<WheelEntry> after = Colors("a");
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[0].hsv, before[0].hsv);
  EXPECT_EQ(after[1].hsv, before[1].hsv);
  EXPECT_TRUE(after[0].selected);
  EXPECT_FALSE(after[1].selected);
  EXPECT_EQ(Data("a").color, (host::Vector3{1.0, 0.0, 0.0}));
}

TEST_F(WheelModeTest, AHandleGrabbedBesideItsCentreMovesByTheDragAlone) {
  StartWheel();
  OpenRed();
  // Red's handle grabbed 3 px below its centre and carried to where hue
  // 0.25 lies at saturation 0.6: the grab's offset is across the hue there.
  const host::Point red = OnWheel(0.0, 1.0), to = OnWheel(0.25, 0.6);
  const host::Point grab{red.x, red.y + 3};
  Drag("a", kWheelArea, {grab, {grab.x - 10, grab.y + 10}, {to.x, to.y + 3}});
  const std::vector<WheelEntry> colors = Colors("a");
  ASSERT_EQ(colors.size(), 1u);
  EXPECT_NEAR(colors[0].hsv.x, 0.25, 0.002);
  EXPECT_NEAR(colors[0].hsv.y, 0.6, 0.01);
}

TEST_F(WheelModeTest, CancelledDragRestoresEveryColourExactly) {
  StartWheel();
  OpenRed();
  Click("a", kComplementary);
  const std::vector<WheelEntry> before = Colors("a");
  const host::Point red = OnWheel(0.0, 1.0);
  Drag("a", kWheelArea, {red, {red.x + 20, red.y + 20}, {red.x + 50, red.y + 60}}, 0, true);
  const std::vector<WheelEntry> after = Colors("a");
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    EXPECT_EQ(after[i].hsv, before[i].hsv) << i;
    EXPECT_EQ(after[i].selected, before[i].selected) << i;
  }
  EXPECT_EQ(Data("a").color, (host::Vector3{1.0, 0.0, 0.0}));
}

TEST_F(WheelModeTest, DraggingOneOfSeveralSelectedHandlesTurnsThemAllTogether) {
  StartWheel();
  OpenRed();
  ClickAt("a", kWheelArea, OnWheel(0.25, 0.5), 1, kControl);
  ClickAt("a", kWheelArea, OnWheel(0.6, 0.8), 1, kControl);
  // Control on a handle adds it to the selection.
  ClickAt("a", kWheelArea, OnWheel(0.25, 0.5), 1, kControl);
  const std::vector<WheelEntry> before = Colors("a");
  ASSERT_EQ(before.size(), 3u);
  ASSERT_TRUE(before[1].selected && before[2].selected && !before[0].selected);
  const host::Point from = OnWheel(0.25, 0.5), to = OnWheel(0.35, 0.5);
  Drag("a", kWheelArea, {from, {(from.x + to.x) / 2, (from.y + to.y) / 2}, to});
  const std::vector<WheelEntry> after = Colors("a");
  ASSERT_EQ(after.size(), 3u);
  const double turn = after[1].hsv.x - before[1].hsv.x;
  EXPECT_NEAR(turn, 0.1, 0.02);
  EXPECT_NEAR(HueGap(after[2].hsv.x, before[2].hsv.x + turn), 0.0, 1e-9);
  EXPECT_EQ(after[0].hsv, before[0].hsv);
  // Radii stay.
  EXPECT_EQ(after[1].hsv.y, before[1].hsv.y);
  EXPECT_EQ(after[2].hsv.y, before[2].hsv.y);
}

TEST_F(WheelModeTest, SizeMenuAndPreferenceReachEveryOpenChooser) {
  StartWheel();
  OpenRed("a");
  OpenRed("b");
  ASSERT_EQ(Gadget("b", kWheelArea).Frame().w, 215);
  Host().Answer(host::Answer::MenuChoice(kMenuLarge));
  ClickAt("a", kWheelArea, {5, 5}, 2);
  ASSERT_EQ(ui.menus.size(), 1u);
  const auto& entries = ui.menus[0].menu.Entries();
  ASSERT_EQ(entries.size(), 7u);
  EXPECT_TRUE(entries[0].checked);
  EXPECT_TRUE(entries[2].checked);
  EXPECT_TRUE(entries[5].checked);
  EXPECT_EQ(Host().Prefs().GetInt32(kPrefWheelSize), 2);
  EXPECT_EQ(Gadget("a", kWheelArea).Frame().w, 290);
  EXPECT_EQ(Gadget("b", kWheelArea).Frame().w, 290);
  EXPECT_EQ(State("b").GetInt32(kWheelSize), 290);
  // The other chooser draws the larger wheel: its cyan rim reaches 139
  // pixels below the centre (145, 145), where the smaller wheel ended.
  const host::Bitmap large = Picture("b", kWheelArea);
  const Pixel background = choosertest::At(large, 0, 0);
  EXPECT_TRUE(Near(choosertest::At(large, 145, 145 + 136), Of(0.02, 1.0, 1.0), 3));
  EXPECT_EQ(choosertest::At(large, 145, 145 + 142), background);
  host::Container smaller;
  smaller.SetInt32(kPrefWheelSize, 0);
  Host().SetPrefs(smaller);
  EXPECT_EQ(Gadget("a", kWheelArea).Frame().w, 140);
}

TEST_F(WheelModeTest, CancelledSliderDragRestoresTheColours) {
  StartWheel();
  OpenRed();
  const host::Rect frame = Gadget("a", kWheelSlider).Frame();
  const int x = frame.w / 2;
  Drag("a", kWheelSlider, {{x, 3}, {x, frame.h / 2}, {x, frame.h - 3}}, 0, true);
  EXPECT_EQ(Data("a").color, (host::Vector3{1.0, 0.0, 0.0}));
  Drag("a", kWheelSlider, {{x, 3}, {x, frame.h / 2}});
  EXPECT_LT(Data("a").color.x, 0.9);
}

TEST(ColorToolsHarmonies, EntriesAnswerThroughTheHost) {
  const CommandResult ryb = RunHostCommand("call colortools HarmonyComplementary 1 0 0 1");
  ASSERT_EQ(ryb.status, 0) << ryb.out;
  // Red's partner on the painter's wheel: RGB hue 138 degrees.
  EXPECT_NE(ryb.out.find("1.0 0.0 0.0"), std::string::npos) << ryb.out;
  EXPECT_NE(ryb.out.find("0.0 1.0 0.2999"), std::string::npos) << ryb.out;
  const CommandResult none = RunHostCommand("call colortools HarmonyGradient 1 0 0 0 0 1 0 0");
  EXPECT_NE(none.status, 0);
  const CommandResult bad = RunHostCommand("call colortools HarmonyEqui 1 0 0 2.5e10 0", HostStreams::OutAndErrors);
  EXPECT_NE(bad.status, 0);
  EXPECT_NE(bad.out.find("32-bit"), std::string::npos) << bad.out;
}
}  // namespace
}  // namespace choosertest
