#include <string>

#include "gui/answer.h"
#include "swatchesmodetest.h"

namespace swatchtest {
namespace {
class SwatchesPanel : public SwatchesModeTest {
 protected:
  const host::MenuEntry* Entry(std::int32_t id) {
    if (ui.menus.empty()) return nullptr;
    return ui.menus.back().menu.Find(id);
  }
};

constexpr std::int32_t kMenuRename = 900004;
constexpr std::int32_t kMenuSort = 900007;
constexpr std::int32_t kMenuRemoveDuplicates = 900006;
constexpr std::int32_t kMenuRemoveEmpty = 900009;
constexpr std::int32_t kMenuNames = 900013;
constexpr std::int32_t kMenuMedium = 900015;

TEST_F(SwatchesPanel, GroupMenuSortsAndShowsItsStates) {
  StartSwatches();
  OpenChooser("a");
  // On the title band of the first group.
  Host().Answer(host::Answer::MenuChoice(kMenuSort));
  ClickAt("a", kArea, {20, 1}, 2);
  ASSERT_FALSE(ui.menus.empty());
  ASSERT_NE(Entry(kMenuRename), nullptr);
  EXPECT_TRUE(Entry(kMenuRemoveDuplicates)->disabled);
  EXPECT_TRUE(Entry(kMenuRemoveEmpty)->disabled);
  EXPECT_FALSE(Entry(kMenuNames)->checked);
  EXPECT_FALSE(Entry(kMenuMedium)->checked);
  // Sorted: hue, then saturation, then descending value.
  const Group g = Stored()[0][0];
  EXPECT_TRUE(g.selected);
  ASSERT_EQ(g.swatches.size(), 14u);
  EXPECT_NE(Rgb(g.swatches[0]), Of(0, 0, 0));
  EXPECT_EQ(Rgb(g.swatches[0]), Of(191 / 255.0, 191 / 255.0, 191 / 255.0));
}

TEST_F(SwatchesPanel, DoubleClickOnATitleRenames) {
  StartSwatches();
  OpenChooser("a");
  Host().Answer(host::Answer::Text("Basics"));
  Host().Input().Click(Gadget("a", kArea), host::Point{20, 1}, 1, 0, true);
  EXPECT_EQ(Stored()[0][0].name, "Basics");
  ASSERT_FALSE(ui.dialogs.empty());
  EXPECT_EQ(ui.dialogs.back().title, "Rename Group");
}

TEST_F(SwatchesPanel, DraggingSwatchesReordersThem) {
  StartSwatches();
  OpenChooser("a");
  const int columns = Columns();
  const std::vector<Swatch> before = Stored()[0][0].swatches;
  ClickAt("a", kArea, CellCentre(1, columns));
  // Into the left half of cell 5: before swatch 5.
  const host::Point from = CellCentre(1, columns), to = CellCorner(5, columns);
  Drag("a", kArea, {from, {from.x + 6, from.y}, {to.x + 3, to.y + 7}});
  const std::vector<Swatch> after = Stored()[0][0].swatches;
  ASSERT_EQ(after.size(), 14u);
  EXPECT_EQ(Rgb(after[4]), Rgb(before[1]));
  EXPECT_EQ(Rgb(after[1]), Rgb(before[2]));
  EXPECT_EQ(SelectedIn(Stored()[0][0]), std::vector<int>({4}));
}

TEST_F(SwatchesPanel, ButtonsFollowTheSelectionAndTheDocument) {
  StartSwatches();
  Open("field", Settings(0, kNoBrightness), Plain(0.3, 0.6, 0.9));
  OpenChooser("a");
  EXPECT_FALSE(Gadget("a", kDeleteButton).IsEnabled());
  EXPECT_FALSE(Gadget("a", kSaveButton).IsEnabled());
  ClickAt("a", kArea, CellCentre(0, Columns()));
  EXPECT_TRUE(Gadget("a", kDeleteButton).IsEnabled());
  DragOnto("field", kColorField, "a", kArea);
  EXPECT_TRUE(Gadget("a", kSaveButton).IsEnabled());
}

TEST_F(SwatchesPanel, SavedPresetLoadsBackThroughThePopup) {
  StartSwatches();
  Open("field", Settings(0, kNoBrightness), Plain(0.3, 0.6, 0.9));
  OpenChooser("a");
  DragOnto("field", kColorField, "a", kArea);
  Host().Answer(host::Answer::Text("Sea"));
  Click("a", kSaveButton);
  ASSERT_EQ(Stored()[1].size(), 1u);
  Host().Answer(host::Answer::Text("Sea"));
  Click("a", kLoadButton);
  const Collections stored = Stored();
  ASSERT_EQ(stored[1].size(), 2u);
  EXPECT_EQ(stored[1][1].name, "Sea");
  EXPECT_TRUE(stored[1][1].selected);
  ASSERT_EQ(stored[1][1].swatches.size(), 1u);
  EXPECT_NEAR(stored[1][1].swatches[0].rgba[2], 0.9, 1e-9);
}

TEST_F(SwatchesPanel, SavePresetDialogWorksFromTheKeyboardAlone) {
  StartSwatches();
  Open("field", Settings(0, kNoBrightness), Plain(0.3, 0.6, 0.9));
  OpenChooser("a");
  DragOnto("field", kColorField, "a", kArea);
  // The click opens the dialog, which takes the keys queued after it.
  const auto save = [&](const std::string& name, int32_t key) {
    const host::Point p = Host().Input().Global(Gadget("a", kSaveButton), std::nullopt);
    std::vector<host::InputEvent> events = {host::InputEvent::MouseMove(p), host::InputEvent::MouseDown(p),
                                            host::InputEvent::MouseUp(p)};
    for (const host::InputEvent& e : host::InputEvent::Typing(name)) events.push_back(e);
    events.push_back(host::InputEvent::KeyDown(key));
    events.push_back(host::InputEvent::KeyUp(key));
    Host().Input().Run(events);
  };
  const auto loads = [&](const std::string& name) {
    const size_t before = Stored()[1].size();
    Host().Answer(host::Answer::Text(name));
    Click("a", kLoadButton);
    return Stored()[1].size() > before;
  };
  save("Deep sea", GXA_KEY_ENTER);
  EXPECT_TRUE(loads("Deep sea"));
  save("Dusk", GXA_KEY_ESC);
  EXPECT_FALSE(loads("Dusk")) << "Escape saved the preset";
}

TEST_F(SwatchesPanel, SavingOverAPresetAsksBeforeReplacingIt) {
  StartSwatches();
  Open("blue", Settings(0, kNoBrightness), Plain(0.3, 0.6, 0.9));
  Open("red", Settings(0, kNoBrightness), Plain(0.9, 0.1, 0.1));
  OpenChooser("a");
  DragOnto("blue", kColorField, "a", kArea);
  Host().Answer(host::Answer::Text("Sea"));
  Click("a", kSaveButton);
  // A second document group: the preset saved now would hold two.
  DragOnto("red", kColorField, "a", kArea);
  ASSERT_EQ(Stored()[1].size(), 2u);
  const auto loadedGroups = [&] {
    const size_t before = Stored()[1].size();
    Host().Answer(host::Answer::Text("Sea"));
    Click("a", kLoadButton);
    return Stored()[1].size() - before;
  };

  Host().Answer(host::Answer::Text("Sea"));
  Host().Answer(host::Answer::Question(false));
  Click("a", kSaveButton);
  ASSERT_FALSE(ui.dialogs.empty());
  EXPECT_NE(ui.dialogs.back().title.find("\"Sea\" exists"), std::string::npos) << ui.dialogs.back().title;
  EXPECT_EQ(loadedGroups(), 1u) << "declining kept the first preset";

  Host().Answer(host::Answer::Text("Sea"));
  Host().Answer(host::Answer::Question(true));
  Click("a", kSaveButton);
  EXPECT_EQ(loadedGroups(), 3u) << "the replaced preset holds every document group of the moment";
}

TEST_F(SwatchesPanel, ControlOnLoadOpensTheBrowserAtTheSwatchFolder) {
  StartSwatches();
  Open("field", Settings(0, kNoBrightness), Plain(0.3, 0.6, 0.9));
  OpenChooser("a");
  const auto browserFolder = [&]() -> std::string {
    if (ui.dialogs.empty() || ui.dialogs.back().kind != "presets") return "(no browser)";
    return ui.dialogs.back().title;
  };
  // Without a user folder for swatch presets: the shipped library's.
  Click("a", kLoadButton, 1, GXA_QUALIFIER_CTRL);
  EXPECT_EQ(browserFolder(), "preset:/source.libvx/Color Swatches");
  DragOnto("field", kColorField, "a", kArea);
  Host().Answer(host::Answer::Text("Sea"));
  Click("a", kSaveButton);
  Click("a", kLoadButton, 1, GXA_QUALIFIER_CTRL);
  EXPECT_EQ(browserFolder(), "preset:/user.libvx/Color Swatches");
  EXPECT_EQ(DiagnosticsWith("could not be opened"), 0);
}
}  // namespace
}  // namespace swatchtest
