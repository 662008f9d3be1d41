#include <optional>
#include <string>
#include <vector>

#include "core/hostpaths.h"
#include "gui/answer.h"
#include "presets/presetlibrary.h"
#include "presets/preseturl.h"
#include "swatchesmodetest.h"

namespace swatchtest {
namespace {
class SwatchesArea : public SwatchesModeTest {};

TEST_F(SwatchesArea, CellsShowTheStoredColoursAtBothScales) {
  for (const int scale : {1, 2}) {
    SCOPED_TRACE(scale);
    StartSwatches(host::Container(), scale);
    OpenChooser("a");
    const Collections stored = Stored();
    ASSERT_EQ(stored[0].size(), 1u);
    const std::vector<Swatch>& swatches = stored[0][0].swatches;
    ASSERT_EQ(swatches.size(), 14u);
    const int columns = Columns();
    const host::Bitmap picture = Picture("a", kArea);
    for (size_t i = 0; i < swatches.size(); ++i) {
      const host::Point centre = CellCentre(int(i), columns);
      EXPECT_TRUE(Near(At(picture, centre.x * scale, centre.y * scale), Rgb(swatches[i]), 2)) << "swatch " << i;
    }
    // The add cell after the last swatch stays background.
    const host::Point add = CellCentre(14, columns);
    const host::Point corner = {0, 0};
    EXPECT_EQ(At(picture, add.x * scale, add.y * scale), At(picture, corner.x, corner.y));
    TearDown();
  }
}

TEST_F(SwatchesArea, NoGroupsDrawOnlyTheBackground) {
  host::Container prefs;
  host::Container empty;
  empty.SetInt32(0, 0);
  prefs.SetContainer(kPrefGlobalSwatches, empty);
  StartSwatches(prefs);
  OpenChooser("a");
  ASSERT_TRUE(Stored()[0].empty());
  const host::Bitmap picture = Picture("a", kArea);
  const Pixel background = At(picture, 0, 0);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) ASSERT_EQ(At(picture, x, y), background) << x << ", " << y;
}

TEST_F(SwatchesArea, ClicksSelectWithAnchorAndRange) {
  StartSwatches();
  OpenChooser("a");
  const int columns = Columns();
  // A shift-click before any other click has no anchor.
  ClickAt("a", kArea, CellCentre(4, columns), 1, GXA_QUALIFIER_SHIFT);
  EXPECT_EQ(DiagnosticsWith("multi single swatch"), 1);
  EXPECT_EQ(SelectedIn(Stored()[0][0]), std::vector<int>({4}));

  ClickAt("a", kArea, CellCentre(2, columns));
  EXPECT_EQ(SelectedIn(Stored()[0][0]), std::vector<int>({2}));
  ClickAt("a", kArea, CellCentre(9, columns), 1, GXA_QUALIFIER_CTRL);
  EXPECT_EQ(SelectedIn(Stored()[0][0]), std::vector<int>({2, 9}));
  // The control-click made 9 the anchor: the range runs from there.
  ClickAt("a", kArea, CellCentre(6, columns), 1, GXA_QUALIFIER_SHIFT);
  EXPECT_EQ(SelectedIn(Stored()[0][0]), std::vector<int>({6, 7, 8, 9}));

  // Selected cells are framed; their colour stays inside.
  const host::Bitmap picture = Picture("a", kArea);
  const host::Point selected = CellCorner(7, columns), plain = CellCorner(2, columns);
  EXPECT_NE(At(picture, selected.x, selected.y), At(picture, plain.x, plain.y));
  EXPECT_NE(At(picture, selected.x + 1, selected.y + 1), At(picture, plain.x + 1, plain.y + 1));
  const host::Point centre = CellCentre(7, columns);
  EXPECT_TRUE(Near(At(picture, centre.x, centre.y), Rgb(Stored()[0][0].swatches[7]), 2));

  // Empty space clears the selection.
  ClickAt("a", kArea, {Gadget("a", kArea).Frame().w - 2, Gadget("a", kArea).Frame().h - 2});
  EXPECT_TRUE(SelectedIn(Stored()[0][0]).empty());
}

TEST_F(SwatchesArea, ARightClickSelectsLikeAClickAndTheSelectionOutlivesARelayout) {
  StartSwatches();
  OpenChooser("a");
  OpenChooser("b");
  const int columns = Columns();
  const host::Point corner = CellCorner(5, columns);
  // The menu is dismissed; the swatch it was opened on stays selected.
  ClickAt("a", kArea, CellCentre(5, columns), 2);
  EXPECT_EQ(SelectedIn(Stored()[0][0]), std::vector<int>({5}));
  const Pixel framed = At(Picture("a", kArea), corner.x, corner.y);
  EXPECT_EQ(At(Picture("b", kArea), corner.x, corner.y), framed);
  // Showing the RGB sliders beside the swatches lays the chooser out anew.
  ClickModeButton("a", "RGB", GXA_QUALIFIER_SHIFT);
  EXPECT_EQ(At(Picture("a", kArea), corner.x, corner.y), framed);
  EXPECT_EQ(SelectedIn(Stored()[0][0]), std::vector<int>({5}));
}

TEST_F(SwatchesArea, DoubleClickPicksTheColour) {
  StartSwatches();
  OpenChooser("a");
  const Swatch third = Stored()[0][0].swatches[3];
  Host().Input().Click(Gadget("a", kArea), CellCentre(3, Columns()), 1, 0, true);
  const host::ColorValue value = Data("a");
  EXPECT_NEAR(value.color.x, third.rgba[0], 1e-9);
  EXPECT_NEAR(value.color.y, third.rgba[1], 1e-9);
  EXPECT_NEAR(value.color.z, third.rgba[2], 1e-9);
}

TEST_F(SwatchesArea, NewGroupsFromTheDialog) {
  StartSwatches();
  OpenChooser("a");
  const host::Point empty{Gadget("a", kArea).Frame().w - 2, Gadget("a", kArea).Frame().h - 2};
  // A blank name becomes the default; without the option the group is the document's.
  Host().Answer(host::Answer::Text("  \t", false));
  Host().Input().Click(Gadget("a", kArea), empty, 1, 0, true);
  Collections stored = Stored();
  ASSERT_EQ(stored[1].size(), 1u);
  EXPECT_EQ(stored[1][0].name, "Color Group");
  EXPECT_TRUE(stored[1][0].swatches.empty());

  // The option chosen once is ticked the next time: an answer that leaves it
  // alone puts the second group into the global swatches too.
  Host().Answer(host::Answer::Text("Warm", true));
  Host().Input().Click(Gadget("a", kArea), empty, 1, 0, true);
  Host().Answer(host::Answer::Text("Cold"));
  Host().Input().Click(Gadget("a", kArea), empty, 1, 0, true);
  stored = Stored();
  ASSERT_EQ(stored[0].size(), 3u);
  EXPECT_EQ(stored[0][1].name, "Warm");
  EXPECT_EQ(stored[0][2].name, "Cold");
  // A cancelled dialog changes nothing.
  Host().Answer(host::Answer::TextCancel());
  Host().Input().Click(Gadget("a", kArea), empty, 1, 0, true);
  EXPECT_EQ(Stored()[0].size(), 3u);
}

TEST_F(SwatchesArea, NewGroupDialogWorksFromTheKeyboardAlone) {
  StartSwatches();
  OpenChooser("a");
  const host::Point empty{Gadget("a", kArea).Frame().w - 2, Gadget("a", kArea).Frame().h - 2};
  // The double click opens the dialog, which takes the keys queued after it.
  const auto newGroup = [&](std::vector<std::vector<host::InputEvent>> keys) {
    const host::Point p = Host().Input().Global(Gadget("a", kArea), empty);
    std::vector<host::InputEvent> events = {host::InputEvent::MouseMove(p), host::InputEvent::MouseDown(p),
                                            host::InputEvent::MouseUp(p), host::InputEvent::MouseDown(p, 1, 0, true),
                                            host::InputEvent::MouseUp(p)};
    for (const auto& k : keys) events.insert(events.end(), k.begin(), k.end());
    Host().Input().Run(events);
  };
  const auto press = [](int32_t key, int32_t qualifiers = 0) {
    return std::vector<host::InputEvent>{host::InputEvent::KeyDown(key, qualifiers),
                                         host::InputEvent::KeyUp(key, qualifiers)};
  };

  newGroup({host::InputEvent::Typing("Warm tones"), press(GXA_KEY_ENTER)});
  Collections stored = Stored();
  ASSERT_EQ(stored[1].size(), 1u) << "the space typed into the name ticked the global option";
  EXPECT_EQ(stored[1][0].name, "Warm tones");

  // Back from the name to the option, ticked by the space bar, and on to the name again.
  newGroup({press(GXA_KEY_TAB, GXA_QUALIFIER_SHIFT), press(' '), press(GXA_KEY_TAB), host::InputEvent::Typing("Cold"),
            press(GXA_KEY_ENTER)});
  stored = Stored();
  ASSERT_EQ(stored[0].size(), 2u);
  EXPECT_EQ(stored[0][1].name, "Cold");

  newGroup({host::InputEvent::Typing("Nothing"), press(GXA_KEY_ESC)});
  stored = Stored();
  EXPECT_EQ(stored[0].size() + stored[1].size(), 3u) << "Escape still made a group";
}

TEST_F(SwatchesArea, DeleteKeyRemovesTheSelectionAfterTheQuestion) {
  StartSwatches();
  OpenChooser("a");
  const int columns = Columns();
  ClickAt("a", kArea, CellCentre(0, columns));
  ClickAt("a", kArea, CellCentre(1, columns), 1, GXA_QUALIFIER_SHIFT);
  Host().Answer(host::Answer::Question(false));
  Host().Input().Key(&Gadget("a", kArea), GXA_KEY_DELETE, 0);
  EXPECT_EQ(Stored()[0][0].swatches.size(), 14u);
  Host().Answer(host::Answer::Question(true));
  Host().Input().Key(&Gadget("a", kArea), GXA_KEY_DELETE, 0);
  EXPECT_EQ(Stored()[0][0].swatches.size(), 12u);
}

TEST_F(SwatchesArea, ControlTwoMakesTheCellsMedium) {
  StartSwatches();
  OpenChooser("a");
  const Collections stored = Stored();
  // x 17 lies in the second cell at 14 pixels, in the first at 21.
  EXPECT_TRUE(Near(At(Picture("a", kArea), 17, 10), Rgb(stored[0][0].swatches[1]), 2));
  Host().Input().Key(&Gadget("a", kArea), '2', GXA_QUALIFIER_CTRL);
  EXPECT_EQ(Host().Prefs().GetInt32(kPrefCellSize), 1);
  EXPECT_TRUE(Near(At(Picture("a", kArea), 17, 10), Rgb(stored[0][0].swatches[0]), 2));
  // Again: nothing changes.
  Host().Input().Key(&Gadget("a", kArea), '2', GXA_QUALIFIER_CTRL);
  EXPECT_EQ(Host().Prefs().GetInt32(kPrefCellSize), 1);
  EXPECT_TRUE(Near(At(Picture("a", kArea), 17, 10), Rgb(stored[0][0].swatches[0]), 2));
}

TEST_F(SwatchesArea, ColourDraggedBetweenChoosersReachesBothAndTheDocument) {
  StartSwatches();
  Open("field", Settings(0, kNoBrightness), Plain(0.9, 0.2, 0.1));
  OpenChooser("a");
  // Below the groups the colour starts a new document group.
  DragOnto("field", kColorField, "a", kArea);
  const Collections stored = Stored();
  ASSERT_EQ(stored[1].size(), 1u);
  ASSERT_EQ(stored[1][0].swatches.size(), 1u);
  EXPECT_NEAR(stored[1][0].swatches[0].rgba[0], 0.9, 1e-9);
  EXPECT_NEAR(stored[1][0].swatches[0].rgba[2], 0.1, 1e-9);
  // Both choosers show it: the first group's 14 swatches and add cell, then the new group.
  for (const char* key : {"a", "field"}) {
    SCOPED_TRACE(key);
    const host::Bitmap picture = Picture(key, kArea);
    const int columns = std::max(1, (Gadget(key, kArea).Frame().w - 1) / 15);
    const int rows = (14 + 1 + columns - 1) / columns;
    const int top = kCellsTop + rows * 15 + 3;
    EXPECT_TRUE(Near(At(picture, 1 + 7, top + 7), Of(0.9, 0.2, 0.1), 2));
  }
}

TEST_F(SwatchesArea, ASwatchDraggedToAnotherChoosersSwatchesGoesInBetweenOrBelowThem) {
  StartSwatches();
  OpenChooser("a");
  OpenChooser("b");
  const std::vector<Swatch> before = Stored()[0][0].swatches;
  ASSERT_GE(before.size(), 6u);
  const int columns = Columns();
  // Swatch 5 of a, carried out of its cell and dropped on b.
  auto dragFromA = [&](std::optional<host::Point> onB) {
    host::Widget& from = Gadget("a", kArea);
    const host::Point start = CellCentre(5, columns);
    const host::Point target = from.LocalPoint(Host().Input().Global(Gadget("b", kArea), onB));
    Host().Input().Drag(from, {start, {start.x + 12, start.y}, {start.x + 20, start.y + 4}, target}, 1, 0, false);
  };

  // Into the gap before b's swatch 2 (its cell's left half).
  const host::Point gap = CellCorner(2, columns);
  dragFromA(host::Point{gap.x + 3, gap.y + 7});
  const std::vector<Swatch> after = Stored()[0][0].swatches;
  ASSERT_EQ(after.size(), before.size() + 1);
  EXPECT_EQ(after[2].rgba, before[5].rgba);
  EXPECT_EQ(after[3].rgba, before[2].rgba);
  // Both choosers show it there.
  for (const char* key : {"a", "b"}) {
    SCOPED_TRACE(key);
    const host::Point cell = CellCentre(2, columns);
    EXPECT_TRUE(Near(At(Picture(key, kArea), cell.x, cell.y), Rgb(before[5]), 2));
  }

  // Below b's groups: a new document group of what is now swatch 5.
  dragFromA(std::nullopt);
  const Collections stored = Stored();
  ASSERT_EQ(stored[1].size(), 1u);
  ASSERT_EQ(stored[1][0].swatches.size(), 1u);
  EXPECT_EQ(stored[1][0].swatches[0].rgba, after[5].rgba);
  EXPECT_EQ(stored[0][0].swatches.size(), before.size() + 1);
}

TEST_F(SwatchesArea, ASwatchTooltipWritesEachLineWithItsColon) {
  StartSwatches();
  OpenChooser("a");
  const std::string tip = Tooltip("a", kArea, CellCentre(0, Columns()));
  EXPECT_NE(tip.find("<b>RGB</b>: "), std::string::npos) << tip;
  EXPECT_NE(tip.find("\n<b>HSV</b>: "), std::string::npos) << tip;
  EXPECT_NE(tip.find("\n<b>Alpha</b>: 100"), std::string::npos) << tip;
}

TEST_F(SwatchesArea, PresetNamesLoseTheirPathCharacters) {
  StartSwatches();
  Open("field", Settings(0, kNoBrightness), Plain(0.3, 0.6, 0.9));
  OpenChooser("a");
  DragOnto("field", kColorField, "a", kArea);
  Host().Answer(host::Answer::Text("a/b:c"));
  Click("a", kSaveButton);
  ASSERT_TRUE(Host().GetHost().Paths().has_value());
  const host::PresetLibrary library(Host().GetHost().Paths()->DataDir());
  EXPECT_TRUE(library.Exists(host::PresetUrl::Parse("preset:/user.libvx/Color Swatches/a_b_c").Value()));
  EXPECT_FALSE(library.Exists(host::PresetUrl::Parse("preset:/user.libvx/Color Swatches/a").Value()));
}
}  // namespace
}  // namespace swatchtest
