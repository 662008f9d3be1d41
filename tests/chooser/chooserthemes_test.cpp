// A change of the interface theme reaches the choosers that are already
// open: their colour fields and alpha sliders draw the new theme's checker
// at once, as a chooser opened afterwards does.
#include "chooserpagetest.h"

namespace choosertest
{
namespace
{
class ChooserThemesTest : public ChooserPageTest
{
protected:
  void StartInTheme(std::int32_t theme)
  {
    host::Container prefs = Modes({kPrefAlpha});
    prefs.SetInt32(kPrefTheme, theme);
    Start(prefs);
  }

  // A fully transparent colour shows nothing but the checker.
  void OpenClear(const std::string& key) { Open(key, AlphaSettings(0), WithAlpha(1.0, 0.0, 0.0, 0.0)); }

  void SwitchTheme(std::int32_t theme)
  {
    host::Container change;
    change.SetInt32(kPrefTheme, theme);
    Host().SetPrefs(change);
  }

  static void ExpectSamePicture(const host::Bitmap& seen, const host::Bitmap& expected, const std::string& what)
  {
    ASSERT_EQ(seen.Width(), expected.Width()) << what;
    ASSERT_EQ(seen.Height(), expected.Height()) << what;
    for (int y = 0; y < seen.Height(); ++y)
      for (int x = 0; x < seen.Width(); ++x)
        ASSERT_EQ(At(seen, x, y), At(expected, x, y)) << what << " at " << x << ", " << y;
  }
};

TEST_F(ChooserThemesTest, ThemeChangeRedrawsTheCheckerOfEveryOpenChooser)
{
  StartInTheme(0);
  OpenClear("a");
  OpenClear("b");
  ASSERT_TRUE(Shows("a", kAlphaSlider));
  const host::Bitmap lightField = Picture("a", kColorField);
  EXPECT_TRUE(Near(At(lightField, 1, 1), Of(1.0, 1.0, 1.0)));

  SwitchTheme(1);
  OpenClear("fresh");
  const host::Bitmap darkField = Picture("fresh", kColorField);
  const host::Bitmap darkSlider = Picture("fresh", kAlphaSlider);
  // The dark checker starts with its lighter grey.
  EXPECT_TRUE(Near(At(darkField, 1, 1), Of(0.6, 0.6, 0.6)));
  for (const std::string key : {"a", "b"})
  {
    ExpectSamePicture(Picture(key, kColorField), darkField, key + " colour field");
    ExpectSamePicture(Picture(key, kAlphaSlider), darkSlider, key + " alpha slider");
  }

  SwitchTheme(0);
  ExpectSamePicture(Picture("fresh", kColorField), lightField, "colour field back in the light theme");
}
}  // namespace
}  // namespace choosertest
