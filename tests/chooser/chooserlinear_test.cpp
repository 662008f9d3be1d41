// Linear colour: found through the objects the parent edits, shown through
// the mode-button row, and switched by the linear display toggle.
#include "chooserfixture.h"

namespace choosertest
{
namespace
{
bool SamePixels(const host::Bitmap& a, const host::Bitmap& b)
{
  if (a.Width() != b.Width() || a.Height() != b.Height())
    return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (!(a.GetPixel(x, y) == b.GetPixel(x, y)))
        return false;
  return true;
}

class ChooserLinearTest : public ChooserTest
{
protected:
  host::Bitmap Row(const std::string& key) { return Picture(key, kModeButtonRow); }
};

TEST_F(ChooserLinearTest, ObjectsTurningLinearBringTheLinearButtonIntoTheRow)
{
  // Wide enough for the whole row, so that no button hides in the overflow.
  Start(Modes({kPrefHsv}), 700);
  Open("a", Settings(0, 0), Plain(0.2, 0.4, 0.6));
  Open("b", Settings(0, 0), Plain(0.2, 0.4, 0.6));
  const host::Bitmap before = Row("a");
  ASSERT_TRUE(SamePixels(before, Row("b")));

  auto linear = Host().SetValues("a", {Plain(0.2, 0.4, 0.6)}, std::vector<bool>{true});
  ASSERT_TRUE(linear.Ok()) << linear.Error();
  EXPECT_TRUE(State("a").GetBool(kLinearContext));
  EXPECT_FALSE(SamePixels(before, Row("a")));
  EXPECT_TRUE(SamePixels(before, Row("b")));

  // Back to ordinary objects: the button leaves again.
  auto plain = Host().SetValues("a", {Plain(0.2, 0.4, 0.6)}, std::vector<bool>{false});
  ASSERT_TRUE(plain.Ok()) << plain.Error();
  EXPECT_FALSE(State("a").GetBool(kLinearContext));
  EXPECT_TRUE(SamePixels(before, Row("a")));
}

TEST_F(ChooserLinearTest, NoLinearDetectionWhenTheSettingsSaySo)
{
  Start();
  host::Container settings = Settings(0, 0);
  settings.SetBool(kNoLinearDetection, true);
  Open("nols", settings, Plain(0.2, 0.4, 0.6), true);
  Open("detects", Settings(0, 0), Plain(0.2, 0.4, 0.6), true);
  EXPECT_FALSE(State("nols").GetBool(kLinearContext));
  EXPECT_TRUE(State("detects").GetBool(kLinearContext));
}

TEST_F(ChooserLinearTest, AValueOfTheWrongFormLeavesTheColourAsItWas)
{
  Start(Modes({kPrefLinearDisplay}));
  Open("plain", Settings(0, 0), Plain(0.2, 0.4, 0.6), true);

  host::Container wrong(Code('b', 'V', 'A', 'C'));
  host::Container value;
  value.SetString(0, "not a colour");
  wrong.SetContainer(kMessageValue, value);
  host::Container result;
  Chooser("plain").Message(wrong, result);
  Chooser("plain").Message(wrong, result);

  const host::ColorValue back = Data("plain");
  EXPECT_NEAR(back.color.x, 0.2, 1e-9);
  EXPECT_NEAR(back.color.y, 0.4, 1e-9);
  EXPECT_NEAR(back.color.z, 0.6, 1e-9);
}

}  // namespace
}  // namespace choosertest
