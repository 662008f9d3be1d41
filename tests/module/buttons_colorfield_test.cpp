#include <gtest/gtest.h>

#include "utils/colorclipboard.h"
#include "utils/colorfieldarea.h"

TEST(ColorFieldSize, SpecificationsAddPixelsAndTenthsOfAMeasure)
{
  // 20 pixels and eight digits of 7.
  EXPECT_EQ(ColorFieldArea::SpecToPixels(ColorFieldArea::kDefaultWidthSpec, 7), 76);
  // 2 pixels and one line of 15.
  EXPECT_EQ(ColorFieldArea::SpecToPixels(ColorFieldArea::kDefaultHeightSpec, 15), 17);
  // Halves round up: 3 * 0.5 = 1.5, 3 * 0.4 = 1.2.
  EXPECT_EQ(ColorFieldArea::SpecToPixels((10 << 14) | 5, 3), 12);
  EXPECT_EQ(ColorFieldArea::SpecToPixels((10 << 14) | 4, 3), 11);
  EXPECT_EQ(ColorFieldArea::SpecToPixels(40 << 14, 9), 40);
}

TEST(ColorFieldSplit, CheckerboardSplitLiesOnTheGrid)
{
  EXPECT_EQ(ColorFieldArea::SplitX(100, true), 50);
  // 98 / 7 = 14 cells, half of them 7, made even: 6.
  EXPECT_EQ(ColorFieldArea::SplitX(100, false), 43);
  EXPECT_EQ(ColorFieldArea::SplitX(60, false), 29);
  for (std::int32_t width = 16; width < 300; ++width)
  {
    const std::int32_t split = ColorFieldArea::SplitX(width, false);
    // The right part's cells continue the left part's pattern: two cells per period.
    EXPECT_EQ((split - 1) % 14, 0) << width;
    EXPECT_LE(split, width / 2) << width;
  }
}

TEST(ColorClipboardRules, PasteKeepsTheTargetsAlphaWhenTheCopyHadNone)
{
  ColorClipboard& clipboard = ColorClipboard::Get();
  clipboard.Clear();
  EXPECT_TRUE(clipboard.IsEmpty());
  EXPECT_DOUBLE_EQ(clipboard.PasteAlpha(true, 0.3), 0.3);

  clipboard.Copy(Vector(0.2, 0.4, 0.6), 1.0, true);
  EXPECT_FALSE(clipboard.IsEmpty());
  EXPECT_EQ(clipboard.GetColor(), Vector(0.2, 0.4, 0.6));
  EXPECT_DOUBLE_EQ(clipboard.PasteAlpha(true, 0.3), 0.3);
  EXPECT_DOUBLE_EQ(clipboard.PasteAlpha(false, 0.3), 1.0);

  clipboard.Copy(Vector(0.2, 0.4, 0.6), 0.25, false);
  EXPECT_DOUBLE_EQ(clipboard.PasteAlpha(true, 0.3), 0.25);
  clipboard.Clear();
}
