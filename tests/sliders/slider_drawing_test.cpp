// What the gradient sliders draw, read back from the host's framebuffer.
#include <cmath>

#include "sliderfixture.h"

namespace choosertest
{
namespace
{
class SliderDrawingTest : public SliderTest
{
protected:
  // The handle of a horizontal slider of extent L = width - 1 and
  // A = height - 1: box columns p - 1 and p + 1 over the full height, short
  // sides at rows 0 and A, and the handle line at p from 1 to A - 1.
  void ExpectHandleAt(const host::Bitmap& picture, int p)
  {
    const int a = picture.Height() - 1;
    const Pixel box = At(picture, p - 1, 0);
    const Pixel line = At(picture, p, a / 2);
    EXPECT_NE(box, line);
    for (int y = 0; y <= a; ++y)
    {
      EXPECT_EQ(At(picture, p - 1, y), box) << "row " << y;
      EXPECT_EQ(At(picture, p + 1, y), box) << "row " << y;
    }
    EXPECT_EQ(At(picture, p, 0), box);
    EXPECT_EQ(At(picture, p, a), box);
    for (int y = 1; y < a; ++y)
      EXPECT_EQ(At(picture, p, y), line) << "row " << y;
  }
};

TEST_F(SliderDrawingTest, HandleSitsOnTheFirstAndLastGradientPixel)
{
  Start(Modes({kPrefHsv}));
  Open("black", {0.0, 0.0, 0.0});
  Open("white", {1.0, 1.0, 1.0});

  // The value slider of black is at t = 0, that of white at t = 1.
  const host::Bitmap start = Picture("black", kValueSlider);
  ASSERT_GE(start.Width(), 60);
  ExpectHandleAt(start, 1);
  const host::Bitmap end = Picture("white", kValueSlider);
  const int length = end.Width() - 1;
  ExpectHandleAt(end, length - 1);

  // Beside the handle the gradient runs on: column i is grey i / (L - 2).
  const int mid = start.Height() / 2;
  const double steps = length - 2;
  EXPECT_TRUE(Near(At(start, 3, mid), Of(2 / steps, 2 / steps, 2 / steps)));
  EXPECT_TRUE(Near(At(end, length - 3, mid), Of(1 - 2 / steps, 1 - 2 / steps, 1 - 2 / steps)));
}

TEST_F(SliderDrawingTest, PureGradientsRunFromBlackToThePrimaryWhateverTheOtherComponents)
{
  host::Container prefs = Modes({kPrefRgb});
  prefs.SetBool(kPrefPureGradients, true);
  Start(prefs);
  Open("a", {0.2, 0.7, 0.4});

  const host::Bitmap red = Picture("a", kRedSlider);
  const int length = red.Width() - 1;
  const int mid = red.Height() / 2;
  const int steps = length - 2;
  const int handle = static_cast<int>(std::floor(1 + steps * 0.2 + 0.5));
  int previous = -1;
  // Away from the handle (red is 0.2) every column is (t, 0, 0).
  for (int i = 0; i <= steps; i += 3)
  {
    const int x = 1 + i;
    if (std::abs(x - handle) <= 1)
      continue;
    const Pixel p = At(red, x, mid);
    EXPECT_TRUE(Near(p, Of(static_cast<double>(i) / steps, 0.0, 0.0), 1)) << "column " << x;
    EXPECT_GE(p.r, previous);
    previous = p.r;
  }
  EXPECT_TRUE(Near(At(red, length - 1, mid), Of(1.0, 0.0, 0.0), 1));

  // Without the preference the slider runs through the current colour.
  host::Container off;
  off.SetBool(kPrefPureGradients, false);
  Host().SetPrefs(off);
  const host::Bitmap mixed = Picture("a", kRedSlider);
  EXPECT_TRUE(Near(At(mixed, 3, mid), Of(2.0 / steps, 0.7, 0.4), 1));
  EXPECT_TRUE(Near(At(mixed, length - 1, mid), Of(1.0, 0.7, 0.4), 1));
}

TEST_F(SliderDrawingTest, LinearGradientsBlendInTheChoosersSpaceAndDrawInTheHosts)
{
  host::Container prefs = Modes({kPrefRgb});
  prefs.SetBool(kPrefLinearDisplay, true);
  Start(prefs);
  Open("a", {0.2, 0.5, 0.8}, true);

  // The red slider runs over display-encoded red; each column leaves the
  // chooser's space before it is drawn, so green and blue stay the host's.
  const host::Bitmap red = Picture("a", kRedSlider);
  const int steps = red.Width() - 3;
  const int mid = red.Height() / 2;
  for (const int i : {steps / 4, steps / 2 + 3, steps - 2})
  {
    const double t = static_cast<double>(i) / steps;
    EXPECT_TRUE(Near(At(red, 1 + i, mid), Of(SrgbToLinear(t), 0.5, 0.8))) << "column " << 1 + i;
  }
}

TEST_F(SliderDrawingTest, AlphaCheckerCellsFadeIntoTheColour)
{
  host::Container prefs = Modes({kPrefHsv, kPrefAlpha});
  prefs.SetInt32(kPrefTheme, 0);  // greys 1.0 and 0.8
  Start(prefs);
  OpenWithAlpha("a", {1.0, 0.0, 0.0}, 0.0);

  const host::Bitmap picture = Picture("a", kAlphaSlider);
  const int length = picture.Width() - 1;
  const int across = picture.Height() - 1;
  const int steps = length - 2;
  ASSERT_GE(across - 3, 3 + 7) << "two checker rows at least";
  // From column 5 on, clear of the handle at t = 0.
  for (int i = 4; i <= steps; i += 5)
  {
    const double t = static_cast<double>(i) / steps;
    const bool swapped = (i / 7) % 2 == 1;
    for (int y = 3; y <= across - 3; ++y)
    {
      const bool first = ((y - 3) / 7) % 2 == 0;
      const double grey = (first != swapped) ? 1.0 : 0.8;
      const Pixel expected = Of(grey + (1.0 - grey) * t, grey * (1.0 - t), grey * (1.0 - t));
      ASSERT_TRUE(Near(At(picture, 1 + i, y), expected, 1)) << "column " << 1 + i << " row " << y;
    }
  }
  // At the end of the bar both cells are the full colour.
  EXPECT_TRUE(Near(At(picture, length - 1, 4), Of(1.0, 0.0, 0.0)));
  EXPECT_TRUE(Near(At(picture, length - 1, 11), Of(1.0, 0.0, 0.0)));
}

TEST_F(SliderDrawingTest, DisabledSliderShowsOnlyBackgroundAndBorder)
{
  Start(Modes({kPrefRgb}));
  Open("a", {1.0, 0.5, 0.0});
  host::Widget& slider = Gadget("a", kGreenSlider);
  slider.SetEnabled(false);
  const host::Bitmap picture = Picture("a", kGreenSlider);
  const int length = picture.Width() - 1;
  const int across = picture.Height() - 1;
  const Pixel background = At(picture, 0, 0);
  // Inside the border and where the handle would be: background only.
  for (int x = 1; x < length; ++x)
  {
    for (int y = 3; y <= across - 3; ++y)
      ASSERT_EQ(At(picture, x, y), background) << x << ", " << y;
    ASSERT_EQ(At(picture, x, 0), background) << x;
  }
  // The border frames 0..L by 2..A-2.
  EXPECT_NE(At(picture, 0, across / 2), background);
  EXPECT_NE(At(picture, length / 2, 2), background);
}

TEST_F(SliderDrawingTest, ScaleTwoKeepsTheHandleSharp)
{
  Start(Modes({kPrefHsv}), 2);
  Open("black", {0.0, 0.0, 0.0});
  const host::Bitmap picture = Picture("black", kValueSlider);
  // Logical pixel p covers physical 2p and 2p + 1: box at 0 and 2, line at 1.
  const Pixel box = At(picture, 0, 0);
  const Pixel line = At(picture, 2, picture.Height() / 2);
  EXPECT_NE(box, line);
  EXPECT_EQ(At(picture, 1, picture.Height() / 2), box);
  EXPECT_EQ(At(picture, 3, picture.Height() / 2), line);
  EXPECT_EQ(At(picture, 4, picture.Height() / 2), box);
  EXPECT_EQ(At(picture, 5, picture.Height() / 2), box);
  EXPECT_NE(At(picture, 6, picture.Height() / 2), box);
}
}  // namespace
}  // namespace choosertest
