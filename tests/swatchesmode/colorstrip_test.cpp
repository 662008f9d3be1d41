// The colour strip under the wheel, met through the host: its cells and
// selection frames in pixels, control-clicks, reordering by dragging, colours
// dropped in from another chooser, handing its colours to the swatches, and
// drags of other types refused by the strip and by the swatches area.
#include <string>
#include <vector>

#include "core/value.h"
#include "gui/answer.h"
#include "swatchesmodetest.h"
#include "wheelpagetest.h"

namespace swatchtest {
namespace {
constexpr std::int32_t kMenuAddAll = 900003;
constexpr std::int32_t kStripCell = 14;
constexpr std::int32_t kPitch = kStripCell + 1;
constexpr std::int32_t kDragTypeOther = 205;

class ColorStrip : public WheelModeTest {
 protected:
  int StripColumns() { return std::max(1, (Gadget("a", kWheelStrip).Frame().w - 1) / kPitch); }
  // Top left corner of colour k's cell (cell 0 is the handle).
  host::Point Corner(int k) {
    const int columns = StripColumns();
    return {1 + (k + 1) % columns * kPitch, 1 + (k + 1) / columns * kPitch};
  }
  host::Point Centre(int k) {
    const host::Point c = Corner(k);
    return {c.x + kStripCell / 2, c.y + kStripCell / 2};
  }
  // In the left half of colour k's cell: a drop lands before it.
  host::Point Before(int k) {
    const host::Point c = Corner(k);
    return {c.x + 3, c.y + kStripCell / 2};
  }

  // Red, then two colours added with control-clicks on the wheel.
  void OpenThreeColours() {
    OpenRed();
    ClickAt("a", kWheelArea, OnWheel(0.25, 0.5), 1, kControl);
    ClickAt("a", kWheelArea, OnWheel(0.6, 0.8), 1, kControl);
    ASSERT_EQ(Colors("a").size(), 3u);
  }

  // A drag from another chooser's colour field, released at a strip point.
  void DropFieldAt(const std::string& field, host::Point onStrip) {
    host::Widget& from = Gadget(field, kColorField);
    const host::Point start{from.Frame().w / 2, from.Frame().h / 2};
    const host::Point target = from.LocalPoint(Host().Input().Global(Gadget("a", kWheelStrip), onStrip));
    Drag(field, kColorField, {start, {start.x + 6, start.y}, target});
  }

  std::vector<int> Selected() {
    std::vector<int> selected;
    const std::vector<WheelEntry> colors = Colors("a");
    for (size_t i = 0; i < colors.size(); ++i)
      if (colors[i].selected) selected.push_back(int(i));
    return selected;
  }

  size_t SwatchCount() {
    size_t n = 0;
    for (const std::vector<Group>& groups : StoredSwatches(Host()))
      for (const Group& g : groups) n += g.swatches.size() + 1;
    return n;
  }

