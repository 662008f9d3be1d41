// The fixed-size harmonies as the user drags them on the wheel: whichever
// handle is dragged, it lands under the mouse and the others take their
// stated places around the main colour, in the stated directions; and
// switches between rules that shorten or lengthen the list.
#include <algorithm>
#include <cmath>
#include <vector>

#include "wheelpagetest.h"

namespace choosertest {
namespace {
constexpr std::int32_t kSplit = 0x3EA0011;
constexpr std::int32_t kTetrad = 0x3EA0013;
constexpr std::int32_t kComplementary = 0x3EA000E;
constexpr std::int32_t kEqui = 0x3EA0012;
constexpr std::int32_t kWheelAdd = 0x3EA0015;

// The turn from one hue to another, -0.5 .. 0.5.
double Turn(double from, double to) { return std::fmod(to - from + 2.5, 1.0) - 0.5; }

class WheelHarmonyTest : public WheelModeTest {
 protected:
  // Drags handle `index` (at its stored colour) to the hue given, half way
  // out, and answers the colours afterwards.
  std::vector<WheelEntry> DragHandle(std::size_t index, double toHue) {
    const std::vector<WheelEntry> before = Colors("a");
    EXPECT_LT(index, before.size());
    if (index >= before.size()) return before;
    const host::Point from = OnWheel(before[index].hsv.x, before[index].hsv.y);
    const host::Point to = OnWheel(toHue, 0.6);
    Drag("a", kWheelArea, {from, {(from.x + to.x) / 2, (from.y + to.y) / 2}, to});
    return Colors("a");
  }

  // Each colour's hue relative to the main one, in turns, against the rule.
  static void ExpectAroundTheMain(const std::vector<WheelEntry>& colors, const std::vector<double>& offsets) {
    ASSERT_EQ(colors.size(), offsets.size());
    for (std::size_t k = 1; k < colors.size(); ++k)
      EXPECT_NEAR(Turn(colors[0].hsv.x + offsets[k], colors[k].hsv.x), 0.0, 1e-9) << "colour " << k;
    for (std::size_t k = 0; k < colors.size(); ++k) {
      EXPECT_EQ(colors[k].hsv.y, colors[0].hsv.y) << "colour " << k;
      EXPECT_EQ(colors[k].hsv.z, colors[0].hsv.z) << "colour " << k;
    }
  }

  void ExpectDragOfEachHandleKeepsTheRule(std::int32_t harmony, const std::vector<double>& offsets) {
    StartWheel();
    OpenRed();
    Click("a", harmony);
    ASSERT_EQ(Colors("a").size(), offsets.size());
    ExpectAroundTheMain(Colors("a"), offsets);
    const double targets[] = {0.08, 0.37, 0.61, 0.86};
    for (std::size_t index = 0; index < offsets.size(); ++index) {
      SCOPED_TRACE("dragging colour " + std::to_string(index));
      const std::vector<WheelEntry> after = DragHandle(index, targets[index]);
      ASSERT_EQ(after.size(), offsets.size());
      // The dragged colour is the one under the mouse...
      EXPECT_NEAR(Turn(after[index].hsv.x, targets[index]), 0.0, 0.01);
      EXPECT_NEAR(after[index].hsv.y, 0.6, 0.02);
      EXPECT_TRUE(after[index].selected);
      // ... and the rest follow it.
      ExpectAroundTheMain(after, offsets);
    }
  }
};

TEST_F(WheelHarmonyTest, SplitComplementaryPlacesItsColoursAt150DegreesEitherSideWhicheverIsDragged) {
  ExpectDragOfEachHandleKeepsTheRule(kSplit, {0.0, 150.0 / 360.0, -150.0 / 360.0});
}

TEST_F(WheelHarmonyTest, TetradPlacesItsColoursOppositeAndSixtyDegreesBackWhicheverIsDragged) {
  ExpectDragOfEachHandleKeepsTheRule(kTetrad, {0.0, -0.5, -60.0 / 360.0, 120.0 / 360.0});
}
TEST_F(WheelHarmonyTest, AnIndexCutOffByARuleBecomesTheMainColourOnceTheListIsFinal) {
  StartWheel();
  OpenRed();
  // Three free colours, the last one edited; Complementary keeps two,
  // Equi asks for three again.
  Click("a", kWheelAdd);
  Click("a", kWheelAdd);
  ASSERT_EQ(Colors("a").size(), 3u);
  Click("a", kComplementary);
  ASSERT_EQ(Colors("a").size(), 2u);
  EXPECT_TRUE(Colors("a")[0].selected);
  Click("a", kEqui);
  const std::vector<WheelEntry> colors = Colors("a");
  ASSERT_EQ(colors.size(), 3u);
  EXPECT_TRUE(colors[0].selected);
  for (std::size_t k = 0; k < colors.size(); ++k) {
    EXPECT_EQ(colors[k].hsv.y, colors[0].hsv.y) << "colour " << k;
    EXPECT_EQ(colors[k].hsv.z, colors[0].hsv.z) << "colour " << k;
    EXPECT_NEAR(Turn(colors[0].hsv.x + k / 3.0, colors[k].hsv.x), 0.0, 1e-9) << "colour " << k;
  }
  EXPECT_GT(colors[0].hsv.z, 0.0);
  const host::Vector3 shown = Data("a").color;
  EXPECT_GT(std::max({shown.x, shown.y, shown.z}), 0.5);
}
}  // namespace
}  // namespace choosertest
