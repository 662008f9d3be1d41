// The mode-button row through the host: which buttons it shows, how it
// makes room, what its clicks do to the chooser's modes, and what it draws.
#include <string>
#include <vector>

#include "chooserpagetest.h"
#include "raster/iconlibrary.h"
#include "raster/interfacecolors.h"

namespace choosertest
{
namespace
{
const std::vector<std::string> kFullRow = {
    "Compact",     "Color Wheel", "Spectrum", "Colors from Picture",   "RGB", "HSV", "Color Temperature",
    "Color Mixer", "Hexadecimal", "Swatches", "Pick Color from Screen"};

class ModeButtonsTest : public ChooserPageTest
{
protected:
  void Restart(const host::Container& prefs, int width)
  {
    TearDown();
    Start(prefs, width);
  }

  // The tooltips met from left to right along the row: one per button.
  std::vector<std::string> Row(const std::string& key)
  {
    host::Widget& row = Gadget(key, kModeButtonRow);
    std::vector<std::string> names;
    for (int x = 0; x < row.Frame().w; ++x)
    {
      const std::string tip = Tooltip(key, kModeButtonRow, {x, row.Frame().h / 2});
      if (!tip.empty() && (names.empty() || names.back() != tip))
        names.push_back(tip);
    }
    return names;
  }

  bool Mode(const std::string& key, std::int32_t id) { return State(key).GetBool(id); }
};

TEST_F(ModeButtonsTest, RowFollowsTheFlagsAndTheState)
{
  Start(Modes({kPrefHsv}), 600);
  Open("all", Settings(0), Plain(0.5, 0.5, 0.5));
  EXPECT_EQ(Row("all"), kFullRow);

  Open("lean", Settings(0, kNoScreenPicker | kNoKelvin), Plain(0.5, 0.5, 0.5));
  std::vector<std::string> lean = kFullRow;
  lean.erase(lean.begin() + 10);
  lean.erase(lean.begin() + 6);
  EXPECT_EQ(Row("lean"), lean);

  // Alpha brings its toggle; compact leaves only what works beside it.
  Open("alpha", AlphaSettings(0), WithAlpha(0.5, 0.5, 0.5, 0.5));
  EXPECT_EQ(Row("alpha")[8], "Alpha");
  ClickModeButton("alpha", "Compact");
  EXPECT_TRUE(Mode("alpha", kCompact));
  EXPECT_EQ(Row("alpha"), (std::vector<std::string>{"Compact", "Alpha", "Swatches", "Pick Color from Screen"}));
}

TEST_F(ModeButtonsTest, GroupGapsShrinkBeforeTheOverflowButtonAppears)
{
  host::Container prefs = Modes({kPrefHsv});
  prefs.SetInt32(kPrefTheme, 1);
  Start(prefs, 600);
  Open("a", Settings(0), Plain(0.5, 0.5, 0.5));
  const int wide = Gadget("a", kModeButtonRow).Frame().w;
  // The window beyond the row: what the page and chooser keep around it.
  const int margin = 600 - wide;
  // Eleven buttons of 22: 242, ten small gaps 60, the group gaps 3 * 25 on top.
  EXPECT_EQ(ModeButtonX("a", "Color Wheel"), 22 + 25);

  Restart(prefs, 320 + margin);
  Open("a", Settings(0), Plain(0.5, 0.5, 0.5));
  ASSERT_EQ(Gadget("a", kModeButtonRow).Frame().w, 320);
  EXPECT_EQ(Row("a"), kFullRow);
  // (320 - 284) / 3 = 12 after compact, picture and swatches.
  EXPECT_EQ(ModeButtonX("a", "Color Wheel"), 22 + 12);
  EXPECT_EQ(ModeButtonX("a", "RGB"), 3 * 22 + 2 * 6 + 12 + 22 + 12);

  Restart(prefs, 300 + margin);
  Open("a", Settings(0), Plain(0.5, 0.5, 0.5));
  ASSERT_EQ(Gadget("a", kModeButtonRow).Frame().w, 300);
  const std::vector<std::string> row = Row("a");
  ASSERT_FALSE(row.empty());
  EXPECT_EQ(row.back(), "More Modes");
  // Gaps of 6 from the start; what passes 300 - 14 - 6 hides.
  EXPECT_EQ(ModeButtonX("a", "Color Wheel"), 28);
  EXPECT_EQ(row.size(), 10u + 1u);
  EXPECT_EQ(ModeButtonX("a", "Pick Color from Screen"), -1);

  // The overflow menu lists what is hidden and acts for it.
  Host().Answer(host::Answer::MenuChoice(900000 + 10));
  ClickAt("a", kModeButtonRow, {300 - 7, Gadget("a", kModeButtonRow).Frame().h / 2});
  ASSERT_EQ(ui.menus.size(), 1u);
  const auto& entries = ui.menus[0].menu.Entries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].id, 900010);
  EXPECT_EQ(entries[0].text, "Pick Color from Screen");
  // The off icon that suits the menu's (dark) background.
  EXPECT_EQ(entries[0].icon, 1034000);
}