  int ErrorLines() {
    int n = 0;
    for (const host::DiagnosticLine& line : Host().GetHost().Diag().ModuleLines())
      if (host::Diagnostics::Format(line).find("error") != std::string::npos) ++n;
    return n;
  }
};

void ExpectHsv(const host::Vector3& actual, const host::Vector3& expected) {
  EXPECT_NEAR(actual.x, expected.x, 0.01);
  EXPECT_NEAR(actual.y, expected.y, 0.01);
  EXPECT_NEAR(actual.z, expected.z, 0.01);
}

TEST_F(ColorStrip, CellsShowTheColoursAndFrameTheSelectedOnesAtBothScales) {
  for (const int scale : {1, 2}) {
    SCOPED_TRACE(scale);
    StartWheel(scale);
    OpenRed();
    Open("blue", Settings(0, kNoBrightness), Plain(0.2, 0.4, 0.8));
    DropFieldAt("blue", Centre(3));
    ASSERT_EQ(Colors("a").size(), 2u);
    ClickAt("a", kWheelStrip, Centre(1));
    ASSERT_EQ(Selected(), std::vector<int>({1}));

    const host::Bitmap picture = Picture("a", kWheelStrip);
    const auto at = [&](host::Point p, int dx = 0) { return At(picture, (p.x + dx) * scale, (p.y + dx) * scale); };
    EXPECT_TRUE(Near(at(Centre(0)), Of(1, 0, 0), 2));
    EXPECT_TRUE(Near(at(Centre(1)), Of(0.2, 0.4, 0.8), 2));
    // The selected cell has an outer and an inner frame, the other one a
    // plain outline with its colour right inside.
    EXPECT_NE(at(Corner(1)), at(Corner(0)));
    EXPECT_TRUE(Near(at(Corner(0), 1), Of(1, 0, 0), 2));
    EXPECT_FALSE(Near(at(Corner(1), 1), Of(0.2, 0.4, 0.8), 30));
    EXPECT_TRUE(Near(at(Corner(1), 2), Of(0.2, 0.4, 0.8), 2));
    // Nothing beyond the last colour.
    EXPECT_EQ(at(Centre(3)), At(picture, picture.Width() - 1, picture.Height() - 1));
    TearDown();
  }
}

TEST_F(ColorStrip, ControlClickDeselectsOnlyWhileAnotherStaysSelected) {
  StartWheel();
  OpenThreeColours();
  ClickAt("a", kWheelStrip, Centre(1));
  EXPECT_EQ(Selected(), std::vector<int>({1}));
  ClickAt("a", kWheelStrip, Centre(2), 1, kControl);
  EXPECT_EQ(Selected(), std::vector<int>({1, 2}));
  ClickAt("a", kWheelStrip, Centre(2), 1, kControl);
  EXPECT_EQ(Selected(), std::vector<int>({1}));
  // The last selected colour stays selected.
  ClickAt("a", kWheelStrip, Centre(1), 1, kControl);
  EXPECT_EQ(Selected(), std::vector<int>({1}));
}

TEST_F(ColorStrip, DraggingAColourWithinTheStripReordersIt) {
  StartWheel();
  OpenThreeColours();
  const std::vector<WheelEntry> before = Colors("a");
  ClickAt("a", kWheelStrip, Centre(2));
  const Pixel moving = At(Picture("a", kWheelStrip), Centre(2).x, Centre(2).y);
  // Out of the strip, then cancelled: nothing moves.
  Drag("a", kWheelStrip, {Centre(2), {Centre(2).x, Centre(2).y + 40}});
  Drag("a", kWheelStrip, {Centre(2), Before(1)}, 0, true);
  std::vector<WheelEntry> after = Colors("a");
  ASSERT_EQ(after.size(), 3u);
  for (size_t i = 0; i < 3; ++i) ExpectHsv(after[i].hsv, before[i].hsv);

  Drag("a", kWheelStrip, {Centre(2), {Centre(2).x - 6, Centre(2).y}, Before(1)});
  after = Colors("a");
  ASSERT_EQ(after.size(), 3u);
  ExpectHsv(after[0].hsv, before[0].hsv);
  ExpectHsv(after[1].hsv, before[2].hsv);
  ExpectHsv(after[2].hsv, before[1].hsv);
  EXPECT_TRUE(after[1].selected);
  // The strip draws the new order.
  EXPECT_EQ(At(Picture("a", kWheelStrip), Centre(1).x, Centre(1).y), moving);
}

TEST_F(ColorStrip, ColourFromAnotherChoosersFieldGoesInAtTheGap) {
  StartWheel();
  OpenRed();
  ClickAt("a", kWheelArea, OnWheel(0.25, 0.5), 1, kControl);
  Open("blue", Settings(0, kNoBrightness), Plain(0.2, 0.4, 0.8));
  const std::vector<WheelEntry> before = Colors("a");
  ASSERT_EQ(before.size(), 2u);
  DropFieldAt("blue", Before(1));
  const std::vector<WheelEntry> after = Colors("a");
  ASSERT_EQ(after.size(), 3u);
  ExpectHsv(after[0].hsv, before[0].hsv);
  ExpectHsv(after[1].hsv, {0.6111, 0.75, 0.8});
  ExpectHsv(after[2].hsv, before[1].hsv);
  EXPECT_TRUE(Near(At(Picture("a", kWheelStrip), Centre(1).x, Centre(1).y), Of(0.2, 0.4, 0.8), 2));
}

TEST_F(ColorStrip, MenuHandsTheColoursToTheSwatchesAsANewGroup) {
  StartWheel();
  OpenRed();
  Open("blue", Settings(0, kNoBrightness), Plain(0.2, 0.4, 0.8));
  DropFieldAt("blue", Centre(3));
  const size_t groups = StoredSwatches(Host())[0].size();
  // Cancelling the group dialog adds nothing.
  Host().Answer(host::Answer::MenuChoice(kMenuAddAll));
  Host().Answer(host::Answer::TextCancel());
  ClickAt("a", kWheelStrip, Centre(0), 2);
  EXPECT_EQ(StoredSwatches(Host())[0].size(), groups);
  EXPECT_TRUE(StoredSwatches(Host())[1].empty());

  Host().Answer(host::Answer::MenuChoice(kMenuAddAll));
  Host().Answer(host::Answer::Text("Strip", true));
  ClickAt("a", kWheelStrip, Centre(0), 2);
  const Collections stored = StoredSwatches(Host());
  ASSERT_EQ(stored[0].size(), groups + 1);
  const Group& added = stored[0].back();
  EXPECT_EQ(added.name, "Strip");
  ASSERT_EQ(added.swatches.size(), 2u);
  EXPECT_EQ(Rgb(added.swatches[0]), Of(1, 0, 0));
  EXPECT_TRUE(Near(Rgb(added.swatches[1]), Of(0.2, 0.4, 0.8), 1));
  EXPECT_EQ(added.swatches[1].rgba[3], 1.0);
  ASSERT_FALSE(ui.dialogs.empty());
}

TEST_F(ColorStrip, OtherDragTypesAreRefusedByTheStripAndTheSwatches) {
  StartWheel(1, Modes({kPrefSwatches}));
  OpenRed();
  ASSERT_TRUE(Shows("a", kArea));
  const host::Value red = host::Value::Vector({0.9, 0.1, 0.1});
  // Swatches and groups together.
  const size_t swatches = SwatchCount();
  const auto unchanged = [&] {
    EXPECT_EQ(Colors("a").size(), 1u);
    EXPECT_EQ(SwatchCount(), swatches);
  };
  for (const std::int32_t gadget : {kWheelStrip, kArea}) {
    SCOPED_TRACE(gadget);
    const host::InputDriver::DragIn other =
        Host().Input().DragData(Gadget("a", gadget), std::nullopt, kDragTypeOther, red);
    EXPECT_FALSE(other.taken);
    EXPECT_EQ(other.hoverCursor, GXA_CURSOR_FORBIDDEN);
    Host().Input().DropFiles(Gadget("a", gadget), std::nullopt, {"/pictures/sky.png"});
    unchanged();
  }
  EXPECT_EQ(ErrorLines(), 0);

  // The same data as one colour is taken by both.
  const host::InputDriver::DragIn one =
      Host().Input().DragData(Gadget("a", kWheelStrip), std::nullopt, GXA_DRAGTYPE_COLOR, red);
  EXPECT_TRUE(one.taken);
  EXPECT_EQ(one.hoverCursor, GXA_CURSOR_DRAG_COPY);
  EXPECT_EQ(Colors("a").size(), 2u);
  EXPECT_TRUE(Host().Input().DragData(Gadget("a", kArea), std::nullopt, GXA_DRAGTYPE_COLOR, red).taken);
  EXPECT_GT(SwatchCount(), swatches);
}
}  // namespace
}  // namespace swatchtest
