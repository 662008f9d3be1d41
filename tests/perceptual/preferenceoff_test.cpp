// With the perceptual colour tools preference explicitly off, the chooser
// is the one it is with the preference absent: the same mode row, the same
// wheel menu, the same stored state after the same session and the same
// pixels; with it on the mode row and the menu change.
#include <algorithm>
#include <string>
#include <vector>

#include "perceptualtest.h"
#include "wheelpagetest.h"

namespace choosertest {
namespace {
enum class Preference { Absent, Off, On };

struct Session {
  std::vector<std::string> modeRow;
  std::vector<std::string> wheelMenu;
  host::Container wheelState;
  host::Container slidersState;
  host::Bitmap page;
};

class PreferenceOffTest : public WheelModeTest {
 protected:
  // The same session of use under each setting of the preference.
  Session Run(Preference preference) {
    host::Container prefs = Modes({kPrefHsv, kPrefRgb});
    if (preference != Preference::Absent) prefs = Perceptual(prefs, preference == Preference::On);
    // One host per session.
    if (Started()) TearDown();
    StartWheel(1, prefs);
    Session session;
    Open("wheel", Settings(0, kNoBrightness), Plain(0.8, 0.3, 0.2));
    Open("sliders", Settings(0, kNoBrightness | kHideHex | 0x40000 | 0x80000), Plain(0.2, 0.6, 0.4));
    session.modeRow = ModeRow("wheel");
    Host().Answer(host::Answer::MenuChoice(900001));
    ClickAt("wheel", kWheelArea, {5, 5}, 2);
    if (!ui.menus.empty()) {
      for (const host::MenuEntry& entry : ui.menus.back().menu.Entries()) session.wheelMenu.push_back(entry.rawText);
    }
    Click("wheel", 0x3EA000E);
    Drag("wheel", kWheelArea, {{60, 60}, {70, 80}, {90, 100}});
    ClickAt("sliders", 0x3EE0004, {30, 8});
    session.wheelState = State("wheel");
    session.slidersState = State("sliders");
    auto page = Host().Capture();
    EXPECT_TRUE(page.Ok()) << page.Error();
    if (page.Ok()) session.page = std::move(page.Value());
    return session;
  }

  // The tooltips of the mode row's buttons, left to right.
  std::vector<std::string> ModeRow(const std::string& key) {
    std::vector<std::string> names;
    host::Widget& row = Gadget(key, kModeButtonRow);
    for (int x = 0; x < row.Frame().w; ++x) {
      const std::string name = Tooltip(key, kModeButtonRow, {x, row.Frame().h / 2});
      if (!name.empty() && (names.empty() || names.back() != name)) names.push_back(name);
    }
    return names;
  }
};

TEST_F(PreferenceOffTest, PreferenceOffGivesExactlyWhatNoPreferenceGives) {
  const Session absent = Run(Preference::Absent);
  const Session off = Run(Preference::Off);
  const Session on = Run(Preference::On);

  EXPECT_EQ(off.modeRow, absent.modeRow);
  EXPECT_EQ(off.wheelMenu, absent.wheelMenu);
  EXPECT_EQ(off.wheelState, absent.wheelState);
  EXPECT_EQ(off.slidersState, absent.slidersState);
  EXPECT_TRUE(SamePicture(off.page, absent.page));
  EXPECT_GT(absent.page.Width(), 0);

  // The preference is what brings the new tools.
  const auto oklch = [](const Session& session) {
    return std::find(session.modeRow.begin(), session.modeRow.end(), "OKLCh") != session.modeRow.end();
  };
  EXPECT_TRUE(oklch(on));
  EXPECT_FALSE(oklch(absent));
  EXPECT_NE(on.modeRow, absent.modeRow);
  // The OKLCh button narrows the gaps: no stated button is pushed away.
  std::vector<std::string> withoutOklch = on.modeRow;
  std::erase(withoutOklch, "OKLCh");
  EXPECT_EQ(withoutOklch, absent.modeRow);
  // The scheme, a separator and the colour-vision submenu.
  EXPECT_EQ(on.wheelMenu.size(), absent.wheelMenu.size() + 3);
  EXPECT_FALSE(SamePicture(on.page, absent.page));
  // Nothing of them is stored before the user asks for it.
  EXPECT_EQ(on.slidersState, absent.slidersState);
  EXPECT_FALSE(on.wheelState.Has(kOklchMode));
}

TEST_F(PreferenceOffTest, StoredPerceptualChoicesStayHiddenWhileThePreferenceIsOff) {
  // A layout saved with the OKLCh mode and the perceptual wheel, opened
  // where the preference is off: wheel and sliders as always, RGB scheme.
  host::Container stored;
  stored.SetBool(kOklchMode, true);
  stored.SetBool(kWheel, true);
  stored.SetInt32(kWheelScheme, 20002);
  host::Container settings = Settings(0, kNoBrightness);
  settings.SetContainer(kStoredState, stored);
  StartWheel(1, Perceptual(Modes(), false));
  ChooserPageTest::Open("a", settings, Plain(1.0, 0.0, 0.0));
  EXPECT_EQ(Find("a", kOklchLightness), nullptr);
  for (const std::string& name : ModeRow("a")) EXPECT_NE(name, "OKLCh");
  Host().Answer(host::Answer::MenuChoice(0));
  ClickAt("a", kWheelArea, {5, 5}, 2);
  ASSERT_FALSE(ui.menus.empty());
  EXPECT_EQ(ui.menus.back().menu.Entries().size(), 7u);
  EXPECT_TRUE(ui.menus.back().menu.Entries()[0].checked);
}
TEST_F(PreferenceOffTest, TurningThePreferenceOnOrOffShowsOrHidesTheToolsAtOnce) {
  StartWheel(1, Modes({kPrefHsv}));
  ChooserPageTest::Open("a", Settings(0, kNoBrightness), Plain(1.0, 0.0, 0.0));
  const std::vector<std::string> before = ModeRow("a");
  EXPECT_EQ(std::count(before.begin(), before.end(), "OKLCh"), 0);

  Host().SetPrefs(Perceptual(host::Container()));
  const std::vector<std::string> on = ModeRow("a");
  EXPECT_EQ(std::count(on.begin(), on.end(), "OKLCh"), 1);
  ClickModeButton("a", "OKLCh", 1);
  EXPECT_TRUE(Shows("a", kOklchLightness));

  Host().SetPrefs(Perceptual(host::Container(), false));
  EXPECT_EQ(ModeRow("a"), before);
  EXPECT_EQ(Find("a", kOklchLightness), nullptr);
}
}  // namespace
}  // namespace choosertest