TEST_F(ModeButtonsTest, TheOnlyActiveToggleTurnsOffOnlyBesideAnotherCheckableButton)
{
  Start(Modes({kPrefHsv}), 600);
  Open("picker", Settings(0), Plain(0.5, 0.5, 0.5));
  Open("bare", Settings(0, kNoScreenPicker), Plain(0.5, 0.5, 0.5));

  ClickModeButton("picker", "HSV");
  EXPECT_FALSE(Mode("picker", kHsv));
  EXPECT_FALSE(Shows("picker", kHueField));

  ClickModeButton("bare", "HSV");
  EXPECT_TRUE(Mode("bare", kHsv));
  ClickModeButton("bare", "HSV", 2);
  EXPECT_TRUE(Mode("bare", kHsv));
  EXPECT_TRUE(Shows("bare", kHueField));
}

TEST_F(ModeButtonsTest, TogglesFollowTheQualifiersAndTheSweep)
{
  Start(Modes({kPrefHsv}), 600);
  Open("a", Settings(0), Plain(0.5, 0.5, 0.5));

  ClickModeButton("a", "RGB");
  EXPECT_TRUE(Mode("a", kRgb));
  EXPECT_FALSE(Mode("a", kHsv));
  ClickModeButton("a", "Color Mixer", 1);
  EXPECT_TRUE(Mode("a", kRgb));
  EXPECT_TRUE(Mode("a", kMixer));
  ClickModeButton("a", "RGB", 2);
  EXPECT_FALSE(Mode("a", kRgb));
  EXPECT_TRUE(Mode("a", kMixer));

  // A plain press on RGB, then across HSV and Kelvin while held.
  const int y = Gadget("a", kModeButtonRow).Frame().h / 2;
  const int rgb = ModeButtonX("a", "RGB");
  Drag("a", kModeButtonRow, {{rgb + 5, y}, {rgb + 30, y}, {rgb + 60, y}, {rgb + 62, y}});
  EXPECT_TRUE(Mode("a", kRgb));
  EXPECT_TRUE(Mode("a", kHsv));
  EXPECT_TRUE(Mode("a", kKelvin));
  EXPECT_FALSE(Mode("a", kMixer));
}

TEST_F(ModeButtonsTest, ExclusiveModesCanAllBeOffOnlyBesideAnotherCheckableButton)
{
  Start(Modes({kPrefHsv}), 600);
  Open("a", Settings(0), Plain(0.5, 0.5, 0.5));
  ClickModeButton("a", "Color Wheel");
  EXPECT_TRUE(Mode("a", kWheel));
  ClickModeButton("a", "Spectrum");
  EXPECT_FALSE(Mode("a", kWheel));
  EXPECT_TRUE(Mode("a", kSpectrum));
  ClickModeButton("a", "HSV", 2);
  EXPECT_FALSE(Mode("a", kHsv));
  // The picker button is still on.
  ClickModeButton("a", "Spectrum");
  EXPECT_FALSE(Mode("a", kWheel) || Mode("a", kSpectrum) || Mode("a", kPicture));

  Open("bare", Settings(0, kNoScreenPicker), Plain(0.5, 0.5, 0.5));
  ClickModeButton("bare", "Colors from Picture");
  ClickModeButton("bare", "HSV", 2);
  ASSERT_FALSE(Mode("bare", kHsv));
  ClickModeButton("bare", "Colors from Picture");
  EXPECT_TRUE(Mode("bare", kPicture));
}

