// The screen picker of a real chooser on a virtual desktop: what hovering,
// clicks and keys do to the chooser's colour, how monitors become windows,
// and what is left when a pick cannot start or its chooser goes away.
#include <algorithm>
#include <string>
#include <vector>

#include "screenpickertest.h"

namespace choosertest {
namespace {
constexpr double kHalf = static_cast<double>(128.0f / 255.0f);

class VirtualPickerTest : public ScreenPickerTest {
 protected:
  // Starts the pick from the chooser's picker button; the click's release
  // stays with the host, as it does on a real desktop.
  void StartPick(const std::string& key = "c") {
    Click(key, kPickerButton);
    ASSERT_TRUE(Picking());
  }
};

TEST_F(VirtualPickerTest, HoverPreviewsThePixelAndAPressPicksIt) {
  OneMonitor();
  Desktop().SetPixel(40, 30, {255, 128, 0, 255});
  OpenPlain(0.2, 0.4, 0.6);
  StartPick();

  ASSERT_TRUE(Desktop().MoveTo({40, 30}));
  // Single precision, as the pixel's bytes give it.
  EXPECT_EQ(Current(), (host::Vector3{1.0, kHalf, 0.0}));
  EXPECT_TRUE(Sent("c").empty());
  const host::Bitmap field = Picture("c", kColorField);
  EXPECT_TRUE(Near(At(field, field.Width() / 4, field.Height() / 2), {255, 128, 0}, 2));

  ASSERT_TRUE(Desktop().Press(GXA_CHANNEL_LEFT));
  EXPECT_FALSE(Picking());
  ASSERT_EQ(Sent("c").size(), 1u);
  EXPECT_EQ(Sent("c")[0].GetInt32(kMessageDrag), 0);
  EXPECT_EQ(LastSent(), (host::Vector3{1.0, kHalf, 0.0}));
  EXPECT_EQ(Host().Parameter("c")->Shown().color, (host::Vector3{1.0, kHalf, 0.0}));
  EXPECT_EQ(Desktop().Activations(), 1);
}

TEST_F(VirtualPickerTest, StartingReleaseIsIgnoredAndAnyNextButtonOrWheelPicks) {
  OneMonitor({10, 20, 30, 255});
  OpenPlain(0.2, 0.4, 0.6);
  struct Case {
    const char* name;
    bool (host::VirtualDesktop::*input)(int32_t);
    int32_t channel;
  };
  for (const Case& c : {Case{"left", &host::VirtualDesktop::Press, GXA_CHANNEL_LEFT},
                        Case{"right", &host::VirtualDesktop::Press, GXA_CHANNEL_RIGHT},
                        Case{"middle", &host::VirtualDesktop::Press, GXA_CHANNEL_MIDDLE},
                        Case{"release after the first", &host::VirtualDesktop::Release, GXA_CHANNEL_RIGHT}}) {
    Host().ClearParentMessages();
    StartPick();
    Desktop().MoveTo({5, 5});
    // The starting click let go over the picker's window: not a pick.
    Desktop().Release(GXA_CHANNEL_LEFT);
    EXPECT_TRUE(Picking()) << c.name;
    (Desktop().*c.input)(c.channel);
    EXPECT_FALSE(Picking()) << c.name;
    EXPECT_EQ(LastSent(), (host::Vector3{10 / 255.0f, 20 / 255.0f, 30 / 255.0f})) << c.name;
  }

  Host().ClearParentMessages();
  StartPick();
  Desktop().MoveTo({5, 5});
  Desktop().Wheel(-1.0);
  EXPECT_FALSE(Picking());
  EXPECT_EQ(Sent("c").size(), 1u);
}

TEST_F(VirtualPickerTest, OnlyEscapeCancelsAndBringsTheColourBack) {
  OneMonitor({200, 0, 0, 255});
  OpenPlain(0.2, 0.4, 0.6);
  StartPick();
  Desktop().MoveTo({10, 10});
  ASSERT_EQ(Current(), (host::Vector3{200 / 255.0f, 0.0, 0.0}));

  for (int32_t key : {int32_t(GXA_KEY_ENTER), int32_t('A'), int32_t(GXA_KEY_TAB)}) {
    Desktop().KeyDown(key);
    Desktop().KeyUp(key);
  }
  // Escape counts when it is let go.
  Desktop().KeyDown(GXA_KEY_ESC);
  EXPECT_TRUE(Picking());

  Desktop().KeyUp(GXA_KEY_ESC);
  EXPECT_FALSE(Picking());
  EXPECT_EQ(Current(), (host::Vector3{0.2, 0.4, 0.6}));
  EXPECT_TRUE(Sent("c").empty());
  const host::Bitmap field = Picture("c", kColorField);
  EXPECT_TRUE(Near(At(field, field.Width() / 4, field.Height() / 2), Of(0.2, 0.4, 0.6), 2));
}

TEST_F(VirtualPickerTest, SecondStartChangesNothing) {
  OneMonitor({0, 0, 255, 255});
  Start();
  Open("a", Settings(1, kAllNineHidden), Plain(0.1, 0.1, 0.1));
  Open("b", Settings(1, kAllNineHidden), Plain(0.9, 0.9, 0.9));
  const host::Bitmap idleButton = Picture("b", kPickerButton);
  StartPick("a");
  const std::vector<const host::DesktopWindow*> windows = Desktop().Windows();

  Click("a", kPickerButton);
  Click("b", kPickerButton);
  EXPECT_EQ(Desktop().Windows(), windows);
  // b is not picking: its button shows idle.
  const host::Bitmap button = Picture("b", kPickerButton);
  for (int y = 0; y < button.Height(); ++y)
    for (int x = 0; x < button.Width(); ++x) ASSERT_EQ(At(button, x, y), At(idleButton, x, y)) << x << ", " << y;

  Desktop().MoveTo({3, 3});
  Desktop().Press(GXA_CHANNEL_LEFT);
  EXPECT_EQ(LastSent("a"), (host::Vector3{0.0, 0.0, 1.0}));
  EXPECT_TRUE(Sent("b").empty());
  EXPECT_EQ(Current("b"), (host::Vector3{0.9, 0.9, 0.9}));
}

TEST_F(VirtualPickerTest, EveryMonitorGetsAWindowInOrderAndPixelsAreReadPhysically) {
  // Physical rectangles; the second monitor shows at half size to the
  // picker, the third at two thirds, the fourth cannot be read.
  Desktop().AddMonitor({{0, 0, 200, 100}, 1.0});
  Desktop().AddMonitor({{200, 0, 400, 200}, 2.0});
  Desktop().AddMonitor({{-150, 0, 150, 300}, 1.5});
  Desktop().AddMonitor({{0, 300, 100, 100}, 1.0, false});
  Desktop().SetPixel(300, 60, {7, 8, 9, 255});
  Desktop().SetPixel(250, 30, {90, 90, 90, 255});
  OpenPlain(0.2, 0.4, 0.6);
  StartPick();

  const auto windows = Desktop().Windows();
  ASSERT_EQ(windows.size(), 3u);
  const std::vector<host::Rect> frames = {{0, 0, 200, 100}, {200, 0, 200, 100}, {-150, 0, 100, 200}};
  for (size_t i = 0; i < windows.size(); ++i) {
    EXPECT_EQ(windows[i]->Frame(), frames[i]) << i;
    EXPECT_EQ(windows[i]->Class().name, "gxa_colorpicker_class");
    EXPECT_EQ(windows[i]->Title(), "color picker");
  }
  const host::CursorImage* cursor = windows[0]->Class().cursor;
  ASSERT_NE(cursor, nullptr);
  EXPECT_EQ((std::vector<int>{cursor->w, cursor->h, cursor->hotX, cursor->hotY}), (std::vector<int>{32, 32, 1, 14}));
  // The hot spot is the dropper's tip: drawn, and opaque.
  EXPECT_EQ(cursor->rgba[size_t(14 * 32 + 1) * 4 + 3], 255);

  Desktop().MoveTo({250, 30});
  EXPECT_EQ(Desktop().LastRead(), (host::Point{300, 60}));
  EXPECT_EQ(Current(), (host::Vector3{7 / 255.0f, 8 / 255.0f, 9 / 255.0f}));
  Desktop().MoveTo({-100, 100});
  EXPECT_EQ(Desktop().LastRead(), (host::Point{-75, 150}));
  Desktop().KeyUp(GXA_KEY_ESC);

  // Without the desktop's conversion, points are read as they come.
  Desktop().SetScaledPoints(false);
  StartPick();
  Desktop().MoveTo({250, 30});
  EXPECT_EQ(Desktop().LastRead(), (host::Point{250, 30}));
  EXPECT_EQ(Current(), (host::Vector3{90 / 255.0f, 90 / 255.0f, 90 / 255.0f}));
}

TEST_F(VirtualPickerTest, PointerOffEveryMonitorKeepsTheLastColour) {
  Desktop().AddMonitor({{0, 0, 100, 100}, 2.0});
  Desktop().Fill({0, 0, 100, 100}, {0, 255, 0, 255});
  OpenPlain(0.2, 0.4, 0.6);
  StartPick();
  // The window covers the logical monitor, 50 x 50; its far corner maps
  // to the last physical pixel.
  Desktop().MoveTo({49, 49});
  EXPECT_EQ(Desktop().LastRead(), (host::Point{98, 98}));
  EXPECT_EQ(Current(), (host::Vector3{0.0, 1.0, 0.0}));
  Desktop().Press(GXA_CHANNEL_LEFT);
  EXPECT_EQ(LastSent(), (host::Vector3{0.0, 1.0, 0.0}));
}

TEST_F(VirtualPickerTest, NothingToPickFromLeavesTheButtonsAsTheyWere) {
  auto same = [](const host::Bitmap& a, const host::Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (!(At(a, x, y) == At(b, x, y))) return false;
    return true;
  };
  OneMonitor();
  Desktop().SetAvailable(false);
  Start(Modes({kPrefHsv}), 600);
  Open("c", Settings(1, kAllNineHidden), Plain(0.2, 0.4, 0.6));
  Open("row", Settings(0), Plain(0.2, 0.4, 0.6));
  const host::Bitmap button = Picture("c", kPickerButton);
  const host::Bitmap row = Picture("row", kModeButtonRow);

  Click("c", kPickerButton);
  const int x = ModeButtonX("row", "Pick Color from Screen");
  ClickAt("row", kModeButtonRow, {x + 5, Gadget("row", kModeButtonRow).Frame().h / 2});
  EXPECT_FALSE(Picking());
  EXPECT_EQ(Desktop().OpenCount(), 0);
  EXPECT_TRUE(same(Picture("c", kPickerButton), button));
  EXPECT_TRUE(same(Picture("row", kModeButtonRow), row));
  EXPECT_EQ(Current(), (host::Vector3{0.2, 0.4, 0.6}));

  // A desktop with no monitor it can read.
  TearDown();
  SetUp();
  Desktop().AddMonitor({{0, 0, 10, 10}, 1.0, false});
  OpenPlain(0.2, 0.4, 0.6);
  Click("c", kPickerButton);
  EXPECT_FALSE(Picking());
  EXPECT_EQ(Desktop().OpenCount(), 0);
  EXPECT_TRUE(same(Picture("c", kPickerButton), button));

  // While a pick runs the button shows so.
  Desktop().AddMonitor({{20, 0, 10, 10}});
  Click("c", kPickerButton);
  ASSERT_TRUE(Picking());
  EXPECT_FALSE(same(Picture("c", kPickerButton), button));
  Desktop().KeyUp(GXA_KEY_ESC);
  EXPECT_TRUE(same(Picture("c", kPickerButton), button));
}

TEST_F(VirtualPickerTest, ThePickerModeButtonStartsItToo) {
  OneMonitor({0, 128, 255, 255});
  Start(Modes({kPrefHsv}), 600);
  Open("c", Settings(0), Plain(0.2, 0.4, 0.6));
  const int x = ModeButtonX("c", "Pick Color from Screen");
  ASSERT_GE(x, 0);
  ClickAt("c", kModeButtonRow, {x + 5, Gadget("c", kModeButtonRow).Frame().h / 2});
  ASSERT_TRUE(Picking());
  Desktop().MoveTo({1, 1});
  Desktop().Press(GXA_CHANNEL_MIDDLE);
  EXPECT_EQ(LastSent(), (host::Vector3{0.0, kHalf, 1.0}));
}

TEST_F(VirtualPickerTest, ChooserGoneMidPickEndsItWithoutACallback) {
  OneMonitor({50, 60, 70, 255});
  OpenPlain(0.2, 0.4, 0.6);
  std::vector<int32_t> told;
  Host().SetParentListener([&told](const host::AttributePage::ParentMessage& m) { told.push_back(m.message.Id()); });
  StartPick();
  Desktop().MoveTo({4, 4});
  const int activations = Desktop().Activations();

  ChooserPageTest::TearDown();
  EXPECT_FALSE(Picking());
  EXPECT_EQ(Desktop().Activations(), activations + 1);
  EXPECT_EQ(std::count(told.begin(), told.end(), kAction), 0);
  EXPECT_FALSE(Desktop().Press(GXA_CHANNEL_LEFT));
}

TEST_F(VirtualPickerTest, LinearObjectsGetThePixelAndTheBackupUnchanged) {
  OneMonitor({64, 128, 192, 255});
  Start(Modes({kPrefLinearDisplay}));
  Open("c", Settings(1, kAllNineHidden), Plain(0.2, 0.4, 0.6), true);
  ASSERT_TRUE(State("c").GetBool(kLinearContext));

  // The backup is kept in the host's space: no drift through the codes.
  StartPick();
  Desktop().MoveTo({9, 9});
  Desktop().KeyUp(GXA_KEY_ESC);
  const host::Vector3 back = Current();
  EXPECT_NEAR(back.x, 0.2, 1e-9);
  EXPECT_NEAR(back.y, 0.4, 1e-9);
  EXPECT_NEAR(back.z, 0.6, 1e-9);
  EXPECT_TRUE(Sent("c").empty());

  // A screen colour is one of the host's colours: the host gets it as it is.
  StartPick();
  Desktop().MoveTo({9, 9});
  Desktop().Press(GXA_CHANNEL_LEFT);
  const host::Vector3 picked = LastSent();
  EXPECT_NEAR(picked.x, 64 / 255.0f, 1e-9);
  EXPECT_NEAR(picked.y, 128 / 255.0f, 1e-9);
  EXPECT_NEAR(picked.z, 192 / 255.0f, 1e-9);
}
TEST_F(VirtualPickerTest, ThePickBelongsToTheChooserWhoseButtonStartedIt) {
  OneMonitor({0, 0, 255, 255});
  Start(Modes({kPrefHsv}), 600);
  Open("a", Settings(0), Plain(0.1, 0.1, 0.1));
  Open("b", Settings(0), Plain(0.9, 0.9, 0.9));
  for (const bool escape : {false, true}) {
    ClickModeButton("a", "Pick Color from Screen");
    ASSERT_TRUE(Picking());
    Desktop().MoveTo({3, 3});
    if (escape) Desktop().KeyUp(GXA_KEY_ESC);
    else Desktop().Press(GXA_CHANNEL_LEFT);
    ASSERT_FALSE(Picking());
    Host().ClearParentMessages();
    // The picker ended with its click or Escape: the next click is an ordinary one.
    ClickAt("a", kHueSlider, {10, 5});
    EXPECT_FALSE(Picking()) << escape;
    if (Picking()) Desktop().KeyUp(GXA_KEY_ESC);
  }

  Host().ClearParentMessages();
  ClickModeButton("b", "Pick Color from Screen");
  ASSERT_TRUE(Picking());
  Desktop().MoveTo({3, 3});
  Desktop().Press(GXA_CHANNEL_LEFT);
  EXPECT_EQ(LastSent("b"), (host::Vector3{0.0, 0.0, 1.0}));
  EXPECT_TRUE(Sent("a").empty());
}
}  // namespace
}  // namespace choosertest
