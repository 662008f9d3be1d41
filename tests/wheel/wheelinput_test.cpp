// The wheel as a user meets it through the host: presses that reach it once
// through its chooser, tooltips and cursors over handles and lines, the
// delete key, the scheme menu, the knob of the slider over colours of
// different value, the disabled look, and the stored colours following the
// linear display switch.
#include <nlohmann/json.hpp>

#include <cmath>
#include <string>
#include <vector>

#include "hostprocess.h"
#include "tempfolder.h"
#include "wheelpagetest.h"

namespace choosertest {
namespace {
constexpr std::int32_t kMenuRyb = 900001;
constexpr std::int32_t kMenuSpread = 900004;
constexpr std::int32_t kMenuFineSteps = 900005;
constexpr std::int32_t kWheelMono = 0x3EA000B;
constexpr std::int32_t kWheelAnalog = 0x3EA000F;
constexpr std::int32_t kWheelAnalogMode = 0x3EA0010;
constexpr std::int32_t kWheelAdd = 0x3EA0015;
constexpr std::int32_t kWheelRemove = 0x3EA0016;
constexpr std::int32_t kWheelCountText = 0x3EA001A;
constexpr std::int32_t kCursorHandle = 20;
constexpr std::int32_t kCursorLine = 19;

// The turn from one hue to the next, 0 .. 1.
double HueStep(double from, double to) { return std::fmod(to - from + 1.0, 1.0); }

host::CursorInfo CursorAt(host::AutomationHost& host, host::Widget& gadget, host::Point at) {
  return gadget.Cursor(host.Input().Global(gadget, at));
}

// Physical columns 0 .. scale - 1 of a slider hold only its background
// unless the knob's box reaches across them.
bool KnobShown(const host::Bitmap& slider) {
  const Pixel background = At(slider, 0, 0);
  for (int y = 0; y < slider.Height(); ++y)
    if (At(slider, 0, y) != background) return true;
  return false;
}

TEST_F(WheelModeTest, APressOnTheWheelReachesItOnceThroughItsChooser) {
  StartWheel();
  OpenRed();
  ClickAt("a", kWheelArea, OnWheel(0.25, 0.5), 1, kControl);
  // Control on the red handle adds it to the selection; heard twice, the
  // press would take it out again.
  ClickAt("a", kWheelArea, OnWheel(0.0, 1.0), 1, kControl);
  const std::vector<WheelEntry> colors = Colors("a");
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_TRUE(colors[0].selected);
  EXPECT_TRUE(colors[1].selected);
  // A plain press on empty space moves the first selected colour there.
  ClickAt("a", kWheelArea, OnWheel(0.5, 0.3), 1);
  EXPECT_NEAR(Colors("a")[0].hsv.x, 0.5, 0.01);
  EXPECT_NEAR(Colors("a")[0].hsv.y, 0.3, 0.02);
}

TEST_F(WheelModeTest, TooltipAndCursorNameWhatLiesUnderThePointer) {
  StartWheel();
  OpenRed();
  host::Widget& wheel = Gadget("a", kWheelArea);
  const std::string handle = Tooltip("a", kWheelArea, OnWheel(0.0, 1.0));
  EXPECT_NE(handle.find("<b>RGB</b>: 255, 0, 0"), std::string::npos) << handle;
  EXPECT_NE(handle.find("<b>Hue</b>: 0"), std::string::npos) << handle;
  EXPECT_NE(handle.find("<b>Saturation</b>: 100"), std::string::npos) << handle;
  EXPECT_NE(handle.find("<b>Value</b>: 100"), std::string::npos) << handle;
  EXPECT_EQ(CursorAt(Host(), wheel, OnWheel(0.0, 1.0)).cursor, kCursorHandle);
  // Half way along the red line: the line's cursor, the colour of the place.
  EXPECT_EQ(CursorAt(Host(), wheel, OnWheel(0.0, 0.5)).cursor, kCursorLine);
  const std::string place = Tooltip("a", kWheelArea, OnWheel(0.5, 0.5));
  EXPECT_NE(place.find("<b>Hue</b>: 180"), std::string::npos) << place;
  EXPECT_NE(place.find("<b>Saturation</b>: 50"), std::string::npos) << place;
  EXPECT_NE(CursorAt(Host(), wheel, OnWheel(0.5, 0.5)).cursor, kCursorHandle);
}

TEST(WheelScenario, HoverStepsReportTheWheelsCursorAndTooltip) {
  TempFolder home;
  const HostRun r = RunHost("run " + std::string(GXA_TEST_DATA) + "/scenarios/wheel_hover.json --module " +
                            std::string(GXA_MODULE_PATH) + " --home " + home.Path().string());
  ASSERT_EQ(r.status, 0) << r.out;
  const auto doc = nlohmann::json::parse(r.out, nullptr, false);
  ASSERT_FALSE(doc.is_discarded()) << r.out;
  std::vector<nlohmann::json> hovers;
  for (const auto& e : doc["events"])
    if (e["kind"] == "hover") hovers.push_back(e);
  ASSERT_EQ(hovers.size(), 3u) << r.out;
  EXPECT_EQ(hovers[0]["gadget"], "0x3EA0001");
  EXPECT_EQ(hovers[0]["cursor"], kCursorHandle);
  EXPECT_NE(hovers[0]["tooltip"].get<std::string>().find("255, 0, 0"), std::string::npos);
  EXPECT_EQ(hovers[1]["cursor"], kCursorLine);
  EXPECT_EQ(hovers[2]["cursor"], 1);
  EXPECT_NE(hovers[2]["tooltip"].get<std::string>().find("<b>Hue</b>: 90°"), std::string::npos) << hovers[2];
}

TEST_F(WheelModeTest, DeleteKeyRemovesTheSelectedColoursAndKeepsTheMainOne) {
  StartWheel();
  OpenRed();
  ClickAt("a", kWheelArea, OnWheel(0.25, 0.5), 1, kControl);
  ClickAt("a", kWheelArea, OnWheel(0.6, 0.8), 1, kControl);
  ASSERT_EQ(Colors("a").size(), 3u);
  Host().Input().Key(&Gadget("a", kWheelArea), kKeyDelete, 0);
  std::vector<WheelEntry> colors = Colors("a");
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_NEAR(colors[1].hsv.x, 0.25, 0.01);
  EXPECT_TRUE(colors[1].selected);
  // Everything selected: the main colour stays.
  ClickAt("a", kWheelArea, OnWheel(0.0, 1.0), 1, kControl);
  Host().Input().Key(&Gadget("a", kWheelArea), kKeyBackspace, 0);
  colors = Colors("a");
  ASSERT_EQ(colors.size(), 1u);
  EXPECT_EQ(colors[0].hsv, (host::Vector3{0.0, 1.0, 1.0}));
}

TEST_F(WheelModeTest, DeleteKeysWorkAsTheRemoveButtonAndTellTheChooser) {
  for (const std::int32_t key : {kKeyDelete, kKeyBackspace}) {
    SCOPED_TRACE(key);
    StartWheel();
    // "button" removes with the button, "key" with the key.
    for (const char* name : {"button", "key"}) {
      OpenRed(name);
      Click(name, kWheelAdd);
      Click(name, kWheelAdd);
      ASSERT_EQ(Colors(name).size(), 3u);
    }
    Host().ClearParentMessages();
    Click("button", kWheelRemove);
    Host().Input().Key(&Gadget("key", kWheelArea), key, 0);
    ASSERT_EQ(Colors("key").size(), 2u);
    EXPECT_EQ(Gadget("key", kWheelCountText).Text(), Gadget("button", kWheelCountText).Text());
    EXPECT_EQ(Data("key").color, Data("button").color);
    EXPECT_EQ(Sent("key").size(), Sent("button").size());
    const host::Bitmap byKey = Picture("key", kWheelArea), byButton = Picture("button", kWheelArea);
    ASSERT_EQ(byKey.Width(), byButton.Width());
    for (int y = 0; y < byKey.Height(); ++y)
      for (int x = 0; x < byKey.Width(); ++x) ASSERT_EQ(At(byKey, x, y), At(byButton, x, y)) << x << ", " << y;
    TearDown();
  }
}

TEST_F(WheelModeTest, SchemeMenuRepaintsItsWheelAndLeavesOtherChoosersAlone) {
  StartWheel();
  OpenRed("a");
  OpenRed("b");
  Host().Answer(host::Answer::MenuChoice(kMenuRyb));
  ClickAt("a", kWheelArea, {5, 5}, 2);
  ASSERT_EQ(ui.menus.size(), 1u);
  EXPECT_EQ(State("a").GetInt32(kWheelScheme), kSchemeRyb);
  EXPECT_EQ(State("b").GetInt32(kWheelScheme), kSchemeRgb);
  // Where the RGB wheel shows green, the painter's wheel shows a yellow.
  const host::Point third = OnWheel(1.0 / 3.0, 0.9);
  const Pixel ryb = At(Picture("a", kWheelArea), third.x, third.y);
  const Pixel rgb = At(Picture("b", kWheelArea), third.x, third.y);
  EXPECT_TRUE(Near(rgb, Of(0.1, 1.0, 0.1), 12)) << rgb;
  EXPECT_GT(ryb.r, 200) << ryb;
  EXPECT_GT(ryb.g, 200) << ryb;
  EXPECT_LT(ryb.b, 40) << ryb;
  // The menu shows the scheme checked the next time.
  Host().Answer(host::Answer::MenuChoice(0));
  ClickAt("a", kWheelArea, {5, 5}, 2);
  ASSERT_EQ(ui.menus.size(), 2u);
  EXPECT_FALSE(ui.menus[1].menu.Entries()[0].checked);
  EXPECT_TRUE(ui.menus[1].menu.Entries()[1].checked);
}

TEST_F(WheelModeTest, MenuOffersEachHarmonysOwnEntries) {
  StartWheel();
  OpenRed();
  Click("a", kWheelMono);
  for (int i = 0; i < 4; ++i) Click("a", kWheelAdd);
  ASSERT_EQ(Colors("a").size(), 5u);
  Host().Answer(host::Answer::MenuChoice(kMenuSpread));
  ClickAt("a", kWheelArea, {5, 5}, 2);
  ASSERT_EQ(ui.menus.size(), 1u);
  EXPECT_EQ(ui.menus[0].menu.Entries().size(), 8u);
  // Spread evenly: the saturations step down from red's to grey.
  const std::vector<WheelEntry> spread = Colors("a");
  ASSERT_EQ(spread.size(), 5u);
  const double expected[5] = {1.0, 0.75, 0.5, 0.25, 0.0};
  for (std::size_t i = 0; i < spread.size(); ++i) {
    EXPECT_NEAR(spread[i].hsv.y, expected[i], 1e-9) << i;
    EXPECT_EQ(spread[i].hsv.x, 0.0) << i;
  }
  // Analog offers its two step sizes, the coarse one checked.
  Click("a", kWheelAnalog);
  Host().Answer(host::Answer::MenuChoice(kMenuFineSteps));
  ClickAt("a", kWheelArea, {5, 5}, 2);
  ASSERT_EQ(ui.menus.size(), 2u);
  const auto& analog = ui.menus[1].menu.Entries();
  ASSERT_EQ(analog.size(), 9u);
  EXPECT_FALSE(analog[4].checked);
  EXPECT_TRUE(analog[5].checked);
  EXPECT_EQ(State("a").GetInt32(kWheelAnalogMode), 1);
  // 15 degree steps between neighbours from now on.
  const std::vector<WheelEntry> fine = Colors("a");
  ASSERT_EQ(fine.size(), 5u);
  EXPECT_NEAR(HueStep(fine[0].hsv.x, fine[1].hsv.x), 15.0 / 360.0, 1e-6);
}

TEST_F(WheelModeTest, SliderKnobHidesWhileTheSelectedColoursDifferInValue) {
  StartWheel();
  Open("a", Settings(0, kNoBrightness), Plain(0.5, 0.0, 0.0));
  ClickAt("a", kWheelArea, OnWheel(0.25, 0.5), 1, kControl);
  // The host sets the added colour to value 0.8; red keeps 0.5.
  ASSERT_TRUE(Host().SetValues("a", {Plain(0.6, 0.8, 0.4)}).Ok());
  ASSERT_NEAR(Colors("a")[1].hsv.z, 0.8, 1e-9);
  EXPECT_TRUE(KnobShown(Picture("a", kWheelSlider)));
  ClickAt("a", kWheelArea, OnWheel(0.0, 1.0), 1, kControl);
  ASSERT_TRUE(Colors("a")[0].selected && Colors("a")[1].selected);
  EXPECT_FALSE(KnobShown(Picture("a", kWheelSlider)));
  // One value again: the knob is back.
  ClickAt("a", kWheelArea, OnWheel(0.0, 1.0), 1, kControl);
  EXPECT_TRUE(KnobShown(Picture("a", kWheelSlider)));
}

TEST_F(WheelModeTest, ReloadedOptionsKeepTheColourBeingEdited) {
  StartWheel();
  OpenRed();
  ClickAt("a", kWheelArea, OnWheel(0.25, 0.5), 1, kControl);
  ClickAt("a", kWheelArea, OnWheel(0.0, 1.0), 1, kControl);
  ASSERT_TRUE(Colors("a")[0].selected && Colors("a")[1].selected);
  // Any preference change makes the wheel read its options back.
  host::Container prefs;
  prefs.SetInt32(kPrefColorUnit, 2);
  Host().SetPrefs(prefs);
  ASSERT_TRUE(Host().SetValues("a", {Plain(0.0, 0.0, 1.0)}).Ok());
  const std::vector<WheelEntry> colors = Colors("a");
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_EQ(colors[0].hsv, (host::Vector3{0.0, 1.0, 1.0}));
  EXPECT_NEAR(colors[1].hsv.x, 2.0 / 3.0, 1e-9);
}

TEST_F(WheelModeTest, DisabledWheelIsAnOutlinedEmptyCircleAndTakesNoPress) {
  for (const int scale : {1, 2}) {
    StartWheel(scale);
    OpenRed();
    host::Widget& wheel = Gadget("a", kWheelArea);
    wheel.SetEnabled(false);
    const host::Bitmap picture = Picture("a", kWheelArea);
    const Pixel background = At(picture, 0, 0);
    const int side = wheel.Frame().w * scale;
    // The centre dot and the top of the ring are drawn, the inside is empty.
    EXPECT_NE(At(picture, side / 2, side / 2), background);
    EXPECT_NE(At(picture, side / 2, 0), background);
    const host::Point inside = OnWheel(0.3, 0.6);
    EXPECT_EQ(At(picture, inside.x * scale, inside.y * scale), background);
    ClickAt("a", kWheelArea, OnWheel(0.3, 0.6), 1, kControl);
    EXPECT_EQ(Colors("a").size(), 1u);
    wheel.SetEnabled(true);
    EXPECT_NE(At(Picture("a", kWheelArea), inside.x * scale, inside.y * scale), background);
    TearDown();
  }
}

TEST_F(WheelModeTest, LinearDisplaySwitchConvertsTheStoredColours) {
  // Wide enough for the whole mode row.
  StartWheel(1, Modes({kPrefLinearDisplay}), 600);
  Open("a", Settings(0, kNoBrightness), Plain(0.2, 0.0, 0.0), true);
  ClickAt("a", kWheelArea, OnWheel(0.5, 0.5), 1, kControl);
  const std::vector<WheelEntry> shown = Colors("a");
  ASSERT_EQ(shown.size(), 2u);
  ClickModeButton("a", "Linear Color Display");
  ASSERT_FALSE(State("a").GetBool(kModeLinearDisplayState));
  const std::vector<WheelEntry> stored = Colors("a");
  ASSERT_EQ(stored.size(), 2u);
  // Turned off, the list holds the linear numbers: the same hues, darker.
  for (std::size_t i = 0; i < stored.size(); ++i) {
    EXPECT_NEAR(stored[i].hsv.x, shown[i].hsv.x, 1e-6) << i;
    EXPECT_LT(stored[i].hsv.z, shown[i].hsv.z) << i;
    EXPECT_EQ(stored[i].selected, shown[i].selected) << i;
  }
  ClickModeButton("a", "Linear Color Display");
  const std::vector<WheelEntry> back = Colors("a");
  ASSERT_EQ(back.size(), 2u);
  for (std::size_t i = 0; i < back.size(); ++i) EXPECT_NEAR(back[i].hsv.z, shown[i].hsv.z, 1e-9) << i;
}
}  // namespace
}  // namespace choosertest