TEST_F(ModeButtonsTest, LaterChoosersRememberTheModes)
{
  host::Container prefs = Modes({kPrefHsv});
  prefs.SetBool(kPrefRememberModes, true);
  Start(prefs, 600);
  Open("first", Settings(0), Plain(0.5, 0.5, 0.5));
  ClickModeButton("first", "Color Temperature", 1);
  ClickModeButton("first", "Color Wheel");
  Open("second", Settings(0), Plain(0.5, 0.5, 0.5));
  EXPECT_TRUE(Mode("second", kKelvin));
  EXPECT_TRUE(Mode("second", kHsv));
  EXPECT_TRUE(Mode("second", kWheel));
}

TEST_F(ModeButtonsTest, PickerButtonIsOnAgainWhenPickingEnds)
{
  Start(Modes({kPrefHsv}), 600);
  Open("a", Settings(0), Plain(0.5, 0.5, 0.5));
  const host::Bitmap before = Picture("a", kModeButtonRow);
  ClickModeButton("a", "Pick Color from Screen");
  const host::Bitmap after = Picture("a", kModeButtonRow);
  ASSERT_EQ(before.Width(), after.Width());
  for (int y = 0; y < before.Height(); ++y)
    for (int x = 0; x < before.Width(); ++x)
      ASSERT_EQ(At(before, x, y), At(after, x, y)) << x << ", " << y;
  EXPECT_TRUE(Sent("a").empty());
}

// The button's pixels: its icon over the background colour.
void ExpectIcon(const host::Bitmap& row, int x0, int iconId, int theme, int scale)
{
  const auto icon = host::IconLibrary::Shared().Get(iconId, scale);
  ASSERT_TRUE(icon);
  const host::InterfaceColors colors(host::InterfaceColors::ThemeFromPreference(theme));
  const host::Rgba bg = colors.GetOr(host::InterfaceColors::kBackground, {});
  const int top = (row.Height() - icon->Height()) / 2;
  for (int y = 0; y < icon->Height(); ++y)
  {
    for (int x = 0; x < icon->Width(); ++x)
    {
      const host::Rgba c = icon->GetPixel(x, y);
      auto over = [&](int fg, int back) { return (fg * c.a + back * (255 - c.a) + 127) / 255; };
      const Pixel expected{over(c.r, bg.r), over(c.g, bg.g), over(c.b, bg.b)};
      ASSERT_TRUE(Near(At(row, x0 * scale + x, top + y), expected, 2)) << iconId << " at " << x << ", " << y;
    }
  }
}

TEST_F(ModeButtonsTest, ButtonsShowTheirIconForStateAndBackground)
{
  for (const int theme : {0, 1})
  {
    host::Container prefs = Modes({kPrefRgb});
    prefs.SetInt32(kPrefTheme, theme);
    Restart(prefs, 600);
    Open("a", Settings(0), Plain(0.5, 0.5, 0.5));
    const int rgb = ModeButtonX("a", "RGB"), hsv = ModeButtonX("a", "HSV");
    const host::Bitmap row = Picture("a", kModeButtonRow);
    ExpectIcon(row, rgb, 1033881, theme, 1);
    // Off: 1033996 on the dark theme, 1033493 on the light one.
    ExpectIcon(row, hsv, theme == 1 ? 1033996 : 1033493, theme, 1);
  }
}
}  // namespace
}  // namespace choosertest
