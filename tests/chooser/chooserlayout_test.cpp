// Which rows, mode buttons and panels a chooser lays out for its settings and
// the world preferences.
#include "chooserfixture.h"

namespace choosertest
{
namespace
{
class ChooserLayoutTest : public ChooserTest
{
protected:
  void OpenOne(const host::Container& settings) { Open("c", settings, Plain(0.2, 0.4, 0.6)); }
};

TEST_F(ChooserLayoutTest, BrightnessKindWithoutModeButtonsAndEveryModeHiddenShowsOneRow)
{
  Start();
  Open("bright", Settings(2, kNoModeButtons | kAllNineHidden), Plain(0.2, 0.4, 0.6));
  Open("plain", Settings(2, kNoModeButtons | kAllNineHidden | kNoBrightness), Plain(0.2, 0.4, 0.6));
  Open("open", Settings(2, kNoModeButtons), Plain(0.2, 0.4, 0.6));

  EXPECT_TRUE(Shows("bright", kColorField));
  EXPECT_TRUE(Shows("bright", kBrightnessField));
  EXPECT_TRUE(Shows("bright", kBrightnessSlider));
  EXPECT_FALSE(Shows("bright", kModeButtonsGroup));
  EXPECT_FALSE(Shows("bright", kHueField));

  EXPECT_TRUE(Shows("plain", kColorField));
  EXPECT_TRUE(Shows("plain", kPickerButton));
  EXPECT_FALSE(Shows("plain", kBrightnessField));
  EXPECT_FALSE(Shows("plain", kModeButtonsGroup));

  // Hiding only some modes leaves the expanded layout: the mode-button group
  // and the panels are there (the row itself stays out without mode buttons).
  EXPECT_TRUE(Shows("open", kModeButtonsGroup));
  EXPECT_FALSE(Shows("open", kModeButtonRow));
  EXPECT_TRUE(Shows("open", kHueField));
}

TEST_F(ChooserLayoutTest, NoEnablingFlagAndEveryPreferenceOffGivesHsvAlone)
{
  Start();
  OpenOne(Settings(0, 0));
  const host::Container state = State("c");
  EXPECT_TRUE(state.GetBool(kHsv));
  for (const std::int32_t mode : {kWheel, kSpectrum, kPicture, kRgb, kKelvin, kMixer, kSwatches, kCompact, kHex})
    EXPECT_FALSE(state.GetBool(mode)) << std::hex << mode;
  EXPECT_TRUE(Shows("c", kHueField));
  EXPECT_TRUE(Shows("c", kModeButtonRow));
  EXPECT_FALSE(Shows("c", kRgbGroup));
  EXPECT_FALSE(Shows("c", kHexGroup));
}

TEST_F(ChooserLayoutTest, PreferencesChooseTheModesWhenNoFlagDoes)
{
  host::Container prefs = Modes({kPrefRgb, kPrefHex});
  prefs.SetInt32(kPrefStartMode, 2);
  Start(prefs);
  OpenOne(Settings(0, 0));
  const host::Container state = State("c");
  EXPECT_TRUE(state.GetBool(kSpectrum));
  EXPECT_TRUE(state.GetBool(kRgb));
  EXPECT_TRUE(state.GetBool(kHex));
  EXPECT_FALSE(state.GetBool(kHsv));
  EXPECT_TRUE(Shows("c", kRgbGroup));
  EXPECT_TRUE(Shows("c", kRedField));
  EXPECT_TRUE(Shows("c", kHexField));
}

TEST_F(ChooserLayoutTest, WheelWinsOverSpectrumAmongEnablingFlags)
{
  Start();
  OpenOne(Settings(0, kEnableWheel | kEnableSpectrum));
  const host::Container state = State("c");
  EXPECT_TRUE(state.GetBool(kWheel));
  EXPECT_FALSE(state.GetBool(kSpectrum));
  EXPECT_FALSE(state.GetBool(kPicture));
}

TEST_F(ChooserLayoutTest, HideHexAloneIsAChoiceOfModes)
{
  Start(Modes({kPrefRgb, kPrefHex}));
  OpenOne(Settings(0, kHideHex));
  const host::Container state = State("c");
  // Neither the preferences (RGB, hex) nor the HSV fallback apply.
  EXPECT_FALSE(state.GetBool(kRgb));
  EXPECT_FALSE(state.GetBool(kHex));
  EXPECT_FALSE(state.GetBool(kHsv));
  EXPECT_FALSE(Shows("c", kRedField));
  EXPECT_FALSE(Shows("c", kHexField));
}

TEST_F(ChooserLayoutTest, CompactLeavesOutRgbHsvAndHexButKeepsAlphaAndSwatches)
{
  Start(Modes({kPrefCompact, kPrefRgb, kPrefHex, kPrefHsv, kPrefSwatches, kPrefAlpha}));
  Open("c", AlphaSettings(0, 0), WithAlpha(0.2, 0.4, 0.6, 0.5));

  EXPECT_TRUE(Shows("c", kCompactSquare));
  EXPECT_FALSE(Shows("c", kRgbGroup));
  EXPECT_FALSE(Shows("c", kHexGroup));
  EXPECT_TRUE(Shows("c", kAlphaGroup));
  EXPECT_TRUE(Shows("c", kSwatchesGroup));
  // The compact panel shows the RGB and HSV sliders in its own group.
  EXPECT_TRUE(Shows("c", kRedField));
  EXPECT_TRUE(Shows("c", kHueField));
}

TEST_F(ChooserLayoutTest, ColourRowKeepsItsPickerWhateverTheFlags)
{
  Start();
  Open("field", Settings(1, kNoScreenPicker | kAllNineHidden), Plain(0.2, 0.4, 0.6));
  Open("collapsed", Settings(0, kNoScreenPicker, 0), Plain(0.2, 0.4, 0.6));
  Open("expanded", Settings(0, kNoScreenPicker, 2), Plain(0.2, 0.4, 0.6));

  EXPECT_TRUE(Shows("field", kPickerButton));
  EXPECT_TRUE(Shows("collapsed", kPickerButton));
  EXPECT_FALSE(Shows("collapsed", kModeButtonsGroup));
  // Expanded, the picker belongs to the mode-button row instead.
  EXPECT_FALSE(Shows("expanded", kPickerButton));
  EXPECT_TRUE(Shows("expanded", kModeButtonRow));
}

TEST_F(ChooserLayoutTest, LaterChoosersStartFromTheRememberedModes)
{
  Start(Modes({kPrefKelvin}));
  Open("first", Settings(0, 0), Plain(0.2, 0.4, 0.6));

  host::Container changed;
  changed.SetBool(kPrefKelvin, false);
  changed.SetBool(kPrefMixer, true);
  changed.SetBool(kPrefRememberModes, true);
  Host().SetPrefs(changed);
  Open("remembering", Settings(0, 0), Plain(0.2, 0.4, 0.6));

  changed.SetBool(kPrefRememberModes, false);
  Host().SetPrefs(changed);
  Open("forgetting", Settings(0, 0), Plain(0.2, 0.4, 0.6));

  EXPECT_TRUE(State("remembering").GetBool(kKelvin));
  EXPECT_FALSE(State("remembering").GetBool(kMixer));
  EXPECT_FALSE(State("forgetting").GetBool(kKelvin));
  EXPECT_TRUE(State("forgetting").GetBool(kMixer));
}

TEST_F(ChooserLayoutTest, StoredStateWinsOverDefaults)
{
  Start();
  host::Container stored;
  stored.SetBool(kRgb, true);
  stored.SetBool(kHsv, false);
  host::Container settings = Settings(0, 0);
  settings.SetContainer(kStoredState, stored);
  Open("c", settings, Plain(0.2, 0.4, 0.6));

  const host::Container state = State("c");
  EXPECT_EQ(state.Id(), 1);
  EXPECT_TRUE(state.GetBool(kRgb));
  EXPECT_FALSE(state.GetBool(kHsv));
  // The colour field shows transparency unless told otherwise.
  EXPECT_TRUE(state.GetBool(kShowAlpha));
  // The mixer's defaults are in place for its first showing.
  ASSERT_TRUE(state.GetVector(0x3EF0001).has_value());
  EXPECT_DOUBLE_EQ(state.GetVector(0x3EF0001)->z, 0.6);
  EXPECT_TRUE(Shows("c", kRedField));
}
}  // namespace
}  // namespace choosertest
