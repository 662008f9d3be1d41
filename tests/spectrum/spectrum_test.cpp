// The spectrum mode and the compact square on the host's page: what the
// square shows, what mouse, keys and the size menu do to the colour, and
// how the size reaches every open chooser.
#include <algorithm>
#include <cmath>

#include "chooserpagetest.h"
#include "core/host.h"
#include "gui/answer.h"

namespace choosertest {
namespace {
constexpr std::int32_t kSquare = 0x3EB0002;
constexpr std::int32_t kSpectrumHue = 0x3EB0001;
constexpr std::int32_t kPrefSpectrumSize = 1122;
constexpr std::int32_t kMenuLarge = 900002;
constexpr std::int32_t kKeyUp = 61824;
constexpr std::int32_t kKeyDown = 61825;
constexpr std::int32_t kKeyLeft = 61826;
constexpr std::int32_t kKeyRight = 61827;
constexpr std::int32_t kShift = 1;
constexpr std::int32_t kControl = 2;
constexpr std::int32_t kAlt = 4;

class SpectrumTest : public ChooserPageTest {
 protected:
  void StartSpectrum(int scale = 1, std::int32_t size = 0) {
    host::Container prefs = Modes();
    prefs.SetInt32(kPrefStartMode, 2);
    prefs.SetInt32(kPrefSpectrumSize, size);
    Start(prefs, 0, scale);
  }
  void OpenPlain(const std::string& key, double r, double g, double b) {
    Open(key, Settings(0, kNoBrightness), Plain(r, g, b));
  }
  // The square's logical size S.
  int Side(const std::string& key) { return Gadget(key, kSquare).Frame().w; }
  host::Vector3 Color(const std::string& key) { return Data(key).color; }
  static double Saturation(const host::Vector3& c) {
    const double high = std::max({c.x, c.y, c.z}), low = std::min({c.x, c.y, c.z});
    return high > 0.0 ? (high - low) / high : 0.0;
  }
};

TEST_F(SpectrumTest, CornersAreWhiteAndBlackForAnyHue) {
  for (const int scale : {1, 2}) {
    StartSpectrum(scale);
    // Saturation and value 0.5 keep the marker away from the corners.
    const host::Vector3 colors[] = {{0.5, 0.25, 0.25}, {0.25, 0.5, 0.32}, {0.45, 0.25, 0.5}};
    int n = 0;
    for (const host::Vector3& c : colors) {
      const std::string key = "a" + std::to_string(n++);
      OpenPlain(key, c.x, c.y, c.z);
      const host::Bitmap picture = Picture(key, kSquare);
      ASSERT_EQ(picture.Width(), 130 * scale);
      const int m = 6 * scale, last = 130 * scale - 6 * scale - 1;
      EXPECT_EQ(At(picture, m, m), (Pixel{255, 255, 255})) << key;
      EXPECT_EQ(At(picture, last, last), (Pixel{0, 0, 0})) << key;
      EXPECT_EQ(At(picture, m, last), (Pixel{0, 0, 0})) << key;
    }
    TearDown();
  }
}

TEST_F(SpectrumTest, ClicksAtTheInnerCornersGiveWhiteAndBlack) {
  StartSpectrum();
  OpenPlain("a", 0.2, 0.6, 0.3);
  const int s = Side("a");
  ClickAt("a", kSquare, {6, 6});
  EXPECT_EQ(Color("a"), (host::Vector3{1, 1, 1}));
  ClickAt("a", kSquare, {s - 7, s - 7});
  EXPECT_EQ(Color("a"), (host::Vector3{0, 0, 0}));
  // Saturation grows to the right and value upward.
  ClickAt("a", kSquare, {s - 7, 6});
  const host::Vector3 full = Color("a");
  EXPECT_NEAR(full.y, 1.0, 1e-9);
  EXPECT_LT(full.x, 0.01);
  const auto sent = Sent("a");
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent.back().GetInt32(kMessageDrag), 0);
}

TEST_F(SpectrumTest, GrabbingTheMarkerOrJitteringChangesNothing) {
  StartSpectrum();
  OpenPlain("a", 0.6, 0.3, 0.45);
  const host::Vector3 before = Color("a");
  // The marker of saturation 0.5, value 0.6 within a square of S = 130.
  const int x = static_cast<int>(std::lround(0.5 * 117 + 6)), y = static_cast<int>(std::lround(6 + 117 - 0.6 * 117));
  ClickAt("a", kSquare, {x + 4, y - 3});
  EXPECT_EQ(Color("a"), before);
  Drag("a", kSquare, {{x + 2, y}, {x + 3, y + 1}, {x + 3, y}, {x + 2, y + 1}});
  EXPECT_EQ(Color("a"), before);
  // A real move from the marker takes the colour along.
  Drag("a", kSquare, {{x, y}, {x + 10, y}, {x + 20, y}});
  EXPECT_GT(Saturation(Color("a")), 0.6);
}

TEST_F(SpectrumTest, AMarkerGrabbedBesideItsCentreMovesByTheDragAlone) {
  StartSpectrum();
  OpenPlain("a", 0.6, 0.3, 0.45);
  // The marker of saturation 0.5, value 0.6 in a square of S = 130, grabbed
  // 4 px right of and 3 px above its centre, then dragged by (30, 20).
  const double cx = 0.5 * 117 + 6, cy = 6 + 117 - 0.6 * 117;
  const host::Point grab{static_cast<int>(std::lround(cx)) + 4, static_cast<int>(std::lround(cy)) - 3};
  Drag("a", kSquare, {grab, {grab.x + 10, grab.y + 5}, {grab.x + 30, grab.y + 20}});
  const host::Vector3 color = Color("a");
  EXPECT_NEAR(Saturation(color), (cx + 30 - 6) / 117, 0.002);
  EXPECT_NEAR(std::max({color.x, color.y, color.z}), 1.0 - (cy + 20 - 6) / 117, 0.002);
}

TEST_F(SpectrumTest, JitterAfterAClickKeepsTheClickedColour) {
  StartSpectrum();
  OpenPlain("a", 0.6, 0.3, 0.45);
  Drag("a", kSquare, {{20, 30}, {21, 31}, {20, 31}, {21, 30}});
  const auto sent = Sent("a");
  ASSERT_GE(sent.size(), 2u);
  const host::Vector3 clicked = sent.front().Find(kMessageValue)->AsVector().value();
  for (const host::Container& message : sent) EXPECT_EQ(message.Find(kMessageValue)->AsVector().value(), clicked);
}

TEST_F(SpectrumTest, DragMovesOnlyFromSixPixelsInEitherDirection) {
  // The host answers the input-device query, so the threshold is the pen's.
  StartSpectrum();
  OpenPlain("a", 0.6, 0.3, 0.45);
  for (const host::Point step : {host::Point{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
    const host::Point start{60, 60};
    ClickAt("a", kSquare, start);
    const host::Vector3 clicked = Color("a");
    Drag("a", kSquare,
         {start, {start.x + 3 * step.x, start.y + 3 * step.y}, {start.x + 5 * step.x, start.y + 5 * step.y}});
    EXPECT_EQ(Color("a"), clicked) << step.x << ", " << step.y;
    Drag("a", kSquare, {start, {start.x + 6 * step.x, start.y + 6 * step.y}});
    EXPECT_NE(Color("a"), clicked) << step.x << ", " << step.y;
  }
}

TEST_F(SpectrumTest, MarkerTurnsBlackAtLumaFiveHundredTen) {
  StartSpectrum();
  // Greys just below and just above the contrast boundary.
  OpenPlain("dark", 0.5097, 0.5097, 0.5097);
  OpenPlain("light", 0.5099, 0.5099, 0.5099);
  for (const auto& [key, ring] : {std::pair<std::string, int>{"dark", 255}, {"light", 0}}) {
    const host::Bitmap picture = Picture(key, kSquare);
    // Grey: saturation 0 puts the marker on the left edge; its ring runs
    // from 9 to 11 pixels around the centre.
    const int cx = 6, cy = static_cast<int>(std::lround(6 + 117 - 0.5097 * 117));
    EXPECT_EQ(At(picture, cx + 10, cy), (Pixel{ring, ring, ring})) << key;
    EXPECT_EQ(At(picture, cx, cy).r, 130) << key;
  }
}

TEST_F(SpectrumTest, ArrowKeysStepAHundredthATenthWithShiftOrControlAndToTheEdgeWithAlt) {
  StartSpectrum();
  // Hue 0: red is the value, green and blue are value x (1 - saturation).
  OpenPlain("a", 0.5, 0.25, 0.25);
  host::Widget& square = Gadget("a", kSquare);
  auto press = [&](std::int32_t key, std::int32_t qualifiers, double saturation, double value) {
    Host().Input().Key(&square, key, qualifiers);
    const host::Vector3 c = Color("a");
    EXPECT_NEAR(c.x, value, 1e-9) << "key " << key << " qualifiers " << qualifiers;
    EXPECT_NEAR(c.y, value * (1.0 - saturation), 1e-9) << "key " << key << " qualifiers " << qualifiers;
    EXPECT_EQ(Sent("a").back().GetInt32(kMessageDrag), 0);
  };
  for (const auto& [qualifiers, step] : {std::pair{0, 0.01}, {kShift, 0.1}, {kControl, 0.1}}) {
    press(kKeyUp, qualifiers, 0.5, 0.5 + step);
    press(kKeyDown, qualifiers, 0.5, 0.5);
    press(kKeyRight, qualifiers, 0.5 + step, 0.5);
    press(kKeyLeft, qualifiers, 0.5, 0.5);
  }
  press(kKeyUp, kAlt, 0.5, 1.0);
  press(kKeyRight, kAlt, 1.0, 1.0);
  press(kKeyLeft, kAlt, 0.0, 1.0);
  press(kKeyDown, kAlt, 0.0, 0.0);
}

TEST_F(SpectrumTest, MovedMarkerLeavesNoTraceOfItsOldRing) {
  for (const int scale : {1, 2}) {
    SCOPED_TRACE("scale " + std::to_string(scale));
    StartSpectrum(scale);
    // Black has the same hue and puts its marker in the bottom left corner,
    // away from every place the other marker visits.
    OpenPlain("black", 0.0, 0.0, 0.0);
    OpenPlain("a", 0.5, 0.25, 0.25);
    const host::Bitmap square = Picture("black", kSquare);
    const int margin = 6 * scale, steps = 130 * scale - 2 * margin - 1;
    const double reach = 11.0 * scale + 2.0;
    auto near = [&](int x, int y, double s, double v) {
      return std::hypot(x - (margin + s * steps), y - (margin + steps - v * steps)) < reach;
    };
    host::Widget& gadget = Gadget("a", kSquare);
    Picture("a", kSquare);
    // Steps that leave the marker between pixels and on them, at the edges.
    const std::pair<std::int32_t, std::int32_t> keys[] = {{kKeyRight, 0},      {kKeyUp, kShift},   {kKeyLeft, kControl},
                                                          {kKeyDown, 0},       {kKeyUp, kAlt},     {kKeyRight, kAlt},
                                                          {kKeyLeft, 0},       {kKeyDown, kShift}, {kKeyLeft, kAlt},
                                                          {kKeyRight, kShift}, {kKeyDown, kShift}, {kKeyUp, 0}};
    for (const auto& [key, qualifiers] : keys) {
      Host().Input().Key(&gadget, key, qualifiers);
      const host::Vector3 c = Color("a");
      const double v = c.x, s = v > 0.0 ? 1.0 - c.y / v : 0.0;
      const host::Bitmap picture = Picture("a", kSquare);
      ASSERT_EQ(picture.Width(), square.Width());
      for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
          if (near(x, y, s, v) || near(x, y, 0.0, 0.0)) continue;
          ASSERT_EQ(At(picture, x, y), At(square, x, y))
              << "at " << x << ", " << y << " with the marker at saturation " << s << ", value " << v;
        }
    }
    TearDown();
  }
}

TEST_F(SpectrumTest, HueSliderSetsTheHueFromTheTop) {
  StartSpectrum();
  OpenPlain("a", 1.0, 0.0, 0.0);
  host::Widget& slider = Gadget("a", kSpectrumHue);
  ClickAt("a", kSpectrumHue, {slider.Frame().w / 2, (slider.Frame().h - 1) / 2});
  const host::Vector3 c = Color("a");
  // Half way down is cyan.
  EXPECT_LT(c.x, 0.05);
  EXPECT_GT(c.y, 0.95);
  EXPECT_GT(c.z, 0.95);
}

TEST_F(SpectrumTest, SizeMenuReachesEveryOpenChooser) {
  StartSpectrum();
  OpenPlain("a", 0.2, 0.4, 0.6);
  OpenPlain("b", 0.7, 0.4, 0.6);
  ASSERT_EQ(Side("a"), 130);
  Host().Answer(host::Answer::MenuChoice(kMenuLarge));
  ClickAt("a", kSquare, {50, 50}, 2);
  ASSERT_EQ(ui.menus.size(), 1u);
  const auto& entries = ui.menus[0].menu.Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_TRUE(entries[0].checked);
  EXPECT_FALSE(entries[2].checked);
  EXPECT_EQ(Host().Prefs().GetInt32(kPrefSpectrumSize), 2);
  EXPECT_EQ(Side("a"), 290);
  EXPECT_EQ(Side("b"), 290);
  EXPECT_EQ(Picture("b", kSquare).Width(), 290);
  // The colour did not change.
  EXPECT_EQ(Color("a"), (host::Vector3{0.2, 0.4, 0.6}));
}

TEST_F(SpectrumTest, EachSizeOfTheMenuAndNoneForTheCheckedOne) {
  StartSpectrum();
  OpenPlain("a", 0.2, 0.4, 0.6);
  const std::pair<std::int32_t, int> choices[] = {{kMenuLarge - 1, 210}, {kMenuLarge - 2, 130}, {kMenuLarge, 290}};
  for (const auto& [entry, side] : choices) {
    const size_t before = Host().GetHost().Events().History().size();
    Host().Answer(host::Answer::MenuChoice(entry));
    ClickAt("a", kSquare, {50, 50}, 2);
    EXPECT_GT(Host().GetHost().Events().History().size(), before);
    EXPECT_EQ(Side("a"), side);
    EXPECT_EQ(Host().Prefs().GetInt32(kPrefSpectrumSize), entry - (kMenuLarge - 2));
  }
  // The checked size again: nothing is sent to the other choosers.
  const size_t events = Host().GetHost().Events().History().size();
  Host().Answer(host::Answer::MenuChoice(kMenuLarge));
  ClickAt("a", kSquare, {50, 50}, 2);
  EXPECT_TRUE(ui.menus.back().menu.Entries()[2].checked);
  EXPECT_EQ(Host().GetHost().Events().History().size(), events);
  EXPECT_EQ(Side("a"), 290);
}

TEST_F(SpectrumTest, PreferenceChangeResizesAtOnce) {
  StartSpectrum();
  OpenPlain("a", 0.2, 0.4, 0.6);
  host::Container entries;
  entries.SetInt32(kPrefSpectrumSize, 1);
  Host().SetPrefs(entries);
  EXPECT_EQ(Side("a"), 210);
}

TEST_F(SpectrumTest, CompactSquareFollowsTheSliders) {
  host::Container prefs = Modes({kPrefCompact});
  Start(prefs);
  OpenPlain("a", 0.2, 0.6, 0.3);
  ASSERT_TRUE(Shows("a", kCompactSquare));
  const host::Rect frame = Gadget("a", kCompactSquare).Frame();
  EXPECT_GT(frame.h, 100);
  EXPECT_EQ(frame.w, frame.h);
  ClickAt("a", kCompactSquare, {6, 6});
  EXPECT_EQ(Color("a"), (host::Vector3{1, 1, 1}));
  // No size menu in the compact mode.
  ClickAt("a", kCompactSquare, {30, 30}, 2);
  EXPECT_TRUE(ui.menus.empty());
  const host::Bitmap picture = Picture("a", kCompactSquare);
  EXPECT_EQ(At(picture, frame.w - 7, frame.h - 7), (Pixel{0, 0, 0}));
}
}  // namespace
}  // namespace choosertest
